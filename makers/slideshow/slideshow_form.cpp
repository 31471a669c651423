#include "makers/slideshow/slideshow_form.h"

#include "core/field_table.h"
#include "widgets/colour_setting.h"
#include "widgets/contrast_warning.h"
#include "widgets/font_box.h"
#include "widgets/form_parts.h"
#include "widgets/output_commands.h"
#include "widgets/spin_edit.h"
#include "widgets/tab_context.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace {
const QColor White = Qt::white;

const QStringList BorderWidths = numberList(0, 25);

const ToolBarRow ToolBar = {
    .bar = "ToolBar6",
    .newButton = "ToolButton49",
    .saveButton = "ToolButton50",
    .saveMenu = "PopupMenu11",
    .saveAs = {saveAsHtmlEntry("AsHTML4"), saveAsTextEntry("AsText4")},
    .afterSave = {{"Publish1", QT_TRANSLATE_NOOP("ToolTab", "Publish"), "", FrameCommand::Publish}},
    .printButton = "ToolButton59",
    .optionsButton = "ToolButton61",
    .optionsMenu = "PopupMenu12",
    .options = {previewEntry("Preview3")},
    .optionsOnPlainClick = true,
    .helpButton = "ToolButton62",
    .helpEntry = "Help6",
    .aboutEntry = "About5",
    .helpPage = 4,
    .flush = true};

const CodeAreaRow CodeArea = {
    .pane = "Memo19",
    .buttons = {copyCodeButton("BitBtn27", QT_TRANSLATE_NOOP("ToolTab", "C&opy to Clipboard")),
                clearCodeButton("BitBtn28")},
    .placement = CodeAreaRow::Buttons::Below,
    .buttonSpacing = 4};

OutputSetup codeOutputs(QPlainTextEdit* pane, const ModernOutput* modernOutput) {
    OutputSetup setup;
    setup.pane = pane;
    setup.modernOutput = modernOutput;
    setup.htmlDialog = htmlSaveRequest(QStringLiteral("SaveDialog7"));
    setup.textDialog = textSaveRequest(QStringLiteral("SaveDialog8"));
    setup.preview = OutputSetup::Preview::SavedFile;
    setup.savedFlagStart = QString();
    setup.notSavedNotice = QCoreApplication::translate(
        "Slideshow", "Please save in HTML format or publish before previewing!");
    setup.htmlSaveWarning = QCoreApplication::translate(
        "Slideshow",
        "Please note: the slideshow HTML file you are about to save will ONLY function correctly "
        "on this computer. If you would like to put your slideshow on a website or CD, please use "
        "the Publish command instead.");
    return setup;
}

const Density PageDensity = {{6, 3, 6, 3}, 4, 2};

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

// A caption that names `buddy` for screen readers.
QLabel* captionFor(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* caption = new QLabel(text, parent);
    caption->setBuddy(buddy);
    return caption;
}

// A caption in the first column and controls, kept to their own width, in
// the second.
void addRow(QGridLayout* grid, int row, const QString& caption,
            std::initializer_list<QWidget*> controls, QWidget* page) {
    auto* line = new QHBoxLayout;
    line->setSpacing(3);
    for (QWidget* control : controls)
        line->addWidget(control);
    line->addStretch();
    grid->addWidget(captionFor(caption, *controls.begin(), page), row, 0);
    grid->addLayout(line, row, 1);
}

enum class Caption { InColumn, Spanning };

// A long caption may run across both columns, so that it does not widen the
// first column of the whole page.
void addColourRow(QGridLayout* grid, int row, const QString& caption, const ColourRow& colour,
                  QWidget* page, Caption placement = Caption::InColumn, QWidget* beside = nullptr) {
    colour.button = makeChooserButton(colour.buttonName, QStringLiteral("..."),
                                      QCoreApplication::translate("Slideshow", colour.hint), page);
    colour.button->setAccessibleName(QCoreApplication::translate("Slideshow", colour.hint));
    colour.swatch = makeSwatch(QLatin1String(colour.swatchName), White, page);
    colour.label = makeLabel(colour.labelName, QStringLiteral("#FFFFFF"), page);
    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    if (placement == Caption::Spanning)
        line->addWidget(new QLabel(caption, page));
    line->addWidget(colour.button);
    line->addWidget(colour.swatch);
    line->addWidget(colour.label);
    if (beside)
        line->addWidget(beside);
    line->addStretch();
    if (placement == Caption::Spanning) {
        grid->addLayout(line, row, 0, 1, 2);
        return;
    }
    grid->addWidget(new QLabel(caption, page), row, 0);
    grid->addLayout(line, row, 1);
}

// Keeps a font sample panel, which floats over the tab, just above the right
// end of its list, where the open list does not cover it.
class SamplePlacer final : public QObject {
public:
    SamplePlacer(QLabel* samplePanel, QComboBox* fontList, QWidget* tab)
        : QObject(tab), panel(samplePanel), list(fontList), over(tab) {
        panel->installEventFilter(this);
    }

private:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == panel && event->type() == QEvent::Show) {
            const QPoint corner = list->mapTo(over, QPoint(list->width(), 0));
            panel->move(qMax(0, corner.x() - panel->width()),
                        qMax(0, corner.y() - panel->height() - 1));
        }
        return false;
    }

    QLabel* panel;
    QComboBox* list;
    QWidget* over;
};

} // namespace

SlideshowForm::SlideshowForm()
    : soundDialog(openFileRequest(
          "OpenDialog1", QCoreApplication::translate("Slideshow", "Open Sound"),
          {QCoreApplication::translate("Slideshow", "All Music Files (*.wav *.mid)")})),
      backgroundImageDialog(openFileRequest(
          "OpenDialog2", QCoreApplication::translate("Slideshow", "Open Image"),
          {QCoreApplication::translate("Slideshow", "JPEG Files (*.jpg *.jpe *.jpeg)"),
           QCoreApplication::translate("Slideshow", "GIF Files (*.gif)"),
           QCoreApplication::translate("Slideshow", "Bitmap Files (*.bmp)"),
           QCoreApplication::translate("Slideshow", "PNG Files (*.png)"),
           QCoreApplication::translate("Slideshow", "All Files (*)")})),
      imagesDialog(openFileRequest(
          "OpenDialog3", QCoreApplication::translate("Slideshow", "Open Images"),
          {QCoreApplication::translate("Slideshow", "JPEG Files (*.jpg *.jpeg *.jpe)"),
           QCoreApplication::translate("Slideshow", "GIF Files (*.gif)"),
           QCoreApplication::translate("Slideshow", "BMP Files (*.bmp)"),
           QCoreApplication::translate("Slideshow", "PNG Files (*.png)"),
           QCoreApplication::translate(
               "Slideshow", "All Supported Images (*.jpg *.jpeg *.jpe *.gif *.bmp *.png)")},
          4)),
      publishDialog(saveFileRequest("SaveDialog9",
                                    QCoreApplication::translate("Slideshow", "Publish"),
                                    QCoreApplication::translate("Slideshow", "HTML Files (*.html)"),
                                    QStringLiteral("html"))) {}

void SlideshowForm::setupUi(QWidget* tab, const TabContext& context) {
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(2);
    buildToolBar(tab, context);
    layout->addWidget(toolBar);

    // Built first, so that Tab reads the left half before the sub-pages.
    QWidget* leftHalf = buildLeftHalf(tab);
    subPages = new QTabWidget(tab);
    subPages->setObjectName("PageControl2");
    subPages->setAccessibleName(QCoreApplication::translate("Slideshow", "Slideshow settings"));
    settingsPage = buildSettingsPage(tab);
    slideshowPage = buildSlideshowPage(tab);
    elementsPage = buildElementsPage(tab);
    subPages->addTab(slideshowPage, QCoreApplication::translate("Slideshow", "Slideshow"));
    subPages->addTab(elementsPage, QCoreApplication::translate("Slideshow", "Elements"));
    subPages->setCurrentIndex(0);

    auto* halves = new QHBoxLayout;
    halves->setSpacing(4);
    halves->addWidget(leftHalf, 1);
    halves->addWidget(subPages, 1);
    layout->addLayout(halves);
    buildColourSettings(tab);

    outputs = new OutputCommands(codeOutputs(codePane, context.modernOutput),
                                 context.folders.userCache, tab);
    frame.connectTo(outputs);
    // The count beside the list follows it, whatever changes it.
    const QAbstractItemModel* entries = imageList->model();
    const auto showCount = [entries, label = imageCount] { label->setNum(entries->rowCount()); };
    QObject::connect(entries, &QAbstractItemModel::rowsInserted, imageCount, showCount);
    QObject::connect(entries, &QAbstractItemModel::rowsRemoved, imageCount, showCount);
    QObject::connect(entries, &QAbstractItemModel::modelReset, imageCount, showCount);
}

void SlideshowForm::buildToolBar(QWidget* tab, const TabContext& context) {
    frame.buildToolBar(ToolBar, context, tab);
    toolBar = frame.bar;
    newButton = frame.newButton;
    saveAsButton = frame.saveButton;
    saveMenu = frame.saveMenu;
    saveAsHtmlAction = frame.saveAs.at(0);
    saveAsTextAction = frame.saveAs.at(1);
    publishAction = frame.afterSave.at(0);
    printButton = frame.printButton;
    optionsButton = frame.optionsButton;
    previewAction = frame.options.at(0);
    helpButton = frame.helpButton;
}

QWidget* SlideshowForm::buildLeftHalf(QWidget* tab) {
    auto* half = new QWidget(tab);
    auto* column = new QVBoxLayout(half);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    frame.addCodeArea(CodeArea, column, half, nullptr, 3);
    codePane = frame.pane;
    codePane->setAccessibleName(QCoreApplication::translate("Slideshow", "Generated Code"));
    codeCopyButton = frame.codeButtons.at(0);
    codeClearButton = frame.codeButtons.at(1);

    imageList = new QListWidget(half);
    imageList->setObjectName("ListBox2");
    imageList->setAccessibleName(QCoreApplication::translate("Slideshow", "Slideshow images"));
    imageCount = makeLabel("Label74", QStringLiteral("0"), half);
    auto* listCaption =
        new QLabel(QCoreApplication::translate("Slideshow", "&Images In List:"), half);
    listCaption->setBuddy(imageList);
    auto* counter = new QHBoxLayout;
    counter->setSpacing(4);
    counter->addWidget(listCaption);
    counter->addWidget(imageCount);
    counter->addStretch();
    column->addLayout(counter);

    imageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Large lists stay quick: every entry has the same height.
    imageList->setUniformItemSizes(true);
    column->addWidget(imageList, 2);

    deleteButton =
        makeButton("BitBtn29", QCoreApplication::translate("Slideshow", "&Delete"), {}, half);
    sortButton = makeButton(
        "BitBtn30", QCoreApplication::translate("Slideshow", "&Sort"),
        QCoreApplication::translate("Slideshow", "Sort Image List Images Alphabetically"), half);
    clearAllButton =
        makeButton("BitBtn31", QCoreApplication::translate("Slideshow", "Clear A&ll"),
                   QCoreApplication::translate("Slideshow", "Erase All Image List Images"), half);
    makeCodeButton =
        makeButton("BitBtn32", QCoreApplication::translate("Slideshow", "&Make Code"),
                   QCoreApplication::translate("Slideshow", "Generate HTML Code"), half);
    auto* listButtons = new QHBoxLayout;
    listButtons->setSpacing(3);
    for (QPushButton* button : {deleteButton, sortButton, clearAllButton, makeCodeButton})
        listButtons->addWidget(button);
    column->addLayout(listButtons);

    return half;
}

QWidget* SlideshowForm::buildSettingsPage(QWidget* tab) {
    auto* page = new QWidget(subPages);
    page->setObjectName("TabSheet6");
    // Added while empty: the first page of a tab widget is shown as it is
    // added, and showing a full page lays it out long before anyone looks.
    subPages->addTab(page, QCoreApplication::translate("Slideshow", "Settings"));
    auto* grid = compact(new QGridLayout(page), PageDensity);
    grid->setColumnStretch(1, 1);

    addImagesButton = makeButton(
        "BitBtn33", QCoreApplication::translate("Slideshow", "&Add Slideshow Images To List"),
        QCoreApplication::translate("Slideshow", "Add Images To Slideshow"), page);
    grid->addWidget(addImagesButton, 0, 0, 1, 2);

    initialImage = makeLineEdit("Edit23", page);
    initialImage->setReadOnly(true);
    // The full path shows as its tooltip.
    QObject::connect(initialImage, &QLineEdit::textChanged, initialImage, &QWidget::setToolTip);
    chooseInitialButton =
        makeChooserButton("Button6", QCoreApplication::translate("Slideshow", "O&K"), {}, page, 32);
    chooseInitialButton->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Use Selected Image As Initial Image"));
    initialHelpButton = makeChooserButton("Button3", QStringLiteral("?"), {}, page);
    initialHelpButton->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Help On Initial Image"));
    auto* initial = new QHBoxLayout;
    initial->setSpacing(3);
    initial->addWidget(initialImage);
    initial->addWidget(chooseInitialButton);
    initial->addWidget(initialHelpButton);
    grid->addWidget(
        captionFor(QCoreApplication::translate("Slideshow", "Initial Image:"), initialImage, page),
        1, 0);
    grid->addLayout(initial, 1, 1);

    transitionTime = new SpinEdit(QStringLiteral("SpinEdit7"), 1, 999, 1, page);
    addRow(grid, 2, QCoreApplication::translate("Slideshow", "Transition Time:"),
           {transitionTime, new QLabel(QCoreApplication::translate("Slideshow", "Seconds"), page)},
           page);

    centreConsole = makeCheckBox(
        "CheckBox13", QCoreApplication::translate("Slideshow", "Center Slideshow Console"), page);
    grid->addWidget(centreConsole, 3, 0, 1, 2);

    rightClickDisable =
        makeCheckBox("CheckBox14",
                     QCoreApplication::translate("Slideshow", "Include Right-click Disable"), page);
    grid->addWidget(rightClickDisable, 4, 0, 1, 2);
    rightClickMessageLabel = makeLabel(
        "Label39", QCoreApplication::translate("Slideshow", "Message On Right-click:"), page);
    rightClickMessage = makeLineEdit("Edit19", page);
    rightClickMessageLabel->setBuddy(rightClickMessage);
    auto* message = new QHBoxLayout;
    message->setSpacing(4);
    message->addWidget(rightClickMessageLabel);
    message->addWidget(rightClickMessage);
    grid->addLayout(message, 5, 0, 1, 2);

    playSound = makeCheckBox(
        "CheckBox15", QCoreApplication::translate("Slideshow", "Play Background Sound"), page);
    grid->addWidget(playSound, 6, 0, 1, 2);
    soundLabel = makeLabel("Label40", QCoreApplication::translate("Slideshow", "Sound:"), page);
    soundFile = makeLineEdit("Edit20", page);
    soundFile->setReadOnly(true);
    soundLabel->setBuddy(soundFile);
    chooseSoundButton = makeChooserButton(
        "Button4", QStringLiteral("..."),
        QCoreApplication::translate("Slideshow", "Choose Your Background Sound"), page);
    auditionButton = makeChooserButton(
        "BitBtn18", QString(), QCoreApplication::translate("Slideshow", "Audition Sound (Preview)"),
        page);
    chooseSoundButton->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Choose Background Sound"));
    auditionButton->setAccessibleName(QCoreApplication::translate("Slideshow", "Audition Sound"));
    auditionButton->setIcon(tab->style()->standardIcon(QStyle::SP_MediaPlay));
    auto* sound = new QHBoxLayout;
    sound->setSpacing(3);
    sound->addWidget(soundFile);
    sound->addWidget(chooseSoundButton);
    sound->addWidget(auditionButton);
    grid->addWidget(soundLabel, 7, 0);
    grid->addLayout(sound, 7, 1);

    pageTitle = makeLineEdit("Edit21", page);
    grid->addWidget(
        captionFor(QCoreApplication::translate("Slideshow", "Page Title:"), pageTitle, page), 8, 0);
    grid->addWidget(pageTitle, 8, 1);

    addColourRow(grid, 9, QCoreApplication::translate("Slideshow", "Page Background Color:"),
                 {pageBackgroundButton, "BitBtn17",
                  QT_TRANSLATE_NOOP("Slideshow", "Choose Page Background Color"),
                  pageBackgroundSwatch, "Memo10", pageBackgroundLabel, "Label45"},
                 page, Caption::Spanning);

    backgroundImage = makeLineEdit("Edit22", page);
    backgroundImage->setReadOnly(true);
    backgroundImage->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Background Image"));
    chooseBackgroundButton = makeChooserButton(
        "Button5", QCoreApplication::translate("Slideshow", "..."),
        QCoreApplication::translate("Slideshow", "Choose Your Background Image"), page);
    chooseBackgroundButton->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Choose Background Image"));
    auto* image = new QHBoxLayout;
    image->setSpacing(3);
    image->addWidget(backgroundImage);
    image->addWidget(chooseBackgroundButton);
    grid->addWidget(
        captionFor(QCoreApplication::translate("Slideshow", "Image:"), backgroundImage, page), 10,
        0);
    grid->addLayout(image, 10, 1);
    grid->setRowStretch(11, 1);

    return page;
}

QWidget* SlideshowForm::buildSlideshowPage(QWidget* tab) {
    auto* page = new QWidget(subPages);
    page->setObjectName("TabSheet7");
    auto* grid = compact(new QGridLayout(page), PageDensity);
    grid->setColumnStretch(1, 1);

    headingText = makeLineEdit("Edit18", page);
    grid->addWidget(
        captionFor(QCoreApplication::translate("Slideshow", "Heading Text:"), headingText, page), 0,
        0);
    grid->addWidget(headingText, 0, 1);

    // The sample panels float over the tab, above the right end of their lists.
    headingFontSample = makeFontSample(QStringLiteral("Panel2"), tab);
    headingFont = new FontBox(QStringLiteral("ComboBox9"), headingFontSample, page);
    headingFont->setAccessibleName(QCoreApplication::translate("Slideshow", "Heading Font"));
    grid->addWidget(
        captionFor(QCoreApplication::translate("Slideshow", "Font:"), headingFont, page), 1, 0);
    grid->addWidget(headingFont, 1, 1);

    addColourRow(grid, 2, QCoreApplication::translate("Slideshow", "Color:"),
                 {headingColourButton, "BitBtn19",
                  QT_TRANSLATE_NOOP("Slideshow", "Choose Text Color"), headingColourSwatch,
                  "Memo11", headingColourLabel, "Label49"},
                 page, Caption::InColumn,
                 headingContrast = new ContrastWarning(QStringLiteral("HeadingContrast"), page));

    boldToggle = makeStyleToggle("ToolButton46", QCoreApplication::translate("Slideshow", "B"),
                                 QCoreApplication::translate("Slideshow", "Bold"), &QFont::setBold,
                                 ToggleFrame::Raised, page);
    italicToggle = makeStyleToggle("ToolButton47", QCoreApplication::translate("Slideshow", "I"),
                                   QCoreApplication::translate("Slideshow", "Italics"),
                                   &QFont::setItalic, ToggleFrame::Raised, page);
    underlineToggle = makeStyleToggle("ToolButton48", QCoreApplication::translate("Slideshow", "U"),
                                      QCoreApplication::translate("Slideshow", "Underline"),
                                      &QFont::setUnderline, ToggleFrame::Raised, page);
    const std::pair<QToolButton*, const char*> styleNames[] = {
        {boldToggle, QT_TRANSLATE_NOOP("Slideshow", "Bold")},
        {italicToggle, QT_TRANSLATE_NOOP("Slideshow", "Italic")},
        {underlineToggle, QT_TRANSLATE_NOOP("Slideshow", "Underline")}};
    for (const auto& [toggle, name] : styleNames)
        toggle->setAccessibleName(QCoreApplication::translate("Slideshow", name));
    headingSize = makeComboBox("ComboBox11", numberList(1, 72), {}, page, Typing::Editable);
    headingSize->setMinimumContentsLength(3);
    headingSize->setAccessibleName(QCoreApplication::translate("Slideshow", "Heading Size"));
    addRow(grid, 3, QCoreApplication::translate("Slideshow", "Font Style:"),
           {boldToggle, italicToggle, underlineToggle}, page);
    addRow(grid, 4, QCoreApplication::translate("Slideshow", "Size:"), {headingSize}, page);

    addColourRow(grid, 5, QCoreApplication::translate("Slideshow", "Border Color:"),
                 {borderColourButton, "BitBtn20",
                  QT_TRANSLATE_NOOP("Slideshow", "Choose Table Border Color"), borderColourSwatch,
                  "Memo12", borderColourLabel, "Label52"},
                 page);
    borderWidth = makeComboBox("ComboBox10", BorderWidths, {}, page);
    borderWidth->setAccessibleName(QCoreApplication::translate("Slideshow", "Table Border Width"));
    addRow(grid, 6, QCoreApplication::translate("Slideshow", "Border Width:"), {borderWidth}, page);

    addColourRow(grid, 7, QCoreApplication::translate("Slideshow", "Slideshow Console Color:"),
                 {consoleColourButton, "BitBtn21",
                  QT_TRANSLATE_NOOP("Slideshow", "Choose Slideshow Color"), consoleColourSwatch,
                  "Memo13", consoleColourLabel, "Label56"},
                 page);
    addColourRow(grid, 8, QCoreApplication::translate("Slideshow", "Heading Cell Color:"),
                 {headingCellColourButton, "BitBtn22",
                  QT_TRANSLATE_NOOP("Slideshow", "Choose Slideshow Heading Cell Color"),
                  headingCellColourSwatch, "Memo14", headingCellColourLabel, "Label57"},
                 page);

    cellSpacing = new SpinEdit(QStringLiteral("SpinEdit8"), 0, 25, 2, page);
    cellPadding = new SpinEdit(QStringLiteral("SpinEdit9"), 0, 25, 2, page);
    addRow(grid, 9, QCoreApplication::translate("Slideshow", "Cellspacing:"), {cellSpacing}, page);
    addRow(grid, 10, QCoreApplication::translate("Slideshow", "Cellpadding:"), {cellPadding}, page);
    grid->setRowStretch(11, 1);
    return page;
}

QWidget* SlideshowForm::buildElementsPage(QWidget* tab) {
    auto* page = new QWidget(subPages);
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
        ContrastWarning*& contrast;
        const char* contrastName;
        QComboBox*& style;
        const char* styleName;
        QComboBox*& width;
        const char* widthName;
    };
    const Group groups[] = {
        {buttonsGroup,
         "GroupBox8",
         QCoreApplication::translate("Slideshow", " Control Buttons "),
         buttonFontSample,
         "Panel3",
         buttonFont,
         "ComboBox12",
         {buttonBackgroundButton, "BitBtn23",
          QT_TRANSLATE_NOOP("Slideshow", "Choose Control Buttons Color"), buttonBackgroundSwatch,
          "Memo15", buttonBackgroundLabel, "Label65"},
         {buttonTextColourButton, "BitBtn24",
          QT_TRANSLATE_NOOP("Slideshow", "Choose Control Buttons Text Color"),
          buttonTextColourSwatch, "Memo16", buttonTextColourLabel, "Label66"},
         QCoreApplication::translate("Slideshow", "Text Color:"),
         buttonContrast,
         "ButtonContrast",
         buttonBorderStyle,
         "ComboBox13",
         buttonBorderWidth,
         "ComboBox14"},
        {listGroup,
         "GroupBox9",
         QCoreApplication::translate("Slideshow", " Image List "),
         listFontSample,
         "Panel4",
         listFont,
         "ComboBox15",
         {listBackgroundButton, "BitBtn25",
          QT_TRANSLATE_NOOP("Slideshow", "Choose Image List Color"), listBackgroundSwatch, "Memo17",
          listBackgroundLabel, "Label72"},
         {listItemColourButton, "BitBtn26",
          QT_TRANSLATE_NOOP("Slideshow", "Choose Image List Text Color"), listItemColourSwatch,
          "Memo18", listItemColourLabel, "Label73"},
         QCoreApplication::translate("Slideshow", "Item Color:"),
         listContrast,
         "ListContrast",
         listBorderStyle,
         "ComboBox16",
         listBorderWidth,
         "ComboBox17"},
    };
    for (const Group& group : groups) {
        group.box = new QGroupBox(group.title, page);
        group.box->setObjectName(QLatin1String(group.boxName));
        auto* grid = compact(new QGridLayout(group.box), PageDensity);
        grid->setContentsMargins(6, 2, 6, 3);
        grid->setColumnStretch(1, 1);
        group.panel = makeFontSample(QLatin1String(group.panelName), tab);
        group.font = new FontBox(QLatin1String(group.fontName), group.panel, group.box);
        // Both groups have the same captions, so each field also says its group.
        const QString groupName = group.title.trimmed();
        group.font->setAccessibleName(
            QCoreApplication::translate("Slideshow", "%1 Font").arg(groupName));
        grid->addWidget(
            captionFor(QCoreApplication::translate("Slideshow", "Font:"), group.font, group.box), 0,
            0);
        grid->addWidget(group.font, 0, 1);
        addColourRow(grid, 1, QCoreApplication::translate("Slideshow", "Background Color:"),
                     group.background, group.box);
        group.contrast = new ContrastWarning(QLatin1String(group.contrastName), group.box);
        addColourRow(grid, 2, group.textCaption, group.text, group.box, Caption::InColumn,
                     group.contrast);
        group.style = makeChoiceBox(group.styleName, "Choices", BorderStyleNames, group.box);
        group.width = makeComboBox(group.widthName, BorderWidths, {}, group.box);
        group.style->setAccessibleName(groupName +
                                       QCoreApplication::translate("Slideshow", " Border Style"));
        group.width->setAccessibleName(groupName +
                                       QCoreApplication::translate("Slideshow", " Border Width"));
        auto* border = new QHBoxLayout;
        border->setSpacing(4);
        border->addWidget(group.style);
        border->addSpacing(6);
        border->addWidget(
            captionFor(QCoreApplication::translate("Slideshow", "Width:"), group.width, group.box));
        border->addWidget(group.width);
        border->addStretch();
        grid->addWidget(captionFor(QCoreApplication::translate("Slideshow", "Border Style:"),
                                   group.style, group.box),
                        3, 0);
        grid->addLayout(border, 3, 1);
        column->addWidget(group.box);
    }
    column->addStretch();
    return page;
}

void SlideshowForm::buildColourSettings(QWidget* tab) {
    const struct {
        ColourSetting*& setting;
        const char* name;
        QPushButton* button;
        QLabel* label;
        QWidget* swatch;
    } colours[] = {
        {pageBackgroundColour, "ColorDialog4", pageBackgroundButton, pageBackgroundLabel,
         pageBackgroundSwatch},
        {headingColour, "ColorDialog5", headingColourButton, headingColourLabel,
         headingColourSwatch},
        {borderColour, "ColorDialog6", borderColourButton, borderColourLabel, borderColourSwatch},
        {consoleColour, "ColorDialog7", consoleColourButton, consoleColourLabel,
         consoleColourSwatch},
        {headingCellColour, "ColorDialog8", headingCellColourButton, headingCellColourLabel,
         headingCellColourSwatch},
        {buttonBackgroundColour, "ColorDialog9", buttonBackgroundButton, buttonBackgroundLabel,
         buttonBackgroundSwatch},
        {buttonTextColour, "ColorDialog10", buttonTextColourButton, buttonTextColourLabel,
         buttonTextColourSwatch},
        {listBackgroundColour, "ColorDialog11", listBackgroundButton, listBackgroundLabel,
         listBackgroundSwatch},
        {listItemColour, "ColorDialog12", listItemColourButton, listItemColourLabel,
         listItemColourSwatch},
    };
    for (const auto& colour : colours)
        colour.setting = new ColourSetting(QLatin1String(colour.name), colour.button, colour.label,
                                           colour.swatch, White, tab);
    // The heading sits in its cell; the buttons and the list on their own
    // backgrounds.
    headingContrast->watch(headingColour, headingCellColour);
    buttonContrast->watch(buttonTextColour, buttonBackgroundColour);
    listContrast->watch(listItemColour, listBackgroundColour);
    for (const auto& [panel, box] :
         {std::pair{headingFontSample, headingFont}, std::pair{buttonFontSample, buttonFont},
          std::pair{listFontSample, listFont}})
        new SamplePlacer(panel, box, tab);
}
