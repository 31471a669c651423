#include "makers/dropdown/dropdown_tab.h"

#include "makers/dropdown/dropdown_modern_page.h"
#include "widgets/colour_setting.h"
#include "widgets/default_button.h"
#include "widgets/desktop.h"
#include "widgets/font_box.h"
#include "widgets/form_parts.h"
#include "widgets/hint.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

namespace {

// The settings a new document starts with.
const DropdownSettings defaults;

const ToolBarRow ToolBar = {.bar = "ToolBar1",
                            .newButton = "ToolButton4",
                            .saveButton = "ToolButton5",
                            .saveAs = {saveAsHtmlEntry("AsHTML1"), saveAsTextEntry("AsText1")},
                            .saveOnPlainClick = true,
                            .printButton = "ToolButton14",
                            .optionsButton = "ToolButton17",
                            .options = {previewEntry("PreviewinBrowser1", "temp.html")},
                            .helpButton = "ToolButton15",
                            .helpEntry = "Help2",
                            .aboutEntry = "About1",
                            .helpPage = 1};

// The tab has little room: every field, list and button is one short row.
constexpr int RowHeight = 22;

const CodeAreaRow CodeArea = {
    .pane = "Memo3",
    .buttons = {copyCodeButton("BitBtn3", "C&opy to Clipboard"), clearCodeButton("BitBtn8")},
    .buttonSpacing = 2,
    .buttonHeight = RowHeight};

const Density GroupDensity = {{6, 2, 6, 4}, 4, 2};

template <class Widget> Widget* oneRowHigh(Widget* widget) {
    widget->setFixedHeight(RowHeight);
    return widget;
}

void selectText(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text));
    if (combo->isEditable())
        combo->setEditText(text);
}

} // namespace

DropdownTab::DropdownTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), context(tabContext) {
    setObjectName("TabSheet1");

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 2, 4, 4);
    page->setSpacing(3);
    page->addWidget(buildToolBar());

    auto* upper = new QHBoxLayout;
    upper->setSpacing(6);
    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    left->addWidget(buildItemProperties());
    left->addWidget(buildList(), 1);
    upper->addLayout(left, 1);
    upper->addWidget(buildGlobalProperties());
    page->addLayout(upper);
    page->addWidget(buildCode(), 1);

    OutputSetup setup;
    setup.pane = codePane;
    setup.htmlDialog = htmlSaveRequest(QStringLiteral("SaveDialog1"));
    setup.textDialog = textSaveRequest(QStringLiteral("SaveDialog3"));
    setup.preview = OutputSetup::Preview::TemporaryFile;
    setup.recordsHtmlSave = false;
    output = new OutputCommands(std::move(setup), context.folders.userCache, this);
    frame.connectTo(output);

    // The sample panel floats over the tab's top right corner while the font
    // list is open.
    fontSample->raise();

    installDefaultButton(this, addEntryButton);
    const QList<QWidget*> tabOrder = {
        nameField,      urlField,         insertAtStart,    insertAtCurrent, insertAtEnd,
        addEntryButton, entryList,        deleteButton,     sortButton,      clearAllButton,
        makeCodeButton, backgroundButton, itemColourButton, fontList,        boldToggle,
        italicToggle,   underlineToggle,  fontSize,         goTextField,     invertColours,
        borderStyle,    borderWidth,      codePane,         copyButton,      clearButton};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

QToolBar* DropdownTab::buildToolBar() {
    frame.buildToolBar(ToolBar, context, this);
    toolBar = frame.bar;
    newButton = frame.newButton;
    connect(newButton, &QToolButton::clicked, this, &DropdownTab::newDocument);
    saveButton = frame.saveButton;
    saveAsHtml = frame.saveAs.at(0);
    saveAsText = frame.saveAs.at(1);
    printButton = frame.printButton;
    optionsButton = frame.optionsButton;
    previewAction = frame.options.at(0);
    helpButton = frame.helpButton;

    // Below the preview, the choice of the whole page or the relevant fragment.
    QMenu* options = frame.optionsMenu;
    options->addSeparator();
    relevantCodeOnly = options->addAction(QStringLiteral("Make Relevant Code Only"));
    relevantCodeOnly->setObjectName("MakeRelevantCodeOnly1");
    setHint(relevantCodeOnly, QStringLiteral("Make Relevant HTML Code Only"));
    wholePage = options->addAction(QStringLiteral("Make All HTML Code"));
    wholePage->setObjectName("MakeAllHTMLCode1");
    setHint(wholePage, QStringLiteral("Make All HTML Code"));
    auto* scope = new QActionGroup(options);
    scope->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* choice : {relevantCodeOnly, wholePage}) {
        choice->setCheckable(true);
        scope->addAction(choice);
    }
    relevantCodeOnly->setChecked(true);
    return toolBar;
}

QWidget* DropdownTab::buildItemProperties() {
    auto* group = new QGroupBox(QStringLiteral(" Item Properties "), this);
    auto* grid = compact(new QGridLayout(group), GroupDensity);

    nameField = oneRowHigh(makeLineEdit("Edit3", group));
    urlField = oneRowHigh(makeLineEdit("Edit4", group));
    // Both fields run the same rule.
    connect(nameField, &QLineEdit::textChanged, this, &DropdownTab::updateAddEntry);
    connect(urlField, &QLineEdit::textChanged, this, &DropdownTab::updateAddEntry);
    grid->addWidget(new QLabel(QStringLiteral("Menu Item Name:"), group), 0, 0);
    grid->addWidget(nameField, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("URL:"), group), 1, 0);
    grid->addWidget(urlField, 1, 1);

    insertAtStart = new QRadioButton(QStringLiteral("Start"), group);
    insertAtStart->setObjectName("RadioButton1");
    insertAtStart->setChecked(true);
    insertAtCurrent = new QRadioButton(QStringLiteral("Current Pos"), group);
    insertAtCurrent->setObjectName("RadioButton2");
    insertAtEnd = new QRadioButton(QStringLiteral("End"), group);
    insertAtEnd->setObjectName("RadioButton3");
    addEntryButton = oneRowHigh(makeButton("button2", QStringLiteral("&Add Item"),
                                           QStringLiteral("Add Item To Menu"), group));
    addEntryButton->setEnabled(false);
    connect(addEntryButton, &QPushButton::clicked, this, &DropdownTab::addEntry);
    auto* position = new QHBoxLayout;
    position->setSpacing(6);
    position->addWidget(insertAtStart);
    position->addWidget(insertAtCurrent);
    position->addWidget(insertAtEnd);
    position->addStretch(1);
    position->addWidget(addEntryButton);
    grid->addLayout(position, 2, 0, 1, 2);
    return group;
}

QWidget* DropdownTab::buildList() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);

    entryList = new QListWidget(area);
    entryList->setObjectName("ListBox1");
    entryList->setSelectionMode(QAbstractItemView::SingleSelection);
    entryList->setUniformItemSizes(true);
    // The list takes the height the style settings beside it leave.
    entryList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    connect(entryList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!changingList)
            rememberSelection();
    });
    row->addWidget(entryList, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    deleteButton = oneRowHigh(
        makeButton("button1", QStringLiteral("&Delete"), QStringLiteral("Delete Menu Item"), area));
    deleteButton->setEnabled(false);
    connect(deleteButton, &QPushButton::clicked, this, &DropdownTab::deleteEntry);
    sortButton = oneRowHigh(makeButton("BitBtn5", QStringLiteral("&Sort"),
                                       QStringLiteral("Sort Menu Items Alphabetically"), area));
    connect(sortButton, &QPushButton::clicked, this, &DropdownTab::sortList);
    clearAllButton = oneRowHigh(makeButton("BitBtn6", QStringLiteral("Clear A&ll"),
                                           QStringLiteral("Erase All Menu Items"), area));
    connect(clearAllButton, &QPushButton::clicked, this, &DropdownTab::clearAll);
    makeCodeButton = oneRowHigh(makeButton("BitBtn7", QStringLiteral("&Make Code"),
                                           QStringLiteral("Generate HTML Code"), area));
    connect(makeCodeButton, &QPushButton::clicked, this, &DropdownTab::makeCode);
    for (QPushButton* button : {deleteButton, sortButton, clearAllButton, makeCodeButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    row->addLayout(buttons);
    return area;
}

QWidget* DropdownTab::buildGlobalProperties() {
    auto* group = new QGroupBox(QStringLiteral(" Global Properties "), this);
    group->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* grid = compact(new QGridLayout(group), GroupDensity);

    // Each colour: its caption, the button that opens its dialog, the
    // HtmlColor text the page inserts and a swatch.
    const auto addColour = [&](int row, const QString& caption, const char* buttonName,
                               const QString& hint, QLabel*& label, const char* labelName,
                               QWidget*& swatch, const char* swatchName, const QColor& colour) {
        auto* button = makeButton(buttonName, QStringLiteral("..."), hint, group);
        button->setFixedWidth(28);
        label = new QLabel(group);
        label->setObjectName(QLatin1String(labelName));
        swatch = makeSwatch(QLatin1String(swatchName), colour, group);
        auto* line = new QHBoxLayout;
        line->setSpacing(4);
        line->addWidget(button);
        line->addWidget(label);
        line->addSpacing(4);
        line->addWidget(swatch);
        line->addStretch(1);
        grid->addWidget(new QLabel(caption, group), row, 0);
        grid->addLayout(line, row, 1);
        return button;
    };
    backgroundButton = addColour(0, QStringLiteral("Menu BG Color:"), "BitBtn1",
                                 QStringLiteral("Choose Menu Background Color"), backgroundLabel,
                                 "Label5", backgroundSwatch, "Memo1", Qt::white);
    backgroundColour = new ColourSetting(QStringLiteral("ColorDialog1"), backgroundButton,
                                         backgroundLabel, backgroundSwatch, Qt::white, this);
    itemColourButton = addColour(1, QStringLiteral("Menu Item Color:"), "BitBtn2",
                                 QStringLiteral("Choose Item Color"), itemColourLabel, "Label4",
                                 itemColourSwatch, "Memo2", Qt::black);
    itemColour = new ColourSetting(QStringLiteral("ColorDialog2"), itemColourButton,
                                   itemColourLabel, itemColourSwatch, Qt::black, this);

    fontSample = makeFontSample(QStringLiteral("Panel1"), this);
    fontList = new FontBox(QStringLiteral("FontList"), fontSample, group);
    fontList->setFixedHeight(RowHeight);
    fontList->setMinimumContentsLength(12);
    fontList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    grid->addWidget(new QLabel(QStringLiteral("Font:"), group), 2, 0);
    grid->addWidget(fontList, 2, 1);

    boldToggle = makeStyleToggle("ToolButton1", QStringLiteral("B"), QStringLiteral("Bold"),
                                 &QFont::setBold, ToggleFrame::Flat, group);
    italicToggle = makeStyleToggle("ToolButton2", QStringLiteral("I"), QStringLiteral("Italics"),
                                   &QFont::setItalic, ToggleFrame::Flat, group);
    underlineToggle =
        makeStyleToggle("ToolButton3", QStringLiteral("U"), QStringLiteral("Underline"),
                        &QFont::setUnderline, ToggleFrame::Flat, group);
    fontSize = oneRowHigh(
        makeComboBox("ComboBox1", numberList(1, 72), defaults.size, group, Typing::Editable));
    fontSize->setFixedWidth(56);
    auto* style = new QHBoxLayout;
    style->setSpacing(2);
    style->addWidget(boldToggle);
    style->addWidget(italicToggle);
    style->addWidget(underlineToggle);
    style->addStretch(1);
    style->addWidget(new QLabel(QStringLiteral("Size:"), group));
    style->addWidget(fontSize);
    grid->addLayout(style, 3, 1);

    goTextField = oneRowHigh(makeLineEdit("Edit2", group, defaults.goText));
    grid->addWidget(new QLabel(QStringLiteral("GO! Button Text:"), group), 4, 0);
    grid->addWidget(goTextField, 4, 1);

    invertColours = makeCheckBox("CheckBox1", QStringLiteral("Invert Button Colors"), group);
    grid->addWidget(invertColours, 5, 0, 1, 2);

    borderStyle = oneRowHigh(
        makeComboBox("ComboBox2",
                     {QStringLiteral("Solid"), QStringLiteral("Double"), QStringLiteral("Dotted"),
                      QStringLiteral("Dashed"), QStringLiteral("Groove"), QStringLiteral("Ridge"),
                      QStringLiteral("Inset"), QStringLiteral("Outset")},
                     defaults.border, group));
    borderWidth =
        oneRowHigh(makeComboBox("ComboBox3", numberList(1, 25), defaults.borderWidth, group));
    borderWidth->setFixedWidth(56);
    auto* border = new QHBoxLayout;
    border->setSpacing(4);
    border->addWidget(borderStyle, 1);
    border->addWidget(new QLabel(QStringLiteral("Size:"), group));
    border->addWidget(borderWidth);
    grid->addWidget(new QLabel(QStringLiteral("Border:"), group), 6, 0);
    grid->addLayout(border, 6, 1);
    return group;
}

QWidget* DropdownTab::buildCode() {
    QWidget* area = frame.buildCodeArea(CodeArea, this);
    codePane = frame.pane;
    codePane->setPlainText(QStringLiteral("\n"));
    copyButton = frame.codeButtons.at(0);
    clearButton = frame.codeButtons.at(1);
    return area;
}

void DropdownTab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fontSample->move(width() - fontSample->width() - 6, toolBar->geometry().bottom() + 2);
}

template <typename Change> void DropdownTab::changeList(Change change) {
    changingList = true;
    change();
    changingList = false;
}

void DropdownTab::forgetSelection() {
    changeList([this] {
        entryList->clearSelection();
        entryList->setCurrentRow(-1);
    });
    deleteButton->setEnabled(false);
}

DropdownSettings DropdownTab::settings() const {
    DropdownSettings s;
    s.background = backgroundColour->text();
    s.itemColour = itemColour->text();
    s.font = fontList->currentText();
    s.size = fontSize->currentText();
    s.bold = boldToggle->isChecked();
    s.italic = italicToggle->isChecked();
    s.underline = underlineToggle->isChecked();
    s.goText = goTextField->text();
    s.border = borderStyle->currentText();
    s.borderWidth = borderWidth->currentText();
    s.invertButton = invertColours->isChecked();
    s.fullPage = wholePage->isChecked();
    s.entries.reserve(entryList->count());
    for (int row = 0; row < entryList->count(); ++row)
        s.entries << entryList->item(row)->text();
    return s;
}

void DropdownTab::updateAddEntry() {
    addEntryButton->setEnabled(!nameField->text().isEmpty() && !urlField->text().isEmpty());
}

void DropdownTab::addEntry() {
    const QString name = nameField->text();
    const QString url = urlField->text();
    if (name.isEmpty() || url.isEmpty())
        return;
    // The GO! text is checked too: a quote there would break the button line.
    if (hasForbiddenCharacters(url) || hasForbiddenCharacters(name) ||
        hasForbiddenCharacters(goTextField->text())) {
        desktop().notice(
            NoticeKind::Error,
            QStringLiteral(
                "The item name or URL may not contain quotation marks or square brackets!"));
        return;
    }
    if (!rememberedRow)
        rememberedRow = 0;
    int row = 0;
    if (insertAtCurrent->isChecked()) {
        // The remembered entry may have gone since it was selected.
        if (*rememberedRow < 0 || *rememberedRow > entryList->count()) {
            desktop().notice(NoticeKind::Error, QStringLiteral("Unable to insert a line."));
            return;
        }
        row = *rememberedRow;
    } else if (insertAtEnd->isChecked()) {
        row = entryList->count();
    }
    changeList([&] { entryList->insertItem(row, entryText(name, url)); });
    forgetSelection();
    nameField->clear();
    urlField->clear();
    nameField->setFocus();
}

int DropdownTab::selectedRow() const {
    const QList<QListWidgetItem*> selected = entryList->selectedItems();
    return selected.isEmpty() ? -1 : entryList->row(selected.first());
}

void DropdownTab::rememberSelection() {
    const int row = selectedRow();
    if (row < 0)
        return;
    rememberedRow = row;
    deleteButton->setEnabled(true);
}

void DropdownTab::deleteEntry() {
    if (!desktop().confirm(QStringLiteral("Are you sure you want to delete the selected item?")))
        return;
    if (rememberedRow && *rememberedRow == selectedRow())
        changeList([this] { delete entryList->takeItem(*rememberedRow); });
    forgetSelection();
}

void DropdownTab::sortList() {
    QStringList entries;
    entries.reserve(entryList->count());
    for (int row = 0; row < entryList->count(); ++row)
        entries << entryList->item(row)->text();
    sortEntries(entries);
    // The selection stays at its position, whichever entry now stands there.
    const int selected = selectedRow();
    changeList([&] {
        entryList->clear();
        entryList->addItems(entries);
        if (selected >= 0)
            entryList->setCurrentRow(selected);
    });
}

void DropdownTab::clearAll() {
    if (!desktop().confirm(QStringLiteral("Are you sure you want to erase ALL menu items?")))
        return;
    changeList([this] { entryList->clear(); });
    forgetSelection();
}

void DropdownTab::makeCode() {
    if (entryList->count() == 0)
        desktop().notice(NoticeKind::Warning,
                         QStringLiteral("This is just a message to inform you that there are no "
                                        "items in your list. The code will be generated anyway."));
    if (goTextField->text().isEmpty())
        goTextField->setText(defaults.goText);
    const QStringList lines =
        context.modern() ? modernDropdownPage(settings()) : dropdownPage(settings());
    replacePaneText(*codePane, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void DropdownTab::newDocument() {
    if (!desktop().confirm(
            QStringLiteral("Are you sure you want to erase all fields and start a new document?")))
        return;
    output->clearCode();
    changeList([this] { entryList->clear(); });
    forgetSelection();
    insertAtStart->setChecked(true);
    urlField->clear();
    nameField->clear();
    goTextField->setText(defaults.goText);
    selectText(fontSize, defaults.size);
    for (QToolButton* toggle : {boldToggle, italicToggle, underlineToggle})
        toggle->setChecked(false);
    fontList->setEditText(defaults.font);
    backgroundColour->restoreDefault();
    itemColour->restoreDefault();
    selectText(borderStyle, defaults.border);
    selectText(borderWidth, defaults.borderWidth);
}
