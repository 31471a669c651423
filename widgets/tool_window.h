#pragma once

#include <QWidget>

// A small window that stays above the main window: created hidden, hidden
// (never destroyed) when closed, and reporting each close so that a toggle
// button elsewhere can be released.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(QWidget* owner, const QString& objectName, const QString& caption,
               Qt::WindowFlags extraFlags = {});

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};
