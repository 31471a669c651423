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
    event->ignore();
    hide();
    emit closed();
}
