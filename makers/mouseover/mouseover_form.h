#pragma once

class ColourSetting;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;
class ToolTabFrame;
struct TabContext;

// The widgets of the "MouseOver Button Maker" tab, named for their roles.
// setupUi builds them into the tab with the objectNames the program is
// addressed by; the tab keeps the behaviour.
struct MouseOverForm {
    // The tab page's objectName, which it has before its controls are built.
    static constexpr char PageName[] = "TabSheet3";

    void setupUi(QWidget* tab, ToolTabFrame& frame, const TabContext& context);

    QToolButton* newButton;

    QPlainTextEdit* headPane;   // editable
    QPlainTextEdit* scriptPane; // read-only
    QPlainTextEdit* bodyPane;   // editable
    QPlainTextEdit* pagePane;   // the assembled page, never shown

    // "Global Properties"
    QCheckBox* preloadCheck;
    QCheckBox* borderCheck;
    QLabel* borderColourLabel;
    QWidget* borderSwatch;
    QPushButton* borderColourButton;
    QLabel* borderColourText;
    ColourSetting* borderColour;
    QLabel* borderTypeLabel;
    QComboBox* borderTypeBox;
    QLabel* borderSizeLabel;
    QComboBox* borderSizeBox;
    QRadioButton* horizontalRadio;
    QRadioButton* verticalRadio;

    // "Image Properties"
    QLineEdit* initialImageField;
    QLineEdit* mouseOverImageField;
    QLineEdit* statusTextField;
    QLineEdit* altTextField;
    QLineEdit* urlField;
    QPushButton* addImageButton;
    QPushButton* resetButton;

    QPushButton* copyButton;
    QPushButton* clearCodeButton;
    QPushButton* endCodeButton;

private:
    QWidget* buildGlobalProperties(QWidget* tab);
    QWidget* buildImageProperties(QWidget* tab);
    QWidget* buildPanes(QWidget* tab, ToolTabFrame& frame);
};
