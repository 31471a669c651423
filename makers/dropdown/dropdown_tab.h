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
    QToolBar* toolBar;
    QToolButton* newButton;
    QToolButton* saveButton;
    QAction* saveAsHtml;
    QAction* saveAsText;
    QToolButton* printButton;
    QToolButton* optionsButton;
    QAction* previewAction;
    QAction* relevantCodeOnly;
    QAction* wholePage;
    QToolButton* helpButton;

    // Item properties.
    QLineEdit* nameField;
    QLineEdit* urlField;
    QPushButton* addEntryButton;
    QRadioButton* insertAtStart;
    QRadioButton* insertAtCurrent;
    QRadioButton* insertAtEnd;

    // The list.
    QListWidget* entryList;
    QPushButton* deleteButton;
    QPushButton* sortButton;
    QPushButton* clearAllButton;
    QPushButton* makeCodeButton;

    // Global properties.
    QPushButton* backgroundButton;
    QLabel* backgroundLabel;
    QWidget* backgroundSwatch;
    ColourSetting* backgroundColour;
    QPushButton* itemColourButton;
    QLabel* itemColourLabel;
    QWidget* itemColourSwatch;
    ColourSetting* itemColour;
    QLabel* fontSample;
    FontBox* fontList;
    QToolButton* boldToggle;
    QToolButton* italicToggle;
    QToolButton* underlineToggle;
    QComboBox* fontSize;
    QLineEdit* goTextField;
    QCheckBox* invertColours;
    QComboBox* borderStyle;
    QComboBox* borderWidth;

    // Generated code.
    QPlainTextEdit* codePane;
    QPushButton* copyButton;
    QPushButton* clearButton;

    OutputCommands* output;

    // The position of the entry last selected in the list; nothing until the
    // first selection or insertion. Delete, Sort, Clear All and New keep it.
    std::optional<int> rememberedRow;

public slots:
    void addEntry();
    void updateAddEntry();
    void rememberSelection();
    void deleteEntry();
    void sortList();
    void clearAll();
    void makeCode();
    void newDocument();

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
