// Publish with "Optimise Images for the Web" against vipsthumbnail on the
// same camera photos, in interleaved rounds. The photos are made here with
// libvips: 4032 x 3024 JPEGs of camera-like noise (eight different ones,
// repeated) with an EXIF block holding GPS coordinates and an orientation (a
// quarter of them turned each way).
// Both sides write the same four files per photo: WebP and JPEG fitted into
// the long edge and into twice that, upright, without metadata, on every core
// (vipsthumbnail through xargs -P), followed by sync. Prints the images per
// second of each and the median of the per-round ratios, the bytes published
// against the originals, and the peak memory of the publishing process.
//
//   web_images_bench [photos] [rounds] [long edge]
//   web_images_bench --publish <long edge> <page> <photo>...   (one publication)

#include "core/web_images.h"
#include "makers/slideshow/slideshow_publisher.h"
#include "support/camera_photo.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>
#include <vips/vips.h>

namespace {

constexpr int PhotoWidth = 4032;
constexpr int PhotoHeight = 3024;

qint64 argument(const QStringList& arguments, int index, qint64 fallback) {
    bool ok = false;
    const qint64 value = arguments.value(index).toLongLong(&ok);
    return ok && value > 0 ? value : fallback;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long peakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Photos with pixels of their own; the others repeat them with EXIF blocks
// of their own, which costs the publishing just the same.
constexpr int DistinctPhotos = 8;

// Noise in three bands over a soft gradient: as hard to compress as a photo
// of foliage, 3 to 4 MB at camera quality.
QByteArray cameraPixels(int seed) {
    VipsImage* bands[3] = {};
    for (int band = 0; band < 3; ++band)
        if (vips_gaussnoise(&bands[band], PhotoWidth, PhotoHeight, "sigma", 5.0, "mean",
                            90.0 + 30 * band, "seed", seed * 3 + band, nullptr) != 0)
            qFatal("%s", vips_error_buffer());
    VipsImage *noise = nullptr, *coordinates = nullptr, *ramp = nullptr, *scaled = nullptr,
              *sum = nullptr, *pixels = nullptr, *photo = nullptr;
    if (vips_bandjoin(bands, &noise, 3, nullptr) != 0 ||
        vips_xyz(&coordinates, PhotoWidth, PhotoHeight, nullptr) != 0 ||
        vips_extract_band(coordinates, &ramp, 0, nullptr) != 0 ||
        vips_linear1(ramp, &scaled, 0.02, 0.0, nullptr) != 0 ||
        vips_add(noise, scaled, &sum, nullptr) != 0 ||
        vips_cast_uchar(sum, &pixels, nullptr) != 0 ||
        vips_copy(pixels, &photo, "interpretation", VIPS_INTERPRETATION_sRGB, nullptr) != 0)
        qFatal("%s", vips_error_buffer());
    void* buffer = nullptr;
    size_t length = 0;
    if (vips_jpegsave_buffer(photo, &buffer, &length, "Q", 90, nullptr) != 0)
        qFatal("%s", vips_error_buffer());
    QByteArray jpeg(static_cast<const char*>(buffer), qsizetype(length));
    g_free(buffer);
    for (VipsImage* image :
         {bands[0], bands[1], bands[2], noise, coordinates, ramp, scaled, sum, pixels, photo})
        g_object_unref(image);
    return jpeg;
}

// The bytes of the images in `folder`.
qint64 imageBytes(const QString& folder) {
    qint64 bytes = 0;
    QDirIterator files(folder, {QStringLiteral("*.webp"), QStringLiteral("*.jpg")}, QDir::Files);
    while (files.hasNext())
        bytes += QFileInfo(files.next()).size();
    return bytes;
}

QString freshFolder(const QTemporaryDir& dir, const QString& name) {
    const QString folder = dir.filePath(name);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    ::sync();
    return folder;
}

// One publication in this process, as the program runs it; prints the peak memory.
int publishOnce(const QStringList& arguments) {
    setWebImagePlugin(QStringLiteral(QUILLMINT_IMAGES_PLUGIN_FILE));
    const int edge = int(argument(arguments, 2, DefaultWebImageEdge));
    const QStringList photos = arguments.mid(4);
    SlideshowPublisher publisher(arguments.value(3), {}, photos);
    publisher.optimiseImages(photos, edge, [](const WebImages&) {
        return SlideshowPublisher::MadePage{"<html>", {}};
    });
    if (publisher.run() != SlideshowPublisher::Outcome::Complete) {
        std::fprintf(stderr, "%s\n", qPrintable(publisher.error()));
        return 1;
    }
    std::printf("%ld\n", peakResidentKiB());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--publish"))
        return publishOnce(arguments);
    const int count = int(argument(arguments, 1, 200));
    const int rounds = int(argument(arguments, 2, 3));
    const int edge = int(argument(arguments, 3, DefaultWebImageEdge));
    if (VIPS_INIT(argv[0]) != 0)
        qFatal("libvips cannot start");

    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("photos")));
    QStringList photos;
    qint64 originals = 0;
    QElapsedTimer making;
    making.start();
    std::vector<QByteArray> pixels;
    for (int n = 0; n < std::min(count, DistinctPhotos); ++n)
        pixels.push_back(cameraPixels(n));
    constexpr int Orientations[] = {1, 6, 8, 3};
    for (int n = 0; n < count; ++n) {
        const QString path =
            dir.filePath(QStringLiteral("photos/IMG_%1.jpg").arg(n, 4, 10, QChar(u'0')));
        QFile file(path);
        const QByteArray jpeg =
            withCameraExif(pixels[size_t(n) % pixels.size()], Orientations[n / 3 % 4]);
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
            qFatal("cannot write %s", qPrintable(path));
        photos << path;
        originals += jpeg.size();
    }
    vips_shutdown();
    std::printf("made %d photos of %dx%d, %.1f MB on average, in %.0f s\n", count, PhotoWidth,
                PhotoHeight, double(originals) / count / 1e6, double(making.elapsed()) / 1000);

    long peakKiB = 0;
    qint64 published = 0;
    const auto publish = [&] {
        const QString site = freshFolder(dir, QStringLiteral("site"));
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(),
                    QStringList{QStringLiteral("--publish"), QString::number(edge),
                                site + QStringLiteral("/show.html")} +
                        photos);
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            qFatal("publishing failed: %s", child.readAllStandardError().constData());
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        peakKiB = std::max(peakKiB, child.readAllStandardOutput().trimmed().toLong());
        published = imageBytes(site);
        return seconds;
    };
    const int cores = QThread::idealThreadCount();
    const auto thumbnail = [&] {
        const QString site = freshFolder(dir, QStringLiteral("thumbnails"));
        QElapsedTimer timer;
        timer.start();
        for (const int size : {edge, 2 * edge})
            for (const QString& format : {QStringLiteral("webp[Q=80,strip]"),
                                          QStringLiteral("jpg[Q=82,optimize_coding,strip]")}) {
                QProcess xargs;
                xargs.start(QStringLiteral("xargs"),
                            {QStringLiteral("-P"), QString::number(cores), QStringLiteral("-n"),
                             QString::number(std::max(1, count / (4 * cores))),
                             QStringLiteral("vipsthumbnail"), QStringLiteral("-s"),
                             QString::number(size), QStringLiteral("-o"),
                             site + QStringLiteral("/%s-") + QString::number(size) +
                                 QLatin1Char('.') + format});
                xargs.write(photos.join(QLatin1Char('\n')).toLocal8Bit());
                xargs.closeWriteChannel();
                if (!xargs.waitForFinished(-1) || xargs.exitCode() != 0)
                    qFatal("vipsthumbnail failed: %s", xargs.readAllStandardError().constData());
            }
        if (QProcess::execute(QStringLiteral("sync"), {}) != 0)
            qFatal("sync failed");
        return double(timer.nsecsElapsed()) / 1e9;
    };

    // The photos were just written, so both sides read them from memory.
    std::vector<double> ours, theirs, ratios;
    for (int round = 0; round < rounds; ++round) {
        double publishing = 0, thumbnailing = 0;
        if (round % 2 == 0) {
            publishing = publish();
            thumbnailing = thumbnail();
        } else {
            thumbnailing = thumbnail();
            publishing = publish();
        }
        ours.push_back(count / publishing);
        theirs.push_back(count / thumbnailing);
        ratios.push_back(thumbnailing / publishing);
        std::printf("round %d: Publish %.1f s, vipsthumbnail %.1f s\n", round + 1, publishing,
                    thumbnailing);
    }
    const qint64 thumbnails = imageBytes(dir.filePath(QStringLiteral("thumbnails")));
    std::printf("%d rounds, %d photos, long edge %d (and %d), %d cores\n", rounds, count, edge,
                2 * edge, cores);
    std::printf("| measure | Quillmint | vipsthumbnail | ratio (median) |\n|---|---|---|---|\n");
    std::printf("| images per second | %.2f | %.2f | %.2f |\n", median(ours), median(theirs),
                median(ratios));
    std::printf("| bytes published | %.1f MB (%.1f %% of %.1f MB) | %.1f MB | |\n",
                double(published) / 1e6, 100.0 * double(published) / double(originals),
                double(originals) / 1e6, double(thumbnails) / 1e6);
    std::printf("| peak memory of the publishing process | %.0f MB | | |\n", peakKiB / 1024.0);
    return 0;
}
