#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "editor/editor_controls.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/mouseover/mouseover_controls.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/popup/popup_controls.h"
#include "makers/popup/popup_fields.h"
#include "makers/slideshow/slideshow_controls.h"
#include "makers/slideshow/slideshow_fields.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <algorithm>

namespace {

// How long a button shows itself pressed before acting on its access key.
constexpr int ButtonPressShown = 150;

// A step of making a page, by keys only: type into the field reached by Tab,
// press a key, or press the access key a control's caption (or the caption
// of its label) shows, whatever the interface's language.
struct Key {
    const char* field = ""; // Tab until this control has the focus, then type `text`
    const char* text = "";
    QKeyCombination keys = {};
    const char* accessKeyOf = "";
};

Key typeInto(const char* field, const char* text) {
    return {field, text};
}
Key press(QKeyCombination keys) {
    return {"", "", keys};
}
Key accessKey(const char* control) {
    return {"", "", {}, control};
}

struct TabRow {
    const char* name;
    Qt::Key viewKey;
    QList<Key> make;
    const char* resets;   // a pane or field that New empties
    const char* expected; // a piece of the made page
    bool preview;
    bool publish;
};

const QList<TabRow> Tabs = {
    {"Dropdown",
     Qt::Key_F2,
     {accessKey(dropdown::controls::MakeCode)},
     dropdown::fields::Code,
     "<select",
     true,
     false},
    {"Popup",
     Qt::Key_F3,
     {typeInto(popup::fields::Url, "popup.html"), accessKey(popup::controls::MakeCode)},
     popup::fields::Url,
     "popup.html",
     true,
     false},
    {"MouseOver",
     Qt::Key_F4,
     {typeInto(mouseover::fields::InitialImage, "off.gif"),
      typeInto(mouseover::fields::MouseOverImage, "on.gif"),
      accessKey(mouseover::controls::AddImage), accessKey(mouseover::controls::EndCode)},
     mouseover::fields::BodyPane,
     "off.gif",
     true,
     false},
    {"Slideshow",
     Qt::Key_F5,
     // Add an image, pick it from the list as the initial image, make.
     {accessKey(slideshow::controls::AddImages), accessKey(slideshow::fields::Images),
      press(Qt::Key_Down), accessKey(slideshow::controls::ChooseInitial),
      accessKey(slideshow::controls::MakeCode)},
     slideshow::fields::Code,
     "one.jpg",
     true,
     true},
    {"JS Editor",
     Qt::Key_F6,
     {typeInto(editor::controls::Editor, "alert('typed');")},
     editor::controls::Editor,
     "alert('typed');",
     true,
     false},
};

} // namespace

class KeyboardCommandsTest : public QObject {
    Q_OBJECT
private:
    QWidget* main = nullptr;

    void key(QKeyCombination keys) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : main;
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
    }
    // Tab until `name` has the focus; every control can be reached so.
    bool tabTo(const char* name) {
        for (int press = 0; press < 80; ++press) {
            if (QApplication::focusWidget() &&
                QApplication::focusWidget()->objectName() == QLatin1String(name))
                return true;
            key(Qt::Key_Tab);
        }
        return false;
    }
    // Alt and the letter marked in the caption of `name`, or of its label.
    QKeyCombination accessKeyOf(const char* name) {
        auto* control = findControl<QWidget>(main, name);
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            caption = button->text();
        for (const QLabel* label : main->findChildren<QLabel*>())
            if (label->buddy() == control)
                caption = label->text();
        const QKeySequence keys = QKeySequence::mnemonic(caption);
        return keys.isEmpty() ? QKeyCombination() : keys[0];
    }
    bool anyButtonDown() const {
        const QList<QAbstractButton*> buttons = main->findChildren<QAbstractButton*>();
        return std::any_of(buttons.begin(), buttons.end(),
                           [](const QAbstractButton* button) { return button->isDown(); });
    }
    QString shownText(const char* name) {
        const QObject* control = findControl(main, QLatin1String(name));
        const QVariant pane = control->property("plainText");
        return pane.isValid() ? pane.toString() : control->property("text").toString();
    }

private slots:
    void everyTabMakesSavesPreviewsPrintsAndPublishesByKeys() {
        // Every tab settled before the first key, so an access key's press
        // shows for its usual moment.
        WindowFixture app;
        main = app.window();
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        const QStringList pictures{app.folder.file("one.jpg"), app.folder.file("two.jpg")};
        for (const QString& picture : pictures)
            writeBytes(picture, "picture");
        app.fake.openAnswers << pictures;

        for (int index = 0; index < Tabs.size(); ++index) {
            const TabRow& tab = Tabs[index];
            key(tab.viewKey);
            QCOMPARE(findControl<QTabWidget>(main, main_window::controls::Tabs)->currentIndex(),
                     index);
            for (const Key& step : tab.make) {
                if (*step.field) {
                    QVERIFY2(tabTo(step.field), step.field);
                    QTest::keyClicks(QApplication::focusWidget(), QLatin1String(step.text));
                } else {
                    key(*step.accessKeyOf ? accessKeyOf(step.accessKeyOf) : step.keys);
                    // An access key presses its button as a click does, shown
                    // for a moment; the command runs once it is released.
                    QTest::qWait(ButtonPressShown);
                    QTRY_VERIFY(!anyButtonDown());
                }
            }

            const QString page = app.folder.file(QStringLiteral("%1.html").arg(tab.name));
            app.fake.saveAnswers << page;
            key(Qt::CTRL | Qt::Key_S);
            QVERIFY2(readBytes(page).contains(tab.expected), tab.name);

            const qsizetype opened = app.fake.opened.size();
            key(Qt::Key_F12);
            QCOMPARE(app.fake.opened.size(), opened + (tab.preview ? 1 : 0));

            key(Qt::CTRL | Qt::Key_P);
            QVERIFY2(app.fake.printed.last().contains(tab.expected), tab.name);

            if (tab.publish) {
                const QString published = app.folder.file("published/show.html");
                QVERIFY(QDir().mkpath(app.folder.file("published")));
                app.fake.saveAnswers << published;
                key(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
                QTRY_COMPARE(app.fake.lastNotice(),
                             QCoreApplication::translate("Slideshow", "Publish complete!"));
                for (const char* copy : {"published/one.jpg", "published/two.jpg"})
                    QCOMPARE(readBytes(app.folder.file(copy)), QByteArray("picture"));
            }

            // New starts afresh, after the confirmation.
            const int asked = int(app.fake.confirmations.size());
            key(Qt::CTRL | Qt::Key_N);
            QCOMPARE(app.fake.confirmations.size(), asked + 1);
            QVERIFY2(!shownText(tab.resets).contains(tab.expected), tab.name);
        }
    }

    // The File menu offers each tab the commands its tool bar has, with the keys shown.
    void fileMenuOffersTheCurrentTabsCommands() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        MainWindow& window = *app.window();
        const struct {
            const char* item;
            const char* keys;
            QList<int> tabs; // where it is enabled
        } items[] = {
            {main_window::controls::FileNew, "Ctrl+N", {0, 1, 2, 3, 4}},
            {main_window::controls::FileOpen, "Ctrl+O", {4}},
            {main_window::controls::FileSaveAsHtml, "Ctrl+S", {0, 1, 2, 3, 4}},
            {main_window::controls::FilePreview, "F12", {0, 1, 2, 3, 4}},
            {main_window::controls::FilePrint, "Ctrl+P", {0, 1, 2, 3, 4}},
            {main_window::controls::FilePublish, "Ctrl+Shift+P", {3}},
        };
        for (int tab = 0; tab < 5; ++tab) {
            window.viewTab(tab);
            for (const auto& entry : items) {
                QAction* item = findControl<QAction>(window, entry.item);
                QCOMPARE(item->shortcut(), QKeySequence(QLatin1String(entry.keys)));
                QCOMPARE(item->isEnabled(), entry.tabs.contains(tab));
            }
        }
        // Added above Exit, which stays as it is; the project items between.
        const QList<QAction*> file = findControl<QMenuBar>(window, main_window::controls::MainMenu)
                                         ->actions()
                                         .first()
                                         ->menu()
                                         ->actions();
        QCOMPARE(file.size(), 14);
        QCOMPARE(file.at(7), findControl<QAction>(window, "NewProject"));
        QCOMPARE(file.at(11)->menu(),
                 findControl<QMenu>(window, main_window::controls::RecentProjects));
        QCOMPARE(file.last(), findControl<QAction>(window, main_window::controls::Exit));
    }

    // Options in the menu bar holds what the current tab's tool-bar drop-downs
    // and toggles hold, the shared Modern output choice included.
    void optionsMenuOffersTheToolBarsCommands() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        MainWindow& window = *app.window();
        // Every Options drop-down holds the shared Live Preview toggle. The
        // toggles' items have no names: their captions are compared.
        const QString tagInspector = QCoreApplication::translate("ToolTab", "Tag Inspector");
        const QString reservedWords = QCoreApplication::translate("ToolTab", "Reserved Words");
        const QStringList expected[] = {
            {dropdown::controls::SaveAsHtml, dropdown::controls::SaveAsText, "",
             dropdown::controls::Preview, "", "ModernOutput", "SeparateFiles", "", "LivePreview",
             "", dropdown::fields::RelevantCodeOnly, dropdown::fields::WholePage},
            {popup::controls::SaveAsHtml, popup::controls::SaveAsText, "", popup::controls::Preview,
             "", "ModernOutput", "SeparateFiles", "", "LivePreview"},
            {mouseover::controls::SaveAsHtml, mouseover::controls::SaveAsText, "",
             mouseover::controls::Preview, "", "ModernOutput", "SeparateFiles", "", "LivePreview"},
            {slideshow::controls::SaveAsHtml, slideshow::controls::SaveAsText,
             slideshow::controls::Publish, "", slideshow::controls::Preview, "", "ModernOutput",
             "SeparateFiles", "", "LivePreview"},
            {editor::controls::SaveAsJs, editor::controls::SaveAsHtml, "", tagInspector,
             reservedWords, "", editor::controls::StripHtml, "", "LivePreview"},
        };
        auto* options = findControl<QMenu>(window, main_window::controls::OptionsMenu);
        for (int tab = 0; tab < 5; ++tab) {
            window.viewTab(tab);
            QStringList shown;
            for (QAction* entry : options->actions()) {
                // The tool bar's "Save" sub-menu itself, as on the tool bar.
                const QList<QAction*> inner =
                    entry->menu() ? entry->menu()->actions() : QList<QAction*>{entry};
                for (QAction* item : inner)
                    shown << (item->objectName().isEmpty() ? item->text() : item->objectName());
            }
            QCOMPARE(shown, expected[tab]);
        }
        // A toggle's item shows and flips its button.
        const QList<QAction*> entries = options->actions();
        QAction* words = *std::find_if(entries.begin(), entries.end(), [&](const QAction* entry) {
            return entry->text() == reservedWords;
        });
        auto* wordsButton = findControl<QToolButton>(window, editor::controls::ReservedWordsToggle);
        words->trigger();
        QCOMPARE(wordsButton->isChecked(), words->isChecked());
        QCOMPARE(wordsButton->isChecked(), false);
    }

    // Alt+E opens the Edit menu, though Clear Code shows the same letter;
    // Alt+P opens Options (in another language, the letters its titles mark).
    void menuTitlesKeepTheirAccessKeys() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        main = app.window();
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        auto* menuBar = findControl<QMenuBar>(main, main_window::controls::MainMenu);
        auto* options = findControl<QMenu>(main, main_window::controls::OptionsMenu);
        const QKeyCombination editKey = QKeySequence::mnemonic(menuBar->actions().at(1)->text())[0];
        const QKeyCombination optionsKey = QKeySequence::mnemonic(options->title())[0];
        for (Qt::Key tab : {Qt::Key_F2, Qt::Key_F5}) {
            key(tab);
            for (int round = 0; round < 2; ++round) {
                key(editKey);
                QTRY_VERIFY(QApplication::activePopupWidget());
                QCOMPARE(QApplication::activePopupWidget(), menuBar->actions().at(1)->menu());
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
                QTest::keyClick(menuBar, Qt::Key_Escape);
                QTRY_VERIFY(!QApplication::activePopupWidget());
            }
        }
        QCOMPARE(findControl<QPushButton>(main, slideshow::controls::ClearCode)->text(),
                 QCoreApplication::translate("ToolTab", "Cl&ear Code"));
        key(optionsKey);
        QTRY_COMPARE(QApplication::activePopupWidget(), options);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    // The editor's Open (Ctrl+O) asks for a script and shows it.
    void openReadsAScriptIntoTheEditor() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        QWidget* window = app.window();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QString script = app.folder.file("menu.js");
        writeBytes(script, "var opened = 1;\r\n");
        app.fake.openAnswers << QStringList{script};

        QTest::keyClick(window, Qt::Key_F6);
        QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(findControl<QPlainTextEdit>(window, editor::controls::Editor)->toPlainText(),
                 QStringLiteral("var opened = 1;\n"));
    }
};

QTEST_MAIN(KeyboardCommandsTest)
#include "keyboard_commands_test.moc"
