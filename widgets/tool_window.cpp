#include "widgets/tool_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

ToolWindow::ToolWindow(QWidget* owner, const QString& name, const QString& caption,
                       Qt::WindowFlags extraFlags)
    : QWidget(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint | extraFlags) {
    setObjectName(name);
    setWindowTitle(caption);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    // Accepted: the window is hidden, and kept, because it is not deleted on close.
    event->accept();
    emit closed();
}

void ToolWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A fixed size is the one for the default font; a larger font or a page
    // built since may need more. Measured here, not at start-up.
    if (minimumSize() == maximumSize())
        setFixedSize(size().expandedTo(minimumSizeHint()));
    keepOnScreenOf(this, parentWidget());
}

void keepOnScreenOf(QWidget* window, const QWidget* owner) {
    const QScreen* target = owner ? owner->screen() : window->screen();
    if (!target)
        return;
    QRect frame = window->frameGeometry();
    if (const QScreen* current = QGuiApplication::screenAt(frame.center());
        current && current != target)
        frame.translate(target->geometry().topLeft() - current->geometry().topLeft());
    const QRect area = target->availableGeometry();
    const auto within = [](int start, int length, int areaStart, int areaLength) {
        return std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
    };
    const QPoint place(within(frame.left(), frame.width(), area.left(), area.width()),
                       within(frame.top(), frame.height(), area.top(), area.height()));
    if (place != window->frameGeometry().topLeft())
        window->move(place);
}
