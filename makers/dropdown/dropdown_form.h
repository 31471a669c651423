#pragma once

#include "widgets/tool_tab_frame.h"

class ColourSetting;
class ContrastWarning;
class FontBox;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;
struct TabContext;

// The Dropdown tab's widgets, each under the objectName automation knows it
// by. The tab gives them their start values and their behaviour.
struct DropdownForm final {
    void setupUi(QWidget* tab, const TabContext& context);

    ToolTabFrame frame;
    QAction* relevantCodeOnly = nullptr;
    QAction* wholePage = nullptr;

    QLineEdit* nameField = nullptr;
    QLineEdit* urlField = nullptr;
    QPushButton* addEntryButton = nullptr;
    QRadioButton* insertAtStart = nullptr;
    QRadioButton* insertAtCurrent = nullptr;
    QRadioButton* insertAtEnd = nullptr;

    QListWidget* entryList = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* sortButton = nullptr;
    QPushButton* clearAllButton = nullptr;
    QPushButton* makeCodeButton = nullptr;

    ColourSetting* backgroundColour = nullptr;
    ColourSetting* itemColour = nullptr;
    ContrastWarning* contrastWarning = nullptr; // beside the item colour, while it is hard to read
    QLabel* fontSample = nullptr; // floats over the tab's corner while the font list is open
    FontBox* fontList = nullptr;
    QToolButton* boldToggle = nullptr;
    QToolButton* italicToggle = nullptr;
    QToolButton* underlineToggle = nullptr;
    QComboBox* fontSize = nullptr;
    QLineEdit* goTextField = nullptr;
    QCheckBox* invertColours = nullptr;
    QComboBox* borderStyle = nullptr;
    QComboBox* borderWidth = nullptr;

    QPlainTextEdit* codePane = nullptr;
};
