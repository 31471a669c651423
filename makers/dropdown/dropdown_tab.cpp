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
    setup.pane = Memo3;
    setup.htmlDialog = htmlSaveRequest(QStringLiteral("SaveDialog1"));
    setup.textDialog = textSaveRequest(QStringLiteral("SaveDialog3"));
    setup.preview = OutputSetup::Preview::TemporaryFile;
    setup.recordsHtmlSave = false;
    output = new OutputCommands(std::move(setup), context.folders.userCache, this);
    frame.connectTo(output);

    // The sample panel floats over the tab's top right corner while the font
    // list is open.
    Panel1->raise();

    installDefaultButton(this, button2);
    const QList<QWidget*> tabOrder = {
        Edit3,       Edit4,       RadioButton1, RadioButton2, RadioButton3, button2,   ListBox1,
        button1,     BitBtn5,     BitBtn6,      BitBtn7,      BitBtn1,      BitBtn2,   FontList,
        ToolButton1, ToolButton2, ToolButton3,  ComboBox1,    Edit2,        CheckBox1, ComboBox2,
        ComboBox3,   Memo3,       BitBtn3,      BitBtn8};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

QToolBar* DropdownTab::buildToolBar() {
    frame.buildToolBar(ToolBar, context, this);
    ToolBar1 = frame.bar;
    ToolButton4 = frame.newButton;
    connect(ToolButton4, &QToolButton::clicked, this, &DropdownTab::ToolButton4Click);
    ToolButton5 = frame.saveButton;
    AsHTML1 = frame.saveAs.at(0);
    AsText1 = frame.saveAs.at(1);
    ToolButton14 = frame.printButton;
    ToolButton17 = frame.optionsButton;
    PreviewinBrowser1 = frame.options.at(0);
    ToolButton15 = frame.helpButton;

    // Below the preview, the choice of the whole page or the relevant fragment.
    QMenu* options = frame.optionsMenu;
    options->addSeparator();
    MakeRelevantCodeOnly1 = options->addAction(QStringLiteral("Make Relevant Code Only"));
    MakeRelevantCodeOnly1->setObjectName("MakeRelevantCodeOnly1");
    setHint(MakeRelevantCodeOnly1, QStringLiteral("Make Relevant HTML Code Only"));
    MakeAllHTMLCode1 = options->addAction(QStringLiteral("Make All HTML Code"));
    MakeAllHTMLCode1->setObjectName("MakeAllHTMLCode1");
    setHint(MakeAllHTMLCode1, QStringLiteral("Make All HTML Code"));
    auto* scope = new QActionGroup(options);
    scope->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* choice : {MakeRelevantCodeOnly1, MakeAllHTMLCode1}) {
        choice->setCheckable(true);
        scope->addAction(choice);
    }
    MakeRelevantCodeOnly1->setChecked(true);
    return ToolBar1;
}

QWidget* DropdownTab::buildItemProperties() {
    auto* group = new QGroupBox(QStringLiteral(" Item Properties "), this);
    auto* grid = compact(new QGridLayout(group), GroupDensity);

    Edit3 = oneRowHigh(makeLineEdit("Edit3", group));
    Edit4 = oneRowHigh(makeLineEdit("Edit4", group));
    // Both fields run the same rule.
    connect(Edit3, &QLineEdit::textChanged, this, &DropdownTab::Edit3Change);
    connect(Edit4, &QLineEdit::textChanged, this, &DropdownTab::Edit3Change);
    grid->addWidget(new QLabel(QStringLiteral("Menu Item Name:"), group), 0, 0);
    grid->addWidget(Edit3, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("URL:"), group), 1, 0);
    grid->addWidget(Edit4, 1, 1);

    RadioButton1 = new QRadioButton(QStringLiteral("Start"), group);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Current Pos"), group);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton3 = new QRadioButton(QStringLiteral("End"), group);
    RadioButton3->setObjectName("RadioButton3");
    button2 = oneRowHigh(makeButton("button2", QStringLiteral("&Add Item"),
                                    QStringLiteral("Add Item To Menu"), group));
    button2->setEnabled(false);
    connect(button2, &QPushButton::clicked, this, &DropdownTab::button2Click);
    auto* position = new QHBoxLayout;
    position->setSpacing(6);
    position->addWidget(RadioButton1);
    position->addWidget(RadioButton2);
    position->addWidget(RadioButton3);
    position->addStretch(1);
    position->addWidget(button2);
    grid->addLayout(position, 2, 0, 1, 2);
    return group;
}

QWidget* DropdownTab::buildList() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);

    ListBox1 = new QListWidget(area);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    // The list takes the height the style settings beside it leave.
    ListBox1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!changingList)
            ListBox1Click();
    });
    row->addWidget(ListBox1, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    button1 = oneRowHigh(
        makeButton("button1", QStringLiteral("&Delete"), QStringLiteral("Delete Menu Item"), area));
    button1->setEnabled(false);
    connect(button1, &QPushButton::clicked, this, &DropdownTab::button1Click);
    BitBtn5 = oneRowHigh(makeButton("BitBtn5", QStringLiteral("&Sort"),
                                    QStringLiteral("Sort Menu Items Alphabetically"), area));
    connect(BitBtn5, &QPushButton::clicked, this, &DropdownTab::BitBtn5Click);
    BitBtn6 = oneRowHigh(makeButton("BitBtn6", QStringLiteral("Clear A&ll"),
                                    QStringLiteral("Erase All Menu Items"), area));
    connect(BitBtn6, &QPushButton::clicked, this, &DropdownTab::BitBtn6Click);
    BitBtn7 = oneRowHigh(makeButton("BitBtn7", QStringLiteral("&Make Code"),
                                    QStringLiteral("Generate HTML Code"), area));
    connect(BitBtn7, &QPushButton::clicked, this, &DropdownTab::BitBtn7Click);
    for (QPushButton* button : {button1, BitBtn5, BitBtn6, BitBtn7})
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
    BitBtn1 = addColour(0, QStringLiteral("Menu BG Color:"), "BitBtn1",
                        QStringLiteral("Choose Menu Background Color"), Label5, "Label5", Memo1,
                        "Memo1", Qt::white);
    ColorDialog1 =
        new ColourSetting(QStringLiteral("ColorDialog1"), BitBtn1, Label5, Memo1, Qt::white, this);
    BitBtn2 =
        addColour(1, QStringLiteral("Menu Item Color:"), "BitBtn2",
                  QStringLiteral("Choose Item Color"), Label4, "Label4", Memo2, "Memo2", Qt::black);
    ColorDialog2 =
        new ColourSetting(QStringLiteral("ColorDialog2"), BitBtn2, Label4, Memo2, Qt::black, this);

    Panel1 = makeFontSample(QStringLiteral("Panel1"), this);
    FontList = new FontBox(QStringLiteral("FontList"), Panel1, group);
    FontList->setFixedHeight(RowHeight);
    FontList->setMinimumContentsLength(12);
    FontList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    grid->addWidget(new QLabel(QStringLiteral("Font:"), group), 2, 0);
    grid->addWidget(FontList, 2, 1);

    ToolButton1 = makeStyleToggle("ToolButton1", QStringLiteral("B"), QStringLiteral("Bold"),
                                  &QFont::setBold, ToggleFrame::Flat, group);
    ToolButton2 = makeStyleToggle("ToolButton2", QStringLiteral("I"), QStringLiteral("Italics"),
                                  &QFont::setItalic, ToggleFrame::Flat, group);
    ToolButton3 = makeStyleToggle("ToolButton3", QStringLiteral("U"), QStringLiteral("Underline"),
                                  &QFont::setUnderline, ToggleFrame::Flat, group);
    ComboBox1 = oneRowHigh(
        makeComboBox("ComboBox1", numberList(1, 72), defaults.size, group, Typing::Editable));
    ComboBox1->setFixedWidth(56);
    auto* style = new QHBoxLayout;
    style->setSpacing(2);
    style->addWidget(ToolButton1);
    style->addWidget(ToolButton2);
    style->addWidget(ToolButton3);
    style->addStretch(1);
    style->addWidget(new QLabel(QStringLiteral("Size:"), group));
    style->addWidget(ComboBox1);
    grid->addLayout(style, 3, 1);

    Edit2 = oneRowHigh(makeLineEdit("Edit2", group, defaults.goText));
    grid->addWidget(new QLabel(QStringLiteral("GO! Button Text:"), group), 4, 0);
    grid->addWidget(Edit2, 4, 1);

    CheckBox1 = makeCheckBox("CheckBox1", QStringLiteral("Invert Button Colors"), group);
    grid->addWidget(CheckBox1, 5, 0, 1, 2);

    ComboBox2 = oneRowHigh(
        makeComboBox("ComboBox2",
                     {QStringLiteral("Solid"), QStringLiteral("Double"), QStringLiteral("Dotted"),
                      QStringLiteral("Dashed"), QStringLiteral("Groove"), QStringLiteral("Ridge"),
                      QStringLiteral("Inset"), QStringLiteral("Outset")},
                     defaults.border, group));
    ComboBox3 =
        oneRowHigh(makeComboBox("ComboBox3", numberList(1, 25), defaults.borderWidth, group));
    ComboBox3->setFixedWidth(56);
    auto* border = new QHBoxLayout;
    border->setSpacing(4);
    border->addWidget(ComboBox2, 1);
    border->addWidget(new QLabel(QStringLiteral("Size:"), group));
    border->addWidget(ComboBox3);
    grid->addWidget(new QLabel(QStringLiteral("Border:"), group), 6, 0);
    grid->addLayout(border, 6, 1);
    return group;
}

QWidget* DropdownTab::buildCode() {
    QWidget* area = frame.buildCodeArea(CodeArea, this);
    Memo3 = frame.pane;
    Memo3->setPlainText(QStringLiteral("\n"));
    BitBtn3 = frame.codeButtons.at(0);
    BitBtn8 = frame.codeButtons.at(1);
    return area;
}

void DropdownTab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Panel1->move(width() - Panel1->width() - 6, ToolBar1->geometry().bottom() + 2);
}

template <typename Change> void DropdownTab::changeList(Change change) {
    changingList = true;
    change();
    changingList = false;
}

void DropdownTab::forgetSelection() {
    changeList([this] {
        ListBox1->clearSelection();
        ListBox1->setCurrentRow(-1);
    });
    button1->setEnabled(false);
}

DropdownSettings DropdownTab::settings() const {
    DropdownSettings s;
    s.background = ColorDialog1->text();
    s.itemColour = ColorDialog2->text();
    s.font = FontList->currentText();
    s.size = ComboBox1->currentText();
    s.bold = ToolButton1->isChecked();
    s.italic = ToolButton2->isChecked();
    s.underline = ToolButton3->isChecked();
    s.goText = Edit2->text();
    s.border = ComboBox2->currentText();
    s.borderWidth = ComboBox3->currentText();
    s.invertButton = CheckBox1->isChecked();
    s.fullPage = MakeAllHTMLCode1->isChecked();
    s.entries.reserve(ListBox1->count());
    for (int row = 0; row < ListBox1->count(); ++row)
        s.entries << ListBox1->item(row)->text();
    return s;
}

void DropdownTab::Edit3Change() {
    button2->setEnabled(!Edit3->text().isEmpty() && !Edit4->text().isEmpty());
}

void DropdownTab::button2Click() {
    const QString name = Edit3->text();
    const QString url = Edit4->text();
    if (name.isEmpty() || url.isEmpty())
        return;
    // The GO! text is checked too: a quote there would break the button line.
    if (hasForbiddenCharacters(url) || hasForbiddenCharacters(name) ||
        hasForbiddenCharacters(Edit2->text())) {
        desktop().notice(
            NoticeKind::Error,
            QStringLiteral(
                "The item name or URL may not contain quotation marks or square brackets!"));
        return;
    }
    if (!Edit5)
        Edit5 = 0;
    int row = 0;
    if (RadioButton2->isChecked()) {
        // The remembered entry may have gone since it was selected.
        if (*Edit5 < 0 || *Edit5 > ListBox1->count()) {
            desktop().notice(NoticeKind::Error, QStringLiteral("Unable to insert a line."));
            return;
        }
        row = *Edit5;
    } else if (RadioButton3->isChecked()) {
        row = ListBox1->count();
    }
    changeList([&] { ListBox1->insertItem(row, entryText(name, url)); });
    forgetSelection();
    Edit3->clear();
    Edit4->clear();
    Edit3->setFocus();
}

int DropdownTab::selectedRow() const {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? -1 : ListBox1->row(selected.first());
}

void DropdownTab::ListBox1Click() {
    const int row = selectedRow();
    if (row < 0)
        return;
    Edit5 = row;
    button1->setEnabled(true);
}

void DropdownTab::button1Click() {
    if (!desktop().confirm(QStringLiteral("Are you sure you want to delete the selected item?")))
        return;
    if (Edit5 && *Edit5 == selectedRow())
        changeList([this] { delete ListBox1->takeItem(*Edit5); });
    forgetSelection();
}

void DropdownTab::BitBtn5Click() {
    QStringList entries;
    entries.reserve(ListBox1->count());
    for (int row = 0; row < ListBox1->count(); ++row)
        entries << ListBox1->item(row)->text();
    sortEntries(entries);
    // The selection stays at its position, whichever entry now stands there.
    const int selected = selectedRow();
    changeList([&] {
        ListBox1->clear();
        ListBox1->addItems(entries);
        if (selected >= 0)
            ListBox1->setCurrentRow(selected);
    });
}

void DropdownTab::BitBtn6Click() {
    if (!desktop().confirm(QStringLiteral("Are you sure you want to erase ALL menu items?")))
        return;
    changeList([this] { ListBox1->clear(); });
    forgetSelection();
}

void DropdownTab::BitBtn7Click() {
    if (ListBox1->count() == 0)
        desktop().notice(NoticeKind::Warning,
                         QStringLiteral("This is just a message to inform you that there are no "
                                        "items in your list. The code will be generated anyway."));
    if (Edit2->text().isEmpty())
        Edit2->setText(defaults.goText);
    const QStringList lines =
        context.modern() ? modernDropdownPage(settings()) : dropdownPage(settings());
    replacePaneText(*Memo3, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void DropdownTab::ToolButton4Click() {
    if (!desktop().confirm(
            QStringLiteral("Are you sure you want to erase all fields and start a new document?")))
        return;
    output->clearCode();
    changeList([this] { ListBox1->clear(); });
    forgetSelection();
    RadioButton1->setChecked(true);
    Edit4->clear();
    Edit3->clear();
    Edit2->setText(defaults.goText);
    selectText(ComboBox1, defaults.size);
    for (QToolButton* toggle : {ToolButton1, ToolButton2, ToolButton3})
        toggle->setChecked(false);
    FontList->setEditText(defaults.font);
    ColorDialog1->restoreDefault();
    ColorDialog2->restoreDefault();
    selectText(ComboBox2, defaults.border);
    selectText(ComboBox3, defaults.borderWidth);
}
