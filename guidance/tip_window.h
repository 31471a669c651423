#pragma once

#include "widgets/tool_window.h"

#include <random>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The shipped tips are tips/1.txt ... tips/22.txt.
inline constexpr int TipCount = 22;

// The "Startup Tip" window: a random tip from the shipped tip files, another
// one on demand, and the choice whether the window shows at the next start.
class TForm5 final : public ToolWindow {
    Q_OBJECT
public:
    // Tips are read from the shipped-data folder.
    TForm5(QWidget* mainWindow, const QString& shippedData);

    QLabel* Image1;
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QCheckBox* CheckBox1;
    QPushButton* Button1;
    QPushButton* Button2;

signals:
    // The user ticked or cleared "Show Tips At Startup".
    void showTipsChanged(bool show);

public slots:
    // "Next Tip >>": another random tip, possibly the same one again.
    void Button1Click();
    // "Show Tips At Startup": the menu item follows the box, then the choice is stored.
    void CheckBox1Click(bool checked);

private:
    void buildControls();
    void showRandomTip();

    const QString shippedData;
    std::mt19937 randomTips;
};
