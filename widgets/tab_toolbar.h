#pragma once

#include <QString>

class EditActions;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;
struct TabContext;

// Pieces every tool tab's tool bar is made of.
namespace TabToolBar {

QToolBar* create(const QString& objectName, QWidget* parent);

// A plain button with a hint and a standard icon (or its text).
QToolButton* addButton(QToolBar* bar, const QString& objectName, const QString& text,
                       const QString& hint, const QString& iconName = {});

// A drop-down button: clicking the face runs `face` (when given), the arrow
// opens `menu`.
QToolButton* addMenuButton(QToolBar* bar, const QString& objectName, const QString& text,
                           const QString& hint, QMenu* menu, const QString& iconName = {});

// Cut, Copy, Paste, Undo and Delete: the shared edit actions.
void addEditButtons(QToolBar* bar, EditActions& actions);

// The Help drop-down: "Help" (the tool's help page), a separator, "About".
QToolButton* addHelpButton(QToolBar* bar, const TabContext& context, const QString& buttonName,
                           const QString& helpName, const QString& aboutName, int toolNumber);

} // namespace TabToolBar
