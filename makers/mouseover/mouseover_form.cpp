#include "makers/mouseover/mouseover_form.h"

#include "core/field_table.h"
#include "widgets/colour_setting.h"
#include "widgets/form_parts.h"
#include "widgets/tool_tab_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int LargestBorderSize = 25;

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
                            .helpPage = 3,
                            .flush = true};

// Clear Code empties the buttons pane only, so it is the tab's own command.
const CodeAreaRow CodeArea = {
    .pane = "",
    .buttons = {copyCodeButton("BitBtn12", QT_TRANSLATE_NOOP("ToolTab", "C&opy To Clipboard")),
                {"BitBtn13", QT_TRANSLATE_NOOP("ToolTab", "Cl&ear Code"),
                 QT_TRANSLATE_NOOP("ToolTab", "Delete All Generated Code")},
                {"BitBtn16", QT_TRANSLATE_NOOP("ToolTab", "E&nd Code"),
                 QT_TRANSLATE_NOOP("ToolTab", "End Off Document By Closing HTML and BODY Tags")}},
    .placement = CodeAreaRow::Buttons::Below};

const Density Tight = {{0, 0, 0, 0}, 3, 3};
const Density Boxed = {{4, 2, 4, 2}, 3, 2};
const Density PageDensity = {{3, 1, 3, 2}, 3, 3};

} // namespace

void MouseOverForm::setupUi(QWidget* tab, ToolTabFrame& frame, const TabContext& context) {
    auto* settings = new QVBoxLayout;
    compact(settings, Tight);
    settings->setSpacing(2);
    settings->addWidget(buildGlobalProperties(tab));
    settings->addWidget(buildImageProperties(tab));
    settings->addStretch();

    auto* body = new QHBoxLayout;
    compact(body, Tight);
    body->addLayout(settings);
    body->addWidget(buildPanes(tab, frame), 1);

    frame.buildToolBar(ToolBar, context, tab);
    newButton = frame.newButton;

    auto* page = new QVBoxLayout(tab);
    compact(page, PageDensity);
    page->addWidget(frame.bar);
    page->addLayout(body, 1);

    // Reading order: the settings column, then the panes and their buttons.
    setTabChain(
        {preloadCheck,    borderCheck,   borderColourButton, borderTypeBox,       borderSizeBox,
         horizontalRadio, verticalRadio, initialImageField,  mouseOverImageField, statusTextField,
         altTextField,    urlField,      addImageButton,     resetButton,         headPane,
         scriptPane,      bodyPane,      copyButton,         clearCodeButton,     endCodeButton});
}

QWidget* MouseOverForm::buildGlobalProperties(QWidget* tab) {
    auto* group = new QGroupBox(QCoreApplication::translate("MouseOver", "Global Properties"), tab);
    preloadCheck = makeCheckBox(
        "CheckBox11", QCoreApplication::translate("MouseOver", "Preload Images (recommended)"),
        group);
    borderCheck =
        makeCheckBox("CheckBox12", QCoreApplication::translate("MouseOver", "Image Border"), group);

    borderColourLabel = makeLabel("BorderColorLabel",
                                  QCoreApplication::translate("MouseOver", "Border Color:"), group);
    // The swatch only shows the colour, so it is never enabled.
    borderSwatch = makeSwatch("Memo5", Qt::white, group);
    borderSwatch->setEnabled(false);
    borderColourButton = makeChooserButton(
        "BitBtn11", QStringLiteral("..."),
        QCoreApplication::translate("MouseOver", "Choose Image Border Color"), group, 28);
    borderColourButton->setAccessibleName(
        QCoreApplication::translate("MouseOver", "Choose image border colour"));
    borderColourText = makeLabel("Label29", QString(), group);
    borderColourText->setAccessibleName(
        QCoreApplication::translate("MouseOver", "Image border colour"));
    borderColour = new ColourSetting("ColorDialog3", borderColourButton, borderColourText,
                                     borderSwatch, Qt::white, tab);

    borderTypeLabel = makeLabel("BorderTypeLabel",
                                QCoreApplication::translate("MouseOver", "Border Type:"), group);
    borderTypeBox = makeChoiceBox("ComboBox6", "Choices", BorderStyleNames, group);
    borderTypeLabel->setBuddy(borderTypeBox);
    borderSizeLabel =
        makeLabel("BorderSizeLabel", QCoreApplication::translate("MouseOver", "Size:"), group);
    borderSizeBox = makeComboBox("ComboBox7", numberList(0, LargestBorderSize), {}, group);
    borderSizeLabel->setBuddy(borderSizeBox);
    borderSizeBox->setAccessibleName(QCoreApplication::translate("MouseOver", "Border size"));

    auto* orientation = makeLabel(
        "OrientationLabel", QCoreApplication::translate("MouseOver", "Navbar Orientation:"), group);
    horizontalRadio =
        new QRadioButton(QCoreApplication::translate("MouseOver", "Horizontal"), group);
    horizontalRadio->setObjectName("RadioButton4");
    verticalRadio = new QRadioButton(QCoreApplication::translate("MouseOver", "Vertical"), group);
    verticalRadio->setObjectName("RadioButton5");
    for (QRadioButton* radio : {horizontalRadio, verticalRadio})
        radio->setAccessibleDescription(
            QCoreApplication::translate("MouseOver", "Navbar orientation"));

    auto* colourRow = new QHBoxLayout;
    compact(colourRow, Tight);
    colourRow->addWidget(borderSwatch);
    colourRow->addWidget(borderColourButton);
    colourRow->addWidget(borderColourText);
    colourRow->addStretch();

    auto* typeRow = new QHBoxLayout;
    compact(typeRow, Tight);
    typeRow->addWidget(borderTypeBox);
    typeRow->addSpacing(6);
    typeRow->addWidget(borderSizeLabel);
    typeRow->addWidget(borderSizeBox);
    typeRow->addStretch();

    auto* orientationRow = new QHBoxLayout;
    compact(orientationRow, Tight);
    orientationRow->addWidget(horizontalRadio);
    orientationRow->addWidget(verticalRadio);
    orientationRow->addStretch();

    auto* grid = new QGridLayout(group);
    compact(grid, Boxed);
    grid->addWidget(preloadCheck, 0, 0, 1, 2);
    grid->addWidget(borderCheck, 1, 0, 1, 2);
    grid->addWidget(borderColourLabel, 2, 0);
    grid->addLayout(colourRow, 2, 1);
    grid->addWidget(borderTypeLabel, 3, 0);
    grid->addLayout(typeRow, 3, 1);
    grid->addWidget(orientation, 4, 0);
    grid->addLayout(orientationRow, 4, 1);
    return group;
}

QWidget* MouseOverForm::buildImageProperties(QWidget* tab) {
    auto* group = new QGroupBox(QCoreApplication::translate("MouseOver", "Image Properties"), tab);
    initialImageField = makeLineEdit("Edit10", group);
    mouseOverImageField = makeLineEdit("Edit11", group);
    statusTextField = makeLineEdit("Edit12", group);
    altTextField = makeLineEdit("Edit13", group);
    urlField = makeLineEdit("Edit14", group);
    addImageButton = makeButton("BitBtn14", QCoreApplication::translate("MouseOver", "&Add Image"),
                                QCoreApplication::translate("MouseOver", "Add Image Code"), group);
    resetButton =
        makeButton("BitBtn15", QCoreApplication::translate("MouseOver", "&Reset Image Properties"),
                   QCoreApplication::translate("MouseOver", "Reset Image Property Fields"), group);

    auto* grid = new QGridLayout(group);
    compact(grid, Boxed);
    const struct {
        QLineEdit* field;
        const char* caption;
    } rows[] = {{initialImageField, QT_TRANSLATE_NOOP("MouseOver", "Initial Image:")},
                {mouseOverImageField, QT_TRANSLATE_NOOP("MouseOver", "MouseOver Image:")},
                {statusTextField, QT_TRANSLATE_NOOP("MouseOver", "Statusbar Message:")},
                {altTextField, QT_TRANSLATE_NOOP("MouseOver", "Image Alternate Text:")},
                {urlField, QT_TRANSLATE_NOOP("MouseOver", "URL:")}};
    int row = 0;
    for (const auto& entry : rows) {
        auto* label = new QLabel(QCoreApplication::translate("MouseOver", entry.caption), group);
        label->setBuddy(entry.field);
        grid->addWidget(label, row, 0);
        grid->addWidget(entry.field, row, 1);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    compact(buttons, Tight);
    buttons->addWidget(addImageButton);
    buttons->addWidget(resetButton);
    grid->addLayout(buttons, row, 0, 1, 2);
    return group;
}

QWidget* MouseOverForm::buildPanes(QWidget* tab, ToolTabFrame& frame) {
    auto* area = new QWidget(tab);
    auto* splitter = new QSplitter(Qt::Vertical, area);
    splitter->setChildrenCollapsible(false);
    headPane = makeCodePane("Memo6", splitter);
    headPane->setAccessibleName(QCoreApplication::translate("MouseOver", "Page head code"));
    scriptPane = makeCodePane("Memo7", splitter);
    scriptPane->setReadOnly(true);
    scriptPane->setAccessibleName(
        QCoreApplication::translate("MouseOver", "Mouse-over script code"));
    bodyPane = makeCodePane("Memo8", splitter);
    bodyPane->setAccessibleName(QCoreApplication::translate("MouseOver", "Image buttons code"));
    for (QPlainTextEdit* pane : {headPane, scriptPane, bodyPane})
        splitter->addWidget(pane);

    pagePane = makeCodePane("Memo9", area);
    pagePane->setAccessibleName(QCoreApplication::translate("MouseOver", "Assembled page"));
    pagePane->setVisible(false);

    auto* layout = compact(new QVBoxLayout(area), Tight);
    frame.addCodeArea(CodeArea, layout, area, splitter);
    copyButton = frame.codeButtons.at(0);
    clearCodeButton = frame.codeButtons.at(1);
    endCodeButton = frame.codeButtons.at(2);
    return area;
}
