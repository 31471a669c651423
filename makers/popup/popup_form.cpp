#include "makers/popup/popup_form.h"

#include "makers/popup/popup_controls.h"
#include "makers/popup/popup_fields.h"
#include "widgets/control_factory.h"
#include "widgets/density.h"
#include "widgets/form_grid.h"
#include "widgets/spin_edit.h"
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
#include <QToolBar>
#include <QVBoxLayout>

using namespace popup;

namespace {

constexpr int MaximumSize = 1000;
constexpr int MaximumSeconds = 999;
// The events keep the names a script gives them.
constexpr const char* LaunchEvents[] = {
    "onClick",     "onLoad",   "onMouseOut",
    "onMouseOver", "onUnload", QT_TRANSLATE_NOOP("Popup", "Popup After x Seconds")};
constexpr const char* LaunchMedia[] = {QT_TRANSLATE_NOOP("Popup", "Text Link"),
                                       QT_TRANSLATE_NOOP("Popup", "Image Link"),
                                       QT_TRANSLATE_NOOP("Popup", "Other")};

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
    .helpPage = 2,
    .flush = true};

const CodeAreaRow CodeArea = {
    .pane = fields::Code,
    .buttons = {
        {controls::MakeCode, QT_TRANSLATE_NOOP("ToolTab", "&Make Code"),
         QT_TRANSLATE_NOOP("ToolTab", "Generate HTML Code")},
        copyCodeButton(controls::CopyCode, QT_TRANSLATE_NOOP("ToolTab", "C&opy To Clipboard")),
        clearCodeButton(controls::ClearCode)}};

const Density GroupDensity = {{3, 4, 3, 4}, 3, 3};

// A spin edit named by the label beside it; the tab sets its value.
SpinEdit* makeSpin(const char* name, int maximum, QLabel* label, QWidget* parent) {
    auto* spin = new SpinEdit(QLatin1String(name), 1, maximum, 1, parent);
    if (label)
        label->setBuddy(spin);
    return spin;
}

QWidget* buildFeatures(PopupForm& ui, QWidget* tab) {
    QGroupBox* group =
        makeGroupBox(controls::FeaturesGroup,
                     QCoreApplication::translate("Popup", "Popup Window Features"), tab);
    ui.directoriesBox = makeCheckBox(fields::Directories,
                                     QCoreApplication::translate("Popup", "Directories"), group);
    ui.locationBox =
        makeCheckBox(fields::Location, QCoreApplication::translate("Popup", "Location"), group);
    ui.menubarBox =
        makeCheckBox(fields::Menubar, QCoreApplication::translate("Popup", "Menubar"), group);
    ui.resizableBox =
        makeCheckBox(fields::Resizable, QCoreApplication::translate("Popup", "Resizable"), group);
    ui.scrollbarsBox =
        makeCheckBox(fields::Scrollbars, QCoreApplication::translate("Popup", "Scrollbars"), group);
    ui.statusbarBox =
        makeCheckBox(fields::Statusbar, QCoreApplication::translate("Popup", "Statusbar"), group);
    ui.toolbarBox =
        makeCheckBox(fields::Toolbar, QCoreApplication::translate("Popup", "Toolbar"), group);
    ui.fullScreenBox = makeCheckBox(
        fields::FullScreen, QCoreApplication::translate("Popup", "Fullscreen Window"), group);

    ui.heightLabel = makeLabel(controls::HeightLabel,
                               QCoreApplication::translate("Popup", "Window Height:"), group);
    ui.heightSpin = makeSpin(fields::Height, MaximumSize, ui.heightLabel, group);
    ui.widthLabel = makeLabel(controls::WidthLabel,
                              QCoreApplication::translate("Popup", "Window Width:"), group);
    ui.widthSpin = makeSpin(fields::Width, MaximumSize, ui.widthLabel, group);
    ui.leftLabel = makeLabel(controls::LeftLabel,
                             QCoreApplication::translate("Popup", "Win Pos Left:"), group);
    ui.leftSpin = makeSpin(fields::Left, MaximumSize, ui.leftLabel, group);
    ui.topLabel =
        makeLabel(controls::TopLabel, QCoreApplication::translate("Popup", "Win Pos Top:"), group);
    ui.topSpin = makeSpin(fields::Top, MaximumSize, ui.topLabel, group);

    ui.closeAfterTimeBox = makeCheckBox(
        fields::CloseAfterTime,
        QCoreApplication::translate("Popup", "Close Window After A Predefined Time"), group);
    ui.afterLabel =
        makeLabel(controls::AfterLabel, QCoreApplication::translate("Popup", "After "), group);
    ui.closeSecondsSpin = makeSpin(fields::CloseSeconds, MaximumSeconds, nullptr, group);
    // Between "After " and "second(s)", neither of which names it alone.
    ui.closeSecondsSpin->setAccessibleName(
        QCoreApplication::translate("Popup", "Seconds before the popup closes"));
    ui.secondsLabel =
        makeLabel(controls::SecondsLabel, QCoreApplication::translate("Popup", "second(s)"), group);

    auto* boxesLayout = new QGridLayout;
    boxesLayout->setHorizontalSpacing(6);
    boxesLayout->setVerticalSpacing(1);
    FormGrid boxes(boxesLayout, group);
    boxes.cells({ui.directoriesBox, ui.locationBox, ui.menubarBox});
    boxes.cells({ui.resizableBox, ui.scrollbarsBox, ui.statusbarBox});
    boxes.cells({ui.toolbarBox, GridCell(ui.fullScreenBox, 2)});

    auto* numbersLayout = new QGridLayout;
    numbersLayout->setHorizontalSpacing(2);
    numbersLayout->setVerticalSpacing(2);
    FormGrid numbers(numbersLayout, group);
    numbers.cells({ui.heightLabel, ui.heightSpin, ui.widthLabel, ui.widthSpin});
    numbers.cells({ui.leftLabel, ui.leftSpin, ui.topLabel, ui.topSpin});
    numbers.fillRight();

    auto* closeRow = new QHBoxLayout;
    closeRow->setSpacing(2);
    closeRow->addSpacing(18);
    closeRow->addWidget(ui.afterLabel);
    closeRow->addWidget(ui.closeSecondsSpin);
    closeRow->addWidget(ui.secondsLabel);
    closeRow->addStretch();

    auto* layout = compact(new QVBoxLayout(group), GroupDensity);
    layout->addLayout(boxesLayout);
    layout->addLayout(numbersLayout);
    layout->addWidget(ui.closeAfterTimeBox);
    layout->addLayout(closeRow);
    layout->addStretch();
    return group;
}

QWidget* buildUrlAndStatus(PopupForm& ui, QWidget* tab) {
    // "&&" shows one ampersand.
    QGroupBox* group = makeGroupBox(controls::UrlStatusGroup,
                                    QCoreApplication::translate("Popup", "URL && Status"), tab);
    QLabel* urlLabel =
        makeLabel(controls::UrlLabel, QCoreApplication::translate("Popup", "Window URL:"), group);
    ui.urlField = makeLineEdit(fields::Url, group);
    ui.statusLabel = makeLabel(controls::StatusLabel,
                               QCoreApplication::translate("Popup", "Statusbar Message:"), group);
    ui.statusField = makeLineEdit(fields::StatusText, group);
    urlLabel->setBuddy(ui.urlField);
    ui.statusLabel->setBuddy(ui.statusField);

    FormGrid grid(compact(new QGridLayout(group), GroupDensity), group);
    grid.row(urlLabel, ui.urlField);
    grid.row(ui.statusLabel, ui.statusField);
    return group;
}

QWidget* buildLaunch(PopupForm& ui, QWidget* tab) {
    QGroupBox* group = makeGroupBox(controls::LaunchGroup,
                                    QCoreApplication::translate("Popup", "Window Launch"), tab);
    QLabel* eventLabel = makeLabel(controls::EventLabel,
                                   QCoreApplication::translate("Popup", "Launch Event:"), group);
    ui.eventList = makeChoiceBox(fields::LaunchEvent, "Popup", LaunchEvents, group);
    eventLabel->setBuddy(ui.eventList);
    // A list box announces its current text unless it has a name of its own.
    ui.eventList->setAccessibleName(QCoreApplication::translate("Popup", "Launch event"));
    ui.mediumLabel = makeLabel(controls::MediumLabel,
                               QCoreApplication::translate("Popup", "Launch Medium:"), group);
    ui.mediumList = makeChoiceBox(fields::LaunchMedium, "Popup", LaunchMedia, group);
    ui.mediumLabel->setBuddy(ui.mediumList);
    ui.mediumList->setAccessibleName(QCoreApplication::translate("Popup", "Launch medium"));
    ui.imagePathLabel = makeLabel(controls::ImagePathLabel,
                                  QCoreApplication::translate("Popup", "Path To Image:"), group);
    ui.imagePathField = makeLineEdit(fields::ImagePath, group);
    ui.imagePathLabel->setBuddy(ui.imagePathField);
    ui.delayLabel = makeLabel(controls::DelayLabel,
                              QCoreApplication::translate("Popup", "Seconds Before Popup:"), group);
    ui.delaySpin = makeSpin(fields::DelaySeconds, MaximumSeconds, ui.delayLabel, group);

    auto* choicesLayout = new QGridLayout;
    choicesLayout->setSpacing(2);
    FormGrid choices(choicesLayout, group);
    choices.row(eventLabel, ui.eventList);
    choices.row(ui.mediumLabel, ui.mediumList);
    choices.row(ui.imagePathLabel, ui.imagePathField);
    choices.widenControls();

    // Its own row, so that the longest caption does not widen the column above.
    auto* delayRow = new QHBoxLayout;
    delayRow->setSpacing(3);
    delayRow->addWidget(ui.delayLabel);
    delayRow->addWidget(ui.delaySpin);
    delayRow->addStretch();

    auto* layout = compact(new QVBoxLayout(group), GroupDensity);
    layout->addLayout(choicesLayout);
    layout->addLayout(delayRow);
    return group;
}

} // namespace

void PopupForm::setupUi(QWidget* tab, const TabContext& context) {
    auto* settingsRow = new QHBoxLayout;
    settingsRow->setSpacing(3);
    settingsRow->addWidget(buildFeatures(*this, tab), 1);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->setSpacing(2);
    rightColumn->addWidget(buildUrlAndStatus(*this, tab));
    rightColumn->addWidget(buildLaunch(*this, tab));
    rightColumn->addStretch();
    settingsRow->addLayout(rightColumn, 1);
    QWidget* code = frame.buildCodeArea(CodeArea, tab);
    codePane = frame.pane;
    codePane->setAccessibleName(QCoreApplication::translate("Popup", "Generated code"));
    makeCodeButton = frame.codeButtons.at(0);
    frame.buildToolBar(ToolBar, context, tab);

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(frame.bar);
    layout->addLayout(settingsRow);
    layout->addWidget(code, 1);

    // Left column row by row, then the right column, then the code.
    setTabChain({directoriesBox,
                 locationBox,
                 menubarBox,
                 resizableBox,
                 scrollbarsBox,
                 statusbarBox,
                 toolbarBox,
                 fullScreenBox,
                 heightSpin,
                 widthSpin,
                 leftSpin,
                 topSpin,
                 closeAfterTimeBox,
                 closeSecondsSpin,
                 urlField,
                 statusField,
                 eventList,
                 mediumList,
                 imagePathField,
                 delaySpin,
                 codePane,
                 makeCodeButton,
                 frame.codeButtons.at(1),
                 frame.codeButtons.at(2)});
}
