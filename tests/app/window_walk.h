#pragma once

#include "widgets/contrast.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QPalette;
class QWidget;

// Walks every window of the program as a user meets it: the main window on
// each tab, each Tag Inspector page, Reserved Words, the tip window, the
// wizard and the About box. Each is shown in turn and `visit` gets a short
// description of where it is ("Form1, tab 3") and the window.
void walkWindows(const std::function<void(const QString& where, QWidget* window)>& visit);

// The widgets of `window` a user sees, its own (not those of other windows).
QList<QWidget*> visibleWidgets(QWidget* window);

// A control's one-line name in reports: objectName, else class and caption.
QString describe(const QWidget* widget);

// Qt's dark Fusion palette, as dark desktop themes set it.
QPalette darkFusionPalette();

// Collects failures; clean() lists them all, one line each, and says
// whether there were none.
struct Findings {
    QStringList lines;
    void add(const QString& where, const QWidget* widget, const QString& what) {
        lines << where + QLatin1String(": ") + describe(widget) + QLatin1String(": ") + what;
    }
    bool clean();
};
