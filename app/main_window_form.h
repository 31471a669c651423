#pragma once

#include "widgets/tool_tab_frame.h"

class DropdownTab;
class EditActions;
class EditorTab;
class MouseOverTab;
class PopupTab;
class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTabWidget;
class SlideshowTab;
struct TabContext;

// The tool tabs' positions in the window, left to right.
enum TabIndex : int {
    DropdownTabIndex,
    PopupTabIndex,
    MouseOverTabIndex,
    SlideshowTabIndex,
    EditorTabIndex,
};
inline constexpr int TabCount = 5;

// The main window's widgets: the five tool tabs, the menus and the status
// bar, with their names, captions, shortcuts and hints. The window connects them.
struct MainWindowForm final {
    void setupUi(QMainWindow* window, const TabContext& makerContext,
                 const TabContext& editorContext);

    EditActions* editActions = nullptr;
    QTabWidget* tabs = nullptr;
    // Only the first tab has its controls from the start; the window builds
    // the others after its first frame (TabPage::build() builds one sooner).
    DropdownTab* dropdownTab = nullptr;
    PopupTab* popupTab = nullptr;
    MouseOverTab* mouseOverTab = nullptr;
    SlideshowTab* slideshowTab = nullptr;
    EditorTab* editorTab = nullptr;

    QMenuBar* mainMenu = nullptr;
    QMenu* fileMenu = nullptr;
    // File: the current tab's tool-bar commands, in TabCommand order.
    QAction* tabCommandItems[TabCommandCount] = {};
    // File: the project document of every maker tab.
    QAction* newProjectItem = nullptr;
    QAction* openProjectItem = nullptr;
    QAction* saveProjectItem = nullptr;
    QAction* saveProjectAsItem = nullptr;
    QMenu* recentProjectsMenu = nullptr;
    QAction* exitItem = nullptr;
    QAction* undoItem = nullptr;
    QAction* cutItem = nullptr;
    QAction* copyItem = nullptr;
    QAction* pasteItem = nullptr;
    QAction* deleteItem = nullptr;
    QAction* selectAllItem = nullptr;
    // Options: what the current tab's tool-bar drop-downs and toggles hold.
    QMenu* optionsMenu = nullptr;
    // View: one item per tab, in tab order.
    QAction* viewItems[TabCount] = {};
    // View > Live Preview (the preview owns it).
    QAction* livePreviewItem = nullptr;
    // Wizards: one guide per tool, in tab order.
    QAction* guideItems[TabCount] = {};
    QAction* helpItem = nullptr;
    QAction* readmeItem = nullptr;
    QAction* showTipsItem = nullptr;
    QAction* aboutItem = nullptr;
    QMenu* contextMenu = nullptr;

    QStatusBar* statusLine = nullptr;
    QLabel* helpPanel = nullptr;
    QLabel* emptyPanel = nullptr;

private:
    void setupTabs(QMainWindow* window, const TabContext& makerContext,
                   const TabContext& editorContext);
    void setupMenus(QMainWindow* window);
    void setupStatusBar(QMainWindow* window);
};
