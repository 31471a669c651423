#pragma once

#include "widgets/tab_context.h"
#include "widgets/tool_tab_frame.h"

#include <QWidget>
#include <optional>

class ColourSetting;
class FontBox;
class OutputCommands;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolBar;
class QToolButton;
struct DropdownSettings;

// The "Dropdown Menu Maker" tab: a list of menu entries, the style of the
// select box and its button, and the generated page.
class DropdownTab final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DropdownTab)
public:
    explicit DropdownTab(const TabContext& context, QWidget* parent = nullptr);

    // Tool bar.
    QToolBar* ToolBar1;
    QToolButton* ToolButton4; // New
    QToolButton* ToolButton5; // Save As
    QAction* AsHTML1;
    QAction* AsText1;
    QToolButton* ToolButton14; // Print
    QToolButton* ToolButton17; // Options
    QAction* PreviewinBrowser1;
    QAction* MakeRelevantCodeOnly1;
    QAction* MakeAllHTMLCode1;
    QToolButton* ToolButton15; // Help

    // Item properties.
    QLineEdit* Edit3;           // name
    QLineEdit* Edit4;           // URL
    QPushButton* button2;       // Add Item
    QRadioButton* RadioButton1; // Start
    QRadioButton* RadioButton2; // Current Pos
    QRadioButton* RadioButton3; // End

    // The list.
    QListWidget* ListBox1;
    QPushButton* button1; // Delete
    QPushButton* BitBtn5; // Sort
    QPushButton* BitBtn6; // Clear All
    QPushButton* BitBtn7; // Make Code

    // Global properties.
    QPushButton* BitBtn1;
    QLabel* Label5;
    QWidget* Memo1;
    ColourSetting* ColorDialog1;
    QPushButton* BitBtn2;
    QLabel* Label4;
    QWidget* Memo2;
    ColourSetting* ColorDialog2;
    QLabel* Panel1;
    FontBox* FontList;
    QToolButton* ToolButton1; // Bold
    QToolButton* ToolButton2; // Italics
    QToolButton* ToolButton3; // Underline
    QComboBox* ComboBox1;     // font size
    QLineEdit* Edit2;         // GO! button text
    QCheckBox* CheckBox1;     // Invert Button Colors
    QComboBox* ComboBox2;     // border style
    QComboBox* ComboBox3;     // border width

    // Generated code.
    QPlainTextEdit* Memo3;
    QPushButton* BitBtn3; // Copy to Clipboard
    QPushButton* BitBtn8; // Clear Code

    OutputCommands* output;

    // The position of the entry last selected in the list; nothing until the
    // first selection or insertion. Delete, Sort, Clear All and New keep it.
    std::optional<int> Edit5;

public slots:
    void button2Click();
    void Edit3Change();
    void ListBox1Click();
    void button1Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void ToolButton4Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The settings the page is made of, as the controls hold them now.
    DropdownSettings settings() const;

    QToolBar* buildToolBar();
    QWidget* buildItemProperties();
    QWidget* buildList();
    QWidget* buildGlobalProperties();
    QWidget* buildCode();

    // Changes the list without treating it as the user's selection.
    template <typename Change> void changeList(Change change);
    void forgetSelection();
    // The row of the selected entry, or -1.
    int selectedRow() const;

    TabContext context;
    ToolTabFrame frame;
    bool changingList = false;
};
