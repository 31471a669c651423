#pragma once

#include "widgets/tool_tab_frame.h"

class QAction;
class QPlainTextEdit;
class QToolButton;
class QWidget;
struct TabContext;

// The widgets of the "JS Editor" tab, named for their roles. setupUi builds
// them into the tab with the objectNames the program is addressed by; the
// tab keeps the behaviour.
struct EditorForm final {
    void setupUi(QWidget* tab, const TabContext& context);

    // The tool bar; the editor's own entries and toggles are named below.
    ToolTabFrame frame;
    QToolButton* tagInspectorToggle = nullptr;
    QToolButton* wordsToggle = nullptr;
    QAction* saveAsJsAction = nullptr;
    QAction* stripAction = nullptr;
    QPlainTextEdit* editorPane = nullptr;
};
