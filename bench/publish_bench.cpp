// Publish against `cp` + `sync` of the same files, in interleaved rounds:
// each round publishes into an empty folder and copies with cp followed by
// sync into another, in alternating order, after the disk has written
// everything earlier. Prints the medians, the median of the per-round ratios
// of throughput, and how far the peak memory grew while publishing.
//
//   publish_bench [MiB] [files] [rounds] [busy threads]
//
// Busy threads spin beside the copies, for a machine under load.

#include "core/text_file.h"
#include "makers/slideshow/slideshow_publisher.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

qint64 argument(const QStringList& arguments, int index, qint64 fallback) {
    bool ok = false;
    const qint64 value = arguments.value(index).toLongLong(&ok);
    return ok && value >= 0 ? value : fallback;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// An empty target on a disk with nothing left to write, so no run pays for
// the writing of the one before.
QString freshTarget(const QTemporaryDir& dir) {
    const QString target = dir.filePath(QStringLiteral("site"));
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    ::sync();
    return target;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qint64 mebibytes = std::max<qint64>(1, argument(arguments, 1, 1024));
    const qint64 count = std::max<qint64>(1, argument(arguments, 2, 200));
    const int rounds = int(std::max<qint64>(1, argument(arguments, 3, 5)));
    const int busy = int(argument(arguments, 4, 0));

    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("pictures")));
    QByteArray chunk(1024 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < chunk.size(); ++i)
        chunk[i] = char((i * 131 + 7) & 0xFF);
    QStringList files;
    qint64 bytes = 0;
    for (qint64 n = 0; n < count; ++n) {
        const QString path = dir.filePath(QStringLiteral("pictures/picture %1.jpg").arg(n));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(path));
        for (qint64 left = mebibytes * 1024 * 1024 / count; left > 0; left -= chunk.size())
            writeAll(file, chunk.left(std::min<qint64>(left, chunk.size())));
        files << path;
        bytes += file.size();
    }
    const QByteArray page = paneFileBytes(QStringLiteral("<html>\n</html>\n"));

    std::atomic<bool> spinning = true;
    std::vector<std::thread> load;
    for (int n = 0; n < busy; ++n)
        load.emplace_back([&spinning] {
            volatile unsigned long turns = 0;
            while (spinning.load(std::memory_order_relaxed))
                turns = turns + 1;
        });

    const auto publish = [&] {
        const QString target = freshTarget(dir);
        QElapsedTimer timer;
        timer.start();
        SlideshowPublisher publisher(target + QStringLiteral("/show.html"), page, files);
        if (publisher.run() != SlideshowPublisher::Outcome::Complete)
            qFatal("%s", qPrintable(publisher.error()));
        return double(timer.nsecsElapsed()) / 1e9;
    };
    const auto copyAndSync = [&] {
        const QString target = freshTarget(dir);
        QElapsedTimer timer;
        timer.start();
        if (QProcess::execute(QStringLiteral("cp"), QStringList(files) << target) != 0 ||
            QProcess::execute(QStringLiteral("sync"), {}) != 0)
            qFatal("cp or sync failed");
        return double(timer.nsecsElapsed()) / 1e9;
    };

    const long peakBefore = peakResidentKiB();
    // Both once first, so that neither pays for reading the new sources.
    publish();
    copyAndSync();
    std::vector<double> ours, theirs, ratios;
    for (int round = 0; round < rounds; ++round) {
        double published = 0, copied = 0;
        if (round % 2 == 0) {
            published = publish();
            copied = copyAndSync();
        } else {
            copied = copyAndSync();
            published = publish();
        }
        const double mib = double(bytes) / (1024.0 * 1024.0);
        ours.push_back(mib / published);
        theirs.push_back(mib / copied);
        ratios.push_back(copied / published);
        std::printf("round %d: Publish %.2f s, cp + sync %.2f s\n", round + 1, published, copied);
    }
    spinning = false;
    for (std::thread& thread : load)
        thread.join();
    QDir(freshTarget(dir)).removeRecursively();

    std::printf("%d rounds, %lld MiB in %lld files, %d busy threads\n", rounds,
                static_cast<long long>(mebibytes), static_cast<long long>(count), busy);
    std::printf("| measure | Quillmint | cp + sync | ratio (median) |\n|---|---|---|---|\n");
    std::printf("| Publish | %.0f MiB/s | %.0f MiB/s | %.2f |\n", median(ours), median(theirs),
                median(ratios));
    std::printf("peak memory growth while publishing: %ld KiB\n", peakResidentKiB() - peakBefore);
    return 0;
}
