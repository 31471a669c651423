#pragma once

class QAction;
class QPlainTextEdit;
class QToolButton;
class QWidget;
class ToolTabFrame;
struct TabContext;

// The widgets of the "JS Editor" tab, named for their roles. setupUi builds
// them into the tab with the objectNames the program is addressed by; the
// tab keeps the behaviour.
struct EditorForm {
    // The tab page's objectName, which it has before its controls are built.
    static constexpr char PageName[] = "TabSheet5";

    void setupUi(QWidget* tab, ToolTabFrame& frame, const TabContext& context);

    QToolButton* newButton;
    QToolButton* openButton;
    QToolButton* tagInspectorToggle;
    QToolButton* wordsToggle;
    QAction* saveAsJsAction;
    QAction* stripAction;
    QPlainTextEdit* editorPane;
};
