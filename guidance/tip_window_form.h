#pragma once

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The "Startup Tip" window's widgets: picture, heading, tip text, the
// start-up choice and the two buttons.
struct TipWindowForm final {
    void setupUi(QWidget* window);

    QLabel* picture = nullptr;
    QLabel* heading = nullptr;
    QPlainTextEdit* tipText = nullptr;
    QCheckBox* showAtStartupBox = nullptr;
    QPushButton* nextTipButton = nullptr;
    QPushButton* closeButton = nullptr;
};
