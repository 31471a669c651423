#include "widgets/tool_window.h"

#include <QCloseEvent>

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
