#include "app/about_box.h"

#include "widgets/contrast.h"
#include "widgets/help_links.h"
#include "widgets/tool_window.h"

#include <QEvent>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace {

// The palette's link colour, lightened on a dark background or darkened on a
// light one until it reads (4.5:1) against both: some themes' links are too faint.
QColor readableLink(const QPalette& colours) {
    constexpr double Readable = 4.5;
    const QColor window = colours.color(QPalette::Window);
    const QColor button = colours.color(QPalette::Button);
    const bool dark = relativeLuminance(window) < 0.18;
    QColor link = colours.color(QPalette::Link);
    for (int step = 0;
         step < 32 && std::min(contrastRatio(link, window), contrastRatio(link, button)) < Readable;
         ++step)
        link = dark ? link.lighter(112) : link.darker(112);
    return link;
}

} // namespace

AboutBox::AboutBox(QWidget* owner, const QString& shippedData)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint) {
    form.setupUi(this);
    connect(form.link, &QPushButton::clicked, this,
            [shippedData] { openProgramFile(shippedData, QStringLiteral("help/index.html")); });
    connect(form.closeButton, &QPushButton::clicked, this, &QDialog::accept);
    followPalette();
}

void AboutBox::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followPalette();
}

void AboutBox::followPalette() {
    // The link is drawn as button text: give that role the link colour.
    QPalette linkColours = form.link->palette();
    const QColor link = readableLink(palette());
    if (linkColours.color(QPalette::ButtonText) == link)
        return;
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        linkColours.setColor(group, QPalette::ButtonText, link);
    form.link->setPalette(linkColours);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QWidget* owner = parentWidget();
    if (const QScreen* desk = owner ? owner->screen() : screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(desk->availableGeometry().center());
        move(frame.topLeft());
    }
    keepOnScreenOf(this, owner);
}
