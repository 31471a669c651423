#include "core/web_images.h"
#include "makers/slideshow/slideshow_publisher.h"
#include "support/camera_photo.h"
#include "support/test_files.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDataStream>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Edge = 100;

// A picture whose top-left quarter is red and the rest blue, so a turn shows.
QByteArray picture(int width, int height, const char* format,
                   QImage::Format pixels = QImage::Format_RGB32, const QColorSpace& space = {}) {
    QImage image(width, height, pixels);
    image.setColorSpace(space);
    image.fill(Qt::blue);
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return buffer.data();
}

QByteArray cameraPhoto(int width, int height, int orientation) {
    return withCameraExif(picture(width, height, "JPEG"), orientation);
}

// Two frames of one pixel each.
QByteArray animatedGif() {
    const QByteArray frame = QByteArray::fromHex("21f904000a0000002c000000000100010000020244010"
                                                 "0");
    return QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13) +
           QByteArray::fromHex("000000ffffff") + "\x21\xff\x0bNETSCAPE2.0" +
           QByteArray::fromHex("0301000000") + frame + frame + "\x3b";
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffff;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// A PNG that claims 50,000 x 50,000 pixels in a few kilobytes.
QByteArray decompressionBomb() {
    const auto chunk = [](const char* type, const QByteArray& data) {
        QByteArray body = QByteArray(type) + data;
        QByteArray out;
        QDataStream stream(&out, QIODevice::WriteOnly);
        stream << quint32(data.size());
        out += body;
        QDataStream(&out, QIODevice::Append) << crc32(body);
        return out;
    };
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly) << quint32(50000) << quint32(50000) << quint8(8)
                                               << quint8(0) << quint8(0) << quint8(0) << quint8(0);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
           chunk("IDAT", qCompress(QByteArray(50001 * 64, '\0')).mid(4)) + chunk("IEND", {});
}

WebImageEngine& engine() {
    QString problem;
    WebImageEngine* loaded = webImageEngine(&problem);
    if (!loaded)
        qFatal("%s", qPrintable(problem));
    return *loaded;
}

// Slides in a source folder, published into a target folder.
struct Publication {
    QString slide(const QString& name, const QByteArray& bytes) {
        const QString path = root.filePath(QStringLiteral("photos/") + name);
        QDir().mkpath(QFileInfo(path).path());
        writeBytes(path, bytes);
        return path;
    }
    QString target(const QString& name = {}) const {
        return root.filePath(QStringLiteral("site/") + name);
    }
    QStringList published() const {
        return QDir(target()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    SlideshowPublisher::Outcome run(const QStringList& slides,
                                    const SlideshowPublisher::Progress& progress = {}) {
        QDir().mkpath(target());
        SlideshowPublisher publisher(target(QStringLiteral("show.html")), {}, slides);
        publisher.optimiseImages(slides, Edge, [this](const WebImages& made) {
            images = made;
            return SlideshowPublisher::MadePage{"page", {}};
        });
        const auto outcome = publisher.run(progress);
        error = publisher.error();
        total = publisher.totalBytes();
        return outcome;
    }

    QTemporaryDir root;
    WebImages images;
    QString error;
    qint64 total = 0;
};

} // namespace

char* toString(const WebImage& image) {
    const QStringList fields = {image.fallback,
                                image.webp,
                                image.fallback2x,
                                image.webp2x,
                                QString::number(image.width),
                                QString::number(image.height)};
    return qstrdup(fields.join(u' ').toUtf8().constData());
}

class WebImagePublisherTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setWebImagePlugin(QStringLiteral(QUILLMINT_IMAGES_PLUGIN_FILE)); }

    void slidesAreFittedUprightWithoutMetadata_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<WebImage>("expected");
        QTest::addColumn<bool>("profile");
        QTest::newRow("camera photo turned, large enough for 2x")
            << "turned.jpg" << cameraPhoto(500, 300, 6) << WebImage{"turned-100.jpg",
                                                                    "turned-100.webp",
                                                                    "turned-200.jpg",
                                                                    "turned-200.webp",
                                                                    60,
                                                                    100}
            << false;
        QTest::newRow("between one and two edges")
            << "mid.jpg" << cameraPhoto(150, 120, 1)
            << WebImage{"mid-100.jpg", "mid-100.webp", {}, {}, 100, 80} << false;
        QTest::newRow("small, but it tells where it was taken")
            << "small.jpg" << cameraPhoto(80, 60, 1)
            << WebImage{"small-100.jpg", "small-100.webp", {}, {}, 80, 60} << false;
        QTest::newRow("small and clean: as it is")
            << "clean.png" << picture(80, 60, "PNG") << WebImage{"clean.png", {}, {}, {}, 80, 60}
            << false;
        QTest::newRow("transparent: PNG fallback")
            << "glass.png" << picture(300, 150, "PNG", QImage::Format_ARGB32)
            << WebImage{"glass-100.png",
                        "glass-100.webp",
                        "glass-200.png",
                        "glass-200.webp",
                        100,
                        50}
            << false;
        QTest::newRow("wide-gamut profile: becomes sRGB")
            << "wide.jpg"
            << picture(300, 150, "JPEG", QImage::Format_RGB32, QColorSpace(QColorSpace::DisplayP3))
            << WebImage{"wide-100.jpg", "wide-100.webp", "wide-200.jpg", "wide-200.webp", 100, 50}
            << true;
        QTest::newRow("animation: as it is")
            << "wave.gif" << animatedGif() << WebImage{"wave.gif", {}, {}, {}, 1, 1} << false;
    }
    void slidesAreFittedUprightWithoutMetadata() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(WebImage, expected);
        QFETCH(bool, profile);
        Publication publication;
        const QString slide = publication.slide(name, bytes);
        QCOMPARE(publication.run({slide}), SlideshowPublisher::Outcome::Complete);
        QCOMPARE(publication.images.value(slide), expected);
        QCOMPARE(readBytes(slide), bytes);
        QStringList files = {expected.fallback, expected.webp, expected.fallback2x, expected.webp2x,
                             QStringLiteral("show.html")};
        files.removeAll(QString());
        files.sort();
        QCOMPARE(publication.published(), files);
        if (expected.webp.isEmpty()) {
            QCOMPARE(readBytes(publication.target(expected.fallback)), bytes);
            return;
        }
        for (const QString& file : files.filter(QRegularExpression("\\.(webp|jpg|png)$"))) {
            const QByteArray written = readBytes(publication.target(file));
            WebImageHeader header;
            QCOMPARE(engine().inspect(publication.target(file), &header), WebImageFailure::None);
            const int scale = file.contains(QString::number(2 * Edge)) ? 2 : 1;
            QCOMPARE(QSize(header.width, header.height),
                     QSize(expected.width, expected.height) * scale);
            QVERIFY2(!header.metadata && !written.contains("Exif") && !written.contains("EXIF"),
                     qPrintable(file));
            QCOMPARE(written.startsWith("RIFF"), file.endsWith(".webp"));
            QCOMPARE(written.contains("ICC_PROFILE") || written.contains("ICCP") ||
                         written.contains("iCCP"),
                     profile);
            QVERIFY(!written.contains("Display P3"));
        }
        // Upright: the red quarter, top left as the camera saw it, is now top right.
        const QImage shown(publication.target(expected.fallback));
        const QRgb corner =
            name == "turned.jpg" ? shown.pixel(shown.width() - 5, 5) : shown.pixel(5, 5);
        QVERIFY2(qRed(corner) > 200 && qBlue(corner) < 60, qPrintable(name));
    }

    void aBadImageIsNamedAndNothingIsHalfDone_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("complaint");
        QTest::addColumn<bool>("checkedFirst");
        const QByteArray photo = cameraPhoto(600, 400, 1);
        QTest::newRow("truncated")
            << photo.left(photo.size() / 2) << "the image is damaged or incomplete" << false;
        QTest::newRow("not an image")
            << QByteArray("These are my holiday notes.\n") << "it is not an image" << true;
        QTest::newRow("decompression bomb")
            << decompressionBomb() << "the image is too large" << true;
    }
    void aBadImageIsNamedAndNothingIsHalfDone() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, complaint);
        QFETCH(bool, checkedFirst);
        Publication publication;
        const QString bad = publication.slide(QStringLiteral("bad.jpg"), bytes);
        const QString good =
            publication.slide(QStringLiteral("good.jpg"), cameraPhoto(300, 200, 1));
        QCOMPARE(publication.run({good, bad}), SlideshowPublisher::Outcome::Failed);
        QVERIFY2(publication.error.contains(bad) && publication.error.contains(complaint),
                 qPrintable(publication.error));
        const QStringList left = publication.published();
        QVERIFY(!left.contains(QStringLiteral("show.html")));
        QVERIFY(left.filter(QStringLiteral("bad")).isEmpty());
        QVERIFY(left.filter(QLatin1String(SlideshowPublisher::TemporaryMarker)).isEmpty());
        if (checkedFirst)
            QCOMPARE(left, QStringList());
    }

    void cancelKeepsOnlyCompleteImagesAndNoPage() {
        Publication publication;
        QStringList slides;
        for (int number = 0; number < 8; ++number)
            slides << publication.slide(QStringLiteral("p%1.jpg").arg(number),
                                        cameraPhoto(400, 300, 1));
        qint64 reportedTotal = 0;
        const auto outcome = publication.run(slides, [&](qint64 done, qint64 total) {
            reportedTotal = total;
            return done == 0;
        });
        QCOMPARE(outcome, SlideshowPublisher::Outcome::Cancelled);
        QCOMPARE(reportedTotal, qint64(slides.size()));
        const QStringList left = publication.published();
        QVERIFY(!left.contains(QStringLiteral("show.html")));
        QVERIFY(left.filter(QLatin1String(SlideshowPublisher::TemporaryMarker)).isEmpty());
        QVERIFY(left.size() < 4 * slides.size());
        for (const QString& file : left) {
            WebImageHeader header;
            QCOMPARE(engine().inspect(publication.target(file), &header), WebImageFailure::None);
        }
    }

    void publishingBesideTheOriginalsLeavesThemAlone() {
        Publication publication;
        const QByteArray bytes = cameraPhoto(250, 200, 6);
        const QString slide = publication.slide(QStringLiteral("beach.jpg"), bytes);
        SlideshowPublisher publisher(publication.root.filePath(QStringLiteral("photos/show.html")),
                                     {}, {slide});
        publisher.optimiseImages({slide}, Edge, [](const WebImages&) {
            return SlideshowPublisher::MadePage{"p", {}};
        });
        QCOMPARE(publisher.run(), SlideshowPublisher::Outcome::Complete);
        QCOMPARE(readBytes(slide), bytes);
        QVERIFY(QFile::exists(publication.root.filePath(QStringLiteral("photos/beach-200.webp"))));
    }
};

QTEST_GUILESS_MAIN(WebImagePublisherTest)
#include "web_image_publisher_test.moc"
