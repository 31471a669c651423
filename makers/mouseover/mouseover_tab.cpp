#include "makers/mouseover/mouseover_tab.h"

#include "makers/mouseover/mouseover_modern_page.h"
#include "widgets/colour_setting.h"
#include "widgets/default_button.h"
#include "widgets/desktop.h"
#include "widgets/form_parts.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList BorderTypes = {"Solid",  "Double", "Dotted", "Dashed",
                                 "Groove", "Ridge",  "Inset",  "Outset"};
constexpr int LargestBorderSize = 25;

// Add Image needs both image paths, each at least this long.
constexpr int ShortestImagePath = 3;

// Lines as a pane holds them: each one ends with a line break.
QString linesText(const QStringList& lines) {
    return lines.join(QLatin1Char('\n')) + '\n';
}

// Appends whole lines at the end of a pane through a cursor, so adding a
// button costs the same however long the page already is. A last line the
// user left without a line break is ended first.
void appendLines(QPlainTextEdit* pane, const QStringList& lines) {
    if (lines.isEmpty())
        return;
    QTextCursor cursor(pane->document());
    cursor.movePosition(QTextCursor::End);
    QString text = linesText(lines);
    if (cursor.positionInBlock() > 0)
        text.prepend(QLatin1Char('\n'));
    cursor.insertText(text);
    pane->setTextCursor(cursor);
    pane->ensureCursorVisible();
}

const ToolBarRow ToolBar = {.bar = "ToolBar4",
                            .newButton = "ToolButton32",
                            .saveButton = "ToolButton33",
                            .saveAs = {saveAsHtmlEntry("AsHTML3"), saveAsTextEntry("AsText3")},
                            .saveOnPlainClick = true,
                            .printButton = "ToolButton42",
                            .optionsButton = "ToolButton44",
                            .options = {previewEntry("Preview2")},
                            .optionsOnPlainClick = true,
                            .helpButton = "MouseOverHelpButton",
                            .helpEntry = "Help5",
                            .aboutEntry = "About4",
                            .helpPage = 3};

// Clear Code empties the buttons pane only, so it is the tab's own command.
const CodeAreaRow CodeArea = {
    .pane = "",
    .buttons = {copyCodeButton("BitBtn12", "C&opy To Clipboard"),
                {"BitBtn13", "Cl&ear Code", "Delete All Generated Code"},
                {"BitBtn16", "E&nd Code", "End Off Document By Closing HTML and BODY Tags"}},
    .placement = CodeAreaRow::Buttons::Below};

const Density Tight = {{0, 0, 0, 0}, 3, 3};
const Density Boxed = {{4, 4, 4, 4}, 3, 3};
const Density PageDensity = {{3, 3, 3, 3}, 3, 3};

} // namespace

MouseOverTab::MouseOverTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), context(tabContext) {
    setObjectName("TabSheet3");

    auto* settings = new QVBoxLayout;
    compact(settings, Tight);
    settings->addWidget(buildGlobalProperties());
    settings->addWidget(buildImageProperties());
    settings->addStretch();

    auto* body = new QHBoxLayout;
    compact(body, Tight);
    body->addLayout(settings);
    body->addWidget(buildPanes(), 1);

    OutputSetup setup;
    setup.pane = Memo9;
    setup.htmlDialog = htmlSaveRequest(QStringLiteral("SaveDialog5"));
    setup.textDialog = textSaveRequest(QStringLiteral("SaveDialog6"));
    setup.prepare = [this] { assemble(); };
    outputs = new OutputCommands(std::move(setup), context.folders.userCache, this);

    buildToolBar();
    frame.connectTo(outputs);
    if (context.modernOutput)
        connect(context.modernOutput, &ModernOutput::switched, this,
                &MouseOverTab::followOutputChoice);
    auto* page = new QVBoxLayout(this);
    compact(page, PageDensity);
    page->addWidget(ToolBar4);
    page->addLayout(body, 1);

    installDefaultButton(this, BitBtn14);
}

QWidget* MouseOverTab::buildGlobalProperties() {
    auto* group = new QGroupBox(QStringLiteral("Global Properties"), this);
    CheckBox11 = makeCheckBox("CheckBox11", QStringLiteral("Preload Images (recommended)"), group);
    CheckBox11->setChecked(true);
    CheckBox12 = makeCheckBox("CheckBox12", QStringLiteral("Image Border"), group);

    borderColourLabel = makeLabel("BorderColorLabel", QStringLiteral("Border Color:"), group);
    // The swatch only shows the colour, so it is never enabled.
    Memo5 = makeSwatch("Memo5", Qt::white, group);
    Memo5->setEnabled(false);
    BitBtn11 = makeButton("BitBtn11", QStringLiteral("..."),
                          QStringLiteral("Choose Image Border Color"), group);
    BitBtn11->setFixedWidth(28);
    Label29 = makeLabel("Label29", QString(), group);
    ColorDialog3 = new ColourSetting("ColorDialog3", BitBtn11, Label29, Memo5, Qt::white, this);

    borderTypeLabel = makeLabel("BorderTypeLabel", QStringLiteral("Border Type:"), group);
    ComboBox6 = makeComboBox("ComboBox6", BorderTypes, {}, group);
    borderSizeLabel = makeLabel("BorderSizeLabel", QStringLiteral("Size:"), group);
    ComboBox7 = makeComboBox("ComboBox7", numberList(0, LargestBorderSize), {}, group);

    auto* orientation = makeLabel("OrientationLabel", QStringLiteral("Navbar Orientation:"), group);
    RadioButton4 = new QRadioButton(QStringLiteral("Horizontal"), group);
    RadioButton4->setObjectName("RadioButton4");
    RadioButton4->setChecked(true);
    RadioButton5 = new QRadioButton(QStringLiteral("Vertical"), group);
    RadioButton5->setObjectName("RadioButton5");

    auto* colourRow = new QHBoxLayout;
    compact(colourRow, Tight);
    colourRow->addWidget(Memo5);
    colourRow->addWidget(BitBtn11);
    colourRow->addWidget(Label29);
    colourRow->addStretch();

    auto* typeRow = new QHBoxLayout;
    compact(typeRow, Tight);
    typeRow->addWidget(ComboBox6);
    typeRow->addSpacing(6);
    typeRow->addWidget(borderSizeLabel);
    typeRow->addWidget(ComboBox7);
    typeRow->addStretch();

    auto* orientationRow = new QHBoxLayout;
    compact(orientationRow, Tight);
    orientationRow->addWidget(RadioButton4);
    orientationRow->addWidget(RadioButton5);
    orientationRow->addStretch();

    auto* grid = new QGridLayout(group);
    compact(grid, Boxed);
    grid->addWidget(CheckBox11, 0, 0, 1, 2);
    grid->addWidget(CheckBox12, 1, 0, 1, 2);
    grid->addWidget(borderColourLabel, 2, 0);
    grid->addLayout(colourRow, 2, 1);
    grid->addWidget(borderTypeLabel, 3, 0);
    grid->addLayout(typeRow, 3, 1);
    grid->addWidget(orientation, 4, 0);
    grid->addLayout(orientationRow, 4, 1);

    connect(CheckBox11, &QCheckBox::toggled, this, &MouseOverTab::CheckBox11Click);
    connect(CheckBox12, &QCheckBox::toggled, this, &MouseOverTab::CheckBox12Click);
    CheckBox12Click();
    return group;
}

QWidget* MouseOverTab::buildImageProperties() {
    auto* group = new QGroupBox(QStringLiteral("Image Properties"), this);
    Edit10 = makeLineEdit("Edit10", group);
    Edit11 = makeLineEdit("Edit11", group);
    Edit12 = makeLineEdit("Edit12", group);
    Edit13 = makeLineEdit("Edit13", group);
    Edit14 = makeLineEdit("Edit14", group);
    BitBtn14 = makeButton("BitBtn14", QStringLiteral("&Add Image"),
                          QStringLiteral("Add Image Code"), group);
    BitBtn15 = makeButton("BitBtn15", QStringLiteral("&Reset Image Properties"),
                          QStringLiteral("Reset Image Property Fields"), group);

    auto* grid = new QGridLayout(group);
    compact(grid, Boxed);
    const struct {
        QLineEdit* field;
        const char* caption;
    } rows[] = {{Edit10, "Initial Image:"},
                {Edit11, "MouseOver Image:"},
                {Edit12, "Statusbar Message:"},
                {Edit13, "Image Alternate Text:"},
                {Edit14, "URL:"}};
    int row = 0;
    for (const auto& entry : rows) {
        auto* label = new QLabel(QLatin1String(entry.caption), group);
        label->setBuddy(entry.field);
        grid->addWidget(label, row, 0);
        grid->addWidget(entry.field, row, 1);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    compact(buttons, Tight);
    buttons->addWidget(BitBtn14);
    buttons->addWidget(BitBtn15);
    grid->addLayout(buttons, row, 0, 1, 2);

    connect(Edit10, &QLineEdit::textChanged, this, &MouseOverTab::Edit10Change);
    connect(Edit11, &QLineEdit::textChanged, this, &MouseOverTab::Edit11Change);
    connect(BitBtn14, &QPushButton::clicked, this, &MouseOverTab::BitBtn14Click);
    connect(BitBtn15, &QPushButton::clicked, this, &MouseOverTab::BitBtn15Click);
    Edit10Change();
    return group;
}

QWidget* MouseOverTab::buildPanes() {
    auto* area = new QWidget(this);
    auto* splitter = new QSplitter(Qt::Vertical, area);
    splitter->setChildrenCollapsible(false);
    Memo6 = makeCodePane("Memo6", splitter);
    Memo7 = makeCodePane("Memo7", splitter);
    Memo7->setReadOnly(true);
    Memo8 = makeCodePane("Memo8", splitter);
    for (QPlainTextEdit* pane : {Memo6, Memo7, Memo8})
        splitter->addWidget(pane);

    Memo9 = makeCodePane("Memo9", area);
    Memo9->setVisible(false);

    startDocument();

    auto* layout = compact(new QVBoxLayout(area), Tight);
    frame.addCodeArea(CodeArea, layout, area, splitter);
    BitBtn12 = frame.codeButtons.at(0);
    BitBtn13 = frame.codeButtons.at(1);
    BitBtn16 = frame.codeButtons.at(2);
    connect(BitBtn13, &QPushButton::clicked, this, &MouseOverTab::BitBtn13Click);
    connect(BitBtn16, &QPushButton::clicked, this, &MouseOverTab::BitBtn16Click);
    return area;
}

void MouseOverTab::buildToolBar() {
    frame.buildToolBar(ToolBar, context, this);
    ToolBar4 = frame.bar;
    ToolButton32 = frame.newButton;
    connect(ToolButton32, &QToolButton::clicked, this, &MouseOverTab::ToolButton32Click);
    ToolButton33 = frame.saveButton;
    AsHTML3 = frame.saveAs.at(0);
    AsText3 = frame.saveAs.at(1);
    ToolButton42 = frame.printButton;
    ToolButton44 = frame.optionsButton;
    Preview2 = frame.options.at(0);
}

QString MouseOverTab::Edit17() const {
    return outputs->savedFlag();
}

QString MouseOverTab::filena() const {
    return outputs->savedFileName();
}

void MouseOverTab::CheckBox11Click() {
    if (!CheckBox11->isChecked())
        desktop().notice(NoticeKind::Warning,
                         QStringLiteral("It is recommended that you preload your images. Failure "
                                        "to do so may lead to a delay in the mouseover effect."));
}

void MouseOverTab::CheckBox12Click() {
    const bool border = CheckBox12->isChecked();
    const std::initializer_list<QWidget*> borderControls = {
        borderColourLabel, borderTypeLabel, borderSizeLabel, Label29,
        BitBtn11,          ComboBox6,       ComboBox7};
    for (QWidget* control : borderControls)
        control->setEnabled(border);
}

void MouseOverTab::Edit10Change() {
    BitBtn14->setEnabled(Edit10->text().size() >= ShortestImagePath &&
                         Edit11->text().size() >= ShortestImagePath);
}

void MouseOverTab::BitBtn15Click() {
    emptyImageFields();
}

void MouseOverTab::emptyImageFields() {
    for (QLineEdit* field : {Edit10, Edit11, Edit12, Edit13, Edit14})
        field->clear();
}

void MouseOverTab::BitBtn13Click() {
    if (desktop().confirm(QStringLiteral("This will delete all your mouseover images code but not "
                                         "the preload code. Are you sure you want to continue?")))
        replacePaneText(*Memo8, {});
}

void MouseOverTab::BitBtn16Click() {
    if (desktop().confirm(QStringLiteral(
            "This will insert the closing BODY and HTML tags. Only click OK if you have added "
            "all your needed MouseOver buttons. Continue?")))
        appendLines(Memo8, mouseOverClosingLines());
}

void MouseOverTab::assemble() {
    replacePaneText(*Memo9, assembleMouseOverPage(OutputCommands::paneText(*Memo6),
                                                  OutputCommands::paneText(*Memo7),
                                                  OutputCommands::paneText(*Memo8)));
}

void MouseOverTab::ToolButton32Click() {
    if (!desktop().confirm(
            QStringLiteral("Are you sure you want to erase all fields and start a new document?")))
        return;
    CheckBox11->setChecked(true);
    CheckBox12->setChecked(false);
    ColorDialog3->restoreDefault();
    ComboBox6->setCurrentIndex(0);
    ComboBox7->setCurrentIndex(0);
    RadioButton4->setChecked(true);
    emptyImageFields();
    Edit15 = 0;
    Edit16 = 0;
    replacePaneText(*Memo9, {});
    replacePaneText(*Memo8, {});
    startDocument();
}

void MouseOverTab::startDocument() {
    document.modern = context.modern();
    replacePaneText(*Memo6, linesText(document.headLines()));
    replacePaneText(*Memo7, linesText(document.scriptLines()));
}

void MouseOverTab::followOutputChoice(bool modern) {
    if (modern == document.modern)
        return;
    // A document that holds nothing yet simply starts again as the new kind.
    if (Edit15 == 0 && Edit16 == 0 && Memo8->document()->isEmpty() &&
        OutputCommands::paneText(*Memo6) == linesText(document.headLines())) {
        startDocument();
        return;
    }
    QStatusTipEvent tip(modern
                            ? QStringLiteral("The MouseOver document stays classic: Modern HTML5 "
                                             "Output takes effect there at the next New")
                            : QStringLiteral("The MouseOver document stays modern: the classic "
                                             "output takes effect there at the next New"));
    QCoreApplication::sendEvent(this, &tip);
}

MouseOverSettings MouseOverTab::readSettings() const {
    MouseOverSettings settings;
    settings.preloadImages = CheckBox11->isChecked();
    settings.imageBorder = CheckBox12->isChecked();
    settings.borderColour = Label29->text();
    settings.borderType = ComboBox6->currentText();
    settings.borderSize = ComboBox7->currentText();
    settings.vertical = RadioButton5->isChecked();
    settings.initialImage = Edit10->text();
    settings.mouseOverImage = Edit11->text();
    settings.statusText = Edit12->text();
    settings.alternateText = Edit13->text();
    settings.url = Edit14->text();
    return settings;
}

void MouseOverTab::BitBtn14Click() {
    const MouseOverButtonLines added = document.button(readSettings(), {Edit15, Edit16});
    appendLines(Memo6, added.headLines);
    appendLines(Memo8, added.bodyLines);
    Edit15 = added.counters.buttons;
    Edit16 = added.counters.preloads;
    emptyImageFields();
    Edit10->setFocus();
}
