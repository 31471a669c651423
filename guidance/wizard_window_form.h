#pragma once

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The "Wizard" window's widgets: the banner with its step label, the step
// text and the three buttons, in a client area of `width` pixels.
struct WizardWindowForm final {
    void setupUi(QWidget* window, int width);
    // Sizes the step label and the buttons for their captions in their fonts.
    void fitToFont(int width);

    QLabel* banner = nullptr;
    QLabel* stepLabel = nullptr;
    QPlainTextEdit* stepText = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* closeButton = nullptr;
};
