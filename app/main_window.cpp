#include "app/main_window.h"

#include "app/about_box.h"
#include "core/prefs_file.h"
#include "editor/editor_tab.h"
#include "guidance/tip_window.h"
#include "guidance/wizard_window.h"
#include "makers/dropdown/dropdown_tab.h"
#include "makers/mouseover/mouseover_tab.h"
#include "makers/popup/popup_tab.h"
#include "makers/slideshow/slideshow_tab.h"
#include "widgets/desktop.h"
#include "widgets/edit_actions.h"
#include "widgets/help_links.h"
#include "widgets/hint.h"
#include "widgets/icons.h"
#include "widgets/tab_context.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

namespace {

constexpr int ClientWidth = 610;
constexpr int ClientHeight = 388;

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

} // namespace

TForm1::TForm1(const ProgramFolders& programFolders) : folders(programFolders) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Quillmint v1.0"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);

    ActionList1 = new EditActions(this);
    addAction(ActionList1->SearchFind1);

    TabContext context;
    context.folders = folders;
    context.editActions = ActionList1;
    context.showAbout = [this] { showAboutBox(); };
    TabContext makerContext = context;
    makerContext.modernOutput = new ModernOutput(ModernOutput::defaultChoiceFile(), this);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setDocumentMode(false);
    TabSheet1 = new DropdownTab(makerContext, PageControl1);
    TabSheet2 = new PopupTab(makerContext, PageControl1);
    TabSheet3 = new MouseOverTab(makerContext, PageControl1);
    TabSheet4 = new SlideshowTab(makerContext, PageControl1);
    TabSheet5 = new EditorTab(context, PageControl1);
    PageControl1->addTab(TabSheet1, QStringLiteral("Dropdown Menu Maker"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Popup Maker"));
    PageControl1->addTab(TabSheet3, QStringLiteral("MouseOver Button Maker"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Slideshow Maker"));
    PageControl1->addTab(TabSheet5, QStringLiteral("JS Editor"));
    PageControl1->setCurrentIndex(0);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (!settingTab)
            PageControl1Change(index);
    });
    setCentralWidget(PageControl1);

    buildMenus();
    buildStatusBar();

    // Fixed size: the client area below the menu bar is 610 x 388.
    setFixedSize(ClientWidth, MainMenu1->sizeHint().height() + ClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void TForm1::buildMenus() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");

    QMenu* file = MainMenu1->addMenu(QStringLiteral("&File"));
    Exit1 = addItem(file, "Exit1", QStringLiteral("Exit"),
                    QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X), QStringLiteral("Exit Program"));
    Exit1->setIcon(themedIcon(QStringLiteral("application-exit")));
    connect(Exit1, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = MainMenu1->addMenu(QStringLiteral("&Edit"));
    Undo1 = addForwarder(edit, "Undo1", ActionList1->EditUndo1, QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addSeparator();
    Cut1 = addForwarder(edit, "Cut1", ActionList1->EditCut1, QKeySequence(Qt::CTRL | Qt::Key_X));
    Copy1 = addForwarder(edit, "Copy1", ActionList1->EditCopy1, QKeySequence(Qt::CTRL | Qt::Key_C));
    Paste1 =
        addForwarder(edit, "Paste1", ActionList1->EditPaste1, QKeySequence(Qt::CTRL | Qt::Key_V));
    Delete1 = addForwarder(edit, "Delete1", ActionList1->EditDelete1, QKeySequence(Qt::Key_Delete));
    edit->addSeparator();
    SelectAll1 = addForwarder(edit, "SelectAll1", ActionList1->EditSelectAll1,
                              QKeySequence(Qt::CTRL | Qt::Key_A));

    QMenu* view = MainMenu1->addMenu(QStringLiteral("&View"));
    const struct {
        QAction** item;
        const char* name;
        const char* caption;
        Qt::Key key;
        const char* hint;
    } views[] = {
        {&DropdownMenuMaker1, "DropdownMenuMaker1", "Dropdown Menu Maker", Qt::Key_F2,
         "View Dropdown Menu Maker"},
        {&PopupMaker1, "PopupMaker1", "Popup Maker", Qt::Key_F3, "View Popup Maker"},
        {&MouseOverButtonMaker1, "MouseOverButtonMaker1", "MouseOver Button Maker", Qt::Key_F4,
         "View MouseOver Button Maker"},
        {&CollapseMenuMaker1, "CollapseMenuMaker1", "Slideshow Maker", Qt::Key_F5,
         "View Slideshow Maker"},
        {&JSEditor1, "JSEditor1", "JS Editor", Qt::Key_F6, "View JavaScript Editor"},
    };
    int index = 0;
    for (const auto& entry : views) {
        *entry.item = addItem(view, entry.name, QLatin1String(entry.caption),
                              QKeySequence(entry.key), QLatin1String(entry.hint));
        connect(*entry.item, &QAction::triggered, this, [this, index] { viewTab(index); });
        ++index;
    }

    QMenu* wizards = MainMenu1->addMenu(QStringLiteral("&Wizards"));
    const struct {
        QAction** item;
        const char* name;
        const char* caption;
    } guides[] = {
        {&DropdownMenuMaker2, "DropdownMenuMaker2", "Dropdown Menu Maker"},
        {&PopupMaker2, "PopupMaker2", "Popup Maker"},
        {&MouseOverButtonMaker2, "MouseOverButtonMaker2", "MouseOver Button Maker"},
        {&SlideshowMaker1, "SlideshowMaker1", "Slideshow Maker"},
        {&JSEditor2, "JSEditor2", "JS Editor"},
    };
    int tool = 1;
    for (const auto& entry : guides) {
        *entry.item = addItem(wizards, entry.name, QLatin1String(entry.caption),
                              QKeySequence(Qt::SHIFT | (Qt::Key_F1 + tool - 1)), QString());
        connect(*entry.item, &QAction::triggered, this, [this, tool] {
            if (Form6)
                Form6->startGuide(tool);
        });
        ++tool;
    }

    QMenu* help = MainMenu1->addMenu(QStringLiteral("&Help"));
    Help3 = addItem(help, "Help3", QStringLiteral("Help"), QKeySequence(Qt::Key_F1),
                    QStringLiteral("Help Document"));
    Help3->setIcon(themedIcon(QStringLiteral("help-browser")));
    connect(Help3, &QAction::triggered, this,
            [this] { openProgramFile(folders.shippedData, QStringLiteral("help/index.html")); });
    Readme1 = addItem(help, "Readme1", QStringLiteral("Readme"),
                      QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R), QStringLiteral("Readme"));
    connect(Readme1, &QAction::triggered, this,
            [this] { openProgramFile(folders.shippedData, QStringLiteral("readme.txt")); });
    ShowStartupTips1 = addItem(help, "ShowStartupTips1", QStringLiteral("Show Startup Tips"),
                               QKeySequence(), QStringLiteral("Show Tips At Startup"));
    ShowStartupTips1->setCheckable(true);
    ShowStartupTips1->setChecked(true);
    connect(ShowStartupTips1, &QAction::triggered, this, &TForm1::ShowStartupTips1Click);
    help->addSeparator();
    OnTheWeb1 = help->addMenu(QStringLiteral("On The Web"));
    OnTheWeb1->setObjectName("OnTheWeb1");
    Website1 = addItem(OnTheWeb1, "Website1", QStringLiteral("Website"), {},
                       QStringLiteral("Visit The Quillmint Web Site"));
    CheckForUpdate1 = addItem(OnTheWeb1, "CheckForUpdate1", QStringLiteral("Check For Update"), {},
                              QStringLiteral("Check For Program Update"));
    SupportEmail1 = addItem(OnTheWeb1, "SupportEmail1", QStringLiteral("Support (E-mail)"), {},
                            QStringLiteral("Get Free E-mail Support"));
    SupportForum1 = addItem(OnTheWeb1, "SupportForum1", QStringLiteral("Support Forum"), {},
                            QStringLiteral("Get Help On The Support Forum"));
    for (QAction* web : {Website1, CheckForUpdate1, SupportForum1})
        connect(web, &QAction::triggered, this, [] { openWebSite(); });
    connect(SupportEmail1, &QAction::triggered, this, [] { openSupportMail(); });
    help->addSeparator();
    About2 = addItem(help, "About2", QStringLiteral("About"),
                     QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A), QStringLiteral("About"));
    About2->setIcon(themedIcon(QStringLiteral("help-about")));
    connect(About2, &QAction::triggered, this, &TForm1::showAboutBox);

    PopupMenu4 = new QMenu(this);
    PopupMenu4->setObjectName("PopupMenu4");
    PopupMenu4->addAction(Undo1);
    PopupMenu4->addSeparator();
    PopupMenu4->addActions({Cut1, Copy1, Paste1, Delete1});
    PopupMenu4->addSeparator();
    PopupMenu4->addAction(SelectAll1);
}

void TForm1::buildStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    helpPanel = new QLabel(QStringLiteral("Press F1 For Help"), StatusBar1);
    helpPanel->setObjectName("StatusPanel1");
    helpPanel->setMinimumWidth(150);
    emptyPanel = new QLabel(StatusBar1);
    emptyPanel->setObjectName("StatusPanel2");
    // Normal (not permanent) widgets: a status message hides them, which is
    // the single-line mode; clearing it brings the panels back.
    StatusBar1->addWidget(helpPanel);
    StatusBar1->addWidget(emptyPanel, 1);
}

void TForm1::attachWindows(TagInspector* tagInspector, ReservedWordsWindow* reservedWords, TAboutBox* aboutBox,
                           TForm5* tipWindow, TForm6* wizard) {
    Form2 = tagInspector;
    Form3 = reservedWords;
    AboutBox = aboutBox;
    Form5 = tipWindow;
    connect(tipWindow, &TForm5::showTipsChanged, this, [this](bool show) {
        ShowStartupTips1->setChecked(show);
        storeShowTips(show);
    });
    Form6 = wizard;
    TabSheet5->attachCompanions(tagInspector, reservedWords);
}

void TForm1::PageControl1Change(int index) {
    TabSheet5->followTabChange(index == 4);
}

void TForm1::viewTab(int index) {
    settingTab = true;
    PageControl1->setCurrentIndex(index);
    settingTab = false;
}

QString TForm1::prefsPath() const {
    return folders.prefsPath();
}

void TForm1::ShowStartupTips1Click() {
    // The action has already flipped its check mark; store the new state.
    storeShowTips(ShowStartupTips1->isChecked());
}

void TForm1::storeShowTips(bool show) {
    QString error;
    if (!storeShowTipsValue(prefsPath(), show ? 1 : 0, &error))
        desktop().notice(NoticeKind::Error, error);
}

void TForm1::openInEditor(const QString& path) {
    // As if the user picked the tab: the editor comes with its companions.
    PageControl1->setCurrentIndex(4);
    TabSheet5->openFile(path);
}

void TForm1::showAboutBox() {
    if (AboutBox)
        AboutBox->exec();
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    // The tool windows would otherwise keep the application running. exit()
    // rather than quit(): quit() first asks every window to close, and the
    // tool windows only hide.
    QCoreApplication::exit(0);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu4->popup(event->globalPos());
}
