#include "app/application_windows.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "guidance/tip_window.h"
#include "guidance/tip_window_controls.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace tip_window;

namespace {

// Help > "Show Startup Tips".
QAction* tipsItem(const ApplicationWindows& windows) {
    return findControl<QAction>(windows.mainWindow.get(), main_window::controls::ShowStartupTips);
}

// Replaces the shipped tips by files that name their own number, including
// the numbers just outside the range, so the text shown tells which file was read.
void writeNumberedTips(const ProgramFolder& folder) {
    for (int number = 0; number <= TipCount + 1; ++number)
        writeBytes(folder.file(QStringLiteral("tips/%1.txt").arg(number)),
                   QStringLiteral("tip %1\r\n").arg(number).toUtf8());
}

void writeEveryTip(const ProgramFolder& folder, const QByteArray& bytes) {
    for (int number = 1; number <= TipCount; ++number)
        writeBytes(folder.file(QStringLiteral("tips/%1.txt").arg(number)), bytes);
}

QString shownTip(const ApplicationWindows& windows) {
    return findControl<QPlainTextEdit>(windows.tipWindow, controls::Tip)->toPlainText();
}

QByteArray withShowTips(QByteArray record, char value) {
    record[83] = value;
    return record;
}

} // namespace

class TipWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowShowsAShippedTipAtCreation() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        QWidget& tips = *windows.tipWindow;

        QVERIFY(!tips.isVisible());
        QCOMPARE(tips.windowTitle(), QStringLiteral("Startup Tip"));
        QCOMPARE(tips.size(), QSize(329, 241));
        const QPoint desktopCentre = tips.screen()->availableGeometry().center();
        QVERIFY((tips.geometry().center() - desktopCentre).manhattanLength() <= 2);
        QVERIFY(tips.minimumSize() != tips.maximumSize());
        QVERIFY(findControl<QLabel>(tips, controls::Heading)->font().bold());
        QCOMPARE(findControl<QLabel>(tips, controls::Heading)->text(),
                 QStringLiteral("Did You Know?"));
        QVERIFY(findControl<QPlainTextEdit>(tips, controls::Tip)->isReadOnly());
        QVERIFY(findControl<QPlainTextEdit>(tips, controls::Tip)->isEnabled());
        QVERIFY(findControl<QCheckBox>(tips, controls::ShowAtStartup)->isChecked());
        QCOMPARE(findControl<QPushButton>(tips, controls::NextTip)->text(),
                 QStringLiteral("&Next Tip >>"));
        QCOMPARE(findControl<QPushButton>(tips, controls::Close)->text(), QStringLiteral("&Close"));
        QCOMPARE(tips.focusWidget(), findControl<QPushButton>(tips, controls::NextTip));

        QVERIFY(desk.notices.isEmpty());
        QStringList shipped;
        for (int number = 1; number <= TipCount; ++number)
            shipped << QString::fromUtf8(
                           readBytes(folder.file(QStringLiteral("tips/%1.txt").arg(number))))
                           .trimmed()
                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QVERIFY2(shipped.contains(shownTip(windows)), qPrintable(shownTip(windows)));

        // The picture is decoded when the window is first shown.
        tips.show();
        QVERIFY(!findControl<QLabel>(tips, controls::Picture)->pixmap().isNull());
    }

    void nextTipDrawsEveryNumberFromOneToTwentyTwoAndNoOther() {
        FakeDesktop desk;
        ProgramFolder folder;
        writeNumberedTips(folder);
        ApplicationWindows windows;

        QSet<QString> seen{shownTip(windows)};
        bool repeated = false;
        for (int press = 0; press < 3000; ++press) {
            const QString before = shownTip(windows);
            QTest::mouseClick(findControl<QPushButton>(windows.tipWindow, controls::NextTip),
                              Qt::LeftButton);
            repeated = repeated || shownTip(windows) == before;
            seen.insert(shownTip(windows));
        }
        QSet<QString> expected;
        for (int number = 1; number <= TipCount; ++number)
            expected.insert(QStringLiteral("tip %1").arg(number));
        QCOMPARE(seen, expected);
        QVERIFY2(repeated, "a tip may follow itself");
        QVERIFY(desk.notices.isEmpty());
    }

    void unreadableTipIsReportedByItsShortNameAndKeepsTheText() {
        FakeDesktop desk;
        ProgramFolder folder;
        writeNumberedTips(folder);
        ApplicationWindows windows;
        const QString before = shownTip(windows);

        // Directories where the files should be: not regular files, never read.
        QVERIFY(QDir(folder.file(QStringLiteral("tips"))).removeRecursively());
        for (int number = 1; number <= TipCount; ++number)
            QVERIFY(QDir().mkpath(folder.file(QStringLiteral("tips/%1.txt").arg(number))));
        QTest::mouseClick(findControl<QPushButton>(windows.tipWindow, controls::NextTip),
                          Qt::LeftButton);

        QCOMPARE(desk.notices.size(), 1);
        QCOMPARE(desk.notices.first().kind, NoticeKind::Error);
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^Cannot open file %1/tips/([1-9]|1[0-9]|2[0-2])\\.txt: "
                                    "Is a directory$")
                         .arg(QRegularExpression::escape(folder.path())))
                     .match(desk.lastNotice())
                     .hasMatch(),
                 qPrintable(desk.lastNotice()));
        QCOMPARE(shownTip(windows), before);
    }

    void missingTipsAtStartUpLeaveAnEmptyTipAndGoOn() {
        FakeDesktop desk;
        ProgramFolder folder;
        QVERIFY(QDir(folder.file(QStringLiteral("tips"))).removeRecursively());
        ApplicationWindows windows;
        windows.applyPreferences();

        QCOMPARE(desk.notices.size(), 1);
        QVERIFY(desk.lastNotice().startsWith("Cannot open file " + folder.file("tips/")));
        QVERIFY(desk.lastNotice().endsWith(".txt: No such file or directory"));
        QVERIFY(shownTip(windows).isEmpty());
        QVERIFY(windows.tipWindow->isVisible());
    }

    void tipsAreFoundAfterTheCurrentDirectoryMoved() {
        FakeDesktop desk;
        ProgramFolder folder;
        writeNumberedTips(folder);
        ApplicationWindows windows;
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));

        for (int press = 0; press < 20; ++press)
            QTest::mouseClick(findControl<QPushButton>(windows.tipWindow, controls::NextTip),
                              Qt::LeftButton);
        QVERIFY(desk.notices.isEmpty());
        QVERIFY(shownTip(windows).startsWith(QStringLiteral("tip ")));
    }

    void largeOrForeignTipsShowWithoutHarm() {
        FakeDesktop desk;
        ProgramFolder folder;
        const QByteArray line = QByteArray(99, 'x') + "\r\n";
        writeEveryTip(folder, line.repeated(1024 * 1024 / line.size()));
        ApplicationWindows windows;
        QCOMPARE(shownTip(windows).size(), (1024 * 1024 / line.size()) * 100 - 1);

        // Not UTF-8: read as Windows-1252, curly quotes included.
        writeEveryTip(folder, QByteArray("\x93Quoted\x94 \xE9t\xE9\r\nsecond line"));
        QTest::mouseClick(findControl<QPushButton>(windows.tipWindow, controls::NextTip),
                          Qt::LeftButton);
        QCOMPARE(shownTip(windows),
                 QStringLiteral("\u201CQuoted\u201D \u00E9t\u00E9\nsecond line"));
        QVERIFY(desk.notices.isEmpty());
    }

    void checkBoxStoresTheChoiceAndUpdatesTheMenuItem() {
        FakeDesktop desk;
        ProgramFolder folder;
        const QString prefs = folder.file(QStringLiteral("prefs.cfg"));
        const QByteArray installed = readBytes(prefs);
        QCOMPARE(installed.size(), 84);
        QCOMPARE(installed.at(83), '\1');
        ApplicationWindows windows;
        windows.applyPreferences();
        QWidget& tips = *windows.tipWindow;
        QAction* menuItem = tipsItem(windows);

        QTest::mouseClick(findControl<QCheckBox>(tips, controls::ShowAtStartup), Qt::LeftButton);
        QVERIFY(!findControl<QCheckBox>(tips, controls::ShowAtStartup)->isChecked());
        QVERIFY(!menuItem->isChecked());
        QCOMPARE(readBytes(prefs), withShowTips(installed, '\0'));

        QTest::mouseClick(findControl<QCheckBox>(tips, controls::ShowAtStartup), Qt::LeftButton);
        QVERIFY(menuItem->isChecked());
        QCOMPARE(readBytes(prefs), installed);
        QVERIFY(tips.isVisible());
        QVERIFY(desk.notices.isEmpty());
    }

    void menuItemStoresTheChoiceButLeavesTheCheckBox() {
        FakeDesktop desk;
        ProgramFolder folder;
        const QString prefs = folder.file(QStringLiteral("prefs.cfg"));
        const QByteArray installed = readBytes(prefs);
        ApplicationWindows windows;
        windows.applyPreferences();
        windows.tipWindow->close();
        QAction* menuItem = tipsItem(windows);

        menuItem->trigger();
        QVERIFY(!menuItem->isChecked());
        QVERIFY(findControl<QCheckBox>(windows.tipWindow, controls::ShowAtStartup)->isChecked());
        QCOMPARE(readBytes(prefs), withShowTips(installed, '\0'));
        QVERIFY(!windows.tipWindow->isVisible());

        menuItem->trigger();
        QVERIFY(menuItem->isChecked());
        QCOMPARE(readBytes(prefs), installed);
        QVERIFY(desk.notices.isEmpty());
    }

    void nextStartFollowsTheStoredChoice() {
        FakeDesktop desk;
        ProgramFolder folder;
        {
            ApplicationWindows windows;
            windows.applyPreferences();
            QTest::mouseClick(findControl<QCheckBox>(windows.tipWindow, controls::ShowAtStartup),
                              Qt::LeftButton);
        }
        ApplicationWindows next;
        next.applyPreferences();
        QVERIFY(!next.tipWindow->isVisible());
        QVERIFY(!tipsItem(next)->isChecked());
        // The box is the window's own: only the user changes it.
        QVERIFY(findControl<QCheckBox>(next.tipWindow, controls::ShowAtStartup)->isChecked());
    }

    void missingPreferencesFileIsReportedAndNotCreated() {
        FakeDesktop desk;
        ProgramFolder folder;
        const QString prefs = folder.file(QStringLiteral("prefs.cfg"));
        ApplicationWindows windows;
        windows.applyPreferences();
        QVERIFY(QFile::remove(prefs));

        QTest::mouseClick(findControl<QCheckBox>(windows.tipWindow, controls::ShowAtStartup),
                          Qt::LeftButton);
        QCOMPARE(desk.notices.size(), 1);
        QCOMPARE(desk.notices.first().kind, NoticeKind::Error);
        QCOMPARE(desk.lastNotice(), QStringLiteral("File not found: ") + prefs);
        QVERIFY(!QFile::exists(prefs));
        QVERIFY(!findControl<QCheckBox>(windows.tipWindow, controls::ShowAtStartup)->isChecked());
        QVERIFY(!tipsItem(windows)->isChecked());
    }

    void closeHidesTheWindow() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        windows.applyPreferences();
        QPointer<QWidget> tips = windows.tipWindow;

        QTest::keyClick(findControl<QPushButton>(tips.data(), controls::Close), Qt::Key_Return);
        QVERIFY(!tips->isVisible());
        tips->show();
        tips->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(tips));
        QTest::keyClick(tips, Qt::Key_Escape);
        QVERIFY(!tips->isVisible());
        QVERIFY(tips);
    }
};

QTEST_MAIN(TipWindowTest)
#include "tip_window_test.moc"
