#pragma once

#include "widgets/tool_tab_frame.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;
struct TabContext;

// The Dropdown tab's widgets, each under the objectName automation knows it
// by. The tab gives them their start values and their behaviour.
struct DropdownForm final {
    void setupUi(QWidget* tab, const TabContext& context);

    ToolTabFrame frame;
    QAction* wholePage = nullptr;

    QLineEdit* nameField = nullptr;
    QLineEdit* urlField = nullptr;
    QPushButton* addEntryButton = nullptr;
    QRadioButton* insertAtCurrent = nullptr;
    QRadioButton* insertAtEnd = nullptr;

    QListWidget* entryList = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* sortButton = nullptr;
    QPushButton* clearAllButton = nullptr;
    QPushButton* makeCodeButton = nullptr;

    QLabel* fontSample = nullptr; // floats over the tab's corner while the font list is open
    QLineEdit* goTextField = nullptr;
    QCheckBox* invertColours = nullptr;

    QPlainTextEdit* codePane = nullptr;
};
