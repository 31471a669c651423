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
struct DropdownForm {
    void setupUi(QWidget* tab, const TabContext& context);

    ToolTabFrame frame;
    QAction* relevantCodeOnly;
    QAction* wholePage;

    QLineEdit* nameField;
    QLineEdit* urlField;
    QPushButton* addEntryButton;
    QRadioButton* insertAtStart;
    QRadioButton* insertAtCurrent;
    QRadioButton* insertAtEnd;

    QListWidget* entryList;
    QPushButton* deleteButton;
    QPushButton* sortButton;
    QPushButton* clearAllButton;
    QPushButton* makeCodeButton;

    QPushButton* backgroundButton;
    ColourSetting* backgroundColour;
    QPushButton* itemColourButton;
    ColourSetting* itemColour;
    ContrastWarning* contrastWarning; // beside the item colour, while it is hard to read
    QLabel* fontSample;               // floats over the tab's corner while the font list is open
    FontBox* fontList;
    QToolButton* boldToggle;
    QToolButton* italicToggle;
    QToolButton* underlineToggle;
    QComboBox* fontSize;
    QLineEdit* goTextField;
    QCheckBox* invertColours;
    QComboBox* borderStyle;
    QComboBox* borderWidth;

    QPlainTextEdit* codePane;
};
