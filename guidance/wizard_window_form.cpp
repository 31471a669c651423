#include "guidance/wizard_window_form.h"

#include "guidance/read_only_text.h"
#include "guidance/wizard_window_controls.h"
#include "widgets/control_factory.h"
#include "widgets/jpeg_image.h"
#include "widgets/tab_chain.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace wizard_window;

namespace {

constexpr int BannerHeight = 70;

} // namespace

void WizardWindowForm::setupUi(QWidget* window, int width) {
    banner = new QLabel(window);
    banner->setObjectName(controls::Picture);
    banner->setFixedSize(width, BannerHeight);
    showJpegWhenShown(banner, QStringLiteral(":/pictures/wizard.jpg"));

    // The step label sits on the banner's free top strip, on a patch of its
    // own small enough to stay clear of the banner's lettering. Text on base
    // reads in any palette: dark on white by default, light on dark in a dark one.
    stepLabel =
        new QLabel(QCoreApplication::translate("Wizard", "Step %1 / %2").arg(1).arg(5), banner);
    stepLabel->setObjectName(controls::Step);
    stepLabel->setAutoFillBackground(true);
    stepLabel->setBackgroundRole(QPalette::Base);
    stepLabel->setForegroundRole(QPalette::Text);
    QFont small = stepLabel->font();
    small.setPixelSize(11);
    stepLabel->setFont(small);
    stepLabel->setContentsMargins(3, 0, 3, 0);

    stepText = makeReadOnlyText(controls::Text,
                                QCoreApplication::translate("Wizard", "Wizard step"), window);

    previousButton = new QPushButton(QCoreApplication::translate("Wizard", "< Previous"), window);
    previousButton->setObjectName(controls::Previous);
    previousButton->setAccessibleName(QCoreApplication::translate("Wizard", "Previous step"));
    previousButton->setEnabled(false);
    nextButton = new QPushButton(QCoreApplication::translate("Wizard", "Next >"), window);
    nextButton->setObjectName(controls::Next);
    nextButton->setAccessibleName(QCoreApplication::translate("Wizard", "Next step"));
    closeButton = new QPushButton(QCoreApplication::translate("Wizard", "Close"), window);
    closeButton->setObjectName(controls::Close);

    // Three buttons share the width: widths follow the captions, not the
    // style's minimum, and a larger font widens the window.
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(2, 3, 2, 3);
    buttons->setSpacing(2);
    const int captionShares[] = {6, 4, 4};
    int index = 0;
    for (QPushButton* button : {previousButton, nextButton, closeButton}) {
        // Enter presses the focused button, as in a dialog.
        button->setAutoDefault(true);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        buttons->addWidget(button, captionShares[index++]);
    }

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner, 0, Qt::AlignHCenter);
    layout->addWidget(stepText, 1);
    layout->addLayout(buttons);

    setTabChain({stepText, previousButton, nextButton, closeButton});
}

void WizardWindowForm::fitToFont(int width) {
    for (QPushButton* button : {previousButton, nextButton, closeButton})
        button->setMinimumWidth(captionWidth(button));
    // Every step label is equally wide, so the patch is sized once.
    stepLabel->setFixedSize(stepLabel->sizeHint());
    stepLabel->move(width - stepLabel->width() - 2, 2);
}
