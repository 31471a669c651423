#include "makers/slideshow/slideshow_tab.h"

#include "core/page_text.h"
#include "core/project_file.h"
#include "core/separate_files.h"
#include "core/text_file.h"
#include "core/web_escape.h"
#include "makers/slideshow/publication.h"
#include "makers/slideshow/slideshow_controls.h"
#include "makers/slideshow/slideshow_fields.h"
#include "makers/slideshow/slideshow_modern_page.h"
#include "makers/slideshow/slideshow_publisher.h"
#include "makers/slideshow/web_image_choice.h"
#include "widgets/colour_setting.h"
#include "widgets/enabling.h"
#include "widgets/field_binding.h"
#include "widgets/file_drop.h"
#include "widgets/font_box.h"
#include "widgets/hint.h"
#include "widgets/list_values.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"
#include "widgets/spin_edit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <memory>

using namespace slideshow;

namespace {

// Puts the file chosen (in a dialog or by a drop) into `field`; none leaves
// it as it was.
void takeFileInto(QLineEdit* field, const QStringList& files) {
    if (!files.isEmpty())
        field->setText(files.first());
}

} // namespace

SlideshowTab::SlideshowTab(const TabContext& tabContext, QWidget* parent)
    : TabPage(parent), context(tabContext) {
    setObjectName(QLatin1String(controls::Tab));
    if (!context.buildLater)
        build();
}

void SlideshowTab::buildControls() {
    ui.setupUi(this, context);
    // Publish, the entry below the Save As sub-menu.
    connect(ui.frame.afterSave.at(0), &QAction::triggered, this, &SlideshowTab::publishPage);
    webImages = new WebImageChoice(WebImageChoice::defaultChoiceFile(), this);
    webImages->offerIn(ui.frame.saveMenu, context.modern());
    if (context.modernOutput)
        connect(context.modernOutput, &ModernOutput::switched, webImages,
                [this](bool modern) { webImages->offerIn(ui.frame.saveMenu, modern); });
    connect(ui.frame.newButton, &QToolButton::clicked, this, &SlideshowTab::newDocument);
    connect(ui.imageList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!changingList && row >= 0)
            selectEntry();
    });
    const struct {
        QPushButton* button;
        void (SlideshowTab::*command)();
    } buttons[] = {
        {ui.deleteButton, &SlideshowTab::deleteEntry},
        {ui.sortButton, &SlideshowTab::sortList},
        {ui.clearAllButton, &SlideshowTab::clearAllImages},
        {ui.makeCodeButton, &SlideshowTab::makeCode},
        {ui.addImagesButton, &SlideshowTab::addImages},
        {ui.chooseInitialButton, &SlideshowTab::chooseInitialImage},
        {ui.initialHelpButton, &SlideshowTab::explainInitialImage},
        {ui.auditionButton, &SlideshowTab::auditionSound},
    };
    for (const auto& [button, command] : buttons)
        connect(button, &QPushButton::clicked, this, command);
    connect(ui.chooseSoundButton, &QPushButton::clicked, this,
            [this] { takeFileInto(ui.soundFile, ui.soundDialog.askOpen(false)); });
    connect(ui.chooseBackgroundButton, &QPushButton::clicked, this,
            [this] { takeFileInto(ui.backgroundImage, ui.backgroundImageDialog.askOpen(false)); });
    acceptFileDrops(ui.imageList,
                    imageFileDrop([this](const QStringList& files) { appendImages(files); }, true));
    acceptFileDrops(ui.soundFile,
                    {QCoreApplication::translate("Slideshow", "a sound (WAV or MIDI)"),
                     {QStringLiteral("wav"), QStringLiteral("mid")},
                     false,
                     [this](const QStringList& files) { takeFileInto(ui.soundFile, files); }});
    for (QLineEdit* field : {ui.backgroundImage, ui.initialImage})
        acceptFileDrops(field, imageFileDrop([field](const QStringList& files) {
                            takeFileInto(field, files);
                        }));
    enableWith(ui.rightClickDisable, {ui.rightClickMessageLabel, ui.rightClickMessage});
    enableWith(ui.playSound,
               {ui.soundLabel, ui.soundFile, ui.chooseSoundButton, ui.auditionButton});
    applySettings(SlideshowSettings());
}

SlideshowTab::~SlideshowTab() = default;

SlideshowSettings SlideshowTab::settings() {
    return readSettings(NumberText::Committed);
}

QString SlideshowTab::livePage() {
    // The spin edits are read as they would commit, but left as typed.
    const SlideshowSettings now = readSettings(NumberText::Shown);
    const SlideshowPage page = context.modern() ? modernSlideshowPage(now) : slideshowPage(now);
    if (page.refused())
        return QStringLiteral("<!DOCTYPE html>\n<title>Slideshow</title>\n<p>%1</p>")
            .arg(web::htmlText(page.refusal));
    return pageText(page.lines, LastLine::Open);
}

SlideshowSettings SlideshowTab::readSettings(NumberText number) const {
    SlideshowSettings s;
    readFields(this, slideshow::fields::table(), s, number);
    return s;
}

void SlideshowTab::applySettings(const SlideshowSettings& s) {
    setImages(s.images);
    showFields(this, slideshow::fields::table(), s);
}

SlideshowProject SlideshowTab::project() {
    return {settings(), OutputCommands::paneText(*ui.codePane)};
}

void SlideshowTab::applyProject(const SlideshowProject& project) {
    applySettings(project.settings);
    replacePaneText(*ui.codePane, project.code);
}

void SlideshowTab::setImages(const QStringList& images) {
    changingList = true;
    ui.imageList->clear();
    ui.imageList->addItems(images);
    changingList = false;
    ui.imageList->setToolTip(QString());
    rememberedRow = -1;
    enableEntryCommands(false);
}

// Delete and OK act on the remembered entry, so only while one is selected.
void SlideshowTab::enableEntryCommands(bool enabled) {
    ui.deleteButton->setEnabled(enabled);
    ui.chooseInitialButton->setEnabled(enabled);
}

// After the program removed entries nothing is selected, as after a fresh
// start, so the next click on any entry counts.
void SlideshowTab::clearListSelection() {
    changingList = true;
    ui.imageList->setCurrentRow(-1);
    ui.imageList->clearSelection();
    changingList = false;
}

void SlideshowTab::addImages() {
    ui.imagesDialog.fileName.clear();
    appendImages(ui.imagesDialog.askOpen(true));
}

void SlideshowTab::appendImages(const QStringList& files) {
    if (files.isEmpty())
        return;
    changingList = true;
    ui.imageList->addItems(files);
    changingList = false;
}

void SlideshowTab::selectEntry() {
    rememberedRow = ui.imageList->currentRow();
    if (QListWidgetItem* item = ui.imageList->item(rememberedRow))
        ui.imageList->setToolTip(item->text());
    enableEntryCommands(true);
}

void SlideshowTab::chooseInitialImage() {
    if (rememberedRow >= 0 && rememberedRow < ui.imageList->count()) {
        changingList = true;
        std::unique_ptr<QListWidgetItem> chosen(ui.imageList->takeItem(rememberedRow));
        changingList = false;
        ui.initialImage->setText(chosen->text());
        clearListSelection();
    }
    enableEntryCommands(false);
}

void SlideshowTab::explainInitialImage() {
    desktop().notice(
        NoticeKind::Information,
        QCoreApplication::translate("Slideshow",
                                    "Choose the image you would like to be the image to start the "
                                    "slideshow by clicking on the image in the image list box, "
                                    "and then clicking the OK button left of the ? button."));
}

void SlideshowTab::deleteEntry() {
    if (!desktop().confirm(QCoreApplication::translate(
            "Slideshow", "Are you sure you want to delete the selected item?")))
        return;
    QListWidgetItem* item = ui.imageList->item(rememberedRow);
    if (item && item->isSelected()) {
        if (item->text() == ui.initialImage->text())
            ui.initialImage->clear();
        changingList = true;
        delete ui.imageList->takeItem(rememberedRow);
        changingList = false;
        clearListSelection();
    }
    enableEntryCommands(false);
}

void SlideshowTab::sortList() {
    QStringList entries = listTexts(ui.imageList);
    // Stable, so paths equal but for letter case keep their order.
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const bool selected = ui.imageList->currentItem() && ui.imageList->currentItem()->isSelected();
    changingList = true;
    ui.imageList->clear();
    ui.imageList->addItems(entries);
    // The remembered position stays; it now marks whatever entry stands there.
    if (selected && rememberedRow >= 0 && rememberedRow < ui.imageList->count())
        ui.imageList->setCurrentRow(rememberedRow);
    changingList = false;
}

void SlideshowTab::clearAllImages() {
    if (!desktop().confirm(QCoreApplication::translate(
            "Slideshow", "Are you sure you want to erase ALL images in the image list box?")))
        return;
    changingList = true;
    ui.imageList->clear();
    changingList = false;
    enableEntryCommands(false);
    ui.initialImage->clear();
}

void SlideshowTab::auditionSound() {
    const QString sound = ui.soundFile->text();
    if (sound.trimmed().isEmpty()) {
        desktop().notice(NoticeKind::Error,
                         QCoreApplication::translate("Slideshow", "No sound specified!"));
        return;
    }
    if (sound.endsWith(QLatin1Char('v'), Qt::CaseInsensitive))
        desktop().playWave(sound);
    else
        desktop().playMidi(sound);
}

void SlideshowTab::makeCode() {
    const SlideshowPage page =
        context.modern() ? modernSlideshowPage(settings()) : slideshowPage(settings());
    if (page.refused()) {
        desktop().notice(NoticeKind::Error, page.refusal);
        return;
    }
    replacePaneText(*ui.codePane, pageText(page.lines));
}

void SlideshowTab::publishPage() {
    if (publishing)
        return;
    if (ui.codePane->toPlainText().size() < 10) {
        desktop().notice(NoticeKind::Information,
                         QCoreApplication::translate(
                             "Slideshow", "Please first generate code before publishing!"));
        return;
    }
    const SlideshowSettings current = settings();
    // Built before anything is asked or written, so a bad setting stops here.
    const SlideshowPage page =
        context.modern() ? modernPublishedSlideshowPage(current) : publishedSlideshowPage(current);
    if (page.refused()) {
        desktop().notice(NoticeKind::Error, page.refusal);
        return;
    }
    const QString pagePath = ui.publishDialog.askSave();
    if (pagePath.isEmpty())
        return;
    const bool separate = context.modernOutput && context.modernOutput->separateFiles();
    const QFileInfo pageFile(pagePath);
    // The page as written: whole, or with its style and script beside it.
    const auto pageFiles = [separate, pageFile](const SlideshowPage& made) {
        const QString text = pageText(made.lines);
        const web::SeparatedPage separated =
            separate ? web::separateFiles(text, pageFile.completeBaseName())
                     : web::SeparatedPage{text, {}};
        SlideshowPublisher::MadePage files{htmlFileBytes(separated.html), {}};
        for (const web::SeparateFile& file : separated.files)
            files.companions.append({pageFile.dir().filePath(file.name), htmlFileBytes(file.text)});
        return files;
    };
    const SlideshowPublisher::MadePage files = pageFiles(page);
    // A folder typed into the dialog that does not exist yet is made, and
    // taken away again when nothing could be published into it.
    const QString folder = QFileInfo(pagePath).absolutePath();
    const bool newFolder = !QFileInfo::exists(folder);
    if (newFolder && !QDir().mkpath(folder)) {
        desktop().notice(
            NoticeKind::Error,
            QCoreApplication::translate("Slideshow", "Cannot create folder %1").arg(folder));
        return;
    }
    publishing = true;
    SlideshowPublisher publisher(pagePath, files.bytes, slideshowPublishSources(current));
    for (const auto& [path, bytes] : files.companions)
        publisher.addCompanion(path, bytes);
    if (context.modern() && webImages->isOn())
        publisher.optimiseImages(
            QStringList{current.initialImage} + current.images, webImages->longEdge(),
            [current, pageFiles](const WebImages& images) {
                return pageFiles(modernPublishedSlideshowPage(current, images));
            });
    const bool complete = runPublication(publisher, this);
    publishing = false;
    if (!complete) {
        if (newFolder)
            QDir().rmdir(folder);
        return;
    }
    ui.outputs->recordSaved(pagePath);
    emit fileSaved(pagePath);
    showStatus(this,
               newFolder
                   ? QCoreApplication::translate("Slideshow", "Published %1 into the new folder %2")
                         .arg(QFileInfo(pagePath).fileName(), folder)
                   : QCoreApplication::translate("Slideshow", "Published %1").arg(pagePath));
    desktop().notice(NoticeKind::Information,
                     QCoreApplication::translate("Slideshow", "Publish complete!"));
}

void SlideshowTab::newDocument() {
    if (!desktop().confirm(QCoreApplication::translate(
            "Slideshow", "Are you sure you want to erase all fields and start a new document?")))
        return;
    ui.subPages->setCurrentIndex(0);
    replacePaneText(*ui.codePane, {});
    applySettings(SlideshowSettings());
}
