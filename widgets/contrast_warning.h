#pragma once

#include <QLabel>

class ColourSetting;

// A short warning beside a tab's text colour when that colour on its
// background falls below the 4.5:1 contrast normal text needs. It only tells:
// the page is still made with the colours chosen. Its place is kept while it
// is hidden, so the tab's layout does not move when it comes and goes.
class ContrastWarning final : public QLabel {
    Q_OBJECT
public:
    ContrastWarning(const QString& objectName, QWidget* parent);
    Q_DISABLE_COPY_MOVE(ContrastWarning)

    // Follows the two settings from now on.
    void watch(const ColourSetting* text, const ColourSetting* background);

private:
    void update();

    const ColourSetting* text = nullptr;
    const ColourSetting* background = nullptr;
};
