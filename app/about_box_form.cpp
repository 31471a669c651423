#include "app/about_box_form.h"

#include "widgets/jpeg_image.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void AboutBoxForm::setupUi(QDialog* box) {
    box->setObjectName("AboutBox");
    box->setWindowTitle(QCoreApplication::translate("AboutBox", "About Quillmint"));
    box->setModal(true);

    auto* layout = new QVBoxLayout(box);

    picture = new QLabel(box);
    picture->setObjectName("AboutPicture");
    picture->setAlignment(Qt::AlignCenter);
    showJpegWhenShown(picture, QStringLiteral(":/pictures/about.jpg"));
    layout->addWidget(picture);

    auto* versionGroup = new QGroupBox(box);
    versionGroup->setObjectName("AboutVersionGroup");
    auto* versionLayout = new QVBoxLayout(versionGroup);
    versions = new QLabel(QCoreApplication::translate("AboutBox", "Quillmint v1.0.0.0\n"
                                                                  "Dropdown Menu Maker v1.0\n"
                                                                  "Popup Maker v1.0\n"
                                                                  "MouseOver Button Maker v1.0\n"
                                                                  "Slideshow Maker v1.0\n"
                                                                  "JS Editor v1.0"),
                          versionGroup);
    versions->setObjectName("AboutVersionText");
    versionLayout->addWidget(versions);
    layout->addWidget(versionGroup);

    auto* legal = new QGroupBox(box);
    legal->setObjectName("AboutLegalGroup");
    auto* legalLayout = new QVBoxLayout(legal);
    notice = new QLabel(
        QCoreApplication::translate("AboutBox", "Copyright \u00A9 2026 the Quillmint developers.\n"
                                                "Generated pages are yours to use as you wish."),
        legal);
    notice->setObjectName("AboutNotice");
    legalLayout->addWidget(notice);
    // Quillmint has no web site: the link leads to the help pages it ships.
    link = new QPushButton(QCoreApplication::translate("AboutBox", "Quillmint Help"), legal);
    link->setObjectName("AboutLink");
    link->setAccessibleName(
        QCoreApplication::translate("AboutBox", "Open the Quillmint help pages"));
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    legalLayout->addWidget(link, 0, Qt::AlignLeft);
    layout->addWidget(legal);

    closeButton = new QPushButton(QCoreApplication::translate("AboutBox", "Close"), box);
    closeButton->setObjectName("AboutCloseButton");
    closeButton->setDefault(true);
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);

    layout->setSizeConstraint(QLayout::SetFixedSize);
}
