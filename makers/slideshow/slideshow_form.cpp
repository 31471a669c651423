#include "makers/slideshow/slideshow_form.h"

#include "core/field_table.h"
#include "makers/slideshow/slideshow_controls.h"
#include "makers/slideshow/slideshow_fields.h"
#include "widgets/colour_setting.h"
#include "widgets/contrast_warning.h"
#include "widgets/control_factory.h"
#include "widgets/density.h"
#include "widgets/file_requests.h"
#include "widgets/font_box.h"
#include "widgets/form_grid.h"
#include "widgets/list_values.h"
#include "widgets/output_commands.h"
#include "widgets/spin_edit.h"
#include "widgets/tab_context.h"

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

using namespace slideshow;

namespace {
const QColor White = Qt::white;

const QStringList BorderWidths = numberList(0, 25);

const ToolBarRow ToolBar = {
    .bar = controls::ToolBar,
    .newButton = controls::NewButton,
    .saveButton = controls::SaveButton,
    .saveMenu = controls::SaveMenu,
    .saveAs = {saveAsHtmlEntry(controls::SaveAsHtml), saveAsTextEntry(controls::SaveAsText)},
    .afterSave = {{controls::Publish, QT_TRANSLATE_NOOP("ToolTab", "Publish"), "",
                   FrameCommand::Publish}},
    .printButton = controls::PrintButton,
    .optionsButton = controls::OptionsButton,
    .optionsMenu = controls::OptionsMenu,
    .options = {previewEntry(controls::Preview)},
    .optionsOnPlainClick = true,
    .helpButton = controls::HelpButton,
    .helpEntry = controls::HelpEntry,
    .aboutEntry = controls::AboutEntry,
    .helpPage = 4,
    .flush = true};

const CodeAreaRow CodeArea = {
    .pane = fields::Code,
    .buttons = {copyCodeButton(controls::CopyCode,
                               QT_TRANSLATE_NOOP("ToolTab", "C&opy to Clipboard")),
                clearCodeButton(controls::ClearCode)},
    .placement = CodeAreaRow::Buttons::Below,
    .buttonSpacing = 4};

OutputSetup codeOutputs(QPlainTextEdit* pane, const ModernOutput* modernOutput) {
    OutputSetup setup;
    setup.pane = pane;
    setup.modernOutput = modernOutput;
    setup.htmlDialog = htmlSaveRequest(controls::HtmlSaveDialog);
    setup.textDialog = textSaveRequest(controls::TextSaveDialog);
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
          controls::SoundDialog, QCoreApplication::translate("Slideshow", "Open Sound"),
          {QCoreApplication::translate("Slideshow", "All Music Files (*.wav *.mid)")})),
      backgroundImageDialog(openFileRequest(
          controls::BackgroundImageDialog, QCoreApplication::translate("Slideshow", "Open Image"),
          {QCoreApplication::translate("Slideshow", "JPEG Files (*.jpg *.jpe *.jpeg)"),
           QCoreApplication::translate("Slideshow", "GIF Files (*.gif)"),
           QCoreApplication::translate("Slideshow", "Bitmap Files (*.bmp)"),
           QCoreApplication::translate("Slideshow", "PNG Files (*.png)"),
           QCoreApplication::translate("Slideshow", "All Files (*)")})),
      imagesDialog(openFileRequest(
          controls::ImagesDialog, QCoreApplication::translate("Slideshow", "Open Images"),
          {QCoreApplication::translate("Slideshow", "JPEG Files (*.jpg *.jpeg *.jpe)"),
           QCoreApplication::translate("Slideshow", "GIF Files (*.gif)"),
           QCoreApplication::translate("Slideshow", "BMP Files (*.bmp)"),
           QCoreApplication::translate("Slideshow", "PNG Files (*.png)"),
           QCoreApplication::translate(
               "Slideshow", "All Supported Images (*.jpg *.jpeg *.jpe *.gif *.bmp *.png)")},
          4)),
      publishDialog(saveFileRequest(controls::PublishDialog,
                                    QCoreApplication::translate("Slideshow", "Publish"),
                                    QCoreApplication::translate("Slideshow", "HTML Files (*.html)"),
                                    QStringLiteral("html"))) {}

void SlideshowForm::setupUi(QWidget* tab, const TabContext& context) {
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(2);
    frame.buildToolBar(ToolBar, context, tab);
    layout->addWidget(frame.bar);

    // Built first, so that Tab reads the left half before the sub-pages.
    QWidget* leftHalf = buildLeftHalf(tab);
    subPages = new QTabWidget(tab);
    subPages->setObjectName(controls::SubPages);
    subPages->setAccessibleName(QCoreApplication::translate("Slideshow", "Slideshow settings"));
    buildSettingsPage();
    subPages->addTab(buildSlideshowPage(tab),
                     QCoreApplication::translate("Slideshow", "Slideshow"));
    subPages->addTab(buildElementsPage(tab), QCoreApplication::translate("Slideshow", "Elements"));
    subPages->setCurrentIndex(0);

    auto* halves = new QHBoxLayout;
    halves->setSpacing(4);
    halves->addWidget(leftHalf, 1);
    halves->addWidget(subPages, 1);
    layout->addLayout(halves);

    outputs = new OutputCommands(codeOutputs(codePane, context.modernOutput),
                                 context.folders.userCache, tab);
    frame.connectTo(outputs);
}

QWidget* SlideshowForm::buildLeftHalf(QWidget* tab) {
    auto* half = new QWidget(tab);
    auto* column = new QVBoxLayout(half);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    frame.addCodeArea(CodeArea, column, half, nullptr, 3);
    codePane = frame.pane;
    codePane->setAccessibleName(QCoreApplication::translate("Slideshow", "Generated Code"));

    imageList = new QListWidget(half);
    imageList->setObjectName(fields::Images);
    imageList->setAccessibleName(QCoreApplication::translate("Slideshow", "Slideshow images"));
    QLabel* imageCount = makeLabel(controls::ImageCount, QStringLiteral("0"), half);
    auto* listCaption =
        new QLabel(QCoreApplication::translate("Slideshow", "&Images In List:"), half);
    listCaption->setBuddy(imageList);
    column->addLayout(lineOf({listCaption, imageCount}, 4));
    // The count beside the list follows it, whatever changes it.
    const QAbstractItemModel* entries = imageList->model();
    const auto showCount = [entries, imageCount] { imageCount->setNum(entries->rowCount()); };
    QObject::connect(entries, &QAbstractItemModel::rowsInserted, imageCount, showCount);
    QObject::connect(entries, &QAbstractItemModel::rowsRemoved, imageCount, showCount);
    QObject::connect(entries, &QAbstractItemModel::modelReset, imageCount, showCount);

    imageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Large lists stay quick: every entry has the same height.
    imageList->setUniformItemSizes(true);
    column->addWidget(imageList, 2);

    deleteButton = makeButton(controls::DeleteImage,
                              QCoreApplication::translate("Slideshow", "&Delete"), {}, half);
    sortButton = makeButton(
        controls::SortImages, QCoreApplication::translate("Slideshow", "&Sort"),
        QCoreApplication::translate("Slideshow", "Sort Image List Images Alphabetically"), half);
    clearAllButton =
        makeButton(controls::ClearAll, QCoreApplication::translate("Slideshow", "Clear A&ll"),
                   QCoreApplication::translate("Slideshow", "Erase All Image List Images"), half);
    makeCodeButton =
        makeButton(controls::MakeCode, QCoreApplication::translate("Slideshow", "&Make Code"),
                   QCoreApplication::translate("Slideshow", "Generate HTML Code"), half);
    column->addLayout(
        lineOf({deleteButton, sortButton, clearAllButton, makeCodeButton}, 3, LineEnd::Fill));

    return half;
}

void SlideshowForm::buildSettingsPage() {
    auto* page = new QWidget(subPages);
    page->setObjectName(controls::SettingsPage);
    // Added while empty: the first page of a tab widget is shown as it is
    // added, and showing a full page lays it out long before anyone looks.
    subPages->addTab(page, QCoreApplication::translate("Slideshow", "Settings"));
    FormGrid grid(compact(new QGridLayout(page), PageDensity), page);
    grid.widenControls();

    addImagesButton =
        makeButton(controls::AddImages,
                   QCoreApplication::translate("Slideshow", "&Add Slideshow Images To List"),
                   QCoreApplication::translate("Slideshow", "Add Images To Slideshow"), page);
    grid.span(addImagesButton);

    initialImage = makeLineEdit(fields::InitialImage, page);
    initialImage->setReadOnly(true);
    // The full path shows as its tooltip.
    QObject::connect(initialImage, &QLineEdit::textChanged, initialImage, &QWidget::setToolTip);
    chooseInitialButton = makeChooserButton(
        controls::ChooseInitial, QCoreApplication::translate("Slideshow", "O&K"), {}, page, 32);
    chooseInitialButton->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Use Selected Image As Initial Image"));
    initialHelpButton = makeChooserButton(controls::InitialHelp, QStringLiteral("?"), {}, page);
    initialHelpButton->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Help On Initial Image"));
    grid.row(QCoreApplication::translate("Slideshow", "Initial Image:"),
             lineOf({initialImage, chooseInitialButton, initialHelpButton}, 3, LineEnd::Fill),
             initialImage);

    grid.row(QCoreApplication::translate("Slideshow", "Transition Time:"),
             {new SpinEdit(fields::TransitionTime, 1, 999, 1, page),
              new QLabel(QCoreApplication::translate("Slideshow", "Seconds"), page)});

    grid.span(makeCheckBox(fields::CentreConsole,
                           QCoreApplication::translate("Slideshow", "Center Slideshow Console"),
                           page));

    rightClickDisable =
        makeCheckBox(fields::RightClickDisable,
                     QCoreApplication::translate("Slideshow", "Include Right-click Disable"), page);
    grid.span(rightClickDisable);
    rightClickMessageLabel =
        makeLabel(controls::RightClickMessageLabel,
                  QCoreApplication::translate("Slideshow", "Message On Right-click:"), page);
    rightClickMessage = makeLineEdit(fields::RightClickMessage, page);
    rightClickMessageLabel->setBuddy(rightClickMessage);
    grid.span(lineOf({rightClickMessageLabel, rightClickMessage}, 4, LineEnd::Fill));

    playSound = makeCheckBox(
        fields::PlaySound, QCoreApplication::translate("Slideshow", "Play Background Sound"), page);
    grid.span(playSound);
    soundLabel =
        makeLabel(controls::SoundLabel, QCoreApplication::translate("Slideshow", "Sound:"), page);
    soundFile = makeLineEdit(fields::Sound, page);
    soundFile->setReadOnly(true);
    soundLabel->setBuddy(soundFile);
    chooseSoundButton = makeChooserButton(
        controls::ChooseSound, QStringLiteral("..."),
        QCoreApplication::translate("Slideshow", "Choose Your Background Sound"), page);
    auditionButton = makeChooserButton(
        controls::AuditionSound, QString(),
        QCoreApplication::translate("Slideshow", "Audition Sound (Preview)"), page);
    chooseSoundButton->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Choose Background Sound"));
    auditionButton->setAccessibleName(QCoreApplication::translate("Slideshow", "Audition Sound"));
    auditionButton->setIcon(page->style()->standardIcon(QStyle::SP_MediaPlay));
    grid.row(soundLabel, lineOf({soundFile, chooseSoundButton, auditionButton}, 3, LineEnd::Fill));

    grid.row(QCoreApplication::translate("Slideshow", "Page Title:"),
             makeLineEdit(fields::PageTitle, page));

    grid.colour(QCoreApplication::translate("Slideshow", "Page Background Color:"),
                {.dialog = fields::PageBackground,
                 .button = controls::PageBackgroundButton,
                 .swatch = controls::PageBackgroundSwatch,
                 .label = controls::PageBackgroundLabel,
                 .hint = QCoreApplication::translate("Slideshow", "Choose Page Background Color"),
                 .captionSpans = true});

    backgroundImage = makeLineEdit(fields::BackgroundImage, page);
    backgroundImage->setReadOnly(true);
    backgroundImage->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Background Image"));
    chooseBackgroundButton = makeChooserButton(
        controls::ChooseBackground, QCoreApplication::translate("Slideshow", "..."),
        QCoreApplication::translate("Slideshow", "Choose Your Background Image"), page);
    chooseBackgroundButton->setAccessibleName(
        QCoreApplication::translate("Slideshow", "Choose Background Image"));
    grid.row(QCoreApplication::translate("Slideshow", "Image:"),
             lineOf({backgroundImage, chooseBackgroundButton}, 3, LineEnd::Fill), backgroundImage);
    grid.fillDown();
}

QWidget* SlideshowForm::buildSlideshowPage(QWidget* tab) {
    auto* page = new QWidget(subPages);
    page->setObjectName(controls::SlideshowPage);
    FormGrid grid(compact(new QGridLayout(page), PageDensity), page);
    grid.widenControls();

    grid.row(QCoreApplication::translate("Slideshow", "Heading Text:"),
             makeLineEdit(fields::HeadingText, page));

    // The sample panels float over the tab, above the right end of their lists.
    QLabel* fontSample = makeFontSample(controls::HeadingFontSample, tab);
    auto* font = new FontBox(fields::HeadingFont, fontSample, page);
    font->setAccessibleName(QCoreApplication::translate("Slideshow", "Heading Font"));
    new SamplePlacer(fontSample, font, tab);
    grid.row(QCoreApplication::translate("Slideshow", "Font:"), font);

    auto* contrast = new ContrastWarning(controls::HeadingContrast, page);
    ColourSetting* textColour =
        grid.colour(QCoreApplication::translate("Slideshow", "Color:"),
                    {.dialog = fields::HeadingColour,
                     .button = controls::HeadingColourButton,
                     .swatch = controls::HeadingColourSwatch,
                     .label = controls::HeadingColourLabel,
                     .hint = QCoreApplication::translate("Slideshow", "Choose Text Color"),
                     .beside = contrast});

    const struct {
        const char* name;
        const char* letter;
        const char* hint;
        void (QFont::*style)(bool);
        const char* spoken;
    } styles[] = {{fields::HeadingBold, QT_TRANSLATE_NOOP("Slideshow", "B"),
                   QT_TRANSLATE_NOOP("Slideshow", "Bold"), &QFont::setBold,
                   QT_TRANSLATE_NOOP("Slideshow", "Bold")},
                  {fields::HeadingItalic, QT_TRANSLATE_NOOP("Slideshow", "I"),
                   QT_TRANSLATE_NOOP("Slideshow", "Italics"), &QFont::setItalic,
                   QT_TRANSLATE_NOOP("Slideshow", "Italic")},
                  {fields::HeadingUnderline, QT_TRANSLATE_NOOP("Slideshow", "U"),
                   QT_TRANSLATE_NOOP("Slideshow", "Underline"), &QFont::setUnderline,
                   QT_TRANSLATE_NOOP("Slideshow", "Underline")}};
    QToolButton* toggles[3] = {};
    for (int i = 0; i < 3; ++i) {
        toggles[i] = makeStyleToggle(styles[i].name,
                                     QCoreApplication::translate("Slideshow", styles[i].letter),
                                     QCoreApplication::translate("Slideshow", styles[i].hint),
                                     styles[i].style, ToggleFrame::Raised, page);
        toggles[i]->setAccessibleName(QCoreApplication::translate("Slideshow", styles[i].spoken));
    }
    QComboBox* size =
        makeComboBox(fields::HeadingSize, numberList(1, 72), {}, page, Typing::Editable);
    size->setMinimumContentsLength(3);
    size->setAccessibleName(QCoreApplication::translate("Slideshow", "Heading Size"));
    grid.row(QCoreApplication::translate("Slideshow", "Font Style:"),
             {toggles[0], toggles[1], toggles[2]});
    grid.row(QCoreApplication::translate("Slideshow", "Size:"), {size});

    grid.colour(QCoreApplication::translate("Slideshow", "Border Color:"),
                {.dialog = fields::BorderColour,
                 .button = controls::BorderColourButton,
                 .swatch = controls::BorderColourSwatch,
                 .label = controls::BorderColourLabel,
                 .hint = QCoreApplication::translate("Slideshow", "Choose Table Border Color")});
    QComboBox* borderWidth = makeComboBox(fields::BorderWidth, BorderWidths, {}, page);
    borderWidth->setAccessibleName(QCoreApplication::translate("Slideshow", "Table Border Width"));
    grid.row(QCoreApplication::translate("Slideshow", "Border Width:"), {borderWidth});

    grid.colour(QCoreApplication::translate("Slideshow", "Slideshow Console Color:"),
                {.dialog = fields::ConsoleColour,
                 .button = controls::ConsoleColourButton,
                 .swatch = controls::ConsoleColourSwatch,
                 .label = controls::ConsoleColourLabel,
                 .hint = QCoreApplication::translate("Slideshow", "Choose Slideshow Color")});
    // The heading sits in its cell.
    contrast->watch(textColour,
                    grid.colour(QCoreApplication::translate("Slideshow", "Heading Cell Color:"),
                                {.dialog = fields::HeadingCellColour,
                                 .button = controls::HeadingCellColourButton,
                                 .swatch = controls::HeadingCellColourSwatch,
                                 .label = controls::HeadingCellColourLabel,
                                 .hint = QCoreApplication::translate(
                                     "Slideshow", "Choose Slideshow Heading Cell Color")}));

    auto* cellSpacing = new SpinEdit(fields::CellSpacing, 0, 25, 2, page);
    auto* cellPadding = new SpinEdit(fields::CellPadding, 0, 25, 2, page);
    grid.row(QCoreApplication::translate("Slideshow", "Cellspacing:"), {cellSpacing});
    grid.row(QCoreApplication::translate("Slideshow", "Cellpadding:"), {cellPadding});
    grid.fillDown();
    return page;
}

QWidget* SlideshowForm::buildElementsPage(QWidget* tab) {
    auto* page = new QWidget(subPages);
    page->setObjectName(controls::ElementsPage);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(4, 3, 4, 3);
    column->setSpacing(3);

    struct Group {
        const char* boxName;
        QString title;
        const char* panelName;
        const char* fontName;
        ColourRow background;
        ColourRow text;
        QString textCaption;
        const char* contrastName;
        const char* styleName;
        const char* widthName;
    };
    const Group groups[] = {
        {controls::ButtonsGroup,
         QCoreApplication::translate("Slideshow", " Control Buttons "),
         controls::ButtonFontSample,
         fields::ButtonFont,
         {.dialog = fields::ButtonBackground,
          .button = controls::ButtonBackgroundButton,
          .swatch = controls::ButtonBackgroundSwatch,
          .label = controls::ButtonBackgroundLabel,
          .hint = QCoreApplication::translate("Slideshow", "Choose Control Buttons Color")},
         {.dialog = fields::ButtonText,
          .button = controls::ButtonTextColourButton,
          .swatch = controls::ButtonTextColourSwatch,
          .label = controls::ButtonTextColourLabel,
          .hint = QCoreApplication::translate("Slideshow", "Choose Control Buttons Text Color")},
         QCoreApplication::translate("Slideshow", "Text Color:"),
         "ButtonContrast",
         fields::ButtonBorderStyle,
         fields::ButtonBorderWidth},
        {controls::ListGroup,
         QCoreApplication::translate("Slideshow", " Image List "),
         controls::ListFontSample,
         fields::ListFont,
         {.dialog = fields::ListBackground,
          .button = controls::ListBackgroundButton,
          .swatch = controls::ListBackgroundSwatch,
          .label = controls::ListBackgroundLabel,
          .hint = QCoreApplication::translate("Slideshow", "Choose Image List Color")},
         {.dialog = fields::ListItemColour,
          .button = controls::ListItemColourButton,
          .swatch = controls::ListItemColourSwatch,
          .label = controls::ListItemColourLabel,
          .hint = QCoreApplication::translate("Slideshow", "Choose Image List Text Color")},
         QCoreApplication::translate("Slideshow", "Item Color:"),
         "ListContrast",
         fields::ListBorderStyle,
         fields::ListBorderWidth},
    };
    for (const Group& group : groups) {
        auto* box = new QGroupBox(group.title, page);
        box->setObjectName(QLatin1String(group.boxName));
        auto* layout = compact(new QGridLayout(box), PageDensity);
        layout->setContentsMargins(6, 2, 6, 3);
        FormGrid grid(layout, box);
        grid.widenControls();
        QLabel* panel = makeFontSample(QLatin1String(group.panelName), tab);
        auto* font = new FontBox(QLatin1String(group.fontName), panel, box);
        new SamplePlacer(panel, font, tab);
        // Both groups have the same captions, so each field also says its group.
        const QString groupName = group.title.trimmed();
        font->setAccessibleName(QCoreApplication::translate("Slideshow", "%1 Font").arg(groupName));
        grid.row(QCoreApplication::translate("Slideshow", "Font:"), font);
        ColourSetting* background = grid.colour(
            QCoreApplication::translate("Slideshow", "Background Color:"), group.background);
        auto* contrast = new ContrastWarning(QLatin1String(group.contrastName), box);
        ColourRow text = group.text;
        text.beside = contrast;
        // The buttons and the list on their own backgrounds.
        contrast->watch(grid.colour(group.textCaption, text), background);
        QComboBox* style = makeChoiceBox(group.styleName, "Choices", BorderStyleNames, box);
        QComboBox* width = makeComboBox(group.widthName, BorderWidths, {}, box);
        style->setAccessibleName(groupName +
                                 QCoreApplication::translate("Slideshow", " Border Style"));
        width->setAccessibleName(groupName +
                                 QCoreApplication::translate("Slideshow", " Border Width"));
        auto* border = new QHBoxLayout;
        border->setSpacing(4);
        border->addWidget(style);
        border->addSpacing(6);
        border->addWidget(
            captionFor(QCoreApplication::translate("Slideshow", "Width:"), width, box));
        border->addWidget(width);
        border->addStretch();
        grid.row(QCoreApplication::translate("Slideshow", "Border Style:"), border, style);
        column->addWidget(box);
    }
    column->addStretch();
    return page;
}
