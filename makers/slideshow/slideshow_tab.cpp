#include "makers/slideshow/slideshow_tab.h"

#include "core/text_file.h"
#include "makers/slideshow/publication.h"
#include "makers/slideshow/slideshow_modern_page.h"
#include "makers/slideshow/slideshow_publisher.h"
#include "widgets/colour_setting.h"
#include "widgets/font_box.h"
#include "widgets/form_parts.h"
#include "widgets/output_commands.h"
#include "widgets/spin_edit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString TimesNewRoman = QStringLiteral("Times New Roman");
const QColor White = Qt::white;

const QStringList BorderStyles = {QStringLiteral("Solid"),  QStringLiteral("Double"),
                                  QStringLiteral("Dotted"), QStringLiteral("Dashed"),
                                  QStringLiteral("Groove"), QStringLiteral("Ridge"),
                                  QStringLiteral("Inset"),  QStringLiteral("Outset")};

const QStringList BorderWidths = numberList(0, 25);

const ToolBarRow ToolBar = {
    .bar = "ToolBar6",
    .newButton = "ToolButton49",
    .saveButton = "ToolButton50",
    .saveMenu = "PopupMenu11",
    .saveAs = {saveAsHtmlEntry("AsHTML4"), saveAsTextEntry("AsText4")},
    .afterSave = {{"Publish1", "Publish", "", FrameCommand::None, "document-send"}},
    .printButton = "ToolButton59",
    .optionsButton = "ToolButton61",
    .optionsMenu = "PopupMenu12",
    .options = {previewEntry("Preview3")},
    .optionsOnPlainClick = true,
    .helpButton = "ToolButton62",
    .helpEntry = "Help6",
    .aboutEntry = "About5",
    .helpPage = 4};

const CodeAreaRow CodeArea = {
    .pane = "Memo19",
    .buttons = {copyCodeButton("BitBtn27", "C&opy to Clipboard"), clearCodeButton("BitBtn28")},
    .placement = CodeAreaRow::Buttons::Below,
    .buttonSpacing = 4};

const Density PageDensity = {{6, 5, 6, 5}, 4, 3};

// Caption, colour button, swatch and the HtmlColor label in one row.
struct ColourRow {
    QPushButton*& button;
    const char* buttonName;
    const char* hint;
    QWidget*& swatch;
    const char* swatchName;
    QLabel*& label;
    const char* labelName;
};

// A caption in the first column and controls, kept to their own width, in
// the second.
void addRow(QGridLayout* grid, int row, const QString& caption,
            std::initializer_list<QWidget*> controls, QWidget* page) {
    auto* line = new QHBoxLayout;
    line->setSpacing(3);
    for (QWidget* control : controls)
        line->addWidget(control);
    line->addStretch();
    grid->addWidget(new QLabel(caption, page), row, 0);
    grid->addLayout(line, row, 1);
}

enum class Caption { InColumn, Spanning };

// A long caption may run across both columns, so that it does not widen the
// first column of the whole page.
void addColourRow(QGridLayout* grid, int row, const QString& caption, const ColourRow& colour,
                  QWidget* page, Caption placement = Caption::InColumn) {
    colour.button = makeChooserButton(colour.buttonName, QStringLiteral("..."),
                                      QLatin1String(colour.hint), page);
    colour.swatch = makeSwatch(QLatin1String(colour.swatchName), White, page);
    colour.label = makeLabel(colour.labelName, QStringLiteral("#FFFFFF"), page);
    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    if (placement == Caption::Spanning)
        line->addWidget(new QLabel(caption, page));
    line->addWidget(colour.button);
    line->addWidget(colour.swatch);
    line->addWidget(colour.label);
    line->addStretch();
    if (placement == Caption::Spanning) {
        grid->addLayout(line, row, 0, 1, 2);
        return;
    }
    grid->addWidget(new QLabel(caption, page), row, 0);
    grid->addLayout(line, row, 1);
}

void setListText(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
}

} // namespace

SlideshowTab::SlideshowTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent),
      OpenDialog1(openFileRequest("OpenDialog1", QStringLiteral("Open Sound"),
                                  {QStringLiteral("All Music Files (*.wav *.mid)")})),
      OpenDialog2(openFileRequest(
          "OpenDialog2", QStringLiteral("Open Image"),
          {QStringLiteral("JPEG Files (*.jpg *.jpe *.jpeg)"), QStringLiteral("GIF Files (*.gif)"),
           QStringLiteral("Bitmap Files (*.bmp)"), QStringLiteral("PNG Files (*.png)"),
           QStringLiteral("All Files (*)")})),
      OpenDialog3(openFileRequest(
          "OpenDialog3", QStringLiteral("Open Images"),
          {QStringLiteral("JPEG Files (*.jpg *.jpeg *.jpe)"), QStringLiteral("GIF Files (*.gif)"),
           QStringLiteral("BMP Files (*.bmp)"), QStringLiteral("PNG Files (*.png)"),
           QStringLiteral("All Supported Images (*.jpg *.jpeg *.jpe *.gif *.bmp *.png)")},
          4)),
      SaveDialog9(saveFileRequest("SaveDialog9", QStringLiteral("Publish"),
                                  QStringLiteral("HTML Files (*.html)"), QStringLiteral("html"))),
      context(tabContext) {
    setObjectName("TabSheet4");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(2);
    buildToolBar();
    layout->addWidget(ToolBar6);

    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName("PageControl2");
    TabSheet6 = buildSettingsPage();
    TabSheet7 = buildSlideshowPage();
    TabSheet8 = buildElementsPage();
    PageControl2->addTab(TabSheet6, QStringLiteral("Settings"));
    PageControl2->addTab(TabSheet7, QStringLiteral("Slideshow"));
    PageControl2->addTab(TabSheet8, QStringLiteral("Elements"));
    PageControl2->setCurrentIndex(0);

    auto* halves = new QHBoxLayout;
    halves->setSpacing(4);
    halves->addWidget(buildLeftHalf(), 1);
    halves->addWidget(PageControl2, 1);
    layout->addLayout(halves);
    buildColourSettings();

    OutputSetup setup;
    setup.pane = Memo19;
    setup.htmlDialog = htmlSaveRequest(QStringLiteral("SaveDialog7"));
    setup.textDialog = textSaveRequest(QStringLiteral("SaveDialog8"));
    setup.preview = OutputSetup::Preview::SavedFile;
    setup.savedFlagStart = QString();
    setup.notSavedNotice =
        QStringLiteral("Please save in HTML format or publish before previewing!");
    setup.htmlSaveWarning = QStringLiteral(
        "Please note: the slideshow HTML file you are about to save will ONLY function correctly "
        "on this computer. If you would like to put your slideshow on a website or CD, please use "
        "the Publish command instead.");
    outputs = new OutputCommands(std::move(setup), context.folders.userCache, this);

    frame.connectTo(outputs);
    connect(Publish1, &QAction::triggered, this, &SlideshowTab::Publish1Click);
    connect(ToolButton49, &QToolButton::clicked, this, &SlideshowTab::ToolButton49Click);
}

SlideshowTab::~SlideshowTab() = default;

void SlideshowTab::buildToolBar() {
    frame.buildToolBar(ToolBar, context, this);
    ToolBar6 = frame.bar;
    ToolButton49 = frame.newButton;
    ToolButton50 = frame.saveButton;
    PopupMenu11 = frame.saveMenu;
    AsHTML4 = frame.saveAs.at(0);
    AsText4 = frame.saveAs.at(1);
    Publish1 = frame.afterSave.at(0);
    ToolButton59 = frame.printButton;
    ToolButton61 = frame.optionsButton;
    Preview3 = frame.options.at(0);
    ToolButton62 = frame.helpButton;
}

QWidget* SlideshowTab::buildLeftHalf() {
    auto* half = new QWidget(this);
    auto* column = new QVBoxLayout(half);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    frame.addCodeArea(CodeArea, column, half, nullptr, 3);
    Memo19 = frame.pane;
    BitBtn27 = frame.codeButtons.at(0);
    BitBtn28 = frame.codeButtons.at(1);

    ListBox2 = new QListWidget(half);
    ListBox2->setObjectName("ListBox2");
    Label74 = makeLabel("Label74", QStringLiteral("0"), half);
    auto* listCaption = new QLabel(QStringLiteral("&Images In List:"), half);
    listCaption->setBuddy(ListBox2);
    auto* counter = new QHBoxLayout;
    counter->setSpacing(4);
    counter->addWidget(listCaption);
    counter->addWidget(Label74);
    counter->addStretch();
    column->addLayout(counter);

    ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Large lists stay quick: every entry has the same height.
    ListBox2->setUniformItemSizes(true);
    column->addWidget(ListBox2, 2);
    connect(ListBox2, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!changingList && row >= 0)
            ListBox2Click();
    });

    BitBtn29 = makeButton("BitBtn29", QStringLiteral("&Delete"), {}, half);
    BitBtn29->setEnabled(false);
    BitBtn30 = makeButton("BitBtn30", QStringLiteral("&Sort"),
                          QStringLiteral("Sort Image List Images Alphabetically"), half);
    BitBtn31 = makeButton("BitBtn31", QStringLiteral("Clear A&ll"),
                          QStringLiteral("Erase All Image List Images"), half);
    BitBtn32 = makeButton("BitBtn32", QStringLiteral("&Make Code"),
                          QStringLiteral("Generate HTML Code"), half);
    auto* listButtons = new QHBoxLayout;
    listButtons->setSpacing(3);
    for (QPushButton* button : {BitBtn29, BitBtn30, BitBtn31, BitBtn32}) {
        button->setMinimumWidth(0);
        listButtons->addWidget(button);
    }
    column->addLayout(listButtons);

    connect(BitBtn29, &QPushButton::clicked, this, &SlideshowTab::BitBtn29Click);
    connect(BitBtn30, &QPushButton::clicked, this, &SlideshowTab::BitBtn30Click);
    connect(BitBtn31, &QPushButton::clicked, this, &SlideshowTab::BitBtn31Click);
    connect(BitBtn32, &QPushButton::clicked, this, &SlideshowTab::BitBtn32Click);
    return half;
}

QWidget* SlideshowTab::buildSettingsPage() {
    auto* page = new QWidget(PageControl2);
    page->setObjectName("TabSheet6");
    auto* grid = compact(new QGridLayout(page), PageDensity);
    grid->setColumnStretch(1, 1);

    BitBtn33 = makeButton("BitBtn33", QStringLiteral("&Add Slideshow Images To List"),
                          QStringLiteral("Add Images To Slideshow"), page);
    grid->addWidget(BitBtn33, 0, 0, 1, 2);

    Edit23 = makeLineEdit("Edit23", page);
    Edit23->setReadOnly(true);
    Button6 = makeChooserButton("Button6", QStringLiteral("O&K"), {}, page);
    Button6->setFixedWidth(32);
    Button6->setEnabled(false);
    Button3 = makeChooserButton("Button3", QStringLiteral("?"), {}, page);
    auto* initial = new QHBoxLayout;
    initial->setSpacing(3);
    initial->addWidget(Edit23);
    initial->addWidget(Button6);
    initial->addWidget(Button3);
    grid->addWidget(new QLabel(QStringLiteral("Initial Image:"), page), 1, 0);
    grid->addLayout(initial, 1, 1);

    SpinEdit7 = new SpinEdit(QStringLiteral("SpinEdit7"), 1, 999, 1, page);
    addRow(grid, 2, QStringLiteral("Transition Time:"),
           {SpinEdit7, new QLabel(QStringLiteral("Seconds"), page)}, page);

    CheckBox13 = makeCheckBox("CheckBox13", QStringLiteral("Center Slideshow Console"), page);
    grid->addWidget(CheckBox13, 3, 0, 1, 2);

    CheckBox14 = makeCheckBox("CheckBox14", QStringLiteral("Include Right-click Disable"), page);
    grid->addWidget(CheckBox14, 4, 0, 1, 2);
    Label39 = makeLabel("Label39", QStringLiteral("Message On Right-click:"), page);
    Edit19 = makeLineEdit("Edit19", page);
    auto* message = new QHBoxLayout;
    message->setSpacing(4);
    message->addWidget(Label39);
    message->addWidget(Edit19);
    grid->addLayout(message, 5, 0, 1, 2);

    CheckBox15 = makeCheckBox("CheckBox15", QStringLiteral("Play Background Sound"), page);
    grid->addWidget(CheckBox15, 6, 0, 1, 2);
    Label40 = makeLabel("Label40", QStringLiteral("Sound:"), page);
    Edit20 = makeLineEdit("Edit20", page);
    Edit20->setReadOnly(true);
    Button4 = makeChooserButton("Button4", QStringLiteral("..."),
                                QStringLiteral("Choose Your Background Sound"), page);
    BitBtn18 =
        makeChooserButton("BitBtn18", QString(), QStringLiteral("Audition Sound (Preview)"), page);
    BitBtn18->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    auto* sound = new QHBoxLayout;
    sound->setSpacing(3);
    sound->addWidget(Edit20);
    sound->addWidget(Button4);
    sound->addWidget(BitBtn18);
    grid->addWidget(Label40, 7, 0);
    grid->addLayout(sound, 7, 1);

    Edit21 = makeLineEdit("Edit21", page);
    grid->addWidget(new QLabel(QStringLiteral("Page Title:"), page), 8, 0);
    grid->addWidget(Edit21, 8, 1);

    addColourRow(grid, 9, QStringLiteral("Page Background Color:"),
                 {BitBtn17, "BitBtn17", "Choose Page Background Color", Memo10, "Memo10", Label45,
                  "Label45"},
                 page, Caption::Spanning);

    Edit22 = makeLineEdit("Edit22", page);
    Edit22->setReadOnly(true);
    Button5 = makeChooserButton("Button5", QStringLiteral("..."),
                                QStringLiteral("Choose Your Background Image"), page);
    auto* image = new QHBoxLayout;
    image->setSpacing(3);
    image->addWidget(Edit22);
    image->addWidget(Button5);
    grid->addWidget(new QLabel(QStringLiteral("Image:"), page), 10, 0);
    grid->addLayout(image, 10, 1);
    grid->setRowStretch(11, 1);

    for (QWidget* dependent :
         std::initializer_list<QWidget*>{Label39, Edit19, Label40, Edit20, Button4, BitBtn18})
        dependent->setEnabled(false);

    connect(BitBtn33, &QPushButton::clicked, this, &SlideshowTab::BitBtn33Click);
    connect(Button6, &QPushButton::clicked, this, &SlideshowTab::Button6Click);
    connect(Button3, &QPushButton::clicked, this, &SlideshowTab::Button3Click);
    connect(Edit23, &QLineEdit::textChanged, this, &SlideshowTab::Edit23Change);
    connect(CheckBox14, &QCheckBox::toggled, this, &SlideshowTab::CheckBox14Click);
    connect(CheckBox15, &QCheckBox::toggled, this, &SlideshowTab::CheckBox15Click);
    connect(Button4, &QPushButton::clicked, this, &SlideshowTab::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &SlideshowTab::Button5Click);
    connect(BitBtn18, &QPushButton::clicked, this, &SlideshowTab::BitBtn18Click);
    return page;
}

QWidget* SlideshowTab::buildSlideshowPage() {
    auto* page = new QWidget(PageControl2);
    page->setObjectName("TabSheet7");
    auto* grid = compact(new QGridLayout(page), PageDensity);
    grid->setColumnStretch(1, 1);

    Edit18 = makeLineEdit("Edit18", page);
    grid->addWidget(new QLabel(QStringLiteral("Heading Text:"), page), 0, 0);
    grid->addWidget(Edit18, 0, 1);

    // The sample panels float over the tab, above the right end of their lists.
    Panel2 = makeFontSample(QStringLiteral("Panel2"), this);
    ComboBox9 = new FontBox(QStringLiteral("ComboBox9"), Panel2, page);
    grid->addWidget(new QLabel(QStringLiteral("Font:"), page), 1, 0);
    grid->addWidget(ComboBox9, 1, 1);

    addColourRow(grid, 2, QStringLiteral("Color:"),
                 {BitBtn19, "BitBtn19", "Choose Text Color", Memo11, "Memo11", Label49, "Label49"},
                 page);

    ToolButton46 = makeStyleToggle("ToolButton46", QStringLiteral("B"), QStringLiteral("Bold"),
                                   &QFont::setBold, ToggleFrame::Raised, page);
    ToolButton47 = makeStyleToggle("ToolButton47", QStringLiteral("I"), QStringLiteral("Italics"),
                                   &QFont::setItalic, ToggleFrame::Raised, page);
    ToolButton48 = makeStyleToggle("ToolButton48", QStringLiteral("U"), QStringLiteral("Underline"),
                                   &QFont::setUnderline, ToggleFrame::Raised, page);
    // The size shows "10" while the list still marks its first item.
    ComboBox11 = makeComboBox("ComboBox11", numberList(1, 72), {}, page, Typing::Editable);
    ComboBox11->setCurrentText(QStringLiteral("10"));
    ComboBox11->setMinimumContentsLength(3);
    addRow(grid, 3, QStringLiteral("Font Style:"), {ToolButton46, ToolButton47, ToolButton48},
           page);
    addRow(grid, 4, QStringLiteral("Size:"), {ComboBox11}, page);

    addColourRow(
        grid, 5, QStringLiteral("Border Color:"),
        {BitBtn20, "BitBtn20", "Choose Table Border Color", Memo12, "Memo12", Label52, "Label52"},
        page);
    ComboBox10 = makeComboBox("ComboBox10", BorderWidths, QStringLiteral("1"), page);
    addRow(grid, 6, QStringLiteral("Border Width:"), {ComboBox10}, page);

    addColourRow(
        grid, 7, QStringLiteral("Slideshow Console Color:"),
        {BitBtn21, "BitBtn21", "Choose Slideshow Color", Memo13, "Memo13", Label56, "Label56"},
        page);
    addColourRow(grid, 8, QStringLiteral("Heading Cell Color:"),
                 {BitBtn22, "BitBtn22", "Choose Slideshow Heading Cell Color", Memo14, "Memo14",
                  Label57, "Label57"},
                 page);

    SpinEdit8 = new SpinEdit(QStringLiteral("SpinEdit8"), 0, 25, 2, page);
    SpinEdit9 = new SpinEdit(QStringLiteral("SpinEdit9"), 0, 25, 2, page);
    addRow(grid, 9, QStringLiteral("Cellspacing:"), {SpinEdit8}, page);
    addRow(grid, 10, QStringLiteral("Cellpadding:"), {SpinEdit9}, page);
    grid->setRowStretch(11, 1);
    return page;
}

QWidget* SlideshowTab::buildElementsPage() {
    auto* page = new QWidget(PageControl2);
    page->setObjectName("TabSheet8");
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(4, 3, 4, 3);
    column->setSpacing(3);

    struct Group {
        QGroupBox*& box;
        const char* boxName;
        QString title;
        QLabel*& panel;
        const char* panelName;
        FontBox*& font;
        const char* fontName;
        ColourRow background;
        ColourRow text;
        QString textCaption;
        QComboBox*& style;
        const char* styleName;
        QComboBox*& width;
        const char* widthName;
    };
    const Group groups[] = {
        {GroupBox8,
         "GroupBox8",
         QStringLiteral(" Control Buttons "),
         Panel3,
         "Panel3",
         ComboBox12,
         "ComboBox12",
         {BitBtn23, "BitBtn23", "Choose Control Buttons Color", Memo15, "Memo15", Label65,
          "Label65"},
         {BitBtn24, "BitBtn24", "Choose Control Buttons Text Color", Memo16, "Memo16", Label66,
          "Label66"},
         QStringLiteral("Text Color:"),
         ComboBox13,
         "ComboBox13",
         ComboBox14,
         "ComboBox14"},
        {GroupBox9,
         "GroupBox9",
         QStringLiteral(" Image List "),
         Panel4,
         "Panel4",
         ComboBox15,
         "ComboBox15",
         {BitBtn25, "BitBtn25", "Choose Image List Color", Memo17, "Memo17", Label72, "Label72"},
         {BitBtn26, "BitBtn26", "Choose Image List Text Color", Memo18, "Memo18", Label73,
          "Label73"},
         QStringLiteral("Item Color:"),
         ComboBox16,
         "ComboBox16",
         ComboBox17,
         "ComboBox17"},
    };
    for (const Group& group : groups) {
        group.box = new QGroupBox(group.title, page);
        group.box->setObjectName(QLatin1String(group.boxName));
        auto* grid = compact(new QGridLayout(group.box), PageDensity);
        grid->setContentsMargins(6, 2, 6, 3);
        grid->setColumnStretch(1, 1);
        group.panel = makeFontSample(QLatin1String(group.panelName), this);
        group.font = new FontBox(QLatin1String(group.fontName), group.panel, group.box);
        grid->addWidget(new QLabel(QStringLiteral("Font:"), group.box), 0, 0);
        grid->addWidget(group.font, 0, 1);
        addColourRow(grid, 1, QStringLiteral("Background Color:"), group.background, group.box);
        addColourRow(grid, 2, group.textCaption, group.text, group.box);
        group.style =
            makeComboBox(group.styleName, BorderStyles, QStringLiteral("Solid"), group.box);
        group.width = makeComboBox(group.widthName, BorderWidths, QStringLiteral("0"), group.box);
        auto* border = new QHBoxLayout;
        border->setSpacing(4);
        border->addWidget(group.style);
        border->addSpacing(6);
        border->addWidget(new QLabel(QStringLiteral("Width:"), group.box));
        border->addWidget(group.width);
        border->addStretch();
        grid->addWidget(new QLabel(QStringLiteral("Border Style:"), group.box), 3, 0);
        grid->addLayout(border, 3, 1);
        column->addWidget(group.box);
    }
    column->addStretch();
    return page;
}

void SlideshowTab::buildColourSettings() {
    const struct {
        ColourSetting*& setting;
        const char* name;
        QPushButton* button;
        QLabel* label;
        QWidget* swatch;
    } colours[] = {
        {ColorDialog4, "ColorDialog4", BitBtn17, Label45, Memo10},
        {ColorDialog5, "ColorDialog5", BitBtn19, Label49, Memo11},
        {ColorDialog6, "ColorDialog6", BitBtn20, Label52, Memo12},
        {ColorDialog7, "ColorDialog7", BitBtn21, Label56, Memo13},
        {ColorDialog8, "ColorDialog8", BitBtn22, Label57, Memo14},
        {ColorDialog9, "ColorDialog9", BitBtn23, Label65, Memo15},
        {ColorDialog10, "ColorDialog10", BitBtn24, Label66, Memo16},
        {ColorDialog11, "ColorDialog11", BitBtn25, Label72, Memo17},
        {ColorDialog12, "ColorDialog12", BitBtn26, Label73, Memo18},
    };
    for (const auto& colour : colours)
        colour.setting = new ColourSetting(QLatin1String(colour.name), colour.button, colour.label,
                                           colour.swatch, White, this);
    for (QLabel* panel : {Panel2, Panel3, Panel4})
        panel->installEventFilter(this);
}

bool SlideshowTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        const struct {
            QLabel* panel;
            QComboBox* box;
        } samples[] = {{Panel2, ComboBox9}, {Panel3, ComboBox12}, {Panel4, ComboBox15}};
        for (const auto& sample : samples) {
            if (watched != sample.panel)
                continue;
            // Just above the right end of the list, where the open list does not cover it.
            const QPoint corner = sample.box->mapTo(this, QPoint(sample.box->width(), 0));
            sample.panel->move(qMax(0, corner.x() - sample.panel->width()),
                               qMax(0, corner.y() - sample.panel->height() - 1));
        }
    }
    return QWidget::eventFilter(watched, event);
}

SlideshowSettings SlideshowTab::settings() {
    SlideshowSettings s;
    s.images.reserve(ListBox2->count());
    for (int row = 0; row < ListBox2->count(); ++row)
        s.images << ListBox2->item(row)->text();
    s.initialImage = Edit23->text();
    s.transitionTime = SpinEdit7->committedText();
    s.centreConsole = CheckBox13->isChecked();
    s.rightClickDisable = CheckBox14->isChecked();
    s.rightClickMessage = Edit19->text();
    s.playSound = CheckBox15->isChecked();
    s.sound = Edit20->text();
    s.pageTitle = Edit21->text();
    s.pageBackgroundColor = Label45->text();
    s.backgroundImage = Edit22->text();

    s.headingText = Edit18->text();
    s.headingFont = ComboBox9->currentText();
    s.headingColor = Label49->text();
    s.headingBold = ToolButton46->isChecked();
    s.headingItalic = ToolButton47->isChecked();
    s.headingUnderline = ToolButton48->isChecked();
    s.headingSize = ComboBox11->currentText();
    s.borderColor = Label52->text();
    s.borderWidth = ComboBox10->currentText();
    s.consoleColor = Label56->text();
    s.headingCellColor = Label57->text();
    s.cellSpacing = SpinEdit8->committedText();
    s.cellPadding = SpinEdit9->committedText();

    s.buttonFont = ComboBox12->currentText();
    s.buttonBackgroundColor = Label65->text();
    s.buttonTextColor = Label66->text();
    s.buttonBorderStyle = ComboBox13->currentText();
    s.buttonBorderWidth = ComboBox14->currentText();
    s.listFont = ComboBox15->currentText();
    s.listBackgroundColor = Label72->text();
    s.listItemColor = Label73->text();
    s.listBorderStyle = ComboBox16->currentText();
    s.listBorderWidth = ComboBox17->currentText();
    return s;
}

void SlideshowTab::showImageCount() {
    Label74->setText(QString::number(ListBox2->count()));
}

// After the program removed entries nothing is selected, as after a fresh
// start, so the next click on any entry counts.
void SlideshowTab::clearListSelection() {
    changingList = true;
    ListBox2->setCurrentRow(-1);
    ListBox2->clearSelection();
    changingList = false;
}

void SlideshowTab::BitBtn33Click() {
    OpenDialog3.fileName.clear();
    const QStringList files = OpenDialog3.askOpen(true);
    if (files.isEmpty())
        return;
    changingList = true;
    ListBox2->addItems(files);
    changingList = false;
    showImageCount();
}

void SlideshowTab::ListBox2Click() {
    listind = ListBox2->currentRow();
    if (QListWidgetItem* item = ListBox2->item(listind))
        ListBox2->setToolTip(item->text());
    BitBtn29->setEnabled(true);
    Button6->setEnabled(true);
}

void SlideshowTab::Button6Click() {
    if (listind >= 0 && listind < ListBox2->count()) {
        changingList = true;
        std::unique_ptr<QListWidgetItem> chosen(ListBox2->takeItem(listind));
        changingList = false;
        Edit23->setText(chosen->text());
        clearListSelection();
    }
    showImageCount();
    Button6->setEnabled(false);
    BitBtn29->setEnabled(false);
}

void SlideshowTab::Button3Click() {
    desktop().notice(NoticeKind::Information,
                     QStringLiteral("Choose the image you would like to be the image to start the "
                                    "slideshow by clicking on the image in the image list box, "
                                    "and then clicking the OK button left of the ? button."));
}

void SlideshowTab::Edit23Change(const QString& text) {
    Edit23->setToolTip(text);
}

void SlideshowTab::BitBtn29Click() {
    if (!desktop().confirm(QStringLiteral("Are you sure you want to delete the selected item?")))
        return;
    QListWidgetItem* item = ListBox2->item(listind);
    if (item && item->isSelected()) {
        if (item->text() == Edit23->text())
            Edit23->clear();
        changingList = true;
        delete ListBox2->takeItem(listind);
        changingList = false;
        clearListSelection();
    }
    BitBtn29->setEnabled(false);
    showImageCount();
    Button6->setEnabled(false);
}

void SlideshowTab::BitBtn30Click() {
    QStringList entries;
    entries.reserve(ListBox2->count());
    for (int row = 0; row < ListBox2->count(); ++row)
        entries << ListBox2->item(row)->text();
    // Stable, so paths equal but for letter case keep their order.
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const bool selected = ListBox2->currentItem() && ListBox2->currentItem()->isSelected();
    changingList = true;
    ListBox2->clear();
    ListBox2->addItems(entries);
    // The remembered position stays; it now marks whatever entry stands there.
    if (selected && listind >= 0 && listind < ListBox2->count())
        ListBox2->setCurrentRow(listind);
    changingList = false;
}

void SlideshowTab::BitBtn31Click() {
    if (!desktop().confirm(
            QStringLiteral("Are you sure you want to erase ALL images in the image list box?")))
        return;
    changingList = true;
    ListBox2->clear();
    changingList = false;
    BitBtn29->setEnabled(false);
    showImageCount();
    Button6->setEnabled(false);
    Edit23->clear();
}

void SlideshowTab::CheckBox14Click(bool checked) {
    Label39->setEnabled(checked);
    Edit19->setEnabled(checked);
}

void SlideshowTab::CheckBox15Click(bool checked) {
    for (QWidget* control : std::initializer_list<QWidget*>{Label40, Edit20, Button4, BitBtn18})
        control->setEnabled(checked);
}

void SlideshowTab::Button4Click() {
    const QStringList files = OpenDialog1.askOpen(false);
    if (!files.isEmpty())
        Edit20->setText(files.first());
}

void SlideshowTab::Button5Click() {
    const QStringList files = OpenDialog2.askOpen(false);
    if (!files.isEmpty())
        Edit22->setText(files.first());
}

void SlideshowTab::BitBtn18Click() {
    const QString sound = Edit20->text();
    if (sound.trimmed().isEmpty()) {
        desktop().notice(NoticeKind::Error, QStringLiteral("No sound specified!"));
        return;
    }
    if (sound.endsWith(QLatin1Char('v'), Qt::CaseInsensitive))
        desktop().playWave(sound);
    else
        desktop().playMidi(sound);
}

void SlideshowTab::BitBtn32Click() {
    const SlideshowPage page =
        context.modern() ? makeModernSlideshowPage(settings()) : makeSlideshowPage(settings());
    if (page.refused()) {
        desktop().notice(NoticeKind::Error, page.refusal);
        return;
    }
    Memo19->setPlainText(page.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void SlideshowTab::ToolButton49Click() {
    if (!desktop().confirm(
            QStringLiteral("Are you sure you want to erase all fields and start a new document?")))
        return;
    PageControl2->setCurrentIndex(0);

    Memo19->clear();
    changingList = true;
    ListBox2->clear();
    changingList = false;
    ListBox2->setToolTip(QString());
    listind = -1;
    BitBtn29->setEnabled(false);
    Edit23->clear();
    Button6->setEnabled(false);
    showImageCount();

    SpinEdit7->setValue(1);
    for (QCheckBox* box : {CheckBox13, CheckBox14, CheckBox15})
        box->setChecked(false);
    for (QLineEdit* edit : {Edit19, Edit20, Edit21, Edit22, Edit18})
        edit->clear();
    BitBtn18->setEnabled(false);

    for (FontBox* font : {ComboBox9, ComboBox12, ComboBox15})
        font->setEditText(TimesNewRoman);
    for (QToolButton* toggle : {ToolButton46, ToolButton47, ToolButton48})
        toggle->setChecked(false);
    setListText(ComboBox11, QStringLiteral("10"));
    ComboBox11->setEditText(QStringLiteral("10"));
    setListText(ComboBox10, QStringLiteral("1"));
    SpinEdit8->setValue(2);
    SpinEdit9->setValue(2);
    for (QComboBox* style : {ComboBox13, ComboBox16})
        setListText(style, QStringLiteral("Solid"));
    for (QComboBox* width : {ComboBox14, ComboBox17})
        setListText(width, QStringLiteral("0"));

    for (ColourSetting* colour :
         {ColorDialog4, ColorDialog5, ColorDialog6, ColorDialog7, ColorDialog8, ColorDialog9,
          ColorDialog10, ColorDialog11, ColorDialog12})
        colour->restoreDefault();
}

void SlideshowTab::Publish1Click() {
    if (publishing)
        return;
    if (Memo19->toPlainText().size() < 10) {
        desktop().notice(NoticeKind::Information,
                         QStringLiteral("Please first generate code before publishing!"));
        return;
    }
    const SlideshowSettings current = settings();
    // Built before anything is asked or written, so a bad setting stops here.
    const SlideshowPage page = context.modern() ? makeModernPublishedSlideshowPage(current)
                                                : makePublishedSlideshowPage(current);
    if (page.refused()) {
        desktop().notice(NoticeKind::Error, page.refusal);
        return;
    }
    const QString pagePath = SaveDialog9.askSave();
    if (pagePath.isEmpty())
        return;
    const QByteArray pageBytes =
        htmlFileBytes(page.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    if (!publish(pagePath, pageBytes, slideshowPublishSources(current)))
        return;
    outputs->recordSaved(pagePath);
    desktop().notice(NoticeKind::Information, QStringLiteral("Publish complete!"));
}

bool SlideshowTab::publish(const QString& pagePath, const QByteArray& pageBytes,
                           const QStringList& sources) {
    publishing = true;
    SlideshowPublisher publisher(pagePath, pageBytes, sources);
    const bool complete = runPublication(publisher, this);
    publishing = false;
    return complete;
}
