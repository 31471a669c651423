#include "app/application_windows.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "editor/editor_controls.h"
#include "guidance/tip_window.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Help > "Show Startup Tips".
QAction* tipsItem(const ApplicationWindows& windows) {
    return findControl<QAction>(windows.mainWindow.get(), main_window::controls::ShowStartupTips);
}

QByteArray prefsWith(char showTips) {
    QByteArray bytes(83, '\x07');
    bytes.append(showTips);
    return bytes;
}

// Whether the process has a handler for SIGTERM (the SigCgt mask in /proc).
bool catchesSigterm(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

// Whether the main thread sleeps in poll(): an event loop waits for input.
bool waitsForEvents(qint64 pid) {
    QFile syscall(QStringLiteral("/proc/%1/syscall").arg(pid));
    if (!syscall.open(QIODevice::ReadOnly))
        return false;
    const long number = syscall.readAll().split(' ').value(0).toLong();
    return number == SYS_poll || number == SYS_ppoll;
}

// The real executable, started offscreen from another current directory.
void startProgram(QProcess& program, const QString& executable) {
    program.setWorkingDirectory(QDir::tempPath());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(executable, {});
    QVERIFY(program.waitForStarted());
    // Signalled only once it handles SIGTERM, however slowly a loaded
    // machine starts it.
    QTRY_VERIFY_WITH_TIMEOUT(catchesSigterm(program.processId()), 60000);
}

void verifyEndsCleanlyOn(QProcess& program, int signal) {
    QElapsedTimer clock;
    clock.start();
    QVERIFY(program.processId() > 0); // never kill(0, ...): that is our own group
    ::kill(pid_t(program.processId()), signal);
    QVERIFY2(program.waitForFinished(10000), "still running 10 s after the signal");
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
}

// The objectNames inside the main window's tabs.
QStringList tabControlNames(const MainWindow& window) {
    QStringList names;
    const auto* tabs =
        window.findChild<QTabWidget*>(main_window::controls::Tabs, Qt::FindDirectChildrenOnly);
    for (const QObject* control : tabs->findChildren<QObject*>())
        if (!control->objectName().isEmpty())
            names << control->objectName();
    names.sort();
    return names;
}

// What the main window held at its first frame and at the first key press,
// which comes on the turn right after that frame.
class FirstInputWitness final : public QObject {
public:
    FirstInputWitness(MainWindow& window, const QWidget& tip) : window(window), tip(tip) {
        window.installEventFilter(this);
    }

    QStringList atFirstFrame;
    QStringList atFirstKey;
    bool tipShownAtFirstKey = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // The window's own handler sees the frame after this filter, so the
        // key is queued before the window's own turn after the frame.
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            atFirstFrame = tabControlNames(window);
            QMetaObject::invokeMethod(
                this, [this] { QTest::keyClick(&window, Qt::Key_Shift); }, Qt::QueuedConnection);
        }
        if (event->type() == QEvent::KeyPress && atFirstKey.isEmpty()) {
            atFirstKey = tabControlNames(window);
            tipShownAtFirstKey = tip.isVisible();
        }
        return false;
    }

private:
    MainWindow& window;
    const QWidget& tip;
    bool painted = false;
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void theStoredFlagDecidesTheTipWindow_data() {
        QTest::addColumn<QByteArray>("prefs");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("1") << prefsWith(1) << true << false;
        QTest::newRow("0") << prefsWith(0) << false << false;
        QTest::newRow("2") << prefsWith(2) << false << false;
        QTest::newRow("two records, first off") << prefsWith(0) + prefsWith(1) << false << false;
        // Reading needs no write access (a portable copy on read-only media).
        QTest::newRow("0, read-only file and folder") << prefsWith(0) << false << true;
    }
    void theStoredFlagDecidesTheTipWindow() {
        QFETCH(QByteArray, prefs);
        QFETCH(bool, shown);
        QFETCH(bool, readOnly);
        ProgramFolder folder;
        writeBytes(folder.file("prefs.cfg"), prefs);
        if (readOnly) {
            QFile::setPermissions(folder.file("prefs.cfg"), QFileDevice::ReadOwner);
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        FakeDesktop fake;
        ApplicationWindows windows;
        withFilePermissionsEnforced([&] { windows.applyPreferences(); });
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
        QCOMPARE(windows.tipWindow->isVisible(), shown);
        QCOMPARE(tipsItem(windows)->isChecked(), shown);
        QCOMPARE(readBytes(folder.file("prefs.cfg")), prefs); // reading changes nothing
        QVERIFY(fake.notices.isEmpty());
    }

    // At start-up the main window reaches the screen first; the tip follows on
    // the next turn of the event loop, and only when prefs.cfg asks for it.
    void theTipFollowsTheMainWindowsFirstFrame() {
        for (const char showTips : {char(1), char(0)}) {
            ProgramFolder folder;
            writeBytes(folder.file("prefs.cfg"), prefsWith(showTips));
            FakeDesktop fake;
            ApplicationWindows windows;
            windows.mainWindow->show();
            windows.applyPreferences();
            QVERIFY(!windows.tipWindow->isVisible());
            QVERIFY(QTest::qWaitForWindowExposed(windows.mainWindow.get()));
            QTRY_COMPARE(windows.tipWindow->isVisible(), showTips == 1);
            QTest::qWait(50);
            QCOMPARE(windows.tipWindow->isVisible(), showTips == 1);
        }
    }

    // The tabs not on show are built after the first frame, yet the first
    // thing the user does finds every control and the start-up done.
    void theFirstInputFindsEveryTabBuilt() {
        ProgramFolder folder;
        writeBytes(folder.file("prefs.cfg"), prefsWith(1));
        FakeDesktop fake;
        ApplicationWindows windows;
        FirstInputWitness witness(*windows.mainWindow, *windows.tipWindow);
        windows.mainWindow->show();
        windows.applyPreferences();
        QTRY_VERIFY(!witness.atFirstKey.isEmpty());
        windows.mainWindow->buildEveryTab();
        const QStringList every = tabControlNames(*windows.mainWindow);
        QCOMPARE(witness.atFirstKey, every);
        QVERIFY(witness.tipShownAtFirstKey);
        // The first frame came before the hidden tabs' controls.
        QVERIFY(every.contains(editor::controls::Editor) &&
                !witness.atFirstFrame.contains(editor::controls::Editor));
    }

    // A missing or damaged prefs.cfg is the installed state: tips shown, no box.
    void damagedPrefsStartInTheInstalledState_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("missing") << -1;
        QTest::newRow("empty") << 0;
        QTest::newRow("1 byte") << 1;
        QTest::newRow("83 bytes") << 83;
        QTest::newRow("directory") << -2;
    }
    void damagedPrefsStartInTheInstalledState() {
        QFETCH(int, size);
        ProgramFolder folder;
        const QString path = folder.file("prefs.cfg");
        QFile::remove(path);
        if (size == -2)
            QVERIFY(QDir().mkdir(path));
        else if (size >= 0)
            writeBytes(path, prefsWith(1).left(size));
        FakeDesktop fake;
        ApplicationWindows windows;
        windows.applyPreferences();
        QVERIFY(windows.tipWindow->isVisible());
        QVERIFY(tipsItem(windows)->isChecked());
        QVERIFY(fake.notices.isEmpty());
        QCOMPARE(QFileInfo::exists(path), size != -1);
    }

    void theMenuToggleStoresTheFlag() {
        ProgramFolder folder;
        writeBytes(folder.file("prefs.cfg"), prefsWith(2) + "tail");
        FakeDesktop fake;
        ApplicationWindows windows;
        windows.applyPreferences();
        QVERIFY(!tipsItem(windows)->isChecked());
        tipsItem(windows)->trigger();
        QVERIFY(tipsItem(windows)->isChecked());
        QCOMPARE(readBytes(folder.file("prefs.cfg")), prefsWith(1));
        tipsItem(windows)->trigger();
        QCOMPARE(readBytes(folder.file("prefs.cfg")), prefsWith(0));
        // Changing the setting never shows or hides the tip window now.
        QVERIFY(!windows.tipWindow->isVisible());
        QVERIFY(fake.notices.isEmpty());
    }

    void aFailedStoreIsReportedAndKeepsTheCheckMark() {
        ProgramFolder folder;
        writeBytes(folder.file("prefs.cfg"), prefsWith(1));
        FakeDesktop fake;
        ApplicationWindows windows;
        windows.applyPreferences();
        QFile::remove(folder.file("prefs.cfg"));
        tipsItem(windows)->trigger();
        QVERIFY(!tipsItem(windows)->isChecked());
        QCOMPARE(fake.noticeTexts(), QStringList{"File not found: " + folder.file("prefs.cfg")});
        QCOMPARE(fake.notices[0].kind, NoticeKind::Error);
        QVERIFY(!QFile::exists(folder.file("prefs.cfg"))); // never created
    }

    // The real executable comes up from another current directory, finds its
    // files beside itself and ends cleanly when asked to.
    void theExecutableStartsAndEndsCleanly() {
        QProcess program;
        startProgram(program, QStringLiteral(QUILLMINT_BIN_DIR "/quillmint"));
        QVERIFY2(!program.waitForFinished(1000), program.readAllStandardError().constData());
        verifyEndsCleanlyOn(program, SIGTERM);
    }

    // A termination signal ends the program also while the box about a
    // missing tip file holds up the start, before the main loop runs.
    void aSignalDuringTheStartUpBoxEndsTheProgram_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void aSignalDuringTheStartUpBoxEndsTheProgram() {
        QFETCH(int, signal);
        QTemporaryDir folder;
        const QString executable = folder.filePath("quillmint");
        const QString built = QStringLiteral(QUILLMINT_BIN_DIR "/quillmint");
        // A hard link, not a symbolic one: the program looks for its files
        // beside the path it was started from.
        QVERIFY(::link(qPrintable(built), qPrintable(executable)) == 0 ||
                QFile::copy(built, executable));
        // A portable copy (data beside it) that lacks its tips.
        for (const char* name : {"prefs.cfg", "tags.txt"})
            QVERIFY(QFile::copy(QDir(QUILLMINT_DATA_DIR).filePath(name), folder.filePath(name)));
        QProcess program;
        startProgram(program, executable);
        // The box waits for OK: the main thread sleeps in its event loop.
        QTRY_VERIFY_WITH_TIMEOUT(waitsForEvents(program.processId()), 60000);
        verifyEndsCleanlyOn(program, signal);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
