#pragma once

#include <QList>
#include <QString>
#include <utility>

class OutputCommands;
class QObject;
class QAction;
class QBoxLayout;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolBar;
class QToolButton;
class QWidget;
struct TabContext;

// What a frame control does on its own, through the tab's OutputCommands.
// Publish is the tab's own; naming it lets menus elsewhere reach it.
enum class FrameCommand { None, SaveAsHtml, SaveAsText, Preview, Print, Copy, Clear, Publish };

// The tool-bar commands that the main window's File menu offers for the current tab.
enum class TabCommand { New, Open, SaveAsHtml, Preview, Print, Publish };
inline constexpr int TabCommandCount = 6;

// The control of `tab` (a tab holding a frame's tool bar) that runs
// `command`, or null when the tab has no such command.
QObject* tabCommandControl(const QWidget* tab, TabCommand command);
// Marks `control` (a child of a tab) as the tab's `command`.
void markTabCommand(QObject* control, TabCommand command);
// Runs a control found so: clicks the button or triggers the menu entry.
void runTabCommand(QObject* control);

// What the drop-downs of `tab`'s tool bar hold (Save and Options, not Help,
// whose entries the Help menu has) and an item for each toggle, in tool-bar
// order with a separator (null) between the buttons: a menu-bar menu offers
// them to the keyboard, which the tool buttons never take.
QList<QAction*> toolBarMenuEntries(const QWidget* tab);

// A menu entry or a button of the frame; its caption and hint are marked
// with QT_TRANSLATE_NOOP("ToolTab", ...) and shown translated. `hint` is "short|long" (none when
// empty); `icon` is an icon-theme name (themedIcon), by default the one of
// its command.
struct FrameControl {
    const char* name;
    const char* caption;
    const char* hint = "";
    FrameCommand command = FrameCommand::None;
    const char* icon = "";
    // A toggle's caption in the menu bar, where "Tags" would say too little.
    const char* menuCaption = "";
};

// The entries and buttons most tabs share.
constexpr FrameControl saveAsHtmlEntry(const char* name) {
    return {name, QT_TRANSLATE_NOOP("ToolTab", "As HTML"), "", FrameCommand::SaveAsHtml};
}
constexpr FrameControl saveAsTextEntry(const char* name) {
    return {name, QT_TRANSLATE_NOOP("ToolTab", "As Text"), "", FrameCommand::SaveAsText};
}
constexpr FrameControl previewEntry(const char* name, const char* hint = "") {
    return {name, QT_TRANSLATE_NOOP("ToolTab", "Preview"), hint, FrameCommand::Preview};
}
constexpr FrameControl copyCodeButton(const char* name, const char* caption) {
    return {name, caption, QT_TRANSLATE_NOOP("ToolTab", "Copy Generated Code To Clipboard"),
            FrameCommand::Copy};
}
constexpr FrameControl clearCodeButton(const char* name) {
    return {name, QT_TRANSLATE_NOOP("ToolTab", "Cl&ear Code"),
            QT_TRANSLATE_NOOP("ToolTab", "Delete All Generated Code"), FrameCommand::Clear};
}

// A tool tab's tool bar as data: New, the Save As drop-down, the shared edit
// buttons, Print, the Options drop-down and the Help drop-down, left to right.
struct ToolBarRow {
    const char* bar;
    const char* newButton;
    const char* saveButton;
    const char* saveMenu = "";          // the drop-down's objectName, if it has one
    QList<FrameControl> saveAs = {};    // the "Save" sub-menu
    QList<FrameControl> afterSave = {}; // entries below the sub-menu
    bool saveOnPlainClick = false;      // the face runs the first "Save" entry
    const char* printButton;
    const char* optionsButton;
    const char* optionsMenu = "";
    // The face's icon; a face that runs the first option shows that option's.
    const char* optionsIcon = "preferences-system";
    QList<FrameControl> options = {};
    bool optionsOnPlainClick = false; // the face runs the first option
    const char* helpButton;
    const char* helpEntry;
    const char* aboutEntry;
    int helpPage; // the tool's number among the help pages
    const char* helpMenu = "";

    // Only the JS Editor: a button beside New, a caption of its own on the
    // Save As button, names for the edit buttons and toggles after Print.
    FrameControl openButton = {"", ""};
    const char* saveCaption = QT_TRANSLATE_NOOP("ToolTab", "Save As");
    QList<const char*> editButtonNames = {};
    QList<FrameControl> toggles = {};
    // No room to spare around and between the buttons.
    bool flush = false;
};

// A tab's generated-code area: the pane and the buttons that act on it,
// either in a column beside the pane or in a row below it.
struct CodeAreaRow {
    const char* pane;
    QList<FrameControl> buttons = {};
    enum class Buttons { Beside, Below } placement = Buttons::Beside;
    int buttonSpacing = 3;
    int buttonHeight = 0; // fixed, or the style's when 0
};

// The frame's controls once built. Commands are connected by connectTo(),
// which the tab calls once its OutputCommands exist (they need the pane).
class ToolTabFrame final {
public:
    // The tool bar, with `tab` owning it.
    void buildToolBar(const ToolBarRow& row, const TabContext& context, QWidget* tab);

    // A widget holding the pane with its buttons beside it.
    QWidget* buildCodeArea(const CodeAreaRow& row, QWidget* parent);
    // The pane (unless `pane` is given: the tab's own panes, e.g. a splitter)
    // and its buttons, added to `column` with the pane taking `paneStretch`.
    void addCodeArea(const CodeAreaRow& row, QBoxLayout* column, QWidget* parent,
                     QWidget* pane = nullptr, int paneStretch = 1);

    void connectTo(OutputCommands* output) const;

    QToolBar* bar = nullptr;
    QToolButton* newButton = nullptr;
    QToolButton* openButton = nullptr;
    QToolButton* saveButton = nullptr;
    QMenu* saveMenu = nullptr;
    QList<QAction*> saveAs;
    QList<QAction*> afterSave;
    QList<QToolButton*> editButtons;
    QToolButton* printButton = nullptr;
    QList<QToolButton*> toggles;
    QToolButton* optionsButton = nullptr;
    QMenu* optionsMenu = nullptr;
    QList<QAction*> options;
    QToolButton* helpButton = nullptr;

    QPlainTextEdit* pane = nullptr;
    QList<QPushButton*> codeButtons;

private:
    QList<QAction*> addEntries(QMenu* menu, const QList<FrameControl>& entries);
    QList<QPushButton*> makeCodeButtons(const CodeAreaRow& row, QWidget* parent);

    QList<std::pair<QObject*, FrameCommand>> commands;
};
