#pragma once

#include <QString>

class QAction;
class QWidget;

// A hint "short|long": the short part is the tool tip, the long part goes to
// the status bar. A hint without a bar is used for both.
void setHint(QWidget* widget, const QString& hint);
void setHint(QAction* action, const QString& hint);
QString hintToolTip(const QString& hint);
QString hintStatusText(const QString& hint);

// Tells the user what a command did, in the status bar of `inside`'s window
// (until the next hint takes its place).
void showStatus(QWidget* inside, const QString& text);
