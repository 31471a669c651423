// Renders an SVG icon to a square PNG: render_icon <in.svg> <size> <out.png>.
// The build makes the installed application icon's bitmap sizes with it.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <cstdio>

int main(int argc, char* argv[]) {
    // A build step: no display is needed or wanted.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const int size = arguments.value(2).toInt();
    if (arguments.size() != 4 || size <= 0) {
        std::fputs("usage: render_icon <in.svg> <size> <out.png>\n", stderr);
        return 2;
    }
    QImageReader reader(arguments.at(1));
    reader.setScaledSize(QSize(size, size));
    QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "render_icon: %s: %s\n", qPrintable(arguments.at(1)),
                     qPrintable(reader.errorString()));
        return 1;
    }
    image.convertTo(QImage::Format_ARGB32);
    QImageWriter writer(arguments.at(3), "png");
    if (!writer.write(image)) {
        std::fprintf(stderr, "render_icon: %s: %s\n", qPrintable(arguments.at(3)),
                     qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
