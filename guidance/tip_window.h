#pragma once

#include "guidance/tip_window_form.h"
#include "widgets/tool_window.h"

#include <random>

// The shipped tips are tips/1.txt ... tips/22.txt.
inline constexpr int TipCount = 22;

// The "Startup Tip" window: a random tip from the shipped tip files, another
// one on demand, and the choice whether the window shows at the next start.
class TipWindow final : public ToolWindow {
    Q_OBJECT
public:
    // Tips are read from the shipped-data folder.
    TipWindow(QWidget* mainWindow, const QString& shippedData);
    Q_DISABLE_COPY_MOVE(TipWindow)

signals:
    // The user ticked or cleared "Show Tips At Startup".
    void showTipsChanged(bool show);

public slots:
    // Shows the window with the keyboard in it, so Esc closes it at once.
    void present();
    // "Next Tip >>": another random tip, possibly the same one again.
    void showNextTip();
    // "Show Tips At Startup": the menu item follows the box, then the choice is stored.
    void showAtStartupClicked(bool checked);

private:
    void showRandomTip();

    TipWindowForm form;

    const QString shippedData;
    std::mt19937 randomTips;
};
