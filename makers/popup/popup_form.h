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
struct PopupForm {
    // The tab page's objectName, which it has before its controls are built.
    static constexpr char PageName[] = "TabSheet2";

    void setupUi(QWidget* tab, const TabContext& context);

    ToolTabFrame frame;

    QCheckBox* directoriesBox;
    QCheckBox* locationBox;
    QCheckBox* menubarBox;
    QCheckBox* resizableBox;
    QCheckBox* scrollbarsBox;
    QCheckBox* statusbarBox;
    QCheckBox* toolbarBox;
    QLabel* heightLabel;
    SpinEdit* heightSpin;
    QLabel* widthLabel;
    SpinEdit* widthSpin;
    QLabel* leftLabel;
    SpinEdit* leftSpin;
    QLabel* topLabel;
    SpinEdit* topSpin;
    QCheckBox* closeAfterTimeBox;
    QLabel* afterLabel;
    SpinEdit* closeSecondsSpin;
    QLabel* secondsLabel;
    QCheckBox* fullScreenBox;

    QLineEdit* urlField;
    QLabel* statusLabel;
    QLineEdit* statusField;

    QComboBox* eventList;
    QLabel* mediumLabel;
    QComboBox* mediumList;
    QLabel* imagePathLabel;
    QLineEdit* imagePathField;
    QLabel* delayLabel;
    SpinEdit* delaySpin;

    QPlainTextEdit* codePane;
    QPushButton* makeCodeButton;
};
