#pragma once

#include "editor/tag_palette_form.h"
#include "widgets/tool_window.h"

class QToolButton;
class EditorTab;

// The "Tag Inspector" window: a palette of snippet buttons in ten pages that
// insert into the script editor. The 97 buttons are made when the window is
// first shown, or earlier through buildPalette(), so that start-up does not
// wait for them.
//
// A click never takes the keyboard from the editor. From the keyboard:
// takeKeyboard() (the editor's Ctrl+Shift+T) moves into the current page,
// the arrows go from button to button, Ctrl+Tab or Ctrl+PgDn / Ctrl+PgUp
// from page to page, Enter or Space inserts and Esc returns to the editor.
class TagInspector final : public ToolWindow {
    Q_OBJECT
public:
    // Every button inserts its snippet into editor.
    TagInspector(QWidget* mainWindow, EditorTab* editor);
    Q_DISABLE_COPY_MOVE(TagInspector)

    // Makes the pages and their buttons, once.
    void buildPalette();
    void setVisible(bool visible) override;
    // Activates the window with the keyboard on the current page's first button.
    void takeKeyboard();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QToolButton*> buttonsOfPage(int page) const;
    void focusButton(int page, qsizetype index);

    TagInspectorForm form;
    EditorTab* const editor;
};
