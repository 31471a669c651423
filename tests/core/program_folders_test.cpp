#include "core/program_folders.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray prefsWith(char showTips) {
    return QByteArray(83, '\x05') + showTips;
}

} // namespace

// The user's config and cache folders point into a temporary home; an
// executable folder is made with or without the shipped data beside it.
class ProgramFoldersTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> home;
    QString configHome() const { return home->filePath("config"); }
    QString cacheHome() const { return home->filePath("cache"); }

    // <root>/bin and <root>/share/quillmint holding a prefs.cfg.
    QString installedTree(const QTemporaryDir& root, const QByteArray& shippedPrefs) {
        QDir(root.path()).mkpath("bin");
        QDir(root.path()).mkpath("share/quillmint");
        writeBytes(root.filePath("share/quillmint/prefs.cfg"), shippedPrefs);
        return root.filePath("bin");
    }

private slots:
    void init() {
        home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome()));
    }

    void dataBesideAWritableExecutableIsPortable() {
        QTemporaryDir folder;
        writeBytes(folder.filePath("tags.txt"), "alert\r\n");
        const ProgramFolders folders = ProgramFolders::forExecutable(folder.path());
        QVERIFY(folders.isPortable());
        QCOMPARE(folders.shippedData, folder.path());
        QCOMPARE(folders.prefsPath(), folder.filePath("prefs.cfg"));
        QCOMPARE(folders.cacheFile("temp.html"), folder.filePath("temp.html"));
        // The portable layout touches nothing outside its folder.
        ProgramFolders prepared = folders;
        QCOMPARE(prepareUserState(prepared), QString());
        QVERIFY(!QFileInfo::exists(configHome()) && !QFileInfo::exists(cacheHome()));
        QCOMPARE(folders.startFolder(), folder.path());
    }

    // The layout follows the marker and the folder's name, never the data
    // files: a missing or damaged tags.txt keeps a marked bin folder portable.
    void theMarkerMakesABinFolderPortable_data() {
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QString>("tags");
        QTest::newRow("marked, tags.txt missing") << true << "missing";
        QTest::newRow("marked, tags.txt a folder") << true << "folder";
        QTest::newRow("marked, tags.txt a FIFO") << true << "fifo";
        QTest::newRow("marked, tags.txt a link loop") << true << "loop";
        QTest::newRow("unmarked, tags.txt a file") << false << "file";
    }
    void theMarkerMakesABinFolderPortable() {
        QFETCH(bool, marked);
        QFETCH(QString, tags);
        QTemporaryDir root;
        const QString bin = installedTree(root, prefsWith(1));
        const QString tagsPath = bin + "/tags.txt";
        if (marked)
            writeBytes(bin + "/" + PortableMarker, "");
        if (tags == "folder")
            QVERIFY(QDir().mkdir(tagsPath));
        else if (tags == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(tagsPath).constData(), 0600), 0);
        else if (tags == "loop")
            QVERIFY(QFile::link(tagsPath, tagsPath));
        else if (tags == "file")
            writeBytes(tagsPath, "alert\r\n");
        const ProgramFolders folders = ProgramFolders::forExecutable(bin);
        QCOMPARE(folders.isPortable(), marked);
        QCOMPARE(folders.shippedData, marked ? bin : root.filePath("share/quillmint"));
    }

    void installedDataIsFoundRelativeToTheExecutable() {
        QTemporaryDir root;
        const ProgramFolders folders =
            ProgramFolders::forExecutable(installedTree(root, prefsWith(1)));
        QVERIFY(!folders.isPortable());
        QCOMPARE(folders.shippedData, root.filePath("share/quillmint"));
        QCOMPARE(folders.prefsPath(), configHome() + "/quillmint/prefs.cfg");
        QCOMPARE(folders.cacheFile("temp.tmp"), cacheHome() + "/quillmint/temp.tmp");
    }

    // Installed, file dialogs start among the user's documents.
    void installedDialogsStartInTheDocumentsOrHome() {
        QTemporaryDir root;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home->path()));
        const ProgramFolders folders =
            ProgramFolders::forExecutable(installedTree(root, prefsWith(1)));
        QCOMPARE(folders.startFolder(), home->path());
        QVERIFY(QDir(home->path()).mkdir("Documents"));
        QCOMPARE(folders.startFolder(), home->filePath("Documents"));
        qputenv("HOME", oldHome);
    }

    void dataBesideAReadOnlyExecutableIsReadInPlace() {
        if (::geteuid() == 0)
            QSKIP("root may write any folder");
        QTemporaryDir folder;
        writeBytes(folder.filePath("tags.txt"), "alert\r\n");
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        const ProgramFolders folders = ProgramFolders::forExecutable(folder.path());
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(folders.shippedData, folder.path());
        QCOMPARE(folders.userConfig, configHome() + "/quillmint");
    }

    // The first start copies the shipped default; later starts keep the
    // user's own file.
    void theFirstStartCopiesTheShippedPrefs() {
        QTemporaryDir root;
        ProgramFolders folders = ProgramFolders::forExecutable(installedTree(root, prefsWith(1)));
        QCOMPARE(prepareUserState(folders), QString());
        QCOMPARE(readBytes(folders.prefsPath()), prefsWith(1));
        QVERIFY(QFileInfo(cacheHome() + "/quillmint").isDir());

        writeBytes(folders.prefsPath(), prefsWith(0));
        ProgramFolders again = ProgramFolders::forExecutable(root.filePath("bin"));
        QCOMPARE(prepareUserState(again), QString());
        QCOMPARE(readBytes(again.prefsPath()), prefsWith(0));
        QCOMPARE(again.userConfig, folders.userConfig);
    }

    // A dangling link in place of the user's prefs.cfg is replaced by the
    // copy; the file it points to is never created.
    void theFirstStartReplacesADanglingLink() {
        QTemporaryDir root;
        ProgramFolders folders = ProgramFolders::forExecutable(installedTree(root, prefsWith(1)));
        QVERIFY(QDir().mkpath(configHome() + "/quillmint"));
        const QString target = home->filePath("elsewhere.cfg");
        QVERIFY(QFile::link(target, folders.prefsPath()));
        QCOMPARE(prepareUserState(folders), QString());
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(!QFileInfo(folders.prefsPath()).isSymLink());
        QCOMPARE(readBytes(folders.prefsPath()), prefsWith(1));
    }

    // A folder that cannot be made is named once; the settings then come
    // from the shipped default.
    void anUnusableUserFolderIsNamedAndTheShippedPrefsServe_data() {
        QTest::addColumn<bool>("configBlocked");
        QTest::newRow("config") << true;
        QTest::newRow("cache") << false;
    }
    void anUnusableUserFolderIsNamedAndTheShippedPrefsServe() {
        QFETCH(bool, configBlocked);
        QTemporaryDir root;
        const QString blocker = home->filePath("a file");
        writeBytes(blocker, "not a folder");
        qputenv(configBlocked ? "XDG_CONFIG_HOME" : "XDG_CACHE_HOME", QFile::encodeName(blocker));
        ProgramFolders folders = ProgramFolders::forExecutable(installedTree(root, prefsWith(1)));
        const QString notice = prepareUserState(folders);
        QVERIFY2(notice.startsWith("Cannot create folder " + blocker + "/quillmint: "),
                 qPrintable(notice));
        // Only a lost config folder changes what the user can do.
        QCOMPARE(notice.count('\n'), configBlocked ? 1 : 0);
        if (configBlocked)
            QCOMPARE(folders.prefsPath(), root.filePath("share/quillmint/prefs.cfg"));
        else
            QCOMPARE(readBytes(folders.prefsPath()), prefsWith(1));
    }
};

QTEST_GUILESS_MAIN(ProgramFoldersTest)
#include "program_folders_test.moc"
