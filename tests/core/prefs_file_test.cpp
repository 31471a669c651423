#include "core/prefs_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

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

    void shortOrMissingFilesAreReportedAndNeverCreatedOrEmptied_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << false << "File not found";
        QTest::newRow("empty") << QByteArray() << true << "Read beyond end of file";
        QTest::newRow("1 byte") << QByteArray(1, 'x') << true << "Read beyond end of file";
        QTest::newRow("83 bytes") << record(1).left(83) << true << "Read beyond end of file";
    }
    void shortOrMissingFilesAreReportedAndNeverCreatedOrEmptied() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("prefs.cfg");
        if (exists)
            writeBytes(path, content);
        QString error;
        QVERIFY(!readPrefs(path, &error));
        QCOMPARE(error, message);
        error.clear();
        QVERIFY(!storeShowTipsValue(path, 1, &error));
        QCOMPARE(error, message);
        QCOMPARE(QFile::exists(path), exists);
        QCOMPARE(readBytes(path), content);
    }

    void directoryOrUnreadableFileIsAnErrorNotACrash() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("prefs.cfg");
        QVERIFY(QDir().mkdir(folder));
        QString error;
        QVERIFY(!readPrefs(folder, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!storeShowTipsValue(folder, 0, &error));

        if (geteuid() == 0)
            QSKIP("root reads files without read permission");
        const QString locked = dir.filePath("locked.cfg");
        writeBytes(locked, record(1));
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        QVERIFY(!readPrefs(locked, &error));
        QVERIFY(!storeShowTipsValue(locked, 0, &error));
    }

    void readOnlyFileKeepsItsContentWhenStoreFails() {
        QTemporaryDir dir;
        const QString path = dir.filePath("prefs.cfg");
        writeBytes(path, record(1, 168));
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        if (geteuid() == 0)
            QSKIP("root writes read-only files");
        QString error;
        QVERIFY(!storeShowTipsValue(path, 0, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(path), record(1, 168));
    }
};

QTEST_GUILESS_MAIN(PrefsFileTest)
#include "prefs_file_test.moc"
