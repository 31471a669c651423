#include "widgets/contrast_warning.h"

#include "widgets/colour_setting.h"
#include "widgets/contrast.h"

#include <QCoreApplication>
#include <QStyle>
#include <cmath>

ContrastWarning::ContrastWarning(const QString& objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(objectName);
    // A sign that fits beside any colour setting; its tool tip says the rest.
    const int side = fontMetrics().height();
    setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    setAccessibleName(QCoreApplication::translate("ContrastWarning", "Low contrast"));
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
}

void ContrastWarning::watch(const ColourSetting* textSetting,
                            const ColourSetting* backgroundSetting) {
    text = textSetting;
    background = backgroundSetting;
    for (const ColourSetting* setting : {text, background})
        connect(setting, &ColourSetting::changed, this, &ContrastWarning::update);
    update();
}

void ContrastWarning::update() {
    const QColor foreground = text->swatchColour();
    const QColor behind = background->swatchColour();
    const double ratio =
        foreground.isValid() && behind.isValid() ? contrastRatio(foreground, behind) : 21.0;
    setVisible(ratio < 4.5);
    // Rounded down, so a ratio just short of 4.5 never reads as 4.5.
    const QString why =
        QCoreApplication::translate("ContrastWarning",
                                    "Text in this colour on its background has a contrast of "
                                    "%1:1, below 4.5:1: visitors may not be able to read it. "
                                    "The page still uses the colours chosen.")
            .arg(std::floor(ratio * 10) / 10, 0, 'f', 1);
    setToolTip(QCoreApplication::translate("ContrastWarning", "Low contrast: ") + why);
    setStatusTip(why);
    setAccessibleDescription(why);
}
