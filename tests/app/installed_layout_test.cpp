#include "app/application_windows.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "core/program_folders.h"
#include "editor/editor_controls.h"
#include "editor/reserved_words.h"
#include "editor/reserved_words_controls.h"
#include "editor/tag_palette.h"
#include "guidance/tip_window.h"
#include "guidance/tip_window_controls.h"
#include "makers/dropdown/dropdown_controls.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QDirIterator>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace {

// Every file under `root` with its size and modification time.
QStringList snapshot(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        files << QStringLiteral("%1 %2 %3")
                     .arg(file.filePath())
                     .arg(file.size())
                     .arg(file.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

// The installed program: `QUILLMINT_INSTALLED_PREFIX` when the install test
// hands over a real, read-only `cmake --install`; otherwise a copy of the
// shipped data laid out the same way.
class InstalledCopy final {
public:
    InstalledCopy() {
        prefix = qEnvironmentVariable("QUILLMINT_INSTALLED_PREFIX");
        if (!prefix.isEmpty())
            return;
        prefix = own.path();
        QDir(prefix).mkpath("bin");
        const QDir source(QStringLiteral(QUILLMINT_DATA_DIR));
        QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = own.filePath("share/quillmint/" + source.relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
            QFile::setPermissions(to, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
    QString prefix;

private:
    QTemporaryDir own;
};

} // namespace

// Installed, the program reads its data from <prefix>/share/quillmint and
// writes only in the user's own folders.
class InstalledLayoutTest : public QObject {
    Q_OBJECT
private:
    InstalledCopy installed;
    QTemporaryDir home;
    QStringList programFilesBefore;
    ProgramFolders folders;
    std::unique_ptr<FakeDesktop> fake;
    std::unique_ptr<ApplicationWindows> windows;

    void start() {
        windows = std::make_unique<ApplicationWindows>(folders);
        windows->mainWindow->show();
        windows->applyPreferences();
        windows->mainWindow->buildEveryTab();
    }

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath("cache")));
        programFilesBefore = snapshot(installed.prefix);
        folders = ProgramFolders::forExecutable(installed.prefix + "/bin");
        QCOMPARE(prepareUserState(folders), QString());
        QCOMPARE(folders.shippedData, installed.prefix + "/share/quillmint");
        QCOMPARE(readBytes(folders.prefsPath()), readBytes(folders.shippedFile("prefs.cfg")));
    }
    void init() {
        fake = std::make_unique<FakeDesktop>();
        start();
    }
    void cleanup() {
        windows.reset();
        QVERIFY2(fake->notices.isEmpty(), qPrintable(fake->noticeTexts().join('\n')));
        fake.reset();
        QCOMPARE(snapshot(installed.prefix), programFilesBefore);
    }

    void tipsAreToggledInTheUsersConfig() {
        const QByteArray shipped = readBytes(folders.shippedFile("prefs.cfg"));
        QAction* menu =
            findControl<QAction>(windows->mainWindow.get(), main_window::controls::ShowStartupTips);
        QVERIFY(menu->isChecked());
        menu->trigger();
        QCOMPARE(readBytes(folders.prefsPath()), shipped.left(83) + '\0');
        // The next start reads the user's choice.
        start();
        QVERIFY(
            !findControl<QAction>(windows->mainWindow.get(), main_window::controls::ShowStartupTips)
                 ->isChecked());
        QVERIFY(!windows->tipWindow->isVisible());
        findControl<QAction>(windows->mainWindow.get(), main_window::controls::ShowStartupTips)
            ->trigger();
        QCOMPARE(readBytes(folders.prefsPath()), shipped);
        findControl<QCheckBox>(windows->tipWindow, tip_window::controls::ShowAtStartup)
            ->setChecked(false);
        QCOMPARE(readBytes(folders.prefsPath()).at(83), '\0');
    }

    void previewAndStripWriteInTheUsersCache() {
        findControl<QAction>(windows->mainWindow.get(), dropdown::controls::Preview)->trigger();
        const QString preview = folders.cacheFile("temp.html");
        QCOMPARE(fake->opened, QList<QUrl>{QUrl::fromLocalFile(preview)});
        QCOMPARE(readBytes(preview), QByteArray("\r\n"));

        auto* editor =
            findControl<QPlainTextEdit>(windows->mainWindow.get(), editor::controls::Editor);
        editor->setPlainText("<script>\nvar a = 1;\n</script>");
        findControl<QAction>(windows->mainWindow.get(), editor::controls::StripHtml)->trigger();
        QVERIFY(!editor->toPlainText().contains("</script>"));
        QCOMPARE(readBytes(folders.cacheFile("temp.tmp")),
                 QByteArray("<script>\r\nvar a = 1;\r\n</script>\r\n"));
    }

    void shippedFilesAreReadFromTheDataFolder() {
        findControl<QAction>(windows->mainWindow.get(), main_window::controls::Help)->trigger();
        QCOMPARE(fake->opened,
                 QList<QUrl>{QUrl::fromLocalFile(folders.shippedFile("help/index.html"))});
        windows->reservedWords->show();
        QVERIFY(findControl<QListWidget>(windows->reservedWords, reserved_words::controls::Words)
                    ->count() > 100);
    }

    void aFileFromTheCommandLineOpensInTheEditor() {
        const QString script = home.filePath("menu.js");
        writeBytes(script, "alert(1);\r\n");
        windows->mainWindow->openInEditor(script);
        QCOMPARE(findControl<QTabWidget>(windows->mainWindow.get(), main_window::controls::Tabs)
                     ->currentIndex(),
                 4);
        QCOMPARE(findControl<QPlainTextEdit>(windows->mainWindow.get(), editor::controls::Editor)
                     ->toPlainText(),
                 QString("alert(1);\n"));
        QVERIFY(windows->tagInspector->isVisible() && windows->reservedWords->isVisible());
    }
};

QTEST_MAIN(InstalledLayoutTest)
#include "installed_layout_test.moc"
