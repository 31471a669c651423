#include "makers/popup/popup_tab.h"

#include "makers/popup/popup_modern_page.h"
#include "widgets/desktop.h"
#include "widgets/form_parts.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"
#include "widgets/spin_edit.h"

#include <QAction>
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
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Event = PopupSettings::LaunchEvent;
using Medium = PopupSettings::LaunchMedium;

// Start values, written back by New.
constexpr int DefaultHeight = 240;
constexpr int DefaultWidth = 320;
constexpr int DefaultPosition = 25;
constexpr int DefaultSeconds = 1;
constexpr int MaximumSize = 1000;
constexpr int MaximumSeconds = 999;

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
                            .helpPage = 2};

const CodeAreaRow CodeArea = {.pane = "Memo4",
                              .buttons = {{"BitBtn10", "&Make Code", "Generate HTML Code"},
                                          copyCodeButton("BitBtn4", "C&opy To Clipboard"),
                                          clearCodeButton("BitBtn9")}};

const Density GroupDensity = {{6, 4, 6, 4}, 3, 3};

void enableAll(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

} // namespace

PopupTab::PopupTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), context(tabContext) {
    setObjectName("TabSheet2");

    auto* settingsRow = new QHBoxLayout;
    settingsRow->setSpacing(4);
    settingsRow->addWidget(buildFeatures(), 1);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->setSpacing(2);
    rightColumn->addWidget(buildUrlAndStatus());
    rightColumn->addWidget(buildLaunch());
    rightColumn->addStretch();
    settingsRow->addLayout(rightColumn, 1);
    QWidget* code = buildCode();

    OutputSetup setup;
    setup.pane = codePane;
    setup.htmlDialog =
        htmlSaveRequest(QStringLiteral("SaveDialog2"), QStringLiteral("HTML File (*.html)"));
    // This one dialog replaces an existing text file without asking.
    setup.textDialog = textSaveRequest(QStringLiteral("SaveDialog4"));
    setup.textDialog.confirmOverwrite = false;
    setup.preview = OutputSetup::Preview::SavedFile;
    output = new OutputCommands(std::move(setup), context.folders.userCache, this);
    buildToolBar(context);
    frame.connectTo(output);

    connect(makeCodeButton, &QPushButton::clicked, this, &PopupTab::makeCode);
    connect(closeAfterTimeBox, &QCheckBox::toggled, this, &PopupTab::closeTimeToggled);
    connect(fullScreenBox, &QCheckBox::toggled, this, &PopupTab::fullScreenToggled);
    connect(eventList, &QComboBox::activated, this, &PopupTab::eventChosen);
    connect(mediumList, &QComboBox::activated, this, &PopupTab::mediumChosen);
    connect(urlField, &QLineEdit::textChanged, this, &PopupTab::urlChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(toolBar);
    layout->addLayout(settingsRow);
    layout->addWidget(code, 1);
}

QWidget* PopupTab::buildFeatures() {
    QGroupBox* group = makeGroupBox("FeaturesGroup", QStringLiteral("Popup Window Features"), this);
    directoriesBox = makeCheckBox("CheckBox2", QStringLiteral("Directories"), group);
    locationBox = makeCheckBox("CheckBox3", QStringLiteral("Location"), group);
    menubarBox = makeCheckBox("CheckBox4", QStringLiteral("Menubar"), group);
    resizableBox = makeCheckBox("CheckBox5", QStringLiteral("Resizable"), group);
    scrollbarsBox = makeCheckBox("CheckBox6", QStringLiteral("Scrollbars"), group);
    statusbarBox = makeCheckBox("CheckBox7", QStringLiteral("Statusbar"), group);
    toolbarBox = makeCheckBox("CheckBox8", QStringLiteral("Toolbar"), group);
    fullScreenBox = makeCheckBox("CheckBox10", QStringLiteral("Fullscreen Window"), group);

    heightLabel = makeLabel("HeightLabel", QStringLiteral("Window Height:"), group);
    heightSpin = new SpinEdit(QStringLiteral("SpinEdit1"), 1, MaximumSize, DefaultHeight, group);
    widthLabel = makeLabel("WidthLabel", QStringLiteral("Window Width:"), group);
    widthSpin = new SpinEdit(QStringLiteral("SpinEdit2"), 1, MaximumSize, DefaultWidth, group);
    leftLabel = makeLabel("LeftLabel", QStringLiteral("Win Pos Left:"), group);
    leftSpin = new SpinEdit(QStringLiteral("SpinEdit3"), 1, MaximumSize, DefaultPosition, group);
    topLabel = makeLabel("TopLabel", QStringLiteral("Win Pos Top:"), group);
    topSpin = new SpinEdit(QStringLiteral("SpinEdit4"), 1, MaximumSize, DefaultPosition, group);

    closeAfterTimeBox =
        makeCheckBox("CheckBox9", QStringLiteral("Close Window After A Predefined Time"), group);
    afterLabel = makeLabel("AfterLabel", QStringLiteral("After "), group);
    closeSecondsSpin =
        new SpinEdit(QStringLiteral("SpinEdit5"), 1, MaximumSeconds, DefaultSeconds, group);
    secondsLabel = makeLabel("SecondsLabel", QStringLiteral("second(s)"), group);
    enableAll({afterLabel, closeSecondsSpin, secondsLabel}, false);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(1);
    int cell = 0;
    for (QCheckBox* box : {directoriesBox, locationBox, menubarBox, resizableBox, scrollbarsBox,
                           statusbarBox, toolbarBox}) {
        boxes->addWidget(box, cell / 3, cell % 3);
        ++cell;
    }
    boxes->addWidget(fullScreenBox, 2, 1, 1, 2);

    auto* numbers = new QGridLayout;
    numbers->setHorizontalSpacing(4);
    numbers->setVerticalSpacing(2);
    numbers->addWidget(heightLabel, 0, 0);
    numbers->addWidget(heightSpin, 0, 1);
    numbers->addWidget(widthLabel, 0, 2);
    numbers->addWidget(widthSpin, 0, 3);
    numbers->addWidget(leftLabel, 1, 0);
    numbers->addWidget(leftSpin, 1, 1);
    numbers->addWidget(topLabel, 1, 2);
    numbers->addWidget(topSpin, 1, 3);
    numbers->setColumnStretch(4, 1);

    auto* closeRow = new QHBoxLayout;
    closeRow->setSpacing(2);
    closeRow->addSpacing(18);
    closeRow->addWidget(afterLabel);
    closeRow->addWidget(closeSecondsSpin);
    closeRow->addWidget(secondsLabel);
    closeRow->addStretch();

    auto* layout = compact(new QVBoxLayout(group), GroupDensity);
    layout->addLayout(boxes);
    layout->addLayout(numbers);
    layout->addWidget(closeAfterTimeBox);
    layout->addLayout(closeRow);
    layout->addStretch();
    return group;
}

QWidget* PopupTab::buildUrlAndStatus() {
    // "&&" shows one ampersand.
    QGroupBox* group = makeGroupBox("UrlStatusGroup", QStringLiteral("URL && Status"), this);
    QLabel* urlLabel = makeLabel("UrlLabel", QStringLiteral("Window URL:"), group);
    urlField = makeLineEdit("Edit6", group);
    statusLabel = makeLabel("StatusLabel", QStringLiteral("Statusbar Message:"), group);
    statusField = makeLineEdit("Edit7", group);
    urlLabel->setBuddy(urlField);
    statusLabel->setBuddy(statusField);

    auto* layout = compact(new QGridLayout(group), GroupDensity);
    layout->addWidget(urlLabel, 0, 0);
    layout->addWidget(urlField, 0, 1);
    layout->addWidget(statusLabel, 1, 0);
    layout->addWidget(statusField, 1, 1);
    return group;
}

QWidget* PopupTab::buildLaunch() {
    QGroupBox* group = makeGroupBox("LaunchGroup", QStringLiteral("Window Launch"), this);
    QLabel* eventLabel = makeLabel("EventLabel", QStringLiteral("Launch Event:"), group);
    eventList = new QComboBox(group);
    eventList->setObjectName("ComboBox4");
    eventList->addItems({QStringLiteral("onClick"), QStringLiteral("onLoad"),
                         QStringLiteral("onMouseOut"), QStringLiteral("onMouseOver"),
                         QStringLiteral("onUnload"), QStringLiteral("Popup After x Seconds")});
    mediumLabel = makeLabel("MediumLabel", QStringLiteral("Launch Medium:"), group);
    mediumList = new QComboBox(group);
    mediumList->setObjectName("ComboBox5");
    mediumList->addItems(
        {QStringLiteral("Text Link"), QStringLiteral("Image Link"), QStringLiteral("Other")});
    imagePathLabel = makeLabel("ImagePathLabel", QStringLiteral("Path To Image:"), group);
    imagePathField = makeLineEdit("Edit8", group);
    delayLabel = makeLabel("DelayLabel", QStringLiteral("Seconds Before Popup:"), group);
    delaySpin = new SpinEdit(QStringLiteral("SpinEdit6"), 1, MaximumSeconds, DefaultSeconds, group);
    enableAll({imagePathLabel, imagePathField, delayLabel, delaySpin}, false);

    auto* choices = new QGridLayout;
    choices->setSpacing(3);
    choices->addWidget(eventLabel, 0, 0);
    choices->addWidget(eventList, 0, 1);
    choices->addWidget(mediumLabel, 1, 0);
    choices->addWidget(mediumList, 1, 1);
    choices->addWidget(imagePathLabel, 2, 0);
    choices->addWidget(imagePathField, 2, 1);
    choices->setColumnStretch(1, 1);

    // Its own row, so that the longest caption does not widen the column above.
    auto* delayRow = new QHBoxLayout;
    delayRow->setSpacing(3);
    delayRow->addWidget(delayLabel);
    delayRow->addWidget(delaySpin);
    delayRow->addStretch();

    auto* layout = compact(new QVBoxLayout(group), GroupDensity);
    layout->addLayout(choices);
    layout->addLayout(delayRow);
    return group;
}

QWidget* PopupTab::buildCode() {
    QWidget* area = frame.buildCodeArea(CodeArea, this);
    codePane = frame.pane;
    makeCodeButton = frame.codeButtons.at(0);
    makeCodeButton->setEnabled(false);
    copyButton = frame.codeButtons.at(1);
    clearButton = frame.codeButtons.at(2);
    return area;
}

void PopupTab::buildToolBar(const TabContext& context) {
    frame.buildToolBar(ToolBar, context, this);
    toolBar = frame.bar;
    newButton = frame.newButton;
    connect(newButton, &QToolButton::clicked, this, &PopupTab::newDocument);
    saveButton = frame.saveButton;
    saveAsHtml = frame.saveAs.at(0);
    saveAsText = frame.saveAs.at(1);
    printButton = frame.printButton;
    optionsButton = frame.optionsButton;
    previewAction = frame.options.at(0);
}

const QString& PopupTab::savedFlag() const {
    return output->savedFlag();
}

const QString& PopupTab::savedPagePath() const {
    return output->savedFileName();
}

PopupSettings PopupTab::settings() {
    PopupSettings s;
    s.directories = directoriesBox->isChecked();
    s.location = locationBox->isChecked();
    s.menubar = menubarBox->isChecked();
    s.resizable = resizableBox->isChecked();
    s.scrollbars = scrollbarsBox->isChecked();
    s.statusbar = statusbarBox->isChecked();
    s.toolbar = toolbarBox->isChecked();
    s.height = heightSpin->committedText();
    s.width = widthSpin->committedText();
    s.left = leftSpin->committedText();
    s.top = topSpin->committedText();
    s.closeAfterTime = closeAfterTimeBox->isChecked();
    s.closeSeconds = closeSecondsSpin->committedText();
    s.fullScreen = fullScreenBox->isChecked();
    s.url = urlField->text();
    s.statusText = statusField->text();
    s.event = static_cast<Event>(eventList->currentIndex());
    s.medium = static_cast<Medium>(mediumList->currentIndex());
    s.imagePath = imagePathField->text();
    s.delaySeconds = delaySpin->committedText();
    return s;
}

void PopupTab::closeTimeToggled(bool ticked) {
    enableAll({afterLabel, closeSecondsSpin, secondsLabel}, ticked);
}

void PopupTab::fullScreenToggled(bool ticked) {
    // Ticks and numbers stay, so unticking brings the former features back.
    enableAll({directoriesBox, locationBox, menubarBox, resizableBox, scrollbarsBox, statusbarBox,
               toolbarBox, heightLabel, widthLabel, leftLabel, topLabel, heightSpin, widthSpin,
               leftSpin, topSpin},
              !ticked);
}

void PopupTab::eventChosen(int index) {
    const auto event = static_cast<Event>(index);
    const bool linkEvent =
        event == Event::OnClick || event == Event::OnMouseOut || event == Event::OnMouseOver;
    // A link event always starts from a text link; page events have no link.
    mediumList->setCurrentIndex(static_cast<int>(linkEvent ? Medium::TextLink : Medium::Other));
    enableAll({mediumLabel, mediumList, statusLabel, statusField}, linkEvent);
    enableAll({imagePathLabel, imagePathField}, false);
    enableAll({delayLabel, delaySpin}, event == Event::AfterDelay);
    if (event == Event::OnUnload)
        closeAfterTimeBox->setChecked(false);
    closeAfterTimeBox->setEnabled(event != Event::OnUnload);
}

void PopupTab::mediumChosen(int index) {
    const auto medium = static_cast<Medium>(index);
    enableAll({imagePathLabel, imagePathField}, medium == Medium::ImageLink);
    if (medium == Medium::Other) {
        desktop().notice(NoticeKind::Information,
                         QStringLiteral("This option may not be selected. It is used when "
                                        "onMouse, etc. events are not used."));
        mediumList->setCurrentIndex(static_cast<int>(Medium::TextLink));
    }
}

void PopupTab::urlChanged(const QString& text) {
    makeCodeButton->setEnabled(!text.isEmpty());
}

void PopupTab::newDocument() {
    if (!desktop().confirm(
            QStringLiteral("Are you sure you want to erase all fields and start a new document?")))
        return;
    output->resetSavedFlag();
    for (QCheckBox* box : {directoriesBox, locationBox, menubarBox, resizableBox, scrollbarsBox,
                           statusbarBox, toolbarBox, closeAfterTimeBox, fullScreenBox})
        box->setChecked(false);
    urlField->clear();
    statusField->clear();
    imagePathField->clear();
    heightSpin->setValue(DefaultHeight);
    widthSpin->setValue(DefaultWidth);
    leftSpin->setValue(DefaultPosition);
    topSpin->setValue(DefaultPosition);
    closeSecondsSpin->setValue(DefaultSeconds);
    delaySpin->setValue(DefaultSeconds);
}

void PopupTab::makeCode() {
    // Make Code is disabled while the URL is empty; a stray call does nothing.
    if (urlField->text().isEmpty())
        return;
    const QStringList page = context.modern() ? modernPopupPage(settings()) : popupPage(settings());
    replacePaneText(*codePane, page.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
