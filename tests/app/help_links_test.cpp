#include "app/application_windows.h"
#include "app/main_window.h"
#include "support/fake_desktop.h"
#include "support/test_files.h"
#include "widgets/help_links.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

namespace {

const QUrl WebSite(QStringLiteral("https://quillmint.example.org/"));

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
    void helpMenuOpensTheShippedFilesAndWebAddresses() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        TForm1& main = *windows.Form1;

        main.Help3->trigger();
        main.Readme1->trigger();
        QCOMPARE(desk.opened.size(), 2);
        expectShippedFile(desk.opened.at(0), folder.file(QStringLiteral("help/index.html")));
        expectShippedFile(desk.opened.at(1), folder.file(QStringLiteral("readme.txt")));

        desk.opened.clear();
        main.Website1->trigger();
        main.CheckForUpdate1->trigger();
        main.SupportForum1->trigger();
        main.SupportEmail1->trigger();
        QCOMPARE(desk.opened,
                 (QList<QUrl>{WebSite, WebSite, WebSite,
                              QUrl(QStringLiteral("mailto:support@quillmint.example.org"))}));
        QVERIFY(desk.notices.isEmpty());
    }

    void onTheWebListsItsEntriesInOrder() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        TForm1& main = *windows.Form1;
        QCOMPARE(main.OnTheWeb1->actions(),
                 (QList<QAction*>{main.Website1, main.CheckForUpdate1, main.SupportEmail1,
                                  main.SupportForum1}));
        QCOMPARE(main.OnTheWeb1->title(), QStringLiteral("On The Web"));
        QCOMPARE(main.SupportEmail1->text(), QStringLiteral("Support (E-mail)"));
        QCOMPARE(main.SupportEmail1->statusTip(), QStringLiteral("Get Free E-mail Support"));
        QCOMPARE(main.CheckForUpdate1->statusTip(), QStringLiteral("Check For Program Update"));
        QCOMPARE(main.SupportForum1->statusTip(), QStringLiteral("Get Help On The Support Forum"));
        QVERIFY(
            main.Website1->statusTip().contains(QStringLiteral("Web Site"), Qt::CaseInsensitive));
    }

    void f1OpensTheHelpIndexOnEveryTab() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        TForm1& main = *windows.Form1;
        main.show();
        for (int tab = 0; tab < main.PageControl1->count(); ++tab) {
            main.viewTab(tab);
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            QTest::keyClick(&main, Qt::Key_F1);
        }
        QCOMPARE(desk.opened.size(), main.PageControl1->count());
        for (const QUrl& opened : desk.opened)
            expectShippedFile(opened, folder.file(QStringLiteral("help/index.html")));
    }

    void eachTabsHelpItemOpensItsOwnPage() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        const char* const items[] = {"Help2", "Help4", "Help5", "Help6", "Help7"};
        for (int tool = 1; tool <= 5; ++tool) {
            QWidget* tab = windows.Form1->PageControl1->widget(tool - 1);
            auto* item = tab->findChild<QAction*>(QLatin1String(items[tool - 1]));
            QVERIFY2(item, items[tool - 1]);
            QCOMPARE(item->text(), QStringLiteral("Help"));
            item->trigger();
            QCOMPARE(desk.opened.size(), tool);
            expectShippedFile(desk.opened.last(),
                              folder.file(QStringLiteral("help/con%1.html").arg(tool)));
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
