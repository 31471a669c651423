#include "widgets/jpeg_image.h"

#include <QFile>
#include <QLabel>
#include <QTest>

class JpegImageTest : public QObject {
    Q_OBJECT
private slots:
    void decodesTheShippedPictures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("about") << ":/pictures/about.jpg" << QSize(300, 80);
        QTest::newRow("wizard") << ":/pictures/wizard.jpg" << QSize(193, 70);
        QTest::newRow("tip") << ":/pictures/tip.jpg" << QSize(48, 48);
    }
    void decodesTheShippedPictures() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QString error;
        const QImage image = loadJpeg(path, &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        QCOMPARE(image.size(), size);
        // The about banner is a blue gradient, not a blank picture.
        if (path.contains("about"))
            QVERIFY(image.pixelColor(2, 2).blue() > image.pixelColor(2, 2).red());
    }

    void corruptPicturesAreErrorsNotCrashes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QFile file(":/pictures/about.jpg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        QByteArray scrambled = good;
        for (qsizetype i = 200; i < scrambled.size(); i += 7)
            scrambled[i] = char(scrambled[i] ^ 0x5A);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a jpeg") << QByteArray("GIF89a this is something else entirely");
        QTest::newRow("header only") << good.left(20);
        QTest::newRow("truncated") << good.left(good.size() / 3);
        QTest::newRow("scrambled") << scrambled;
    }
    void corruptPicturesAreErrorsNotCrashes() {
        QFETCH(QByteArray, bytes);
        QString error;
        const QImage image = decodeJpeg(bytes, &error);
        // libjpeg may fill a damaged tail with grey and warn only; a picture
        // whose header is broken must come back null with a message.
        if (image.isNull())
            QVERIFY(!error.isEmpty());
        else
            QVERIFY(bytes.size() > 1000);
    }

    // A label keeps its picture's room from the start and gets the picture
    // when first shown; one that cannot be read leaves the label empty.
    void labelsGetTheirPictureWhenShown_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("about") << ":/pictures/about.jpg" << QSize(300, 80);
        QTest::newRow("missing") << ":/pictures/none.jpg" << QSize();
    }
    void labelsGetTheirPictureWhenShown() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QLabel label;
        showJpegWhenShown(&label, path);
        QCOMPARE(label.minimumSize(), size.isValid() ? size : QSize(0, 0));
        label.show();
        QCOMPARE(label.pixmap().size(), size.isValid() ? size : QSize(0, 0));
    }

    void aMissingFileIsAnError() {
        QString error;
        QVERIFY(loadJpeg(":/pictures/none.jpg", &error).isNull());
        QVERIFY2(error.startsWith("Cannot open file :/pictures/none.jpg: "), qPrintable(error));
    }
};

QTEST_MAIN(JpegImageTest)
#include "jpeg_image_test.moc"
