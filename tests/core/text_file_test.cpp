#include "core/text_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void paneTextBecomesCrLfLines_data() {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty pane") << "" << QByteArray();
        QTest::newRow("one empty line") << "\n" << QByteArray("\r\n");
        QTest::newRow("generated lines") << "a\nb\n" << QByteArray("a\r\nb\r\n");
        QTest::newRow("last line unbroken") << "a\nb" << QByteArray("a\r\nb\r\n");
        QTest::newRow("blank lines kept") << "a\n\n\nb\n" << QByteArray("a\r\n\r\n\r\nb\r\n");
        QTest::newRow("utf-8") << QString::fromUtf8("caf\u00e9 \u2013\n")
                               << QByteArray("caf\xc3\xa9 \xe2\x80\x93\r\n");
        // Large texts are encoded in pieces of 64 Ki characters.
        QTest::newRow("odd surrogates")
            << QStringView(u"a\xD800\nb\xDC00").toString() << QByteArray("a?\r\nb?\r\n");
        QTest::newRow("pair across pieces")
            << QString(65535, 'a') + QStringView(u"\U00010000\n").toString()
            << QByteArray(65535, 'a') + "\xF0\x90\x80\x80\r\n";
    }
    void paneTextBecomesCrLfLines() {
        QFETCH(QString, pane);
        QFETCH(QByteArray, bytes);
        QCOMPARE(paneFileBytes(pane), bytes);
    }

    void htmlPagesWithNonAsciiTextStartWithAByteOrderMark_data() {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty pane") << "" << QByteArray();
        QTest::newRow("ascii stays as it was") << "<p>a &amp; b</p>\n"
                                               << QByteArray("<p>a &amp; b</p>\r\n");
        QTest::newRow("accent") << QString::fromUtf8("<p>\u00e9t\u00e9</p>")
                                << QByteArray("\xEF\xBB\xBF<p>\xc3\xa9t\xc3\xa9</p>\r\n");
        QTest::newRow("emoji on the last line") << QString::fromUtf8("a\nb \U0001F600")
                                                << QByteArray("\xEF\xBB\xBF"
                                                              "a\r\nb \xf0\x9f\x98\x80\r\n");
        QTest::newRow("non-breaking space") << QString::fromUtf8("a\u00a0b\n")
                                            << QByteArray("\xEF\xBB\xBF"
                                                          "a\xc2\xa0"
                                                          "b\r\n");
    }
    void htmlPagesWithNonAsciiTextStartWithAByteOrderMark() {
        QFETCH(QString, pane);
        QFETCH(QByteArray, bytes);
        QCOMPARE(htmlFileBytes(pane), bytes);
    }

    // A pane written piece by piece gives the bytes made at once, in every
    // encoding, across pieces (a surrogate pair on a piece's edge) and with
    // odd surrogates, which are '?' in UTF-8 and so ask for no mark.
    void panesWrittenInPiecesAreTheBytesMadeAtOnce_data() {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<TextEncoding>("encoding");
        QString long_(64 * 1024 - 1, 'a');
        long_ += QString::fromUtf8("\U0001F600\n") + QString(70000, 'b') + "\n\n\u00e9";
        const QString odd = QStringLiteral("x") + QChar(0xd800) + "\n" + QChar(0xdc00);
        for (const auto encoding : {TextEncoding::Utf8, TextEncoding::Utf8WithMark,
                                    TextEncoding::Utf16LE, TextEncoding::Windows1252}) {
            const QByteArray name = encodingName(encoding).toUtf8();
            QTest::newRow(name + ", empty") << QString() << encoding;
            QTest::newRow(name + ", ASCII without a last line feed") << "a\nb" << encoding;
            QTest::newRow(name + ", pieces") << long_ << encoding;
            QTest::newRow(name + ", odd surrogates") << odd << encoding;
        }
    }
    void panesWrittenInPiecesAreTheBytesMadeAtOnce() {
        QFETCH(QString, pane);
        QFETCH(TextEncoding, encoding);
        QTemporaryDir dir;
        const QString path = dir.filePath("pane");
        QString error;
        QVERIFY(writePaneFileAtomically(path, pane, PaneFile::Text, encoding, &error));
        QCOMPARE(readBytes(path), paneFileBytes(pane, encoding));
        QVERIFY(writePaneFileAtomically(path, pane, PaneFile::Html, encoding, &error));
        QCOMPARE(readBytes(path), htmlFileBytes(pane, encoding));
        if (encoding == TextEncoding::Utf8) {
            QVERIFY(replacePaneFileAtomically(path, pane, &error));
            QCOMPARE(readBytes(path), paneFileBytes(pane));
        }
    }

    // Both writers: the one for the user's files and the one for the
    // program's own fixed-name files.
    void writers_data() {
        QTest::addColumn<bool>("ownFile");
        QTest::newRow("user's file") << false;
        QTest::newRow("own file") << true;
    }
    static bool write(bool ownFile, const QString& path, const QByteArray& bytes, QString* error) {
        return ownFile ? replaceFileAtomically(path, bytes, error)
                       : writeFileAtomically(path, bytes, error);
    }
    static QStringList everyFile(const QTemporaryDir& dir) {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    void atomicWriteReplacesTheFile_data() { writers_data(); }
    void atomicWriteReplacesTheFile() {
        QFETCH(bool, ownFile);
        QTemporaryDir dir;
        const QString path = dir.filePath("page.html");
        writeBytes(path, "old content that is longer than the new one");
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QString error;
        QVERIFY(write(ownFile, path, "new", &error));
        QCOMPARE(readBytes(path), QByteArray("new"));
        QCOMPARE(everyFile(dir), QStringList{"page.html"});
        const auto byOwnerGroupOthers = QFile::permissions(path) & ~QFileDevice::Permissions(0x700);
        QCOMPARE(byOwnerGroupOthers, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void failedWritesLeaveTheEarlierFileIntact_data() { writers_data(); }
    void failedWritesLeaveTheEarlierFileIntact() {
        QFETCH(bool, ownFile);
        QTemporaryDir dir;
        const QString path = dir.filePath("page.html");
        const QByteArray earlier(1000, 'e');
        writeBytes(path, earlier);
        QString error;
        bool written = true;
        // Like a full disk: the new content does not fit.
        withFileSizeLimit(
            4096, [&] { written = write(ownFile, path, QByteArray(64 * 1024, 'n'), &error); });
        QVERIFY(!written);
        QVERIFY2(error.contains(path), qPrintable(error));
        QCOMPARE(readBytes(path), earlier);
        QCOMPARE(everyFile(dir), QStringList{"page.html"});
    }

    void unwritableLocationsAreReportedWithThePath_data() { writers_data(); }
    void unwritableLocationsAreReportedWithThePath() {
        QFETCH(bool, ownFile);
        QTemporaryDir dir;
        writeBytes(dir.filePath("plain"), "x");
        const QString path = dir.filePath("plain/page.html"); // parent is a file
        QString error;
        QVERIFY(!write(ownFile, path, "x", &error));
        QCOMPARE(error, cannotCreateMessage(path));
        QCOMPARE(readBytes(dir.filePath("plain")), QByteArray("x"));
        const QString folder = dir.filePath("folder"); // a folder in the way
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(!write(ownFile, folder, "x", &error));
        QCOMPARE(error, cannotCreateMessage(folder));
        QCOMPARE(everyFile(dir), QStringList{"plain"});
    }

    // A link the user made to his file is written through; a link in place
    // of one of the program's own files is replaced, its target untouched.
    void linksAreFollowedOnlyForTheUsersFiles_data() {
        QTest::addColumn<bool>("ownFile");
        QTest::addColumn<bool>("dangling");
        QTest::newRow("user's file") << false << false;
        QTest::newRow("own file") << true << false;
        QTest::newRow("own file, dangling link") << true << true;
    }
    void linksAreFollowedOnlyForTheUsersFiles() {
        QFETCH(bool, ownFile);
        QFETCH(bool, dangling);
        QTemporaryDir dir;
        const QString target = dir.filePath("target.txt");
        if (!dangling)
            writeBytes(target, "someone's file");
        const QString path = dir.filePath("temp.html");
        QVERIFY(QFile::link(target, path));
        QString error;
        QVERIFY2(write(ownFile, path, "page", &error), qPrintable(error));
        QCOMPARE(readBytes(path), QByteArray("page"));
        QCOMPARE(QFileInfo(path).isSymLink(), !ownFile);
        QCOMPARE(readBytes(target),
                 ownFile ? QByteArray(dangling ? "" : "someone's file") : QByteArray("page"));
        QCOMPARE(QFileInfo::exists(target), !dangling);
    }

    void longTextIsShortenedForDisplay_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("shown");
        const QString limit(MaxShownLineLength, 'a');
        QTest::newRow("short lines")
            << QStringList{"if", "", "else"} << QStringList{"if", "", "else"};
        QTest::newRow("at the limit") << QStringList{limit, limit} << QStringList{limit, limit};
        QTest::newRow("one character over")
            << QStringList{"x", limit + "b"}
            << QStringList{"x", limit + QString::fromUtf8(" … [line shortened: 501 characters]")};
        QTest::newRow("5 MB line")
            << QStringList{QString(5 * 1024 * 1024, 'a')}
            << QStringList{limit + QString::fromUtf8(" … [line shortened: 5242880 characters]")};
    }
    void longTextIsShortenedForDisplay() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, shown);
        QCOMPARE(shortenedForDisplay(lines), shown);
    }

    // Each encoding is read by its mark (UTF-8 also without one), and a pane
    // saved in it gives the file's own bytes back.
    void readsAndWritesBackEachEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<bool>("savedAsRead");
        const QString cafe = QString::fromUtf8("caf\u00e9 \U0001F600\r\n");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xf0\x9f\x98\x80\r\n") << cafe
                               << TextEncoding::Utf8 << true;
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF"
                                                       "caf\xc3\xa9 \xf0\x9f\x98\x80\r\n")
                                         << cafe << TextEncoding::Utf8WithMark << true;
        QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE"
                                                 "c\0a\0f\0\xe9\0 \0=\xd8\0\xde\r\0\n\0",
                                                 20)
                                   << cafe << TextEncoding::Utf16LE << true;
        QTest::newRow("utf-16 be")
            << QByteArray("\xFE\xFF\0c\0a\0f\0\xe9\0 \xd8=\xde\0\0\r\0\n", 20) << cafe
            << TextEncoding::Utf16BE << true;
        // Not valid UTF-8: each byte is a Windows-1252 character; saved as UTF-8.
        QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80 \x93\r\n")
                                      << QString::fromUtf8("caf\u00e9 \u20ac \u201c\r\n")
                                      << TextEncoding::Windows1252 << false;
    }
    void readsAndWritesBackEachEncoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(TextEncoding, encoding);
        QFETCH(bool, savedAsRead);
        TextEncoding found = TextEncoding::Utf8;
        QCOMPARE(decodeText(bytes, &found), text);
        QCOMPARE(found, encoding);
        const QByteArray saved = paneFileBytes(QString(text).remove('\r'), found);
        QCOMPARE(saved == bytes, savedAsRead);
        QCOMPARE(decodeText(saved), text);
    }

    void readsOnlyRegularFiles() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("pipe");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QString error;
        const QString loop = dir.filePath("loop");
        QVERIFY(QFile::link(loop, loop));
        // Each names the absolute path and the reason, whatever path it was given.
        const QDir current = QDir::current();
        QDir::setCurrent(dir.path());
        const QList<std::pair<QString, QString>> refused = {
            {"pipe", "Not a regular file"}, // must return, not wait for a writer
            {".", "Is a directory"},
            {"missing.txt", "No such file or directory"},
            {"loop", "Too many levels of symbolic links"}};
        for (const auto& [name, reason] : refused) {
            QVERIFY(!readTextFile(name, &error));
            QCOMPARE(error, QString("Cannot open file %1: %2")
                                .arg(QFileInfo(dir.filePath(name)).absoluteFilePath(), reason));
        }
        QDir::setCurrent(current.path());

        const QString text = dir.filePath("a.js");
        writeBytes(text, "one\r\ntwo\rthree\n");
        const auto read = readTextFile(text, &error);
        QVERIFY(read);
        QCOMPARE(*read, QString("one\r\ntwo\rthree\n"));
    }

    // The toolkit cannot hold a name that is not UTF-8; it is read and
    // written byte for byte all the same, and shown with U+FFFD.
    void namesThatAreNotUtf8AreReadAndWritten() {
        QTemporaryDir dir;
        const QByteArray native = QFile::encodeName(dir.path()) + "/caf\xe9 \xc3\xa9.js";
        const int fd = ::open(native.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0 && ::write(fd, "old\r\n", 5) == 5 && ::close(fd) == 0);
        const QString path = fileNameFromNative(native);
        QCOMPARE(nativeFileName(path), native);
        QCOMPARE(shownFileName(path), dir.path() + QString::fromUtf8("/caf\uFFFD \u00e9.js"));
        QString error;
        QCOMPARE(readTextFile(path, &error), std::optional<QString>("old\r\n"));
        QVERIFY2(writeFileAtomically(path, "new", &error), qPrintable(error));
        QCOMPARE(readTextFile(path, &error), std::optional<QString>("new"));
        QCOMPARE(regularFileSize(path), 3);
        // Nothing else was made beside it (the toolkit lists no odd names).
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        QVERIFY(::unlink(native.constData()) == 0);
    }

    void splitsOnEveryKindOfLineEnd() {
        QCOMPARE(splitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(splitLines("a\n\nb\n"), (QStringList{"a", "", "b"}));
        QCOMPARE(splitLines(""), QStringList());
        QCOMPARE(splitLines("\n"), QStringList{""});
        QCOMPARE(splitLines("\r\r\n"), (QStringList{"", ""}));
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "text_file_test.moc"
