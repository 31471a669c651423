#pragma once

#include "widgets/tool_tab_frame.h"

class ColourSetting;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;
struct TabContext;

// The widgets of the "MouseOver Button Maker" tab, named for their roles.
// setupUi builds them into the tab with the objectNames the program is
// addressed by; the tab keeps the behaviour.
struct MouseOverForm final {
    void setupUi(QWidget* tab, const TabContext& context);

    // The tool bar, and the buttons below the panes.
    ToolTabFrame frame;

    QPlainTextEdit* headPane = nullptr;   // editable
    QPlainTextEdit* scriptPane = nullptr; // read-only
    QPlainTextEdit* bodyPane = nullptr;   // editable
    QPlainTextEdit* pagePane = nullptr;   // the assembled page, never shown

    // "Global Properties"
    QCheckBox* preloadCheck = nullptr;
    QCheckBox* borderCheck = nullptr;
    QLabel* borderColourLabel = nullptr;
    ColourSetting* borderColour = nullptr;
    QLabel* borderTypeLabel = nullptr;
    QComboBox* borderTypeBox = nullptr;
    QLabel* borderSizeLabel = nullptr;
    QComboBox* borderSizeBox = nullptr;
    QRadioButton* horizontalRadio = nullptr;
    QRadioButton* verticalRadio = nullptr;

    // "Image Properties"
    QLineEdit* initialImageField = nullptr;
    QLineEdit* mouseOverImageField = nullptr;
    QLineEdit* statusTextField = nullptr;
    QLineEdit* altTextField = nullptr;
    QLineEdit* urlField = nullptr;
    QPushButton* addImageButton = nullptr;
    QPushButton* resetButton = nullptr;

    QPushButton* copyButton = nullptr;
    QPushButton* clearCodeButton = nullptr;
    QPushButton* endCodeButton = nullptr;

private:
    QWidget* buildGlobalProperties(QWidget* tab);
    QWidget* buildImageProperties(QWidget* tab);
    QWidget* buildPanes(QWidget* tab);
};
