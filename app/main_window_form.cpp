#include "app/main_window_form.h"

#include "app/main_window_controls.h"
#include "editor/editor_tab.h"
#include "makers/dropdown/dropdown_tab.h"
#include "makers/mouseover/mouseover_tab.h"
#include "makers/popup/popup_tab.h"
#include "makers/slideshow/slideshow_tab.h"
#include "widgets/control_factory.h"
#include "widgets/edit_actions.h"
#include "widgets/hint.h"
#include "widgets/icons.h"
#include "widgets/tab_context.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <iterator>

using namespace main_window;

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& keys,
                 const QString& hint) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    setHint(action, hint);
    return action;
}

// A menu item that forwards to one of the shared edit actions and mirrors its
// enabled state.
QAction* addForwarder(QMenu* menu, const char* name, QAction* target, const QKeySequence& keys) {
    QAction* action = addItem(menu, name, target->text(), keys, QString());
    action->setToolTip(target->toolTip());
    action->setStatusTip(target->statusTip());
    action->setIcon(target->icon());
    action->setEnabled(target->isEnabled());
    QObject::connect(action, &QAction::triggered, target, &QAction::trigger);
    QObject::connect(target, &QAction::enabledChanged, action, &QAction::setEnabled);
    return action;
}

struct MenuRow {
    const char* name;
    const char* caption;
    const char* hint;
};

// File: the tool-bar commands of the current tab, in TabCommand order.
constexpr struct {
    MenuRow row;
    QKeyCombination keys;
    const char* icon;
} TabCommandRows[] = {
    {{controls::FileNew, QT_TRANSLATE_NOOP("MainWindow", "&New"),
      QT_TRANSLATE_NOOP("MainWindow", "New|Start a new page on this tab")},
     Qt::CTRL | Qt::Key_N,
     "document-new"},
    {{controls::FileOpen, QT_TRANSLATE_NOOP("MainWindow", "&Open..."),
      QT_TRANSLATE_NOOP("MainWindow", "Open|Open a script in the JS Editor")},
     Qt::CTRL | Qt::Key_O,
     "document-open"},
    {{controls::FileSaveAsHtml, QT_TRANSLATE_NOOP("MainWindow", "Save As &HTML..."),
      QT_TRANSLATE_NOOP("MainWindow", "Save As HTML|Save this tab's code as an HTML file")},
     Qt::CTRL | Qt::Key_S,
     "text-html"},
    {{controls::FilePreview, QT_TRANSLATE_NOOP("MainWindow", "Pre&view"),
      QT_TRANSLATE_NOOP("MainWindow", "Preview|Show this tab's page in the web browser")},
     QKeyCombination(Qt::Key_F12),
     "web-browser"},
    {{controls::FilePrint, QT_TRANSLATE_NOOP("MainWindow", "&Print"),
      QT_TRANSLATE_NOOP("MainWindow", "Print|Print this tab's code")},
     Qt::CTRL | Qt::Key_P,
     "document-print"},
    {{controls::FilePublish, QT_TRANSLATE_NOOP("MainWindow", "Pu&blish..."),
      QT_TRANSLATE_NOOP("MainWindow", "Publish|Publish the slideshow with its files")},
     Qt::CTRL | Qt::SHIFT | Qt::Key_P,
     "document-send"},
};

static_assert(std::size(TabCommandRows) == TabCommandCount);

// The View and Wizards items, in tab order.
constexpr MenuRow ViewRows[] = {
    {controls::ViewDropdown, QT_TRANSLATE_NOOP("MainWindow", "Dropdown Menu Maker"),
     QT_TRANSLATE_NOOP("MainWindow", "View Dropdown Menu Maker")},
    {controls::ViewPopup, QT_TRANSLATE_NOOP("MainWindow", "Popup Maker"),
     QT_TRANSLATE_NOOP("MainWindow", "View Popup Maker")},
    {controls::ViewMouseOver, QT_TRANSLATE_NOOP("MainWindow", "MouseOver Button Maker"),
     QT_TRANSLATE_NOOP("MainWindow", "View MouseOver Button Maker")},
    {controls::ViewSlideshow, QT_TRANSLATE_NOOP("MainWindow", "Slideshow Maker"),
     QT_TRANSLATE_NOOP("MainWindow", "View Slideshow Maker")},
    {controls::ViewEditor, QT_TRANSLATE_NOOP("MainWindow", "JS Editor"),
     QT_TRANSLATE_NOOP("MainWindow", "View JavaScript Editor")},
};
constexpr MenuRow GuideRows[] = {
    {controls::DropdownWizard, QT_TRANSLATE_NOOP("MainWindow", "Dropdown Menu Maker"), ""},
    {controls::PopupWizard, QT_TRANSLATE_NOOP("MainWindow", "Popup Maker"), ""},
    {controls::MouseOverWizard, QT_TRANSLATE_NOOP("MainWindow", "MouseOver Button Maker"), ""},
    {controls::SlideshowWizard, QT_TRANSLATE_NOOP("MainWindow", "Slideshow Maker"), ""},
    {controls::EditorWizard, QT_TRANSLATE_NOOP("MainWindow", "JS Editor"), ""},
};
static_assert(std::size(ViewRows) == TabCount && std::size(GuideRows) == TabCount);

} // namespace

void MainWindowForm::setupUi(QMainWindow* window, const TabContext& makerContext,
                             const TabContext& editorContext) {
    window->setObjectName(controls::Window);
    window->setWindowTitle(QCoreApplication::translate("MainWindow", "Quillmint v1.0"));
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::CustomizeWindowHint);
    editActions = editorContext.editActions;
    livePreviewItem = editorContext.livePreview;
    setupTabs(window, makerContext, editorContext);
    setupMenus(window);
    setupStatusBar(window);
}

void MainWindowForm::setupTabs(QMainWindow* window, const TabContext& makerContext,
                               const TabContext& editorContext) {
    tabs = new QTabWidget(window);
    tabs->setObjectName(controls::Tabs);
    tabs->setAccessibleName(QCoreApplication::translate("MainWindow", "Tools"));
    tabs->setDocumentMode(false);
    // Every caption whole, at any font: the window widens for the tab strip
    // rather than scrolling or shortening it.
    tabs->setUsesScrollButtons(false);
    tabs->setElideMode(Qt::ElideNone);
    // The first tab is on show at start-up; the others build their controls
    // when the window asks them to.
    TabContext laterMaker = makerContext;
    laterMaker.buildLater = true;
    TabContext laterEditor = editorContext;
    laterEditor.buildLater = true;
    dropdownTab = new DropdownTab(makerContext, tabs);
    popupTab = new PopupTab(laterMaker, tabs);
    mouseOverTab = new MouseOverTab(laterMaker, tabs);
    slideshowTab = new SlideshowTab(laterMaker, tabs);
    editorTab = new EditorTab(laterEditor, tabs);
    // In TabIndex order.
    tabs->addTab(dropdownTab, QCoreApplication::translate("MainWindow", "Dropdown Menu Maker"));
    tabs->addTab(popupTab, QCoreApplication::translate("MainWindow", "Popup Maker"));
    tabs->addTab(mouseOverTab, QCoreApplication::translate("MainWindow", "MouseOver Button Maker"));
    tabs->addTab(slideshowTab, QCoreApplication::translate("MainWindow", "Slideshow Maker"));
    tabs->addTab(editorTab, QCoreApplication::translate("MainWindow", "JS Editor"));
    tabs->setCurrentIndex(DropdownTabIndex);
    showEveryTab(tabs);
    window->setCentralWidget(tabs);
}

void MainWindowForm::setupMenus(QMainWindow* window) {
    mainMenu = window->menuBar();
    mainMenu->setObjectName(controls::MainMenu);

    fileMenu = mainMenu->addMenu(QCoreApplication::translate("MainWindow", "&File"));
    int command = 0;
    for (const auto& entry : TabCommandRows) {
        QAction* item = addItem(
            fileMenu, entry.row.name, QCoreApplication::translate("MainWindow", entry.row.caption),
            QKeySequence(entry.keys), QCoreApplication::translate("MainWindow", entry.row.hint));
        item->setIcon(themedIcon(QLatin1String(entry.icon)));
        tabCommandItems[command++] = item;
    }
    fileMenu->addSeparator();
    newProjectItem =
        addItem(fileMenu, "NewProject", QCoreApplication::translate("MainWindow", "New Pro&ject"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
                QCoreApplication::translate("MainWindow",
                                            "New Project|Start a project of every maker tab"));
    openProjectItem = addItem(
        fileMenu, "OpenProject", QCoreApplication::translate("MainWindow", "Open Projec&t..."),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
        QCoreApplication::translate("MainWindow",
                                    "Open Project|Open a project and show its work on every tab"));
    saveProjectItem =
        addItem(fileMenu, "SaveProject", QCoreApplication::translate("MainWindow", "&Save Project"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                QCoreApplication::translate(
                    "MainWindow", "Save Project|Save the settings and code of every maker tab"));
    saveProjectAsItem = addItem(
        fileMenu, "SaveProjectAs", QCoreApplication::translate("MainWindow", "Save Project &As..."),
        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
        QCoreApplication::translate("MainWindow",
                                    "Save Project As|Save the project under a new name"));
    recentProjectsMenu =
        fileMenu->addMenu(QCoreApplication::translate("MainWindow", "&Recent Projects"));
    recentProjectsMenu->setObjectName(controls::RecentProjects);
    fileMenu->addSeparator();
    exitItem = addItem(fileMenu, controls::Exit, QCoreApplication::translate("MainWindow", "Exit"),
                       QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X),
                       QCoreApplication::translate("MainWindow", "Exit Program"));
    exitItem->setIcon(themedIcon(QStringLiteral("application-exit")));

    QMenu* edit = mainMenu->addMenu(QCoreApplication::translate("MainWindow", "&Edit"));
    undoItem =
        addForwarder(edit, controls::Undo, editActions->undo, QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addSeparator();
    cutItem =
        addForwarder(edit, controls::Cut, editActions->cut, QKeySequence(Qt::CTRL | Qt::Key_X));
    copyItem =
        addForwarder(edit, controls::Copy, editActions->copy, QKeySequence(Qt::CTRL | Qt::Key_C));
    pasteItem =
        addForwarder(edit, controls::Paste, editActions->paste, QKeySequence(Qt::CTRL | Qt::Key_V));
    deleteItem = addForwarder(edit, controls::Delete, editActions->deleteSelection,
                              QKeySequence(Qt::Key_Delete));
    edit->addSeparator();
    selectAllItem = addForwarder(edit, controls::SelectAll, editActions->selectAll,
                                 QKeySequence(Qt::CTRL | Qt::Key_A));

    QMenu* view = mainMenu->addMenu(QCoreApplication::translate("MainWindow", "&View"));
    // Alt+P: the Copy buttons of the tabs hold Alt+O.
    optionsMenu = mainMenu->addMenu(QCoreApplication::translate("MainWindow", "O&ptions"));
    optionsMenu->setObjectName(controls::OptionsMenu);
    QMenu* wizards = mainMenu->addMenu(QCoreApplication::translate("MainWindow", "&Wizards"));
    for (int tab = 0; tab < TabCount; ++tab) {
        viewItems[tab] = addItem(view, ViewRows[tab].name,
                                 QCoreApplication::translate("MainWindow", ViewRows[tab].caption),
                                 QKeySequence(Qt::Key_F2 + tab),
                                 QCoreApplication::translate("MainWindow", ViewRows[tab].hint));
        guideItems[tab] = addItem(wizards, GuideRows[tab].name,
                                  QCoreApplication::translate("MainWindow", GuideRows[tab].caption),
                                  QKeySequence(Qt::SHIFT | (Qt::Key_F1 + tab)), QString());
    }
    if (livePreviewItem) {
        view->addSeparator();
        view->addAction(livePreviewItem);
    }

    QMenu* help = mainMenu->addMenu(QCoreApplication::translate("MainWindow", "&Help"));
    helpItem = addItem(help, controls::Help, QCoreApplication::translate("MainWindow", "Help"),
                       QKeySequence(Qt::Key_F1),
                       QCoreApplication::translate("MainWindow", "Help Document"));
    helpItem->setIcon(themedIcon(QStringLiteral("help-browser")));
    readmeItem =
        addItem(help, controls::Readme, QCoreApplication::translate("MainWindow", "Readme"),
                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R),
                QCoreApplication::translate("MainWindow", "Readme"));
    showTipsItem =
        addItem(help, controls::ShowStartupTips,
                QCoreApplication::translate("MainWindow", "Show Startup Tips"), QKeySequence(),
                QCoreApplication::translate("MainWindow", "Show Tips At Startup"));
    showTipsItem->setCheckable(true);
    showTipsItem->setChecked(true);
    // No "On The Web": Quillmint has no web site or support address.
    help->addSeparator();
    aboutItem = addItem(help, controls::About, QCoreApplication::translate("MainWindow", "About"),
                        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A),
                        QCoreApplication::translate("MainWindow", "About"));
    aboutItem->setIcon(themedIcon(QStringLiteral("help-about")));

    contextMenu = new QMenu(window);
    contextMenu->setObjectName(controls::PaneMenu);
    contextMenu->addAction(undoItem);
    contextMenu->addSeparator();
    contextMenu->addActions({cutItem, copyItem, pasteItem, deleteItem});
    contextMenu->addSeparator();
    contextMenu->addAction(selectAllItem);
}

void MainWindowForm::setupStatusBar(QMainWindow* window) {
    statusLine = window->statusBar();
    statusLine->setObjectName(controls::StatusBar);
    statusLine->setSizeGripEnabled(false);
    helpPanel =
        new QLabel(QCoreApplication::translate("MainWindow", "Press F1 For Help"), statusLine);
    helpPanel->setObjectName(controls::HelpPanel);
    helpPanel->setMinimumWidth(150);
    emptyPanel = new QLabel(statusLine);
    emptyPanel->setObjectName(controls::EmptyPanel);
    // Normal (not permanent) widgets: a status message hides them, which is
    // the single-line mode; clearing it brings the panels back.
    statusLine->addWidget(helpPanel);
    statusLine->addWidget(emptyPanel, 1);
}
