#include "widgets/icons.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <memory>
#include <optional>

#ifndef QUILLMINT_APP_ID
#error "QUILLMINT_APP_ID must name the program to the desktop"
#endif

namespace {

// The sizes, in device pixels, at which each drawing also ships as a bitmap.
constexpr int BitmapSizes[] = {16, 32};

// One of our drawings. At the sizes it ships as a bitmap it shows the bitmap,
// at any other size the drawing itself; each is read when first needed and
// every copy of the icon shares the reading, so that start-up reads only the
// bitmaps of the first frame.
class DrawingIconEngine final : public QIconEngine {
public:
    explicit DrawingIconEngine(const QString& name) : readings(std::make_shared<Readings>()) {
        readings->name = name;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        iconFor(rect.size() * scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return iconFor(size).pixmap(size, mode, state);
    }
    // Asked for in device pixels already: QIcon sets the pixel ratio itself.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
        return iconFor(size).pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    // A drawing has every size, so none is listed: a window icon is then made
    // at each size the desktop asks for.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {}; }
    QIconEngine* clone() const override { return new DrawingIconEngine(*this); }
    QString key() const override { return QStringLiteral("QuillmintDrawing"); }
    bool isNull() override { return false; }

private:
    struct Readings {
        QString name;
        QIcon bitmaps;
        QList<int> bitmapsRead;
        std::optional<QIcon> drawing;
    };

    DrawingIconEngine(const DrawingIconEngine&) = default;

    const QIcon& iconFor(const QSize& devicePixels) const {
        for (const int side : BitmapSizes)
            if (devicePixels == QSize(side, side)) {
                if (!readings->bitmapsRead.contains(side)) {
                    readings->bitmaps.addPixmap(QPixmap(
                        QStringLiteral(":/icon-bitmaps/%1/%2.png").arg(side).arg(readings->name),
                        "PNG"));
                    readings->bitmapsRead << side;
                }
                return readings->bitmaps;
            }
        if (!readings->drawing)
            readings->drawing.emplace(QStringLiteral(":/icons/%1.svg").arg(readings->name));
        return *readings->drawing;
    }

    std::shared_ptr<Readings> readings;
};

QIcon ownDrawing(const QString& name) {
    static QHash<QString, QIcon> drawings;
    auto known = drawings.constFind(name);
    if (known == drawings.cend())
        known = drawings.insert(name, QIcon(new DrawingIconEngine(name)));
    return *known;
}

} // namespace

QIcon themedIcon(const QString& name) {
    return QIcon::fromTheme(name, ownDrawing(name));
}

QString applicationId() {
    return QStringLiteral(QUILLMINT_APP_ID);
}

void skipUnchosenIconTheme() {
    // Only the program's own icon folder, which holds no theme (an empty
    // list would bring Qt's defaults back).
    if (QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeSearchPaths({QStringLiteral(":/icons")});
}

QIcon applicationIcon() {
    return QIcon::fromTheme(applicationId(), ownDrawing(QStringLiteral("quillmint")));
}
