#pragma once

#include "widgets/tool_window.h"

class QTabWidget;
class EditorTab;

// The "Tag Inspector" window: a palette of snippet buttons in ten pages that
// insert into the script editor. The 97 buttons are made when the window is
// first shown, or earlier through buildPalette(), so that start-up does not
// wait for them.
class TForm2 final : public ToolWindow {
    Q_OBJECT
public:
    // Every button inserts its snippet into editor.
    TForm2(QWidget* mainWindow, EditorTab* editor);
    Q_DISABLE_COPY_MOVE(TForm2)

    // Makes the pages and their buttons, once.
    void buildPalette();
    void setVisible(bool visible) override;

    QTabWidget* PageControl1;

private:
    EditorTab* const editor;
};
