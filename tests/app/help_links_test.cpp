#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "editor/editor_controls.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/mouseover/mouseover_controls.h"
#include "makers/popup/popup_controls.h"
#include "makers/slideshow/slideshow_controls.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "widgets/help_links.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

namespace {

// A local target opened through the desktop services must be a shipped file.
void expectShippedFile(const QUrl& opened, const QString& expectedPath) {
    QVERIFY2(opened.isLocalFile(), qPrintable(opened.toString()));
    QCOMPARE(opened.toLocalFile(), expectedPath);
    QVERIFY2(QFileInfo(expectedPath).isFile(), qPrintable(expectedPath));
}

} // namespace

class HelpLinksTest : public QObject {
    Q_OBJECT

private slots:
    void helpMenuOpensTheShippedFiles() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        MainWindow& main = *app.window();

        findControl<QAction>(main, main_window::controls::Help)->trigger();
        findControl<QAction>(main, main_window::controls::Readme)->trigger();
        QCOMPARE(app.fake.opened.size(), 2);
        expectShippedFile(app.fake.opened.at(0),
                          app.folder.file(QStringLiteral("help/index.html")));
        expectShippedFile(app.fake.opened.at(1), app.folder.file(QStringLiteral("readme.txt")));
        QVERIFY(app.fake.notices.isEmpty());
    }

    // Quillmint has no web site: the Help menu offers no web links.
    void helpMenuHoldsNoWebLinks() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        MainWindow& main = *app.window();
        QStringList items;
        for (QAction* item : findControl<QMenuBar>(main, main_window::controls::MainMenu)
                                 ->actions()
                                 .last()
                                 ->menu()
                                 ->actions())
            items << item->objectName();
        QCOMPARE(items, (QStringList{main_window::controls::Help, main_window::controls::Readme,
                                     main_window::controls::ShowStartupTips, "",
                                     main_window::controls::About}));
    }

    void f1OpensTheHelpIndexOnEveryTab() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        MainWindow& main = *app.window();
        main.show();
        for (int tab = 0; tab < findControl<QTabWidget>(main, main_window::controls::Tabs)->count();
             ++tab) {
            main.viewTab(tab);
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            QTest::keyClick(&main, Qt::Key_F1);
        }
        QCOMPARE(app.fake.opened.size(),
                 findControl<QTabWidget>(main, main_window::controls::Tabs)->count());
        for (const QUrl& opened : app.fake.opened)
            expectShippedFile(opened, app.folder.file(QStringLiteral("help/index.html")));
    }

    void eachTabsHelpItemOpensItsOwnPage() {
        WindowFixture app;
        const char* const items[] = {dropdown::controls::HelpEntry, popup::controls::HelpEntry,
                                     mouseover::controls::HelpEntry, slideshow::controls::HelpEntry,
                                     editor::controls::HelpEntry};
        for (int tool = 1; tool <= 5; ++tool) {
            QWidget* tab = findControl<QTabWidget>(app.window(), main_window::controls::Tabs)
                               ->widget(tool - 1);
            auto* item = findControl<QAction>(tab, items[tool - 1]);
            QVERIFY2(item, items[tool - 1]);
            QCOMPARE(item->text(), QStringLiteral("Help"));
            item->trigger();
            QCOMPARE(app.fake.opened.size(), tool);
            expectShippedFile(app.fake.opened.last(),
                              app.folder.file(QStringLiteral("help/con%1.html").arg(tool)));
        }
    }

    void programFilesAreAddressedUnderTheProgramDirectory() {
        FakeDesktop desk;
        ProgramFolder folder;
        // Paths with characters that mean something in a URL stay one file.
        openProgramFile(QStringLiteral("/opt/Quill mint #2/100%"),
                        QStringLiteral("help/index.html"));
        openProgramFile(QStringLiteral("/"), QStringLiteral("readme.txt"));
        QCOMPARE(desk.opened.size(), 2);
        QCOMPARE(desk.opened.at(0).toLocalFile(),
                 QStringLiteral("/opt/Quill mint #2/100%/help/index.html"));
        QCOMPARE(desk.opened.at(1).toLocalFile(), QStringLiteral("/readme.txt"));
    }
};

QTEST_MAIN(HelpLinksTest)
#include "help_links_test.moc"
