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
    setup.pane = Memo4;
    setup.htmlDialog =
        htmlSaveRequest(QStringLiteral("SaveDialog2"), QStringLiteral("HTML File (*.html)"));
    // This one dialog replaces an existing text file without asking.
    setup.textDialog = textSaveRequest(QStringLiteral("SaveDialog4"));
    setup.textDialog.confirmOverwrite = false;
    setup.preview = OutputSetup::Preview::SavedFile;
    output = new OutputCommands(std::move(setup), context.folders.userCache, this);
    buildToolBar(context);
    frame.connectTo(output);

    connect(BitBtn10, &QPushButton::clicked, this, &PopupTab::BitBtn10Click);
    connect(CheckBox9, &QCheckBox::toggled, this, &PopupTab::CheckBox9Click);
    connect(CheckBox10, &QCheckBox::toggled, this, &PopupTab::CheckBox10Click);
    connect(ComboBox4, &QComboBox::activated, this, &PopupTab::ComboBox4Change);
    connect(ComboBox5, &QComboBox::activated, this, &PopupTab::ComboBox5Change);
    connect(Edit6, &QLineEdit::textChanged, this, &PopupTab::Edit6Change);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(ToolBar3);
    layout->addLayout(settingsRow);
    layout->addWidget(code, 1);
}

QWidget* PopupTab::buildFeatures() {
    QGroupBox* group = makeGroupBox("FeaturesGroup", QStringLiteral("Popup Window Features"), this);
    CheckBox2 = makeCheckBox("CheckBox2", QStringLiteral("Directories"), group);
    CheckBox3 = makeCheckBox("CheckBox3", QStringLiteral("Location"), group);
    CheckBox4 = makeCheckBox("CheckBox4", QStringLiteral("Menubar"), group);
    CheckBox5 = makeCheckBox("CheckBox5", QStringLiteral("Resizable"), group);
    CheckBox6 = makeCheckBox("CheckBox6", QStringLiteral("Scrollbars"), group);
    CheckBox7 = makeCheckBox("CheckBox7", QStringLiteral("Statusbar"), group);
    CheckBox8 = makeCheckBox("CheckBox8", QStringLiteral("Toolbar"), group);
    CheckBox10 = makeCheckBox("CheckBox10", QStringLiteral("Fullscreen Window"), group);

    heightLabel = makeLabel("HeightLabel", QStringLiteral("Window Height:"), group);
    SpinEdit1 = new SpinEdit(QStringLiteral("SpinEdit1"), 1, MaximumSize, DefaultHeight, group);
    widthLabel = makeLabel("WidthLabel", QStringLiteral("Window Width:"), group);
    SpinEdit2 = new SpinEdit(QStringLiteral("SpinEdit2"), 1, MaximumSize, DefaultWidth, group);
    leftLabel = makeLabel("LeftLabel", QStringLiteral("Win Pos Left:"), group);
    SpinEdit3 = new SpinEdit(QStringLiteral("SpinEdit3"), 1, MaximumSize, DefaultPosition, group);
    topLabel = makeLabel("TopLabel", QStringLiteral("Win Pos Top:"), group);
    SpinEdit4 = new SpinEdit(QStringLiteral("SpinEdit4"), 1, MaximumSize, DefaultPosition, group);

    CheckBox9 =
        makeCheckBox("CheckBox9", QStringLiteral("Close Window After A Predefined Time"), group);
    afterLabel = makeLabel("AfterLabel", QStringLiteral("After "), group);
    SpinEdit5 = new SpinEdit(QStringLiteral("SpinEdit5"), 1, MaximumSeconds, DefaultSeconds, group);
    secondsLabel = makeLabel("SecondsLabel", QStringLiteral("second(s)"), group);
    enableAll({afterLabel, SpinEdit5, secondsLabel}, false);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(1);
    int cell = 0;
    for (QCheckBox* box :
         {CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7, CheckBox8}) {
        boxes->addWidget(box, cell / 3, cell % 3);
        ++cell;
    }
    boxes->addWidget(CheckBox10, 2, 1, 1, 2);

    auto* numbers = new QGridLayout;
    numbers->setHorizontalSpacing(4);
    numbers->setVerticalSpacing(2);
    numbers->addWidget(heightLabel, 0, 0);
    numbers->addWidget(SpinEdit1, 0, 1);
    numbers->addWidget(widthLabel, 0, 2);
    numbers->addWidget(SpinEdit2, 0, 3);
    numbers->addWidget(leftLabel, 1, 0);
    numbers->addWidget(SpinEdit3, 1, 1);
    numbers->addWidget(topLabel, 1, 2);
    numbers->addWidget(SpinEdit4, 1, 3);
    numbers->setColumnStretch(4, 1);

    auto* closeRow = new QHBoxLayout;
    closeRow->setSpacing(2);
    closeRow->addSpacing(18);
    closeRow->addWidget(afterLabel);
    closeRow->addWidget(SpinEdit5);
    closeRow->addWidget(secondsLabel);
    closeRow->addStretch();

    auto* layout = compact(new QVBoxLayout(group), GroupDensity);
    layout->addLayout(boxes);
    layout->addLayout(numbers);
    layout->addWidget(CheckBox9);
    layout->addLayout(closeRow);
    layout->addStretch();
    return group;
}

QWidget* PopupTab::buildUrlAndStatus() {
    // "&&" shows one ampersand.
    QGroupBox* group = makeGroupBox("UrlStatusGroup", QStringLiteral("URL && Status"), this);
    QLabel* urlLabel = makeLabel("UrlLabel", QStringLiteral("Window URL:"), group);
    Edit6 = makeLineEdit("Edit6", group);
    statusLabel = makeLabel("StatusLabel", QStringLiteral("Statusbar Message:"), group);
    Edit7 = makeLineEdit("Edit7", group);
    urlLabel->setBuddy(Edit6);
    statusLabel->setBuddy(Edit7);

    auto* layout = compact(new QGridLayout(group), GroupDensity);
    layout->addWidget(urlLabel, 0, 0);
    layout->addWidget(Edit6, 0, 1);
    layout->addWidget(statusLabel, 1, 0);
    layout->addWidget(Edit7, 1, 1);
    return group;
}

QWidget* PopupTab::buildLaunch() {
    QGroupBox* group = makeGroupBox("LaunchGroup", QStringLiteral("Window Launch"), this);
    QLabel* eventLabel = makeLabel("EventLabel", QStringLiteral("Launch Event:"), group);
    ComboBox4 = new QComboBox(group);
    ComboBox4->setObjectName("ComboBox4");
    ComboBox4->addItems({QStringLiteral("onClick"), QStringLiteral("onLoad"),
                         QStringLiteral("onMouseOut"), QStringLiteral("onMouseOver"),
                         QStringLiteral("onUnload"), QStringLiteral("Popup After x Seconds")});
    mediumLabel = makeLabel("MediumLabel", QStringLiteral("Launch Medium:"), group);
    ComboBox5 = new QComboBox(group);
    ComboBox5->setObjectName("ComboBox5");
    ComboBox5->addItems(
        {QStringLiteral("Text Link"), QStringLiteral("Image Link"), QStringLiteral("Other")});
    imagePathLabel = makeLabel("ImagePathLabel", QStringLiteral("Path To Image:"), group);
    Edit8 = makeLineEdit("Edit8", group);
    delayLabel = makeLabel("DelayLabel", QStringLiteral("Seconds Before Popup:"), group);
    SpinEdit6 = new SpinEdit(QStringLiteral("SpinEdit6"), 1, MaximumSeconds, DefaultSeconds, group);
    enableAll({imagePathLabel, Edit8, delayLabel, SpinEdit6}, false);

    auto* choices = new QGridLayout;
    choices->setSpacing(3);
    choices->addWidget(eventLabel, 0, 0);
    choices->addWidget(ComboBox4, 0, 1);
    choices->addWidget(mediumLabel, 1, 0);
    choices->addWidget(ComboBox5, 1, 1);
    choices->addWidget(imagePathLabel, 2, 0);
    choices->addWidget(Edit8, 2, 1);
    choices->setColumnStretch(1, 1);

    // Its own row, so that the longest caption does not widen the column above.
    auto* delayRow = new QHBoxLayout;
    delayRow->setSpacing(3);
    delayRow->addWidget(delayLabel);
    delayRow->addWidget(SpinEdit6);
    delayRow->addStretch();

    auto* layout = compact(new QVBoxLayout(group), GroupDensity);
    layout->addLayout(choices);
    layout->addLayout(delayRow);
    return group;
}

QWidget* PopupTab::buildCode() {
    QWidget* area = frame.buildCodeArea(CodeArea, this);
    Memo4 = frame.pane;
    BitBtn10 = frame.codeButtons.at(0);
    BitBtn10->setEnabled(false);
    BitBtn4 = frame.codeButtons.at(1);
    BitBtn9 = frame.codeButtons.at(2);
    return area;
}

void PopupTab::buildToolBar(const TabContext& context) {
    frame.buildToolBar(ToolBar, context, this);
    ToolBar3 = frame.bar;
    ToolButton18 = frame.newButton;
    connect(ToolButton18, &QToolButton::clicked, this, &PopupTab::ToolButton18Click);
    ToolButton19 = frame.saveButton;
    AsHTML2 = frame.saveAs.at(0);
    AsText2 = frame.saveAs.at(1);
    ToolButton28 = frame.printButton;
    ToolButton30 = frame.optionsButton;
    Preview1 = frame.options.at(0);
}

const QString& PopupTab::Edit9() const {
    return output->savedFlag();
}

const QString& PopupTab::filen() const {
    return output->savedFileName();
}

PopupSettings PopupTab::settings() {
    PopupSettings s;
    s.directories = CheckBox2->isChecked();
    s.location = CheckBox3->isChecked();
    s.menubar = CheckBox4->isChecked();
    s.resizable = CheckBox5->isChecked();
    s.scrollbars = CheckBox6->isChecked();
    s.statusbar = CheckBox7->isChecked();
    s.toolbar = CheckBox8->isChecked();
    s.height = SpinEdit1->committedText();
    s.width = SpinEdit2->committedText();
    s.left = SpinEdit3->committedText();
    s.top = SpinEdit4->committedText();
    s.closeAfterTime = CheckBox9->isChecked();
    s.closeSeconds = SpinEdit5->committedText();
    s.fullScreen = CheckBox10->isChecked();
    s.url = Edit6->text();
    s.statusText = Edit7->text();
    s.event = static_cast<Event>(ComboBox4->currentIndex());
    s.medium = static_cast<Medium>(ComboBox5->currentIndex());
    s.imagePath = Edit8->text();
    s.delaySeconds = SpinEdit6->committedText();
    return s;
}

void PopupTab::CheckBox9Click(bool ticked) {
    enableAll({afterLabel, SpinEdit5, secondsLabel}, ticked);
}

void PopupTab::CheckBox10Click(bool ticked) {
    // Ticks and numbers stay, so unticking brings the former features back.
    enableAll({CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7, CheckBox8,
               heightLabel, widthLabel, leftLabel, topLabel, SpinEdit1, SpinEdit2, SpinEdit3,
               SpinEdit4},
              !ticked);
}

void PopupTab::ComboBox4Change(int index) {
    const auto event = static_cast<Event>(index);
    const bool linkEvent =
        event == Event::OnClick || event == Event::OnMouseOut || event == Event::OnMouseOver;
    // A link event always starts from a text link; page events have no link.
    ComboBox5->setCurrentIndex(static_cast<int>(linkEvent ? Medium::TextLink : Medium::Other));
    enableAll({mediumLabel, ComboBox5, statusLabel, Edit7}, linkEvent);
    enableAll({imagePathLabel, Edit8}, false);
    enableAll({delayLabel, SpinEdit6}, event == Event::AfterDelay);
    if (event == Event::OnUnload)
        CheckBox9->setChecked(false);
    CheckBox9->setEnabled(event != Event::OnUnload);
}

void PopupTab::ComboBox5Change(int index) {
    const auto medium = static_cast<Medium>(index);
    enableAll({imagePathLabel, Edit8}, medium == Medium::ImageLink);
    if (medium == Medium::Other) {
        desktop().notice(NoticeKind::Information,
                         QStringLiteral("This option may not be selected. It is used when "
                                        "onMouse, etc. events are not used."));
        ComboBox5->setCurrentIndex(static_cast<int>(Medium::TextLink));
    }
}

void PopupTab::Edit6Change(const QString& text) {
    BitBtn10->setEnabled(!text.isEmpty());
}

void PopupTab::ToolButton18Click() {
    if (!desktop().confirm(
            QStringLiteral("Are you sure you want to erase all fields and start a new document?")))
        return;
    output->resetSavedFlag();
    for (QCheckBox* box : {CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7,
                           CheckBox8, CheckBox9, CheckBox10})
        box->setChecked(false);
    Edit6->clear();
    Edit7->clear();
    Edit8->clear();
    SpinEdit1->setValue(DefaultHeight);
    SpinEdit2->setValue(DefaultWidth);
    SpinEdit3->setValue(DefaultPosition);
    SpinEdit4->setValue(DefaultPosition);
    SpinEdit5->setValue(DefaultSeconds);
    SpinEdit6->setValue(DefaultSeconds);
}

void PopupTab::BitBtn10Click() {
    // Make Code is disabled while the URL is empty; a stray call does nothing.
    if (Edit6->text().isEmpty())
        return;
    const QStringList page = context.modern() ? modernPopupPage(settings()) : popupPage(settings());
    replacePaneText(*Memo4, page.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
