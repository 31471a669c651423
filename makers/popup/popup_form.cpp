#include "makers/popup/popup_form.h"

#include "widgets/form_grid.h"
#include "widgets/form_parts.h"
#include "widgets/spin_edit.h"

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

const ToolBarRow ToolBar = {.bar = "ToolBar3",
                            .newButton = "ToolButton18",
                            .saveButton = "ToolButton19",
                            .saveAs = {saveAsHtmlEntry("AsHTML2"), saveAsTextEntry("AsText2")},
                            .saveOnPlainClick = true,
                            .printButton = "ToolButton28",
                            .optionsButton = "ToolButton30",
                            .options = {previewEntry("Preview1")},
                            .optionsOnPlainClick = true,
                            .helpButton = "ToolButton31",
                            .helpEntry = "Help4",
                            .aboutEntry = "About3",
                            .helpPage = 2,
                            .flush = true};

const CodeAreaRow CodeArea = {
    .pane = "Memo4",
    .buttons = {{"BitBtn10", QT_TRANSLATE_NOOP("ToolTab", "&Make Code"),
                 QT_TRANSLATE_NOOP("ToolTab", "Generate HTML Code")},
                copyCodeButton("BitBtn4", QT_TRANSLATE_NOOP("ToolTab", "C&opy To Clipboard")),
                clearCodeButton("BitBtn9")}};

const Density GroupDensity = {{3, 4, 3, 4}, 3, 3};

// A spin edit named by the label beside it; the tab sets its value.
SpinEdit* makeSpin(const char* name, int maximum, QLabel* label, QWidget* parent) {
    auto* spin = new SpinEdit(QLatin1String(name), 1, maximum, 1, parent);
    if (label)
        label->setBuddy(spin);
    return spin;
}

QWidget* buildFeatures(PopupForm& ui, QWidget* tab) {
    QGroupBox* group = makeGroupBox(
        "FeaturesGroup", QCoreApplication::translate("Popup", "Popup Window Features"), tab);
    ui.directoriesBox =
        makeCheckBox("CheckBox2", QCoreApplication::translate("Popup", "Directories"), group);
    ui.locationBox =
        makeCheckBox("CheckBox3", QCoreApplication::translate("Popup", "Location"), group);
    ui.menubarBox =
        makeCheckBox("CheckBox4", QCoreApplication::translate("Popup", "Menubar"), group);
    ui.resizableBox =
        makeCheckBox("CheckBox5", QCoreApplication::translate("Popup", "Resizable"), group);
    ui.scrollbarsBox =
        makeCheckBox("CheckBox6", QCoreApplication::translate("Popup", "Scrollbars"), group);
    ui.statusbarBox =
        makeCheckBox("CheckBox7", QCoreApplication::translate("Popup", "Statusbar"), group);
    ui.toolbarBox =
        makeCheckBox("CheckBox8", QCoreApplication::translate("Popup", "Toolbar"), group);
    ui.fullScreenBox = makeCheckBox(
        "CheckBox10", QCoreApplication::translate("Popup", "Fullscreen Window"), group);

    ui.heightLabel =
        makeLabel("HeightLabel", QCoreApplication::translate("Popup", "Window Height:"), group);
    ui.heightSpin = makeSpin("SpinEdit1", MaximumSize, ui.heightLabel, group);
    ui.widthLabel =
        makeLabel("WidthLabel", QCoreApplication::translate("Popup", "Window Width:"), group);
    ui.widthSpin = makeSpin("SpinEdit2", MaximumSize, ui.widthLabel, group);
    ui.leftLabel =
        makeLabel("LeftLabel", QCoreApplication::translate("Popup", "Win Pos Left:"), group);
    ui.leftSpin = makeSpin("SpinEdit3", MaximumSize, ui.leftLabel, group);
    ui.topLabel =
        makeLabel("TopLabel", QCoreApplication::translate("Popup", "Win Pos Top:"), group);
    ui.topSpin = makeSpin("SpinEdit4", MaximumSize, ui.topLabel, group);

    ui.closeAfterTimeBox = makeCheckBox(
        "CheckBox9", QCoreApplication::translate("Popup", "Close Window After A Predefined Time"),
        group);
    ui.afterLabel = makeLabel("AfterLabel", QCoreApplication::translate("Popup", "After "), group);
    ui.closeSecondsSpin = makeSpin("SpinEdit5", MaximumSeconds, nullptr, group);
    // Between "After " and "second(s)", neither of which names it alone.
    ui.closeSecondsSpin->setAccessibleName(
        QCoreApplication::translate("Popup", "Seconds before the popup closes"));
    ui.secondsLabel =
        makeLabel("SecondsLabel", QCoreApplication::translate("Popup", "second(s)"), group);

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
    QGroupBox* group =
        makeGroupBox("UrlStatusGroup", QCoreApplication::translate("Popup", "URL && Status"), tab);
    QLabel* urlLabel =
        makeLabel("UrlLabel", QCoreApplication::translate("Popup", "Window URL:"), group);
    ui.urlField = makeLineEdit("Edit6", group);
    ui.statusLabel =
        makeLabel("StatusLabel", QCoreApplication::translate("Popup", "Statusbar Message:"), group);
    ui.statusField = makeLineEdit("Edit7", group);
    urlLabel->setBuddy(ui.urlField);
    ui.statusLabel->setBuddy(ui.statusField);

    FormGrid grid(compact(new QGridLayout(group), GroupDensity), group);
    grid.row(urlLabel, ui.urlField);
    grid.row(ui.statusLabel, ui.statusField);
    return group;
}

QWidget* buildLaunch(PopupForm& ui, QWidget* tab) {
    QGroupBox* group =
        makeGroupBox("LaunchGroup", QCoreApplication::translate("Popup", "Window Launch"), tab);
    QLabel* eventLabel =
        makeLabel("EventLabel", QCoreApplication::translate("Popup", "Launch Event:"), group);
    ui.eventList = makeChoiceBox("ComboBox4", "Popup", LaunchEvents, group);
    eventLabel->setBuddy(ui.eventList);
    // A list box announces its current text unless it has a name of its own.
    ui.eventList->setAccessibleName(QCoreApplication::translate("Popup", "Launch event"));
    ui.mediumLabel =
        makeLabel("MediumLabel", QCoreApplication::translate("Popup", "Launch Medium:"), group);
    ui.mediumList = makeChoiceBox("ComboBox5", "Popup", LaunchMedia, group);
    ui.mediumLabel->setBuddy(ui.mediumList);
    ui.mediumList->setAccessibleName(QCoreApplication::translate("Popup", "Launch medium"));
    ui.imagePathLabel =
        makeLabel("ImagePathLabel", QCoreApplication::translate("Popup", "Path To Image:"), group);
    ui.imagePathField = makeLineEdit("Edit8", group);
    ui.imagePathLabel->setBuddy(ui.imagePathField);
    ui.delayLabel = makeLabel("DelayLabel",
                              QCoreApplication::translate("Popup", "Seconds Before Popup:"), group);
    ui.delaySpin = makeSpin("SpinEdit6", MaximumSeconds, ui.delayLabel, group);

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
