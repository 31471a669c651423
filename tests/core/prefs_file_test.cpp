#include "core/prefs_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

enum Kind { Missing, Plain, Folder, Fifo, WriteOnly, ReadOnly };

QByteArray record(char showTips, qsizetype size = TPrefsRecord::Size) {
    QByteArray bytes;
    for (int i = 0; i < 83; ++i)
        bytes.append(char('A' + i % 26));
    bytes.append(showTips);
    while (bytes.size() < size)
        bytes.append(char(0x5A));
    return bytes.left(size);
}

} // namespace

class PrefsFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheShowTipsByte_data() {
        QTest::addColumn<char>("byte");
        QTest::newRow("on") << char(1);
        QTest::newRow("off") << char(0);
        QTest::newRow("two") << char(2);
        QTest::newRow("high") << char(0xFF);
    }
    void readsTheShowTipsByte() {
        QFETCH(char, byte);
        QTemporaryDir dir;
        const QString path = dir.filePath("prefs.cfg");
        writeBytes(path, record(byte));
        QString error;
        const auto prefs = readPrefs(path, &error);
        QVERIFY(prefs);
        QCOMPARE(prefs->ShowTips, quint8(byte));
        QCOMPARE(QByteArray(prefs->reserved.data(), 83), record(byte).left(83));
    }

    void storeChangesOnlyByte83AndCutsToOneRecord_data() {
        QTest::addColumn<qsizetype>("size");
        QTest::newRow("one record") << qsizetype(84);
        QTest::newRow("85 bytes") << qsizetype(85);
        QTest::newRow("two records") << qsizetype(168);
    }
    void storeChangesOnlyByte83AndCutsToOneRecord() {
        QFETCH(qsizetype, size);
        QTemporaryDir dir;
        const QString path = dir.filePath("prefs.cfg");
        writeBytes(path, record(1, size));
        QString error;
        QVERIFY(storeShowTipsValue(path, 0, &error));
        QCOMPARE(readBytes(path), record(0));
        QVERIFY(storeShowTipsValue(path, 1, &error));
        QCOMPARE(readBytes(path), record(1));
    }

    // Every failure names the file and the reason; none creates, changes or
    // empties the file. "%1" stands for the path; an empty read message means
    // reading succeeds.
    void failuresNameTheFileAndTheReason_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("readMessage");
        QTest::addColumn<QString>("storeMessage");
        const QString notFound = "File not found: %1";
        const QString tooShort = "Read beyond end of file: %1";
        QTest::newRow("missing") << int(Missing) << QByteArray() << notFound << notFound;
        QTest::newRow("empty") << int(Plain) << QByteArray() << tooShort << tooShort;
        QTest::newRow("1 byte") << int(Plain) << QByteArray(1, 'x') << tooShort << tooShort;
        QTest::newRow("83 bytes") << int(Plain) << record(1).left(83) << tooShort << tooShort;
        QTest::newRow("folder") << int(Folder) << QByteArray()
                                << "Cannot read file %1: it is a folder"
                                << "Cannot write file %1: it is a folder";
        QTest::newRow("FIFO") << int(Fifo) << QByteArray()
                              << "Cannot read file %1: it is not a regular file"
                              << "Cannot write file %1: it is not a regular file";
        QTest::newRow("unreadable")
            << int(WriteOnly) << record(1) << "Cannot read file %1: permission denied"
            << "Cannot write file %1: permission denied";
        QTest::newRow("read-only") << int(ReadOnly) << record(1, 168) << QString()
                                   << "Cannot write file %1: permission denied";
    }
    void failuresNameTheFileAndTheReason() {
        QFETCH(int, kind);
        QFETCH(QByteArray, content);
        QFETCH(QString, readMessage);
        QFETCH(QString, storeMessage);
        QTemporaryDir dir;
        const QString path = dir.filePath("prefs.cfg");
        if (kind == Folder)
            QVERIFY(QDir().mkdir(path));
        else if (kind == Fifo)
            QCOMPARE(::mkfifo(qPrintable(path), 0600), 0);
        else if (kind != Missing)
            writeBytes(path, content);
        if (kind == WriteOnly)
            QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (kind == ReadOnly)
            QFile::setPermissions(path, QFileDevice::ReadOwner);
        withFilePermissionsEnforced([&] {
            QString error;
            QCOMPARE(bool(readPrefs(path, &error)), readMessage.isEmpty());
            QCOMPARE(error, readMessage.isEmpty() ? QString() : readMessage.arg(path));
            error.clear();
            QVERIFY(!storeShowTipsValue(path, 0, &error));
            QCOMPARE(error, storeMessage.arg(path));
        });
        QCOMPARE(QFileInfo::exists(path), kind != Missing);
        if (kind == Plain || kind == WriteOnly || kind == ReadOnly) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QCOMPARE(readBytes(path), content);
        }
    }

    // A file the user may write in a folder he may not: stored in place.
    void aWritableFileInAReadOnlyFolderIsStored() {
        QTemporaryDir dir;
        const QString path = dir.filePath("prefs.cfg");
        writeBytes(path, record(1));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        withFilePermissionsEnforced([&] {
            QString error;
            QVERIFY2(storeShowTipsValue(path, 0, &error), qPrintable(error));
        });
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QCOMPARE(readBytes(path), record(0));
    }

    // Settings kept elsewhere behind a link (a chain of two here) are
    // updated in their own folder: the links stay, no scratch file is left.
    void aLinkedFileIsUpdatedThroughTheLink() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("dotfiles"));
        const QString target = dir.filePath("dotfiles/prefs.cfg");
        writeBytes(target, record(1, 300));
        const QString middle = dir.filePath("dotfiles/current.cfg");
        const QString path = dir.filePath("prefs.cfg");
        QVERIFY(QFile::link(target, middle) && QFile::link(middle, path));
        QString error;
        QVERIFY2(storeShowTipsValue(path, 0, &error), qPrintable(error));
        QVERIFY(QFileInfo(path).isSymLink() && QFileInfo(middle).isSymLink());
        QCOMPARE(readBytes(target), record(0));
        const auto entries = [&](const QString& folder) {
            return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot |
                                          QDir::System);
        };
        QCOMPARE(entries(dir.filePath("dotfiles")), (QStringList{"current.cfg", "prefs.cfg"}));
        QCOMPARE(entries(dir.path()), (QStringList{"dotfiles", "prefs.cfg"}));
    }
};

QTEST_GUILESS_MAIN(PrefsFileTest)
#include "prefs_file_test.moc"
