#include "makers/mouseover/mouseover_form.h"

#include "core/field_table.h"
#include "makers/mouseover/mouseover_controls.h"
#include "makers/mouseover/mouseover_fields.h"
#include "widgets/code_pane.h"
#include "widgets/colour_setting.h"
#include "widgets/control_factory.h"
#include "widgets/density.h"
#include "widgets/form_grid.h"
#include "widgets/list_values.h"
#include "widgets/tab_chain.h"

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

using namespace mouseover;

namespace {

constexpr int LargestBorderSize = 25;

const ToolBarRow ToolBar = {
    .bar = controls::ToolBar,
    .newButton = controls::NewButton,
    .saveButton = controls::SaveButton,
    .saveAs = {saveAsHtmlEntry(controls::SaveAsHtml), saveAsTextEntry(controls::SaveAsText)},
    .saveOnPlainClick = true,
    .printButton = controls::PrintButton,
    .optionsButton = controls::OptionsButton,
    .options = {previewEntry(controls::Preview)},
    .optionsOnPlainClick = true,
    .helpButton = controls::HelpButton,
    .helpEntry = controls::HelpEntry,
    .aboutEntry = controls::AboutEntry,
    .helpPage = 3,
    .flush = true};

// Clear Code empties the buttons pane only, so it is the tab's own command.
const CodeAreaRow CodeArea = {
    .pane = "",
    .buttons = {copyCodeButton(controls::CopyCode,
                               QT_TRANSLATE_NOOP("ToolTab", "C&opy To Clipboard")),
                {controls::ClearCode, QT_TRANSLATE_NOOP("ToolTab", "Cl&ear Code"),
                 QT_TRANSLATE_NOOP("ToolTab", "Delete All Generated Code")},
                {controls::EndCode, QT_TRANSLATE_NOOP("ToolTab", "E&nd Code"),
                 QT_TRANSLATE_NOOP("ToolTab", "End Off Document By Closing HTML and BODY Tags")}},
    .placement = CodeAreaRow::Buttons::Below};

const Density Tight = {{0, 0, 0, 0}, 3, 3};
const Density Boxed = {{4, 2, 4, 2}, 3, 2};
const Density PageDensity = {{3, 1, 3, 2}, 3, 3};

} // namespace

void MouseOverForm::setupUi(QWidget* tab, const TabContext& context) {
    auto* settings = new QVBoxLayout;
    compact(settings, Tight);
    settings->setSpacing(2);
    settings->addWidget(buildGlobalProperties(tab));
    settings->addWidget(buildImageProperties(tab));
    settings->addStretch();

    auto* body = new QHBoxLayout;
    compact(body, Tight);
    body->addLayout(settings);
    body->addWidget(buildPanes(tab), 1);

    frame.buildToolBar(ToolBar, context, tab);

    auto* page = new QVBoxLayout(tab);
    compact(page, PageDensity);
    page->addWidget(frame.bar);
    page->addLayout(body, 1);

    // Reading order: the settings column, then the panes and their buttons.
    setTabChain({preloadCheck,    borderCheck,       borderColour->button(),
                 borderTypeBox,   borderSizeBox,     horizontalRadio,
                 verticalRadio,   initialImageField, mouseOverImageField,
                 statusTextField, altTextField,      urlField,
                 addImageButton,  resetButton,       headPane,
                 scriptPane,      bodyPane,          copyButton,
                 clearCodeButton, endCodeButton});
}

QWidget* MouseOverForm::buildGlobalProperties(QWidget* tab) {
    auto* group = new QGroupBox(QCoreApplication::translate("MouseOver", "Global Properties"), tab);
    preloadCheck = makeCheckBox(
        fields::PreloadImages,
        QCoreApplication::translate("MouseOver", "Preload Images (recommended)"), group);
    borderCheck = makeCheckBox(fields::ImageBorder,
                               QCoreApplication::translate("MouseOver", "Image Border"), group);

    auto* layout = new QGridLayout(group);
    compact(layout, Boxed);
    FormGrid grid(layout, group);
    grid.span(preloadCheck);
    grid.span(borderCheck);

    borderColourLabel = makeLabel(controls::BorderColourCaption,
                                  QCoreApplication::translate("MouseOver", "Border Color:"), group);
    grid.setColourLook({.order = ColourLook::Order::SwatchButtonLabel,
                        .buttonWidth = 28,
                        .spacing = Tight.horizontal});
    borderColour = grid.colour(
        borderColourLabel,
        {.dialog = fields::BorderColour,
         .button = controls::BorderColourButton,
         .swatch = controls::BorderSwatch,
         .label = controls::BorderColourLabel,
         .hint = QCoreApplication::translate("MouseOver", "Choose Image Border Color"),
         .spoken = QCoreApplication::translate("MouseOver", "Choose image border colour")});
    // The swatch only shows the colour, so it is never enabled.
    borderColour->swatchWidget()->setEnabled(false);
    borderColour->colourLabel()->setAccessibleName(
        QCoreApplication::translate("MouseOver", "Image border colour"));

    borderTypeLabel = makeLabel(controls::BorderTypeLabel,
                                QCoreApplication::translate("MouseOver", "Border Type:"), group);
    borderTypeBox = makeChoiceBox(fields::BorderType, "Choices", BorderStyleNames, group);
    borderTypeLabel->setBuddy(borderTypeBox);
    borderSizeLabel = makeLabel(controls::BorderSizeLabel,
                                QCoreApplication::translate("MouseOver", "Size:"), group);
    borderSizeBox = makeComboBox(fields::BorderSize, numberList(0, LargestBorderSize), {}, group);
    borderSizeLabel->setBuddy(borderSizeBox);
    borderSizeBox->setAccessibleName(QCoreApplication::translate("MouseOver", "Border size"));

    auto* orientation =
        makeLabel(controls::OrientationLabel,
                  QCoreApplication::translate("MouseOver", "Navbar Orientation:"), group);
    horizontalRadio =
        new QRadioButton(QCoreApplication::translate("MouseOver", "Horizontal"), group);
    horizontalRadio->setObjectName(fields::Horizontal);
    verticalRadio = new QRadioButton(QCoreApplication::translate("MouseOver", "Vertical"), group);
    verticalRadio->setObjectName(fields::Vertical);
    for (QRadioButton* radio : {horizontalRadio, verticalRadio})
        radio->setAccessibleDescription(
            QCoreApplication::translate("MouseOver", "Navbar orientation"));

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

    grid.row(borderTypeLabel, typeRow);
    grid.row(orientation, orientationRow);
    return group;
}

QWidget* MouseOverForm::buildImageProperties(QWidget* tab) {
    auto* group = new QGroupBox(QCoreApplication::translate("MouseOver", "Image Properties"), tab);
    initialImageField = makeLineEdit(fields::InitialImage, group);
    mouseOverImageField = makeLineEdit(fields::MouseOverImage, group);
    statusTextField = makeLineEdit(fields::StatusText, group);
    altTextField = makeLineEdit(fields::AlternateText, group);
    urlField = makeLineEdit(fields::Url, group);
    addImageButton =
        makeButton(controls::AddImage, QCoreApplication::translate("MouseOver", "&Add Image"),
                   QCoreApplication::translate("MouseOver", "Add Image Code"), group);
    resetButton = makeButton(
        controls::Reset, QCoreApplication::translate("MouseOver", "&Reset Image Properties"),
        QCoreApplication::translate("MouseOver", "Reset Image Property Fields"), group);

    auto* layout = new QGridLayout(group);
    compact(layout, Boxed);
    FormGrid grid(layout, group);
    const struct {
        QLineEdit* field;
        const char* caption;
    } rows[] = {{initialImageField, QT_TRANSLATE_NOOP("MouseOver", "Initial Image:")},
                {mouseOverImageField, QT_TRANSLATE_NOOP("MouseOver", "MouseOver Image:")},
                {statusTextField, QT_TRANSLATE_NOOP("MouseOver", "Statusbar Message:")},
                {altTextField, QT_TRANSLATE_NOOP("MouseOver", "Image Alternate Text:")},
                {urlField, QT_TRANSLATE_NOOP("MouseOver", "URL:")}};
    for (const auto& entry : rows)
        grid.row(QCoreApplication::translate("MouseOver", entry.caption), entry.field);
    grid.span(lineOf({addImageButton, resetButton}, Tight.horizontal, LineEnd::Fill));
    return group;
}

QWidget* MouseOverForm::buildPanes(QWidget* tab) {
    auto* area = new QWidget(tab);
    auto* splitter = new QSplitter(Qt::Vertical, area);
    splitter->setChildrenCollapsible(false);
    headPane = makeCodePane(fields::HeadPane, splitter);
    headPane->setAccessibleName(QCoreApplication::translate("MouseOver", "Page head code"));
    scriptPane = makeCodePane(fields::ScriptPane, splitter);
    scriptPane->setReadOnly(true);
    scriptPane->setAccessibleName(
        QCoreApplication::translate("MouseOver", "Mouse-over script code"));
    bodyPane = makeCodePane(fields::BodyPane, splitter);
    bodyPane->setAccessibleName(QCoreApplication::translate("MouseOver", "Image buttons code"));
    for (QPlainTextEdit* pane : {headPane, scriptPane, bodyPane})
        splitter->addWidget(pane);

    pagePane = makeCodePane(controls::PagePane, area);
    pagePane->setAccessibleName(QCoreApplication::translate("MouseOver", "Assembled page"));
    pagePane->setVisible(false);

    auto* layout = compact(new QVBoxLayout(area), Tight);
    frame.addCodeArea(CodeArea, layout, area, splitter);
    copyButton = frame.codeButtons.at(0);
    clearCodeButton = frame.codeButtons.at(1);
    endCodeButton = frame.codeButtons.at(2);
    return area;
}
