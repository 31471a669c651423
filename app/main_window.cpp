#include "app/main_window.h"

#include "app/about_box.h"
#include "app/project_session.h"
#include "core/prefs_file.h"
#include "editor/editor_tab.h"
#include "editor/reserved_words.h"
#include "editor/tag_palette.h"
#include "guidance/tip_window.h"
#include "guidance/wizard_window.h"
#include "widgets/desktop.h"
#include "widgets/edit_actions.h"
#include "widgets/file_drop.h"
#include "widgets/help_links.h"
#include "widgets/hint.h"
#include "widgets/live_preview.h"
#include "widgets/spoken_list.h"
#include "widgets/tab_context.h"
#include "widgets/tab_page.h"
#include "widgets/tool_tab_frame.h"
#include "widgets/tool_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcutEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <utility>

namespace {

constexpr int ClientWidth = 610;
constexpr int ClientHeight = 388;

// Something the user did; not the pointer merely resting where the window
// appears.
bool isUserInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
        return false;
    default:
        return event->isInputEvent();
    }
}

} // namespace

MainWindow::MainWindow(const ProgramFolders& programFolders) : folders(programFolders) {
    // Before any list exists: the accessibility tree keeps what it made first.
    installSpokenListNames();
    auto* editActions = new EditActions(this);
    addAction(editActions->find);

    TabContext context;
    context.folders = folders;
    context.editActions = editActions;
    context.showAbout = [this] { showAboutBox(); };
    preview = new LivePreview(LivePreview::defaultChoiceFile(), folders.userCache, this);
    context.livePreview = preview->action();
    TabContext makerContext = context;
    makerContext.modernOutput = new ModernOutput(ModernOutput::defaultChoiceFile(), this);
    form.setupUi(this, makerContext, context);
    projectSession = std::make_unique<ProjectSession>(
        ProjectSession::Tabs{form.dropdownTab, form.popupTab, form.mouseOverTab, form.slideshowTab,
                             makerContext.modernOutput},
        form.recentProjectsMenu, ProjectSession::defaultRecentFile());
    connect(projectSession.get(), &ProjectSession::titleChanged, this, &MainWindow::showTitle);
    connectMenus();
    connectPreview(makerContext.modernOutput);
    // A tab built later has its buttons then.
    yieldAccessKeysToMenus(this);
    for (int index = 0; index < form.tabs->count(); ++index)
        if (auto* page = qobject_cast<TabPage*>(form.tabs->widget(index)))
            connect(page, &TabPage::built, this, [this, page] { yieldAccessKeysToMenus(page); });
    holdHiddenTabHints();
    qApp->installEventFilter(this);

    // Opens with 610 x 388 below the menu bar; a larger font or scale makes
    // the layouts need more, and then the window opens at their minimum.
    resize(QSize(ClientWidth, form.mainMenu->sizeHint().height() + ClientHeight)
               .expandedTo(minimumSizeHint()));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

MainWindow::~MainWindow() = default;

// The first frame lays out only the tab on show; the others are built, and
// their needs count, from the turn of the event loop after it, or as soon as
// one is chosen.
void MainWindow::holdHiddenTabHints() {
    for (int index = 0; index < form.tabs->count(); ++index)
        if (index != form.tabs->currentIndex())
            if (auto* page = qobject_cast<TabPage*>(form.tabs->widget(index)))
                page->holdSizeHints();
    tabHintsHeld = true;
}

void MainWindow::releaseTabHints() {
    if (!tabHintsHeld)
        return;
    tabHintsHeld = false;
    // The window takes the largest tab's needs, so each needs its controls.
    buildEveryTab();
    for (int index = 0; index < form.tabs->count(); ++index)
        if (auto* page = qobject_cast<TabPage*>(form.tabs->widget(index)))
            page->releaseSizeHints();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::Paint && !firstFrameDrawn) {
        firstFrameDrawn = true;
        QTimer::singleShot(0, this, &MainWindow::followFirstFrame);
    }
    return QMainWindow::event(event);
}

void MainWindow::followFirstFrame() {
    if (firstFrameFollowed)
        return;
    firstFrameFollowed = true;
    qApp->removeEventFilter(this);
    releaseTabHints();
    runStepsAfterFirstFrame();
}

void MainWindow::runStepsAfterFirstFrame() {
    for (const std::function<void()>& step : std::exchange(stepsAfterFirstFrame, {}))
        step();
}

void MainWindow::buildEveryTab() {
    for (int index = 0; index < form.tabs->count(); ++index)
        if (auto* page = qobject_cast<TabPage*>(form.tabs->widget(index)))
            page->build();
}

void MainWindow::afterFirstFrame(std::function<void()> step) {
    if (firstFrameFollowed || !isVisible()) {
        step();
        return;
    }
    // A window that is never drawn, such as one started minimised, still
    // takes its steps soon; its tabs wait until it is drawn or used.
    if (stepsAfterFirstFrame.empty())
        QTimer::singleShot(1000, this, &MainWindow::runStepsAfterFirstFrame);
    stepsAfterFirstFrame.push_back(std::move(step));
}

void MainWindow::connectMenus() {
    for (int index = 0; index < form.tabs->count(); ++index)
        if (auto* page = qobject_cast<TabPage*>(form.tabs->widget(index)))
            connect(page, &TabPage::statusNote, form.statusLine,
                    [this](const QString& text) { form.statusLine->showMessage(text); });
    connect(form.tabs, &QTabWidget::currentChanged, this, &MainWindow::releaseTabHints);
    connect(form.tabs, &QTabWidget::currentChanged, this, &MainWindow::followTabChange);
    connect(form.tabs, &QTabWidget::currentChanged, this, &MainWindow::showTitle);
    for (int tab = 0; tab < form.tabs->count(); ++tab)
        if (auto* page = qobject_cast<TabPage*>(form.tabs->widget(tab)))
            connect(page, &TabPage::fileSaved, this,
                    [this, tab](const QString& path) { noteSaved(tab, path); });
    // From anywhere in the window, into the JS Editor's companions.
    QAction* toInspector = addCompanionKey(Qt::CTRL | Qt::SHIFT | Qt::Key_T);
    connect(toInspector, &QAction::triggered, form.editorTab, &EditorTab::goToTagInspector);
    QAction* toWords = addCompanionKey(Qt::CTRL | Qt::SHIFT | Qt::Key_W);
    connect(toWords, &QAction::triggered, form.editorTab, &EditorTab::goToReservedWords);
    for (int command = 0; command < TabCommandCount; ++command)
        connect(form.tabCommandItems[command], &QAction::triggered, this, [this, command] {
            if (QObject* control =
                    tabCommandControl(form.tabs->currentWidget(), static_cast<TabCommand>(command)))
                runTabCommand(control);
        });
    connect(form.tabs, &QTabWidget::currentChanged, this, &MainWindow::offerTabCommands);
    // A tab's drop-downs may change while it is current (Modern output on).
    connect(form.optionsMenu, &QMenu::aboutToShow, this, &MainWindow::offerTabCommands);
    offerTabCommands();
    ProjectSession* session = projectSession.get();
    connect(form.newProjectItem, &QAction::triggered, session, &ProjectSession::newProject);
    connect(form.openProjectItem, &QAction::triggered, session, &ProjectSession::openProject);
    connect(form.saveProjectItem, &QAction::triggered, session, &ProjectSession::save);
    connect(form.saveProjectAsItem, &QAction::triggered, session, &ProjectSession::saveAs);
    acceptFileDropsOnWindow(
        this, {QCoreApplication::translate("MainWindow", "a project (.quillmint)"),
               {QStringLiteral("quillmint")},
               false,
               [session](const QStringList& files) { session->openChosenProject(files.first()); }});
    connect(form.exitItem, &QAction::triggered, this, &QWidget::close);
    for (int tab = 0; tab < TabCount; ++tab) {
        connect(form.viewItems[tab], &QAction::triggered, this, [this, tab] { viewTab(tab); });
        connect(form.guideItems[tab], &QAction::triggered, this, [this, tab] {
            if (wizardWindow)
                wizardWindow->startGuide(tab + 1);
        });
    }
    connect(form.helpItem, &QAction::triggered, this,
            [this] { openProgramFile(folders.shippedData, QStringLiteral("help/index.html")); });
    connect(form.readmeItem, &QAction::triggered, this,
            [this] { openProgramFile(folders.shippedData, QStringLiteral("readme.txt")); });
    connect(form.showTipsItem, &QAction::triggered, this, &MainWindow::toggleShowTips);
    connect(form.aboutItem, &QAction::triggered, this, &MainWindow::showAboutBox);
}

void MainWindow::connectPreview(ModernOutput* modernOutput) {
    preview->setPageSource([this] {
        auto* page = qobject_cast<TabPage*>(form.tabs->currentWidget());
        return page ? page->livePage() : QString();
    });
    // The tabs report their changes only once the pane has been opened.
    connect(preview, &LivePreview::firstOpened, this, [this] {
        for (int index = 0; index < form.tabs->count(); ++index)
            if (auto* page = qobject_cast<TabPage*>(form.tabs->widget(index))) {
                page->reportChanges();
                connect(page, &TabPage::pageChanged, preview, [this, page] {
                    if (form.tabs->currentWidget() == page)
                        preview->schedule();
                });
            }
    });
    connect(form.tabs, &QTabWidget::currentChanged, preview, &LivePreview::showNow);
    connect(modernOutput, &ModernOutput::switched, preview, &LivePreview::schedule);
    // Left open last time: it opens again once the window is on the screen.
    if (preview->remembered())
        stepsAfterFirstFrame.push_back([this] { preview->action()->setChecked(true); });
}

QAction* MainWindow::addCompanionKey(QKeyCombination keys) {
    auto* key = new QAction(this);
    key->setShortcut(keys);
    key->setShortcutContext(Qt::WindowShortcut);
    addAction(key);
    // The editor's tab first, so its companions come with it.
    connect(key, &QAction::triggered, this,
            [this] { form.tabs->setCurrentWidget(form.editorTab); });
    return key;
}

void MainWindow::offerTabCommands() {
    // A tab made current before the others were built has its controls now.
    if (auto* page = qobject_cast<TabPage*>(form.tabs->currentWidget()))
        page->build();
    for (int command = 0; command < TabCommandCount; ++command)
        form.tabCommandItems[command]->setEnabled(
            tabCommandControl(form.tabs->currentWidget(), static_cast<TabCommand>(command)));
    form.optionsMenu->clear();
    for (QAction* entry : toolBarMenuEntries(form.tabs->currentWidget())) {
        if (entry)
            form.optionsMenu->addAction(entry);
        else
            form.optionsMenu->addSeparator();
    }
}

// The desktop's convention: Alt and a menu title's letter opens that menu,
// also where a button of the tab shows the same letter (Cl&ear Code and
// &Edit). The button keeps its caption.
void MainWindow::yieldAccessKeysToMenus(QWidget* root) {
    QList<QKeySequence> titleKeys;
    for (const QAction* title : form.mainMenu->actions())
        titleKeys << QKeySequence::mnemonic(title->text());
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (titleKeys.contains(QKeySequence::mnemonic(button->text())))
            button->installEventFilter(this);
}

void MainWindow::keepStripsClear(QWidget* companion) {
    const QRect strips =
        QRect(form.mainMenu->mapToGlobal(QPoint()), form.mainMenu->size())
            .united(QRect(form.tabs->tabBar()->mapToGlobal(QPoint()), form.tabs->tabBar()->size()));
    QRect frame = companion->frameGeometry();
    if (!frame.intersects(strips) || !screen())
        return;
    const QRect area = screen()->availableGeometry();
    const QRect main = frameGeometry();
    if (main.left() - area.left() >= frame.width())
        frame.moveRight(main.left() - 1);
    else if (area.right() - main.right() >= frame.width())
        frame.moveLeft(main.right() + 1);
    else
        frame.moveTop(strips.bottom() + 1);
    companion->move(frame.topLeft());
    keepOnScreenOf(companion, this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Until the first frame is followed every object of the application is
    // watched, for the first input; otherwise the companion windows, for
    // their show, and the buttons whose access key is a menu title's.
    if (isUserInput(event))
        followFirstFrame();
    if (event->type() == QEvent::Show && companions.contains(watched)) {
        // Once the window has taken its size for the font, on its own show.
        auto* companion = static_cast<QWidget*>(watched);
        QTimer::singleShot(0, companion, [this, companion] { keepStripsClear(companion); });
        return false;
    }
    if (event->type() == QEvent::Shortcut && qobject_cast<QAbstractButton*>(watched) &&
        isAncestorOf(static_cast<QWidget*>(watched))) {
        const QKeySequence keys = static_cast<QShortcutEvent*>(event)->key();
        for (QAction* title : form.mainMenu->actions())
            if (title->menu() && QKeySequence::mnemonic(title->text()) == keys) {
                form.mainMenu->setActiveAction(title);
                return true;
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::attachWindows(TagInspector* tagInspector, ReservedWordsWindow* reservedWords,
                               AboutBox* about, TipWindow* tipWindow, WizardWindow* wizard) {
    aboutBox = about;
    wizardWindow = wizard;
    connect(tipWindow, &TipWindow::showTipsChanged, this, [this](bool show) {
        setShowTipsChecked(show);
        storeShowTips(show);
    });
    form.editorTab->attachCompanions(tagInspector, reservedWords);
    companions = {tagInspector, reservedWords};
    for (QObject* companion : companions)
        companion->installEventFilter(this);
}

void MainWindow::followTabChange(int index) {
    form.editorTab->followTabChange(index == EditorTabIndex);
}

void MainWindow::viewTab(int index) {
    form.tabs->setCurrentIndex(index);
}

void MainWindow::noteSaved(int tab, const QString& path) {
    savedFiles[tab] = path;
    showStatus(this, QCoreApplication::translate("MainWindow", "Saved %1").arg(path));
    showTitle();
}

// "<file the tab last saved> - <project>[*] - Quillmint v1.0", each part
// only when there is one.
void MainWindow::showTitle() {
    QStringList parts;
    if (const QString file = savedFiles.value(form.tabs->currentIndex()); !file.isEmpty())
        parts << QFileInfo(file).fileName();
    const QString project = projectSession->title();
    if (!project.isEmpty())
        parts << project + QStringLiteral("[*]");
    parts << QCoreApplication::translate("MainWindow", "Quillmint v1.0");
    setWindowTitle(parts.join(QStringLiteral(" - ")));
    setWindowModified(!project.isEmpty() && projectSession->isModified());
}

QString MainWindow::prefsPath() const {
    return folders.prefsPath();
}

void MainWindow::setShowTipsChecked(bool show) {
    form.showTipsItem->setChecked(show);
}

void MainWindow::toggleShowTips() {
    storeShowTips(form.showTipsItem->isChecked());
}

void MainWindow::storeShowTips(bool show) {
    QString error;
    if (!storeShowTipsValue(prefsPath(), show ? 1 : 0, &error))
        desktop().notice(NoticeKind::Error, error);
}

void MainWindow::openInEditor(const QString& path) {
    // As if the user picked the tab: the editor comes with its companions.
    form.tabs->setCurrentIndex(EditorTabIndex);
    form.editorTab->openFile(path);
}

void MainWindow::showAboutBox() {
    if (aboutBox)
        aboutBox->exec();
}

bool MainWindow::editorTextKept() {
    if (!form.editorTab->hasUnsavedChanges())
        return true;
    switch (desktop().askToSave(QCoreApplication::translate(
        "MainWindow", "The script in the JS Editor has changes that are not saved.\n"
                      "Save them before closing?"))) {
    case SaveChoice::Save:
        return form.editorTab->saveDocument();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!editorTextKept() || !projectSession->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    // The tool windows would otherwise keep the application running. exit()
    // rather than quit(): quit() first asks every window to close, and the
    // tool windows only hide.
    QCoreApplication::exit(0);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    form.contextMenu->popup(event->globalPos());
}
