#include "guidance/tip_window_form.h"

#include "guidance/read_only_text.h"
#include "guidance/tip_window_controls.h"
#include "widgets/jpeg_image.h"
#include "widgets/tab_chain.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tip_window;

void TipWindowForm::setupUi(QWidget* window) {
    picture = new QLabel(window);
    picture->setObjectName(controls::Picture);
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    showJpegWhenShown(picture, QStringLiteral(":/pictures/tip.jpg"));

    heading = new QLabel(QCoreApplication::translate("TipWindow", "Did You Know?"), window);
    heading->setObjectName(controls::Heading);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    tipText =
        makeReadOnlyText(controls::Tip, QCoreApplication::translate("TipWindow", "Tip"), window);
    heading->setBuddy(tipText);

    showAtStartupBox =
        new QCheckBox(QCoreApplication::translate("TipWindow", "Show Tips At Startup"), window);
    showAtStartupBox->setObjectName(controls::ShowAtStartup);
    showAtStartupBox->setChecked(true);

    nextTipButton =
        new QPushButton(QCoreApplication::translate("TipWindow", "&Next Tip >>"), window);
    nextTipButton->setObjectName(controls::NextTip);
    closeButton = new QPushButton(QCoreApplication::translate("TipWindow", "&Close"), window);
    closeButton->setObjectName(controls::Close);
    // Enter presses the focused button, as in a dialog.
    nextTipButton->setAutoDefault(true);
    closeButton->setAutoDefault(true);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(heading);
    text->addWidget(tipText, 1);

    auto* tip = new QHBoxLayout;
    tip->setSpacing(8);
    tip->addWidget(picture, 0, Qt::AlignTop);
    tip->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(showAtStartupBox);
    buttons->addStretch(1);
    buttons->addWidget(nextTipButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(tip, 1);
    layout->addLayout(buttons);

    setTabChain({tipText, showAtStartupBox, nextTipButton, closeButton});
    nextTipButton->setFocus();
}
