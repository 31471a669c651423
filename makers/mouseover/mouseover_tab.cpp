#include "makers/mouseover/mouseover_tab.h"

#include "widgets/output_commands.h"
#include "widgets/tab_toolbar.h"
#include "widgets/colour_setting.h"
#include "widgets/default_button.h"
#include "widgets/desktop.h"
#include "widgets/form_parts.h"
#include "widgets/hint.h"

#include <QCheckBox>
#include <QComboBox>
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
#include <QTextCursor>
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

QLineEdit* makeField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

QComboBox* makeList(const QString& name, const QStringList& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    return list;
}

QLabel* makeLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

void tighten(QLayout* layout, int margin) {
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(3);
}

} // namespace

MouseOverTab::MouseOverTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), context(tabContext) {
    setObjectName("TabSheet3");

    auto* settings = new QVBoxLayout;
    tighten(settings, 0);
    settings->addWidget(buildGlobalProperties());
    settings->addWidget(buildImageProperties());
    settings->addStretch();

    auto* body = new QHBoxLayout;
    tighten(body, 0);
    body->addLayout(settings);
    body->addWidget(buildPanes(), 1);

    OutputSetup setup;
    setup.pane = Memo9;
    setup.htmlDialog = {.name = QStringLiteral("SaveDialog5"),
                        .title = QStringLiteral("Save as HTML"),
                        .filters = {QStringLiteral("HTML Files (*.html)")},
                        .defaultSuffix = QStringLiteral("html")};
    setup.textDialog = {.name = QStringLiteral("SaveDialog6"),
                        .title = QStringLiteral("Save as TeXT"),
                        .filters = {QStringLiteral("Text Files (*.txt)")},
                        .defaultSuffix = QStringLiteral("txt")};
    setup.prepare = [this] { assemble(); };
    outputs = new OutputCommands(std::move(setup), context.programDirectory, this);

    buildToolBar();
    auto* page = new QVBoxLayout(this);
    tighten(page, 3);
    page->addWidget(ToolBar4);
    page->addLayout(body, 1);

    installDefaultButton(this, BitBtn14);
}

QWidget* MouseOverTab::buildGlobalProperties() {
    auto* group = new QGroupBox(QStringLiteral("Global Properties"), this);
    CheckBox11 = new QCheckBox(QStringLiteral("Preload Images (recommended)"), group);
    CheckBox11->setObjectName("CheckBox11");
    CheckBox11->setChecked(true);
    CheckBox12 = new QCheckBox(QStringLiteral("Image Border"), group);
    CheckBox12->setObjectName("CheckBox12");

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
    ComboBox6 = makeList("ComboBox6", BorderTypes, group);
    borderSizeLabel = makeLabel("BorderSizeLabel", QStringLiteral("Size:"), group);
    QStringList sizes;
    for (int size = 0; size <= LargestBorderSize; ++size)
        sizes.append(QString::number(size));
    ComboBox7 = makeList("ComboBox7", sizes, group);

    auto* orientation = makeLabel("OrientationLabel", QStringLiteral("Navbar Orientation:"), group);
    RadioButton4 = new QRadioButton(QStringLiteral("Horizontal"), group);
    RadioButton4->setObjectName("RadioButton4");
    RadioButton4->setChecked(true);
    RadioButton5 = new QRadioButton(QStringLiteral("Vertical"), group);
    RadioButton5->setObjectName("RadioButton5");

    auto* colourRow = new QHBoxLayout;
    tighten(colourRow, 0);
    colourRow->addWidget(Memo5);
    colourRow->addWidget(BitBtn11);
    colourRow->addWidget(Label29);
    colourRow->addStretch();

    auto* typeRow = new QHBoxLayout;
    tighten(typeRow, 0);
    typeRow->addWidget(ComboBox6);
    typeRow->addSpacing(6);
    typeRow->addWidget(borderSizeLabel);
    typeRow->addWidget(ComboBox7);
    typeRow->addStretch();

    auto* orientationRow = new QHBoxLayout;
    tighten(orientationRow, 0);
    orientationRow->addWidget(RadioButton4);
    orientationRow->addWidget(RadioButton5);
    orientationRow->addStretch();

    auto* grid = new QGridLayout(group);
    tighten(grid, 4);
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
    Edit10 = makeField("Edit10", group);
    Edit11 = makeField("Edit11", group);
    Edit12 = makeField("Edit12", group);
    Edit13 = makeField("Edit13", group);
    Edit14 = makeField("Edit14", group);
    BitBtn14 = makeButton("BitBtn14", QStringLiteral("&Add Image"),
                          QStringLiteral("Add Image Code"), group);
    BitBtn15 = makeButton("BitBtn15", QStringLiteral("&Reset Image Properties"),
                          QStringLiteral("Reset Image Property Fields"), group);

    auto* grid = new QGridLayout(group);
    tighten(grid, 4);
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
    tighten(buttons, 0);
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

    Memo6->setPlainText(linesText(mouseOverHeadLines()));
    Memo7->setPlainText(linesText(mouseOverScriptLines()));

    BitBtn12 = makeButton("BitBtn12", QStringLiteral("C&opy To Clipboard"),
                          QStringLiteral("Copy Generated Code To Clipboard"), area);
    BitBtn13 = makeButton("BitBtn13", QStringLiteral("Cl&ear Code"),
                          QStringLiteral("Delete All Generated Code"), area);
    BitBtn16 = makeButton("BitBtn16", QStringLiteral("E&nd Code"),
                          QStringLiteral("End Off Document By Closing HTML and BODY Tags"), area);
    connect(BitBtn12, &QPushButton::clicked, this, &MouseOverTab::BitBtn12Click);
    connect(BitBtn13, &QPushButton::clicked, this, &MouseOverTab::BitBtn13Click);
    connect(BitBtn16, &QPushButton::clicked, this, &MouseOverTab::BitBtn16Click);

    auto* buttons = new QHBoxLayout;
    tighten(buttons, 0);
    buttons->addWidget(BitBtn12);
    buttons->addWidget(BitBtn13);
    buttons->addWidget(BitBtn16);

    auto* layout = new QVBoxLayout(area);
    tighten(layout, 0);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    return area;
}

void MouseOverTab::buildToolBar() {
    ToolBar4 = TabToolBar::create("ToolBar4", this);
    ToolButton32 = TabToolBar::addButton(ToolBar4, "ToolButton32", QStringLiteral("New"),
                                         QStringLiteral("New"), QStringLiteral("document-new"));
    connect(ToolButton32, &QToolButton::clicked, this, &MouseOverTab::ToolButton32Click);

    auto* saveMenu = new QMenu(ToolBar4);
    QMenu* save = saveMenu->addMenu(QStringLiteral("Save"));
    AsHTML3 = save->addAction(QStringLiteral("As HTML"));
    AsHTML3->setObjectName("AsHTML3");
    AsText3 = save->addAction(QStringLiteral("As Text"));
    AsText3->setObjectName("AsText3");
    ToolButton33 = TabToolBar::addMenuButton(ToolBar4, "ToolButton33", QStringLiteral("Save As"),
                                             QStringLiteral("Save As"), saveMenu,
                                             QStringLiteral("document-save-as"));
    connect(ToolButton33, &QToolButton::clicked, outputs, &OutputCommands::saveAsHtml);
    connect(AsHTML3, &QAction::triggered, outputs, &OutputCommands::saveAsHtml);
    connect(AsText3, &QAction::triggered, outputs, &OutputCommands::saveAsText);

    TabToolBar::addEditButtons(ToolBar4, *context.editActions);

    ToolButton42 = TabToolBar::addButton(ToolBar4, "ToolButton42", QStringLiteral("Print"),
                                         QStringLiteral("Print"), QStringLiteral("document-print"));
    connect(ToolButton42, &QToolButton::clicked, outputs, &OutputCommands::print);

    auto* optionsMenu = new QMenu(ToolBar4);
    Preview2 = optionsMenu->addAction(QStringLiteral("Preview"));
    Preview2->setObjectName("Preview2");
    ToolButton44 = TabToolBar::addMenuButton(ToolBar4, "ToolButton44", QStringLiteral("Options"),
                                             QStringLiteral("Options"), optionsMenu,
                                             QStringLiteral("preferences-system"));
    connect(ToolButton44, &QToolButton::clicked, outputs, &OutputCommands::preview);
    connect(Preview2, &QAction::triggered, outputs, &OutputCommands::preview);

    TabToolBar::addHelpButton(ToolBar4, context, "MouseOverHelpButton", "Help5", "About4", 3);
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
        Memo8->clear();
}

void MouseOverTab::BitBtn16Click() {
    if (desktop().confirm(QStringLiteral(
            "This will insert the closing BODY and HTML tags. Only click OK if you have added "
            "all your needed MouseOver buttons. Continue?")))
        appendLines(Memo8, mouseOverClosingLines());
}

void MouseOverTab::BitBtn12Click() {
    outputs->copyToClipboard();
}

void MouseOverTab::assemble() {
    Memo9->setPlainText(assembleMouseOverPage(OutputCommands::paneText(*Memo6),
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
    Memo9->clear();
    Memo8->clear();
    Memo6->setPlainText(linesText(mouseOverHeadLines()));
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
    const MouseOverButtonLines added = mouseOverButton(readSettings(), {Edit15, Edit16});
    appendLines(Memo6, added.headLines);
    appendLines(Memo8, added.bodyLines);
    Edit15 = added.counters.buttons;
    Edit16 = added.counters.preloads;
    emptyImageFields();
    Edit10->setFocus();
}
