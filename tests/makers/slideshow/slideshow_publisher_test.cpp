#include "makers/slideshow/slideshow_publisher.h"
#include "support/test_files.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray randomBytes(qsizetype size, quint32 seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char& byte : bytes)
        byte = char(generator.generate() & 0xFF);
    return bytes;
}

const QByteArray PageBytes = "<html>\r\n</html>\r\n";

// A source folder and a target folder, with helpers to fill them.
class Folders final {
public:
    Folders() { QDir(root.path()).mkpath(QStringLiteral("target")); }

    QString source(const QString& name, const QByteArray& bytes) {
        const QString path = root.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        writeBytes(path, bytes);
        return path;
    }
    QString target(const QString& name = {}) const {
        return root.filePath(QStringLiteral("target/") + name);
    }
    QStringList targetEntries() const {
        return QDir(target()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    QTemporaryDir root;
};

} // namespace

class SlideshowPublisherTest final : public QObject {
    Q_OBJECT
private slots:
    void copiesEveryFileThenWritesThePage() {
        Folders folders;
        const QByteArray big = randomBytes(3 * SlideshowPublisher::BlockSize + 123, 1);
        const QStringList sources = {
            folders.source(QStringLiteral("bg/paper.gif"), "gif"),
            folders.source(QStringLiteral("music/tune.mid"), "midi"),
            folders.source(QStringLiteral("a/start.jpg"), big),
            folders.source(QStringLiteral("b/my holiday \"best\" it's ü $(x).jpg"), "odd"),
        };
        // Each time the copying reports, the files committed so far show the order.
        QStringList order;
        qint64 lastDone = -1;
        qint64 reportedTotal = 0;
        SlideshowPublisher publisher(folders.target(QStringLiteral("show.html")), PageBytes,
                                     sources);
        const auto outcome = publisher.run([&](qint64 done, qint64 total) {
            for (const QString& name : folders.targetEntries())
                if (!order.contains(name))
                    order << name;
            lastDone = done;
            reportedTotal = total;
            return true;
        });
        QCOMPARE(outcome, SlideshowPublisher::Outcome::Complete);
        QCOMPARE(order, QStringList({"paper.gif", "tune.mid", "start.jpg"}));
        QCOMPARE(reportedTotal, qint64(3 + 4 + big.size() + 3));
        QCOMPARE(lastDone, reportedTotal);
        QCOMPARE(readBytes(folders.target(QStringLiteral("start.jpg"))), big);
        QCOMPARE(readBytes(folders.target(QStringLiteral("my holiday \"best\" it's ü $(x).jpg"))),
                 QByteArray("odd"));
        QCOMPARE(readBytes(folders.target(QStringLiteral("show.html"))), PageBytes);
        QCOMPARE(folders.targetEntries().size(), 5);
    }

    void copiesBetweenFileSystemsStreamThroughTheBlock() {
        QTemporaryDir memory(QStringLiteral("/dev/shm/quillmint-XXXXXX"));
        if (!memory.isValid())
            QSKIP("no second file system in /dev/shm");
        Folders folders;
        const QByteArray picture = randomBytes(2 * SlideshowPublisher::BlockSize + 99, 5);
        const QString source = memory.filePath(QStringLiteral("picture.jpg"));
        writeBytes(source, picture);
        QFile::setPermissions(source, QFile::ReadOwner | QFile::ReadGroup);
        SlideshowPublisher publisher(folders.target(QStringLiteral("p.html")), PageBytes, {source});
        QCOMPARE(publisher.run(), SlideshowPublisher::Outcome::Complete);
        QCOMPARE(readBytes(folders.target(QStringLiteral("picture.jpg"))), picture);
        // Read-only, as the source is.
        QCOMPARE(QFile::permissions(folders.target(QStringLiteral("picture.jpg"))),
                 QFile::permissions(source));
    }

    void laterFileOfTheSameNameWinsAndRepublishingReplacesCopies() {
        Folders folders;
        const QStringList sources = {folders.source(QStringLiteral("x/one.jpg"), "first"),
                                     folders.source(QStringLiteral("y/one.jpg"), "second")};
        SlideshowPublisher publisher(folders.target(QStringLiteral("p.html")), PageBytes, sources);
        QCOMPARE(publisher.run(), SlideshowPublisher::Outcome::Complete);
        QCOMPARE(readBytes(folders.target(QStringLiteral("one.jpg"))), QByteArray("second"));

        writeBytes(sources[1], "changed");
        QCOMPARE(publisher.run(), SlideshowPublisher::Outcome::Complete);
        QCOMPARE(readBytes(folders.target(QStringLiteral("one.jpg"))), QByteArray("changed"));
        QCOMPARE(folders.targetEntries(), QStringList({"one.jpg", "p.html"}));
    }

    void aFileAlreadyInTheFolderIsNeverCopiedOntoItself() {
        Folders folders;
        const QByteArray picture = randomBytes(SlideshowPublisher::BlockSize + 7, 2);
        const QString inside = folders.source(QStringLiteral("target/here.jpg"), picture);
        // The same file through another path, and another file that bears its name.
        const QString viaLink = folders.root.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(folders.target(), viaLink));
        const QString namesake = folders.source(QStringLiteral("else/here.jpg"), "namesake");
        SlideshowPublisher publisher(folders.target(QStringLiteral("p.html")), PageBytes,
                                     {inside, viaLink + QStringLiteral("/here.jpg"), namesake});
        QCOMPARE(publisher.run(), SlideshowPublisher::Outcome::Complete);
        QCOMPARE(readBytes(inside), picture);
        QCOMPARE(readBytes(namesake), QByteArray("namesake"));
        QCOMPARE(folders.targetEntries(), QStringList({"here.jpg", "p.html"}));
    }

    void aVanishedOrIrregularSourceStopsBeforeAnythingIsWritten() {
        Folders folders;
        const QString page = folders.target(QStringLiteral("p.html"));
        writeBytes(page, "old page");
        const QString kept = folders.source(QStringLiteral("a/kept.jpg"), "kept");
        const QString gone = folders.root.filePath(QStringLiteral("a/gone.jpg"));
        const QString fifo = folders.root.filePath(QStringLiteral("a/pipe.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString folder = folders.root.filePath(QStringLiteral("a"));

        const struct {
            QString bad;
            QString error;
        } cases[] = {
            {gone, "Cannot open file " + gone + ": File not found"},
            {fifo, "Cannot open file " + fifo + ": Not a regular file"},
            {folder, "Cannot open file " + folder + ": Not a regular file"},
        };
        for (const auto& c : cases) {
            SlideshowPublisher publisher(page, PageBytes, {kept, c.bad});
            QCOMPARE(publisher.run(), SlideshowPublisher::Outcome::Failed);
            QCOMPARE(publisher.error(), c.error);
            QCOMPARE(folders.targetEntries(), QStringList({"p.html"}));
            QCOMPARE(readBytes(page), QByteArray("old page"));
        }
    }

    void aFullDiskLeavesEveryEarlierFileIntact() {
        Folders folders;
        const QString page = folders.target(QStringLiteral("p.html"));
        writeBytes(page, "old page");
        writeBytes(folders.target(QStringLiteral("big.jpg")), "old copy");
        const QString small = folders.source(QStringLiteral("a/small.jpg"), "small");
        const QString big = folders.source(QStringLiteral("a/big.jpg"),
                                           randomBytes(4 * SlideshowPublisher::BlockSize, 3));

        SlideshowPublisher publisher(page, PageBytes, {small, big});
        SlideshowPublisher::Outcome outcome{};
        withFileSizeLimit(SlideshowPublisher::BlockSize + 100, [&] { outcome = publisher.run(); });
        QCOMPARE(outcome, SlideshowPublisher::Outcome::Failed);
        QVERIFY2(publisher.error().startsWith("Cannot write file " + folders.target("big.jpg")),
                 qPrintable(publisher.error()));
        QCOMPARE(readBytes(folders.target(QStringLiteral("big.jpg"))), QByteArray("old copy"));
        QCOMPARE(readBytes(page), QByteArray("old page"));
        // No half-written file is left beside them.
        QCOMPARE(folders.targetEntries(), QStringList({"big.jpg", "p.html", "small.jpg"}));
    }

    void aPageThatCannotBeWrittenKeepsTheOldOne() {
        Folders folders;
        const QString page = folders.target(QStringLiteral("p.html"));
        writeBytes(page, "old page");
        const QByteArray hugePage(64 * 1024, 'x');
        SlideshowPublisher publisher(page, hugePage, {});
        SlideshowPublisher::Outcome outcome{};
        withFileSizeLimit(1024, [&] { outcome = publisher.run(); });
        QCOMPARE(outcome, SlideshowPublisher::Outcome::Failed);
        QVERIFY2(publisher.error().contains(page), qPrintable(publisher.error()));
        QCOMPARE(readBytes(page), QByteArray("old page"));
        QCOMPARE(folders.targetEntries(), QStringList({"p.html"}));
    }

    void aFolderThatRefusesFilesIsReported() {
        Folders folders;
        const QString source = folders.source(QStringLiteral("a/pic.jpg"), "pic");
        QVERIFY(QFile::setPermissions(folders.target(), QFile::ReadOwner | QFile::ExeOwner));
        SlideshowPublisher publisher(folders.target(QStringLiteral("p.html")), PageBytes, {source});
        const auto outcome = publisher.run();
        QFile::setPermissions(folders.target(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (::geteuid() == 0)
            QSKIP("the superuser writes into any folder");
        QCOMPARE(outcome, SlideshowPublisher::Outcome::Failed);
        QVERIFY2(publisher.error().startsWith("Cannot create file " + folders.target("pic.jpg")),
                 qPrintable(publisher.error()));
    }

    void thePageNeverReplacesAFileOfTheSlideshow() {
        Folders folders;
        const QString picture = folders.source(QStringLiteral("target/show.html"), "a picture");
        SlideshowPublisher publisher(folders.target(QStringLiteral("show.html")), PageBytes,
                                     {picture});
        QCOMPARE(publisher.run(), SlideshowPublisher::Outcome::Failed);
        QVERIFY(publisher.error().contains(picture));
        QCOMPARE(readBytes(picture), QByteArray("a picture"));
    }

    void cancellingLeavesNoPartialCopy() {
        Folders folders;
        const QString big = folders.source(QStringLiteral("a/big.jpg"),
                                           randomBytes(3 * SlideshowPublisher::BlockSize, 4));
        SlideshowPublisher publisher(folders.target(QStringLiteral("p.html")), PageBytes, {big});
        QCOMPARE(publisher.run([](qint64, qint64) { return false; }),
                 SlideshowPublisher::Outcome::Cancelled);
        QVERIFY(folders.targetEntries().isEmpty());
    }

    // Cancel from another thread, as the window and a termination signal do,
    // stops a slow run between two steps of a copy.
    void cancellingFromAnotherThreadKeepsOnlyCompleteCopies() {
        Folders folders;
        QStringList sources;
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            sources << folders.source(QLatin1String(name), randomBytes(64 * 1024, 6));
        SlideshowPublisher publisher(folders.target(QStringLiteral("p.html")), PageBytes, sources);
        publisher.setPace(4096, 5);
        auto outcome = SlideshowPublisher::Outcome::Complete;
        QThread* worker = QThread::create([&] { outcome = publisher.run(); });
        worker->start();
        QTRY_VERIFY(QFile::exists(folders.target(QStringLiteral("a.jpg"))));
        publisher.cancel();
        QVERIFY(worker->wait(2000));
        delete worker;
        QCOMPARE(outcome, SlideshowPublisher::Outcome::Cancelled);
        const QStringList left = folders.targetEntries();
        QVERIFY2(left == QStringList({"a.jpg"}) || left == QStringList({"a.jpg", "b.jpg"}),
                 qPrintable(left.join(u' ')));
        for (const QString& name : left)
            QCOMPARE(readBytes(folders.target(name)), randomBytes(64 * 1024, 6));
    }

    // A run killed before it renamed a copy leaves it under a hidden name;
    // the next run into the folder removes such copies and nothing else.
    void leftoversOfAKilledRunGoAndNothingElse() {
        Folders folders;
        const QString leftover = folders.target(QStringLiteral(".pic.jpg.quillmint-0123abcd"));
        const QString running = folders.target(QStringLiteral(".pic.jpg.quillmint-89abcdef"));
        const QStringList kept = {
            running,
            folders.target(QStringLiteral(".pic.jpg.quillmint-0123abcd.bak")),
            folders.target(QStringLiteral(".pic.jpg.quillmint-0123")),
            folders.target(QStringLiteral("pic.jpg.quillmint-0123abcd")),
            folders.target(QStringLiteral(".hidden")),
        };
        for (const QString& path : kept + QStringList{leftover})
            writeBytes(path, "mine");
        QVERIFY(QDir().mkdir(folders.target(QStringLiteral(".dir.quillmint-0123abcd"))));
        // Another publication is still writing this one.
        const int held = ::open(QFile::encodeName(running).constData(), O_RDONLY);
        QCOMPARE(::flock(held, LOCK_EX), 0);

        const QString source = folders.source(QStringLiteral("a/pic.jpg"), "pic");
        SlideshowPublisher publisher(folders.target(QStringLiteral("p.html")), PageBytes, {source});
        QCOMPARE(publisher.run(), SlideshowPublisher::Outcome::Complete);
        ::close(held);
        QVERIFY(!QFile::exists(leftover));
        for (const QString& path : kept)
            QCOMPARE(readBytes(path), QByteArray("mine"));
        QVERIFY(QFileInfo(folders.target(QStringLiteral(".dir.quillmint-0123abcd"))).isDir());
        QCOMPARE(readBytes(folders.target(QStringLiteral("pic.jpg"))), QByteArray("pic"));
    }
};

QTEST_GUILESS_MAIN(SlideshowPublisherTest)
#include "slideshow_publisher_test.moc"
