#pragma once

#include <QWidget>

// A small window that stays above the main window: created hidden, hidden
// (never destroyed) when closed, and reporting each close so that a toggle
// button elsewhere can be released. It shows on the owner's screen, whole; a
// fixed-size one grows when its layout needs more, as with a larger font.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(QWidget* owner, const QString& objectName, const QString& caption,
               Qt::WindowFlags extraFlags = {});

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// Moves the top-level `window` onto the screen that holds `owner` (the same
// place on it), then as little as needed to be wholly inside its available area.
void keepOnScreenOf(QWidget* window, const QWidget* owner);
