#pragma once

#include "widgets/tool_window.h"

class QTabWidget;
class EditorTab;

// The "Tag Inspector" window: a palette of snippet buttons in ten pages that
// insert into the script editor.
class TForm2 final : public ToolWindow {
    Q_OBJECT
public:
    // Every button inserts its snippet into editor.
    TForm2(QWidget* mainWindow, EditorTab* editor);
    Q_DISABLE_COPY_MOVE(TForm2)

    QTabWidget* PageControl1;

private:
    EditorTab* const editor;
};
