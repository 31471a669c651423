#include "widgets/hint.h"

#include <QAction>
#include <QApplication>
#include <QStatusTipEvent>
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

void showStatus(QWidget* inside, const QString& text) {
    QStatusTipEvent tip(text);
    QApplication::sendEvent(inside->window(), &tip);
}

void setHint(QAction* action, const QString& hint) {
    action->setToolTip(hintToolTip(hint));
    action->setStatusTip(hintStatusText(hint));
}
