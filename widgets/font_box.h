#pragma once

#include "widgets/spoken_list.h"

class QLabel;

// The installed font families as the font lists show them: foundry suffixes
// stripped, duplicates removed, "Default" added, sorted without regard to case.
QStringList installedFontFamilies();

// An editable font list whose sample panel shows the highlighted family while
// the list is open. Its text is the font setting; typed text is never added.
class FontBox final : public SpokenList {
    Q_OBJECT
public:
    FontBox(const QString& objectName, QLabel* samplePanel, QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

private:
    void showSample(const QString& family);

    QLabel* sample;
};

// The hidden "AaBbCc" sample panel (97 x 57, lowered bevel).
QLabel* makeFontSample(const QString& objectName, QWidget* parent);
