#include "widgets/icons.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <memory>

#ifndef QUILLMINT_APP_ID
#error "QUILLMINT_APP_ID must name the program to the desktop"
#endif

namespace {

// One of our drawings, read when it is first drawn: the tool bars of hidden
// tabs hold dozens of them, and reading each at start-up would delay the
// first frame. Every copy shares the one reading.
class DrawingIconEngine final : public QIconEngine {
public:
    explicit DrawingIconEngine(QString drawing)
        : path(std::move(drawing)), icon(std::make_shared<std::optional<QIcon>>()) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return drawn().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return drawn().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DrawingIconEngine(*this); }
    QString key() const override { return QStringLiteral("QuillmintDrawing"); }
    bool isNull() override { return false; }

private:
    DrawingIconEngine(const DrawingIconEngine&) = default;

    const QIcon& drawn() const {
        if (!*icon)
            icon->emplace(path);
        return **icon;
    }

    QString path;
    std::shared_ptr<std::optional<QIcon>> icon;
};

QIcon ownDrawing(const QString& name) {
    static QHash<QString, QIcon> drawings;
    auto known = drawings.constFind(name);
    if (known == drawings.cend())
        known = drawings.insert(
            name, QIcon(new DrawingIconEngine(QStringLiteral(":/icons/%1.svg").arg(name))));
    return *known;
}

} // namespace

QIcon themedIcon(const QString& name) {
    return QIcon::fromTheme(name, ownDrawing(name));
}

QString applicationId() {
    return QStringLiteral(QUILLMINT_APP_ID);
}

QIcon applicationIcon() {
    return QIcon::fromTheme(applicationId(), ownDrawing(QStringLiteral("quillmint")));
}
