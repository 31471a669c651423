#include "makers/dropdown/dropdown_form.h"

#include "core/field_table.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/dropdown/dropdown_page.h"
#include "widgets/colour_setting.h"
#include "widgets/contrast_warning.h"
#include "widgets/control_factory.h"
#include "widgets/density.h"
#include "widgets/font_box.h"
#include "widgets/form_grid.h"
#include "widgets/hint.h"
#include "widgets/list_values.h"
#include "widgets/tab_chain.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

using namespace dropdown;

namespace {

const ToolBarRow ToolBar = {
    .bar = controls::ToolBar,
    .newButton = controls::NewButton,
    .saveButton = controls::SaveButton,
    .saveAs = {saveAsHtmlEntry(controls::SaveAsHtml), saveAsTextEntry(controls::SaveAsText)},
    .saveOnPlainClick = true,
    .printButton = controls::PrintButton,
    .optionsButton = controls::OptionsButton,
    .options = {previewEntry(controls::Preview, "temp.html")},
    .helpButton = controls::HelpButton,
    .helpEntry = controls::HelpEntry,
    .aboutEntry = controls::AboutEntry,
    .helpPage = 1,
    .flush = true};

const CodeAreaRow CodeArea = {
    .pane = fields::Code,
    .buttons = {copyCodeButton(controls::CopyCode,
                               QT_TRANSLATE_NOOP("ToolTab", "C&opy to Clipboard")),
                clearCodeButton(controls::ClearCode)},
    .buttonSpacing = 2};

const Density GroupDensity = {{4, 2, 4, 4}, 4, 2};

// Wide enough for two digits, and for the arrow beside them at any font.
void fitTwoDigits(QComboBox* combo) {
    combo->setFixedWidth(qMax(56, combo->minimumSizeHint().width()));
}

// Below the preview, the choice of the whole page or the relevant fragment.
void addScopeChoice(DropdownForm& ui) {
    QMenu* options = ui.frame.optionsMenu;
    options->addSeparator();
    QAction* relevantCodeOnly =
        options->addAction(QCoreApplication::translate("Dropdown", "Make Relevant Code Only"));
    relevantCodeOnly->setObjectName(fields::RelevantCodeOnly);
    setHint(relevantCodeOnly,
            QCoreApplication::translate("Dropdown", "Make Relevant HTML Code Only"));
    ui.wholePage =
        options->addAction(QCoreApplication::translate("Dropdown", "Make All HTML Code"));
    ui.wholePage->setObjectName(fields::WholePage);
    setHint(ui.wholePage, QCoreApplication::translate("Dropdown", "Make All HTML Code"));
    auto* scope = new QActionGroup(options);
    scope->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* choice : {relevantCodeOnly, ui.wholePage}) {
        choice->setCheckable(true);
        scope->addAction(choice);
    }
}

QWidget* buildItemProperties(DropdownForm& ui, QList<QWidget*>& chain, QWidget* tab) {
    auto* group = new QGroupBox(QCoreApplication::translate("Dropdown", " Item Properties "), tab);
    FormGrid grid(compact(new QGridLayout(group), GroupDensity), group);

    ui.nameField = makeLineEdit(fields::ItemName, group);
    ui.urlField = makeLineEdit(fields::ItemUrl, group);
    grid.row(QCoreApplication::translate("Dropdown", "Menu Item Name:"), ui.nameField);
    grid.row(QCoreApplication::translate("Dropdown", "URL:"), ui.urlField);

    auto* insertAtStart = new QRadioButton(QCoreApplication::translate("Dropdown", "Start"), group);
    insertAtStart->setObjectName(fields::InsertAtStart);
    insertAtStart->setChecked(true);
    ui.insertAtCurrent =
        new QRadioButton(QCoreApplication::translate("Dropdown", "Current Pos"), group);
    ui.insertAtCurrent->setObjectName(fields::InsertAtCurrent);
    ui.insertAtEnd = new QRadioButton(QCoreApplication::translate("Dropdown", "End"), group);
    ui.insertAtEnd->setObjectName(fields::InsertAtEnd);
    ui.addEntryButton =
        makeButton(controls::AddEntry, QCoreApplication::translate("Dropdown", "&Add Item"),
                   QCoreApplication::translate("Dropdown", "Add Item To Menu"), group);
    auto* position = new QHBoxLayout;
    position->setSpacing(6);
    position->addWidget(insertAtStart);
    position->addWidget(ui.insertAtCurrent);
    position->addWidget(ui.insertAtEnd);
    position->addStretch(1);
    position->addWidget(ui.addEntryButton);
    grid.span(position);
    chain << ui.nameField << ui.urlField << insertAtStart << ui.insertAtCurrent << ui.insertAtEnd
          << ui.addEntryButton;
    return group;
}

QWidget* buildList(DropdownForm& ui, QList<QWidget*>& chain, QWidget* tab) {
    auto* area = new QWidget(tab);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);

    ui.entryList = new QListWidget(area);
    ui.entryList->setObjectName(fields::Entries);
    ui.entryList->setAccessibleName(QCoreApplication::translate("Dropdown", "Menu items"));
    ui.entryList->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.entryList->setUniformItemSizes(true);
    // The list takes the height the style settings beside it leave.
    ui.entryList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    row->addWidget(ui.entryList, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    ui.deleteButton =
        makeButton(controls::DeleteEntry, QCoreApplication::translate("Dropdown", "&Delete"),
                   QCoreApplication::translate("Dropdown", "Delete Menu Item"), area);
    ui.sortButton =
        makeButton(controls::SortEntries, QCoreApplication::translate("Dropdown", "&Sort"),
                   QCoreApplication::translate("Dropdown", "Sort Menu Items Alphabetically"), area);
    ui.clearAllButton =
        makeButton(controls::ClearAll, QCoreApplication::translate("Dropdown", "Clear A&ll"),
                   QCoreApplication::translate("Dropdown", "Erase All Menu Items"), area);
    ui.makeCodeButton =
        makeButton(controls::MakeCode, QCoreApplication::translate("Dropdown", "&Make Code"),
                   QCoreApplication::translate("Dropdown", "Generate HTML Code"), area);
    chain << ui.entryList;
    for (QPushButton* button :
         {ui.deleteButton, ui.sortButton, ui.clearAllButton, ui.makeCodeButton}) {
        buttons->addWidget(button);
        chain << button;
    }
    buttons->addStretch(1);
    row->addLayout(buttons);
    return area;
}

QWidget* buildGlobalProperties(DropdownForm& ui, QList<QWidget*>& chain, QWidget* tab) {
    auto* group =
        new QGroupBox(QCoreApplication::translate("Dropdown", " Global Properties "), tab);
    group->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    FormGrid grid(compact(new QGridLayout(group), GroupDensity), group);
    grid.setColourLook(
        {.order = ColourLook::Order::ButtonLabelSwatch, .buttonWidth = 28, .beforeSwatch = 4});
    const DropdownSettings defaults;

    ColourSetting* backgroundColour = grid.colour(
        QCoreApplication::translate("Dropdown", "Menu BG Color:"),
        {.dialog = fields::Background,
         .button = controls::BackgroundButton,
         .swatch = controls::BackgroundSwatch,
         .label = controls::BackgroundLabel,
         .hint = QCoreApplication::translate("Dropdown", "Choose Menu Background Color"),
         .spoken = QCoreApplication::translate("Dropdown", "Choose menu background colour"),
         .colour = QColor(defaults.background)});
    auto* contrastWarning = new ContrastWarning(controls::MenuContrast, group);
    ColourSetting* itemColour =
        grid.colour(QCoreApplication::translate("Dropdown", "Menu Item Color:"),
                    {.dialog = fields::ItemColour,
                     .button = controls::ItemColourButton,
                     .swatch = controls::ItemColourSwatch,
                     .label = controls::ItemColourLabel,
                     .hint = QCoreApplication::translate("Dropdown", "Choose Item Color"),
                     .spoken = QCoreApplication::translate("Dropdown", "Choose menu item colour"),
                     .colour = QColor(defaults.itemColour),
                     .beside = contrastWarning});
    contrastWarning->watch(itemColour, backgroundColour);

    ui.fontSample = makeFontSample(controls::FontSample, tab);
    auto* fontList = new FontBox(fields::Font, ui.fontSample, group);
    // A list box announces its current text unless it has a name of its own.
    fontList->setAccessibleName(QCoreApplication::translate("Dropdown", "Font"));
    grid.row(QCoreApplication::translate("Dropdown", "Font:"), fontList);

    QToolButton* boldToggle = makeStyleToggle(
        fields::Bold, QCoreApplication::translate("Dropdown", "B"),
        QCoreApplication::translate("Dropdown", "Bold"), &QFont::setBold, ToggleFrame::Flat, group);
    QToolButton* italicToggle =
        makeStyleToggle(fields::Italic, QCoreApplication::translate("Dropdown", "I"),
                        QCoreApplication::translate("Dropdown", "Italics"), &QFont::setItalic,
                        ToggleFrame::Flat, group);
    QToolButton* underlineToggle =
        makeStyleToggle(fields::Underline, QCoreApplication::translate("Dropdown", "U"),
                        QCoreApplication::translate("Dropdown", "Underline"), &QFont::setUnderline,
                        ToggleFrame::Flat, group);
    boldToggle->setAccessibleName(QCoreApplication::translate("Dropdown", "Bold"));
    italicToggle->setAccessibleName(QCoreApplication::translate("Dropdown", "Italic"));
    underlineToggle->setAccessibleName(QCoreApplication::translate("Dropdown", "Underline"));
    QComboBox* fontSize =
        makeComboBox(fields::FontSize, numberList(1, 72), {}, group, Typing::Editable);
    fitTwoDigits(fontSize);
    fontSize->setAccessibleName(QCoreApplication::translate("Dropdown", "Font size"));
    auto* style = new QHBoxLayout;
    style->setSpacing(2);
    style->addWidget(boldToggle);
    style->addWidget(italicToggle);
    style->addWidget(underlineToggle);
    style->addStretch(1);
    style->addWidget(new QLabel(QCoreApplication::translate("Dropdown", "Size:"), group));
    style->addWidget(fontSize);
    grid.row(QString(), style);

    ui.goTextField = makeLineEdit(fields::GoText, group);
    grid.row(QCoreApplication::translate("Dropdown", "GO! Button Text:"), ui.goTextField);

    ui.invertColours =
        makeCheckBox(fields::InvertButton,
                     QCoreApplication::translate("Dropdown", "Invert Button Colors"), group);
    grid.span(ui.invertColours);

    QComboBox* borderStyle = makeChoiceBox(fields::BorderStyle, "Choices", BorderStyleNames, group);
    QComboBox* borderWidth = makeComboBox(fields::BorderWidth, numberList(1, 25), {}, group);
    fitTwoDigits(borderWidth);
    borderStyle->setAccessibleName(QCoreApplication::translate("Dropdown", "Border style"));
    borderWidth->setAccessibleName(QCoreApplication::translate("Dropdown", "Border width"));
    auto* border = new QHBoxLayout;
    border->setSpacing(4);
    border->addWidget(borderStyle, 1);
    border->addWidget(new QLabel(QCoreApplication::translate("Dropdown", "Size:"), group));
    border->addWidget(borderWidth);
    grid.row(QCoreApplication::translate("Dropdown", "Border:"), border, borderStyle);
    chain << backgroundColour->button() << itemColour->button() << fontList << boldToggle
          << italicToggle << underlineToggle << fontSize << ui.goTextField << ui.invertColours
          << borderStyle << borderWidth;
    return group;
}

} // namespace

void DropdownForm::setupUi(QWidget* tab, const TabContext& context) {
    auto* page = new QVBoxLayout(tab);
    page->setContentsMargins(3, 2, 3, 3);
    page->setSpacing(3);
    frame.buildToolBar(ToolBar, context, tab);
    addScopeChoice(*this);
    page->addWidget(frame.bar);

    // Tab runs through the controls as they are made, the code area last.
    QList<QWidget*> chain;
    auto* upper = new QHBoxLayout;
    upper->setSpacing(4);
    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    left->addWidget(buildItemProperties(*this, chain, tab));
    left->addWidget(buildList(*this, chain, tab), 1);
    upper->addLayout(left, 1);
    upper->addWidget(buildGlobalProperties(*this, chain, tab));
    page->addLayout(upper);

    page->addWidget(frame.buildCodeArea(CodeArea, tab), 1);
    codePane = frame.pane;
    codePane->setAccessibleName(QCoreApplication::translate("Dropdown", "Generated code"));
    codePane->setPlainText(QStringLiteral("\n"));

    // The sample panel floats over the tab's top right corner.
    fontSample->raise();

    chain << codePane;
    for (QPushButton* button : frame.codeButtons)
        chain << button;
    setTabChain(chain);
}
