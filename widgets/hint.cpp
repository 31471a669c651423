#include "widgets/hint.h"

#include <QAction>
#include <QWidget>

QString hintToolTip(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}

QString hintStatusText(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hintToolTip(hint));
    widget->setStatusTip(hintStatusText(hint));
}

void setHint(QAction* action, const QString& hint) {
    action->setToolTip(hintToolTip(hint));
    action->setStatusTip(hintStatusText(hint));
}
