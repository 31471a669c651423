#include "widgets/colour_setting.h"

#include "widgets/desktop.h"
#include "widgets/html_color.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>

QWidget* makeSwatch(const QString& objectName, const QColor& colour, QWidget* parent) {
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(objectName);
    swatch->setFrameShape(QFrame::Panel);
    swatch->setFrameShadow(QFrame::Sunken);
    swatch->setFixedSize(20, 20);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
    return swatch;
}

ColourSetting::ColourSetting(const QString& dialogName, QAbstractButton* button,
                             QLabel* colourLabel, QWidget* colourSwatch, const QColor& defaultValue,
                             QObject* parent)
    : QObject(parent), chooser(button), label(colourLabel), swatch(colourSwatch),
      defaultColour(defaultValue) {
    setObjectName(dialogName);
    connect(button, &QAbstractButton::clicked, this, &ColourSetting::choose);
    apply(defaultColour);
}

void ColourSetting::choose() {
    apply(desktop().chooseColor(swatchColour()));
}

void ColourSetting::restoreDefault() {
    apply(defaultColour);
}

QString ColourSetting::text() const {
    return label->text();
}

void ColourSetting::setText(const QString& htmlColour) {
    apply(QColor(htmlColour));
    label->setText(htmlColour);
    emit changed();
}

QColor ColourSetting::swatchColour() const {
    return swatch->palette().color(QPalette::Window);
}

void ColourSetting::apply(const QColor& colour) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
    label->setText(HtmlColor(colour));
    emit changed();
}
