#include "app/about_box.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "editor/editor_controls.h"
#include "editor/reserved_words.h"
#include "editor/reserved_words_controls.h"
#include "editor/tag_palette.h"
#include "editor/tag_palette_controls.h"
#include "guidance/tip_window.h"
#include "guidance/wizard_window.h"
#include "guidance/wizard_window_controls.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/mouseover/mouseover_controls.h"
#include "makers/popup/popup_controls.h"
#include "makers/slideshow/slideshow_controls.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "widgets/edit_actions.h"
#include "widgets/edit_actions_controls.h"
#include "widgets/help_links.h"

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

using namespace main_window;

class MainWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> app;
    MainWindow* form1 = nullptr;

    QLabel* panel(const char* name) { return findControl<QLabel>(statusBar(), name); }
    QStatusBar* statusBar() { return findControl<QStatusBar>(form1, controls::StatusBar); }
    QTabWidget* pages() { return findControl<QTabWidget>(form1, controls::Tabs); }
    QAction* action(const char* name) { return findControl<QAction>(form1, name); }

private slots:
    void init() {
        app = std::make_unique<WindowFixture>(WindowFixture::Tabs::AsStarted);
        form1 = app->window();
    }
    void cleanup() { app.reset(); }

    void theFrameHasItsTabsAndFixedClientArea() {
        QCOMPARE(form1->objectName(), QString(controls::Window));
        QCOMPARE(form1->windowTitle(), QString("Quillmint v1.0"));
        QCOMPARE(form1->folders.shippedData, app->folder.path());
        QCOMPARE(form1->folders.userConfig, app->folder.path());
        QCOMPARE(form1->folders.userCache, app->folder.path());
        const QStringList captions{"Dropdown Menu Maker", "Popup Maker", "MouseOver Button Maker",
                                   "Slideshow Maker", "JS Editor"};
        const QStringList sheets{dropdown::controls::Tab, popup::controls::Tab,
                                 mouseover::controls::Tab, slideshow::controls::Tab,
                                 editor::controls::Tab};
        QCOMPARE(pages()->count(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(pages()->tabText(i), captions[i]);
            QCOMPARE(pages()->widget(i)->objectName(), sheets[i]);
        }
        QCOMPARE(pages()->currentIndex(), 0);
        QVERIFY(!(form1->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form1->windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    // The first frame lays out the tab on show only; right after it, or as
    // soon as another tab is chosen, every tab's needs count again, so a
    // window sized for its largest tab never clips one.
    void everyTabCountsInTheLayoutAfterTheFirstFrame() {
        const auto allCount = [this] {
            for (int i = 0; i < pages()->count(); ++i)
                if (!pages()->widget(i)->sizeHint().isValid())
                    return false;
            return true;
        };
        form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(form1));
        QTRY_VERIFY(allCount());

        cleanup();
        init();
        QVERIFY(!allCount());
        pages()->setCurrentIndex(3);
        QVERIFY(allCount());
    }

    // The default font leaves the client area at 610 x 388; a larger one
    // opens the window at what its layouts need. Either way every tab fits
    // and the user may make the window larger.
    void theWindowOpensAtTheSizeItsFontAllows_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("default font") << 0;
        QTest::newRow("11-point font") << 11;
    }
    void theWindowOpensAtTheSizeItsFontAllows() {
        QFETCH(int, points);
        const QFont original = QApplication::font();
        QFont font = original;
        if (points > 0)
            font.setPointSize(points);
        app->windows.reset();
        QApplication::setFont(font);
        app->reopen(WindowFixture::Tabs::AsStarted);
        form1 = app->window();
        form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(form1));
        const QSize client(form1->width(), form1->height() - form1->menuBar()->sizeHint().height());
        if (points == 0)
            QCOMPARE(client, QSize(610, 388));
        else
            QVERIFY2(
                client.width() > 610 && client.height() > 388,
                qPrintable(QStringLiteral("%1 x %2").arg(client.width()).arg(client.height())));
        QVERIFY(form1->maximumWidth() > form1->width() && form1->maximumHeight() > form1->height());
        // The window grows to a tab's needs once the layout has settled.
        for (int tab = 0; tab < pages()->count(); ++tab) {
            pages()->setCurrentIndex(tab);
            const QWidget* page = pages()->widget(tab);
            QTRY_VERIFY2(page->size().expandedTo(page->minimumSizeHint()) == page->size(),
                         qPrintable(pages()->tabText(tab)));
        }
        QApplication::setFont(original);
    }

    void theToolWindowsExistHiddenWithTheirCaptions() {
        const struct {
            QWidget* window;
            const char* name;
            const char* caption;
        } expected[] = {
            {app->windows->tagInspector, tag_palette::controls::Window, "Tag Inspector"},
            {app->windows->reservedWords, reserved_words::controls::Window, "Reserved Words"},
            {app->windows->wizardWindow, wizard_window::controls::Window, "Wizard"}};
        for (const auto& e : expected) {
            QCOMPARE(e.window->objectName(), QString(e.name));
            QCOMPARE(e.window->windowTitle(), QString(e.caption));
            QVERIFY(!e.window->isVisible());
            QVERIFY(e.window->windowFlags() & Qt::Tool);
            QCOMPARE(e.window->parentWidget(), form1);
        }
        QCOMPARE(app->windows->tipWindow->windowTitle(), QString("Startup Tip"));
        QCOMPARE(app->windows->aboutBox->windowTitle(), QString("About Quillmint"));
        QVERIFY(app->windows->aboutBox->isModal());

        // Closing a tool window hides it; it is never destroyed.
        QPointer<QWidget> inspector = app->windows->tagInspector;
        inspector->show();
        QVERIFY(inspector->close() || !inspector->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(inspector);
        QVERIFY(!inspector->isVisible());
    }

    void menuItemsHaveTheirShortcutsAndHints() {
        const struct {
            const char* name;
            const char* caption;
            QKeySequence keys;
            const char* status;
        } items[] = {
            {controls::Exit, "Exit", QKeySequence("Ctrl+Alt+X"), "Exit Program"},
            {controls::Undo, "&Undo", QKeySequence("Ctrl+Z"), "Reverts the last action"},
            {controls::Cut, "Cu&t", QKeySequence("Ctrl+X"),
             "Cuts the selection and puts it on the Clipboard"},
            {controls::Copy, "&Copy", QKeySequence("Ctrl+C"),
             "Copies the selection and puts it on the Clipboard"},
            {controls::Paste, "&Paste", QKeySequence("Ctrl+V"), "Inserts Clipboard contents"},
            {controls::Delete, "&Delete", QKeySequence("Del"), "Erases the selection"},
            {controls::SelectAll, "Select &All", QKeySequence("Ctrl+A"),
             "Selects the entire document"},
            {controls::ViewDropdown, "Dropdown Menu Maker", QKeySequence("F2"),
             "View Dropdown Menu Maker"},
            {controls::ViewPopup, "Popup Maker", QKeySequence("F3"), "View Popup Maker"},
            {controls::ViewMouseOver, "MouseOver Button Maker", QKeySequence("F4"),
             "View MouseOver Button Maker"},
            {controls::ViewSlideshow, "Slideshow Maker", QKeySequence("F5"),
             "View Slideshow Maker"},
            {controls::ViewEditor, "JS Editor", QKeySequence("F6"), "View JavaScript Editor"},
            {controls::DropdownWizard, "Dropdown Menu Maker", QKeySequence("Shift+F1"), ""},
            {controls::PopupWizard, "Popup Maker", QKeySequence("Shift+F2"), ""},
            {controls::MouseOverWizard, "MouseOver Button Maker", QKeySequence("Shift+F3"), ""},
            {controls::SlideshowWizard, "Slideshow Maker", QKeySequence("Shift+F4"), ""},
            {controls::EditorWizard, "JS Editor", QKeySequence("Shift+F5"), ""},
            {controls::Help, "Help", QKeySequence("F1"), "Help Document"},
            {controls::Readme, "Readme", QKeySequence("Ctrl+Alt+R"), "Readme"},
            {controls::ShowStartupTips, "Show Startup Tips", QKeySequence(),
             "Show Tips At Startup"},
            {controls::About, "About", QKeySequence("Ctrl+Alt+A"), "About"},
        };
        for (const auto& item : items) {
            QAction* action = this->action(item.name);
            QCOMPARE(action->text(), QString(item.caption));
            QCOMPARE(action->shortcut(), item.keys);
            QCOMPARE(action->statusTip(), QString(item.status));
        }
        QVERIFY(action(controls::ShowStartupTips)->isCheckable());
        QCOMPARE(findControl<QMenuBar>(form1, controls::MainMenu)->actions().size(), 6);
        const QStringList context{"&Undo",  "",        "Cu&t", "&Copy",
                                  "&Paste", "&Delete", "",     "Select &All"};
        QStringList shown;
        for (QAction* action : findControl<QMenu>(form1, controls::PaneMenu)->actions())
            shown << action->text();
        QCOMPARE(shown, context);
    }

    void statusBarSwitchesBetweenPanelsAndTheLongHint() {
        form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(form1));
        QCOMPARE(panel(controls::HelpPanel)->text(), QString("Press F1 For Help"));
        QVERIFY(panel(controls::HelpPanel)->isVisible());

        // A tool bar button with a two-part hint: tool tip short, status bar long.
        auto* cut = new QToolButton(pages()->currentWidget());
        cut->setDefaultAction(findControl<QAction>(form1, edit_actions::controls::Cut));
        QCOMPARE(cut->toolTip(), QString("Cut"));
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(cut, &enter);
        QCOMPARE(statusBar()->currentMessage(),
                 QString("Cuts the selection and puts it on the Clipboard"));
        QVERIFY(!panel(controls::HelpPanel)->isVisible());

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(cut, &leave);
        QVERIFY(statusBar()->currentMessage().isEmpty());
        QVERIFY(panel(controls::HelpPanel)->isVisible());

        // A highlighted menu item shows its hint the same way.
        action(controls::Help)->showStatusText(form1);
        QCOMPARE(statusBar()->currentMessage(), QString("Help Document"));
    }

    // However the editor tab is chosen (View key, Ctrl+Tab, the strip), its
    // companions show as their pressed toggles say, and leave with it.
    void everyWayToTheEditorShowsItsCompanions() {
        form1->show();
        QVERIFY(QTest::qWaitForWindowActive(form1));
        const auto companionsShown = [this](bool shown) {
            for (const char* toggle :
                 {editor::controls::TagInspectorToggle, editor::controls::ReservedWordsToggle})
                QCOMPARE(findControl<QToolButton>(form1, toggle)->isChecked(), shown);
            QCOMPARE(app->windows->tagInspector->isVisible(), shown);
            QCOMPARE(app->windows->reservedWords->isVisible(), shown);
        };
        const std::function<void()> toEditor[] = {
            [this] { QTest::keyClick(form1, Qt::Key_F6); },
            [this] {
                QTest::keyClick(form1, Qt::Key_F5);
                QTest::keyClick(pages()->tabBar(), Qt::Key_Tab, Qt::ControlModifier);
            },
            [this] { pages()->tabBar()->setCurrentIndex(4); },
        };
        for (const auto& choose : toEditor) {
            choose();
            QCOMPARE(pages()->currentIndex(), 4);
            companionsShown(true);
            QTest::keyClick(form1, Qt::Key_F3);
            companionsShown(false);
        }
    }

    // Ctrl+Shift+T and Ctrl+Shift+W reach the companions from anywhere in
    // the window, the tab strip included.
    void companionKeysWorkFromAnywhere() {
        form1->show();
        QVERIFY(QTest::qWaitForWindowActive(form1));
        pages()->tabBar()->setFocus();
        QTest::keyClick(pages()->tabBar(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages()->currentIndex(), 4);
        QTRY_VERIFY(app->windows->tagInspector->isActiveWindow());
        form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form1));
        pages()->tabBar()->setFocus();
        QTest::keyClick(pages()->tabBar(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(app->windows->reservedWords->isActiveWindow());
    }

    // A save names its file in the status bar and the tab's file in the
    // title; Exit with unsaved editor text asks first.
    void savesShowAndUnsavedEditorTextIsKept() {
        form1->show();
        QVERIFY(QTest::qWaitForWindowActive(form1));
        const QString page = app->folder.file("menu.html");
        app->fake.saveAnswers << page;
        action(controls::FileSaveAsHtml)->trigger();
        QCOMPARE(statusBar()->currentMessage(), "Saved " + page);
        QCOMPARE(form1->windowTitle(), QString("menu.html - Quillmint v1.0"));
        pages()->setCurrentIndex(1);
        QCOMPARE(form1->windowTitle(), QString("Quillmint v1.0"));

        // An untouched editor closes without a question (closing ends the
        // event loop, so it runs in one).
        const auto closesInLoop = [this] {
            QTimer::singleShot(0, action(controls::Exit), &QAction::trigger);
            QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
            return QApplication::exec() == 0;
        };
        QVERIFY(closesInLoop());
        QVERIFY(app->fake.saveQuestions.isEmpty());
        form1->show();
        pages()->setCurrentIndex(4);
        QTest::keyClicks(findControl<QWidget>(form1, editor::controls::Editor), "var kept;");
        app->fake.saveChoices = {SaveChoice::Cancel, SaveChoice::Save, SaveChoice::Save};
        QVERIFY(!form1->close());
        QVERIFY(!form1->close()); // Save, then Cancel in the file dialog
        const QString script = app->folder.file("kept.html");
        app->fake.saveAnswers << script;
        QVERIFY(closesInLoop());
        QVERIFY(readBytes(script).contains("var kept;"));
        QCOMPARE(app->fake.saveQuestions.size(), 3);
    }

    void editCommandsFollowTheFocusedField() {
        form1->show();
        QVERIFY(QTest::qWaitForWindowActive(form1));
        auto* field = new QLineEdit(pages()->currentWidget());
        field->setObjectName("ScratchField");
        field->show();
        field->setFocus();
        QCoreApplication::processEvents();
        QApplication::clipboard()->clear();
        EditActions& edit = *findControl<EditActions>(form1, edit_actions::controls::ActionList);
        QCOMPARE(edit.target(), field);
        QVERIFY(!action(edit_actions::controls::Cut)->isEnabled());
        QVERIFY(!action(edit_actions::controls::Copy)->isEnabled());
        QVERIFY(!action(edit_actions::controls::Undo)->isEnabled());
        QVERIFY(!action(edit_actions::controls::Paste)->isEnabled());

        QTest::keyClicks(field, "hello world");
        QVERIFY(action(edit_actions::controls::Undo)->isEnabled());
        QVERIFY(action(controls::Undo)->isEnabled());
        field->setSelection(0, 5);
        QVERIFY(action(edit_actions::controls::Cut)->isEnabled());
        QVERIFY(action(controls::Copy)->isEnabled());
        action(controls::Cut)->trigger();
        QCOMPARE(field->text(), QString(" world"));
        QCOMPARE(QApplication::clipboard()->text(), QString("hello"));
        QVERIFY(action(edit_actions::controls::Paste)->isEnabled());
        QVERIFY(!action(edit_actions::controls::Cut)->isEnabled());

        action(controls::SelectAll)->trigger();
        action(controls::Delete)->trigger();
        QCOMPARE(field->text(), QString());
        action(controls::Paste)->trigger();
        QCOMPARE(field->text(), QString("hello"));
        action(controls::Undo)->trigger();
        QCOMPARE(field->text(), QString());

        field->setReadOnly(true);
        field->setText("read only");
        field->selectAll();
        QVERIFY(action(edit_actions::controls::Copy)->isEnabled());
        QVERIFY(!action(edit_actions::controls::Cut)->isEnabled());
        QVERIFY(!action(edit_actions::controls::Paste)->isEnabled());
    }

    void aboutBoxShowsVersionsAndOpensTheHelp() {
        AboutBox* about = app->windows->aboutBox;
        auto* versions = findControl<QLabel>(about, "AboutVersionText");
        QCOMPARE(
            versions->text().split('\n'),
            (QStringList{"Quillmint v1.0.0.0", "Dropdown Menu Maker v1.0", "Popup Maker v1.0",
                         "MouseOver Button Maker v1.0", "Slideshow Maker v1.0", "JS Editor v1.0"}));
        about->show();
        QVERIFY(!findControl<QLabel>(about, "AboutPicture")->pixmap().isNull());
        about->hide();
        auto* link = findControl<QPushButton>(about, "AboutLink");
        QCOMPARE(link->text(), QString("Quillmint Help"));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        link->click();
        QCOMPARE(app->fake.opened,
                 QList<QUrl>{QUrl::fromLocalFile(app->folder.file("help/index.html"))});

        // Help > About shows it modally; "Close" ends it.
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            seen = QApplication::activeModalWidget() == about;
            findControl<QPushButton>(about, "AboutCloseButton")->click();
        });
        action(controls::About)->trigger();
        QVERIFY(seen);
        QVERIFY(!about->isVisible());
    }

    void closingTheMainWindowEndsTheProgramWithToolWindowsOpen() {
        form1->show();
        app->windows->tagInspector->show();
        app->windows->reservedWords->show();
        QTimer::singleShot(0, action(controls::Exit), &QAction::trigger);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!form1->isVisible());
        QVERIFY(app->fake.confirmations.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
