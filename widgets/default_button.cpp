#include "widgets/default_button.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

class DefaultButtonFilter final : public QObject {
public:
    DefaultButtonFilter(QWidget* watchedArea, QAbstractButton* defaultButton)
        : QObject(watchedArea), area(watchedArea), button(defaultButton) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget != QApplication::focusWidget() || !area->isAncestorOf(widget))
            return false;
        if (qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget))
            return false;
        if (!button->isEnabled() || !button->isVisibleTo(area))
            return false;
        button->click();
        return true;
    }

private:
    QWidget* area;
    QAbstractButton* button;
};

} // namespace

void installDefaultButton(QWidget* area, QAbstractButton* button) {
    new DefaultButtonFilter(area, button);
}
