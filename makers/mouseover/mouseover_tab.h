#pragma once

#include "makers/mouseover/mouseover_modern_page.h"
#include "widgets/tab_context.h"
#include "widgets/tool_tab_frame.h"

#include <QWidget>

class ColourSetting;
class OutputCommands;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolBar;
class QToolButton;

// The "MouseOver Button Maker" tab: a page under construction in a head, a
// script and a body pane. Add Image appends one button at a time; Copy, Save
// and Print first assemble the three panes into the hidden page pane.
class MouseOverTab final : public QWidget {
    Q_OBJECT
public:
    explicit MouseOverTab(const TabContext& context, QWidget* parent = nullptr);

    // Saved-page memory for Preview: "No" until saved as HTML, then "Yes",
    // and the path of the file last saved as HTML. New leaves both alone.
    QString Edit17() const;
    QString filena() const;

    QToolBar* ToolBar4;
    QToolButton* ToolButton32;
    QToolButton* ToolButton33;
    QAction* AsHTML3;
    QAction* AsText3;
    QToolButton* ToolButton42;
    QToolButton* ToolButton44;
    QAction* Preview2;

    QPlainTextEdit* Memo6; // head, editable
    QPlainTextEdit* Memo7; // script, read-only
    QPlainTextEdit* Memo8; // body, editable
    QPlainTextEdit* Memo9; // the assembled page, never shown

    QCheckBox* CheckBox11;
    QCheckBox* CheckBox12;
    QWidget* Memo5;
    QPushButton* BitBtn11;
    QLabel* Label29;
    QComboBox* ComboBox6;
    QComboBox* ComboBox7;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;

    QLineEdit* Edit10;
    QLineEdit* Edit11;
    QLineEdit* Edit12;
    QLineEdit* Edit13;
    QLineEdit* Edit14;
    QPushButton* BitBtn14;
    QPushButton* BitBtn15;

    QPushButton* BitBtn12;
    QPushButton* BitBtn13;
    QPushButton* BitBtn16;

public slots:
    void CheckBox11Click();
    void CheckBox12Click();
    void Edit10Change();
    void Edit11Change() { Edit10Change(); }
    void BitBtn15Click();
    void BitBtn13Click();
    void BitBtn16Click();
    void ToolButton32Click();
    void BitBtn14Click();

private:
    QWidget* buildGlobalProperties();
    QWidget* buildImageProperties();
    QWidget* buildPanes();
    void buildToolBar();
    MouseOverSettings readSettings() const;
    void emptyImageFields();
    void assemble();
    // Writes the head and script panes of a new document of the kind the
    // output choice now asks for.
    void startDocument();
    void followOutputChoice(bool modern);

    TabContext context;
    MouseOverDocument document;
    ToolTabFrame frame;
    ColourSetting* ColorDialog3;
    OutputCommands* outputs;
    QLabel* borderColourLabel;
    QLabel* borderTypeLabel;
    QLabel* borderSizeLabel;

    // Buttons and preload objects added since the last New.
    qint64 Edit15 = 0;
    qint64 Edit16 = 0;
};
