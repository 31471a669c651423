#include "app/about_box.h"

#include "widgets/help_links.h"
#include "widgets/desktop.h"
#include "widgets/jpeg_image.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint) {
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("About Quillmint"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);

    auto* picture = new QLabel(this);
    picture->setObjectName("AboutPicture");
    picture->setAlignment(Qt::AlignCenter);
    QString error;
    const QImage image = loadJpeg(QStringLiteral(":/pictures/about.jpg"), &error);
    if (!image.isNull())
        picture->setPixmap(QPixmap::fromImage(image));
    layout->addWidget(picture);

    auto* versions = new QGroupBox(this);
    versions->setObjectName("AboutVersionGroup");
    auto* versionLayout = new QVBoxLayout(versions);
    auto* versionText = new QLabel(QStringLiteral("Quillmint v1.0.0.0\n"
                                                  "Dropdown Menu Maker v1.0\n"
                                                  "Popup Maker v1.0\n"
                                                  "MouseOver Button Maker v1.0\n"
                                                  "Slideshow Maker v1.0\n"
                                                  "JS Editor v1.0"),
                                   versions);
    versionText->setObjectName("AboutVersionText");
    versionLayout->addWidget(versionText);
    layout->addWidget(versions);

    auto* legal = new QGroupBox(this);
    legal->setObjectName("AboutLegalGroup");
    auto* legalLayout = new QVBoxLayout(legal);
    auto* notice = new QLabel(QStringLiteral("Copyright \u00A9 2026 the Quillmint developers.\n"
                                             "Generated pages are yours to use as you wish."),
                              legal);
    notice->setObjectName("AboutNotice");
    legalLayout->addWidget(notice);
    auto* link = new QPushButton(QString::fromLatin1(MakerWebSiteAddress), legal);
    link->setObjectName("AboutLink");
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(
        QStringLiteral("color: blue; text-decoration: underline; text-align: left;"));
    connect(link, &QPushButton::clicked, this, [] { openWebSite(); });
    legalLayout->addWidget(link);
    layout->addWidget(legal);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName("AboutCloseButton");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignHCenter);

    layout->setSizeConstraint(QLayout::SetFixedSize);
}
