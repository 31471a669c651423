#pragma once

#include "widgets/tool_tab_frame.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class SpinEdit;
struct TabContext;

// The Popup tab's widgets, each under the objectName automation knows it by.
// The tab gives them their start values and their behaviour; the labels are
// here because the enabling rules reach them too.
struct PopupForm final {
    void setupUi(QWidget* tab, const TabContext& context);

    ToolTabFrame frame;

    QCheckBox* directoriesBox = nullptr;
    QCheckBox* locationBox = nullptr;
    QCheckBox* menubarBox = nullptr;
    QCheckBox* resizableBox = nullptr;
    QCheckBox* scrollbarsBox = nullptr;
    QCheckBox* statusbarBox = nullptr;
    QCheckBox* toolbarBox = nullptr;
    QLabel* heightLabel = nullptr;
    SpinEdit* heightSpin = nullptr;
    QLabel* widthLabel = nullptr;
    SpinEdit* widthSpin = nullptr;
    QLabel* leftLabel = nullptr;
    SpinEdit* leftSpin = nullptr;
    QLabel* topLabel = nullptr;
    SpinEdit* topSpin = nullptr;
    QCheckBox* closeAfterTimeBox = nullptr;
    QLabel* afterLabel = nullptr;
    SpinEdit* closeSecondsSpin = nullptr;
    QLabel* secondsLabel = nullptr;
    QCheckBox* fullScreenBox = nullptr;

    QLineEdit* urlField = nullptr;
    QLabel* statusLabel = nullptr;
    QLineEdit* statusField = nullptr;

    QComboBox* eventList = nullptr;
    QLabel* mediumLabel = nullptr;
    QComboBox* mediumList = nullptr;
    QLabel* imagePathLabel = nullptr;
    QLineEdit* imagePathField = nullptr;
    QLabel* delayLabel = nullptr;
    SpinEdit* delaySpin = nullptr;

    QPlainTextEdit* codePane = nullptr;
    QPushButton* makeCodeButton = nullptr;
};
