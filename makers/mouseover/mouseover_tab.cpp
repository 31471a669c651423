#include "makers/mouseover/mouseover_tab.h"

#include "core/page_text.h"
#include "makers/mouseover/mouseover_controls.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/mouseover/mouseover_modern_page.h"
#include "widgets/background_save.h"
#include "widgets/colour_setting.h"
#include "widgets/default_button.h"
#include "widgets/desktop.h"
#include "widgets/enabling.h"
#include "widgets/field_binding.h"
#include "widgets/file_drop.h"
#include "widgets/file_requests.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusTipEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

using namespace mouseover;

namespace {

// Add Image needs both image paths, each at least this long.
constexpr int ShortestImagePath = 3;

// Appends whole lines at the end of a pane through a cursor, so adding a
// button costs the same however long the page already is. A last line the
// user left without a line break is ended first.
void appendLines(QPlainTextEdit* pane, const QStringList& lines) {
    if (lines.isEmpty())
        return;
    QTextCursor cursor(pane->document());
    cursor.movePosition(QTextCursor::End);
    QString text = pageText(lines);
    if (cursor.positionInBlock() > 0)
        text.prepend(QLatin1Char('\n'));
    cursor.insertText(text);
    pane->setTextCursor(cursor);
    pane->ensureCursorVisible();
}

} // namespace

MouseOverTab::MouseOverTab(const TabContext& tabContext, QWidget* parent)
    : TabPage(parent), context(tabContext) {
    setObjectName(QLatin1String(controls::Tab));
    if (!context.buildLater)
        build();
}

void MouseOverTab::buildControls() {
    ui.setupUi(this, context);

    OutputSetup setup;
    setup.modernOutput = context.modernOutput;
    setup.pane = ui.pagePane;
    setup.htmlDialog = htmlSaveRequest(controls::HtmlSaveDialog);
    setup.textDialog = textSaveRequest(controls::TextSaveDialog);
    setup.prepare = [this] { assemble(); };
    setup.takeText = [this] { return takePage(); };
    outputs = new OutputCommands(std::move(setup), context.folders.userCache, this);
    ui.frame.connectTo(outputs);
    if (context.modernOutput)
        connect(context.modernOutput, &ModernOutput::switched, this,
                &MouseOverTab::followOutputChoice);

    connect(ui.preloadCheck, &QCheckBox::toggled, this, &MouseOverTab::warnIfPreloadOff);
    enableWith(ui.borderCheck, {ui.borderColourLabel, ui.borderTypeLabel, ui.borderSizeLabel,
                                ui.borderColour->colourLabel(), ui.borderColour->button(),
                                ui.borderTypeBox, ui.borderSizeBox});
    connect(ui.initialImageField, &QLineEdit::textChanged, this, &MouseOverTab::enableAddImage);
    connect(ui.mouseOverImageField, &QLineEdit::textChanged, this, &MouseOverTab::enableAddImage);
    connect(ui.addImageButton, &QPushButton::clicked, this, &MouseOverTab::addImage);
    // A dropped image's path goes in as if typed.
    for (QLineEdit* field : {ui.initialImageField, ui.mouseOverImageField})
        acceptFileDrops(field, imageFileDrop([field](const QStringList& files) {
                            field->setText(files.first());
                        }));
    connect(ui.resetButton, &QPushButton::clicked, this, &MouseOverTab::resetImageFields);
    connect(ui.clearCodeButton, &QPushButton::clicked, this, &MouseOverTab::clearCode);
    connect(ui.endCodeButton, &QPushButton::clicked, this, &MouseOverTab::endCode);
    connect(ui.frame.newButton, &QToolButton::clicked, this, &MouseOverTab::newDocument);
    installDefaultButton(this, ui.addImageButton);

    applySettings(MouseOverSettings());
    enableAddImage();
    startDocument();
}

QString MouseOverTab::savedFlag() const {
    return outputs->savedFlag();
}

QString MouseOverTab::savedPagePath() const {
    return outputs->savedFileName();
}

MouseOverSettings MouseOverTab::settings() const {
    MouseOverSettings settings;
    readFields(this, mouseover::fields::table(), settings);
    return settings;
}

void MouseOverTab::applySettings(const MouseOverSettings& settings) {
    showFields(this, mouseover::fields::table(), settings);
}

MouseOverProject MouseOverTab::project() const {
    MouseOverProject project;
    project.settings = settings();
    project.modern = document.modern;
    project.head = OutputCommands::paneText(*ui.headPane);
    project.script = OutputCommands::paneText(*ui.scriptPane);
    project.body = OutputCommands::paneText(*ui.bodyPane);
    project.counters = {buttonCount, preloadCount};
    return project;
}

void MouseOverTab::applyProject(const MouseOverProject& project) {
    applyingProject = true;
    applySettings(project.settings);
    applyingProject = false;
    document.modern = project.modern;
    replacePaneText(*ui.headPane, project.head);
    replacePaneText(*ui.scriptPane, project.script);
    replacePaneText(*ui.bodyPane, project.body);
    buttonCount = project.counters.buttons;
    preloadCount = project.counters.preloads;
}

void MouseOverTab::warnIfPreloadOff() {
    if (!ui.preloadCheck->isChecked() && !applyingProject)
        desktop().notice(NoticeKind::Warning,
                         QCoreApplication::translate(
                             "MouseOver", "It is recommended that you preload your images. Failure "
                                          "to do so may lead to a delay in the mouseover effect."));
}

void MouseOverTab::enableAddImage() {
    ui.addImageButton->setEnabled(ui.initialImageField->text().size() >= ShortestImagePath &&
                                  ui.mouseOverImageField->text().size() >= ShortestImagePath);
}

void MouseOverTab::resetImageFields() {
    for (QLineEdit* field : {ui.initialImageField, ui.mouseOverImageField, ui.statusTextField,
                             ui.altTextField, ui.urlField})
        field->clear();
}

void MouseOverTab::clearCode() {
    if (desktop().confirm(QCoreApplication::translate(
            "MouseOver", "This will delete all your mouseover images code but not "
                         "the preload code. Are you sure you want to continue?")))
        replacePaneText(*ui.bodyPane, {});
}

void MouseOverTab::endCode() {
    if (desktop().confirm(QCoreApplication::translate(
            "MouseOver",
            "This will insert the closing BODY and HTML tags. Only click OK if you have added "
            "all your needed MouseOver buttons. Continue?")))
        appendLines(ui.bodyPane, document.closingLines());
}

void MouseOverTab::assemble() {
    // Filling a pane takes seconds at tens of megabytes; a page that large is
    // left out of the hidden pane, as the commands take it from the panes.
    qsizetype size = 0;
    for (const QPlainTextEdit* pane : {ui.headPane, ui.scriptPane, ui.bodyPane})
        size += pane->document()->characterCount();
    replacePaneText(*ui.pagePane, size < BackgroundSaveChars ? takePage().finish() : QString());
}

TakenText MouseOverTab::takePage() const {
    QString head = ui.headPane->document()->toRawText();
    QString script = ui.scriptPane->document()->toRawText();
    QString body = ui.bodyPane->document()->toRawText();
    const qsizetype size = head.size() + script.size() + body.size();
    // Finished once: the texts move out rather than being copied.
    return {size,
            [head = std::move(head), script = std::move(script), body = std::move(body)]() mutable {
                return assembleMouseOverPage(OutputCommands::withLineFeeds(std::move(head)),
                                             OutputCommands::withLineFeeds(std::move(script)),
                                             OutputCommands::withLineFeeds(std::move(body)));
            }};
}

QString MouseOverTab::livePage() {
    QString head = OutputCommands::paneText(*ui.headPane);
    QString body = OutputCommands::paneText(*ui.bodyPane);
    if (ui.addImageButton->isEnabled()) {
        const MouseOverButtonLines added = document.button(settings(), {buttonCount, preloadCount});
        const auto append = [](QString& pane, const QStringList& lines) {
            if (lines.isEmpty())
                return;
            if (!pane.isEmpty() && !pane.endsWith(QLatin1Char('\n')))
                pane += QLatin1Char('\n');
            pane += pageText(lines);
        };
        append(head, added.headLines);
        append(body, added.bodyLines);
    }
    return assembleMouseOverPage(head, OutputCommands::paneText(*ui.scriptPane), body);
}

void MouseOverTab::newDocument() {
    if (!desktop().confirm(QCoreApplication::translate(
            "MouseOver", "Are you sure you want to erase all fields and start a new document?")))
        return;
    applySettings(MouseOverSettings());
    buttonCount = 0;
    preloadCount = 0;
    replacePaneText(*ui.pagePane, {});
    replacePaneText(*ui.bodyPane, {});
    startDocument();
}

void MouseOverTab::startDocument() {
    document.modern = context.modern();
    replacePaneText(*ui.headPane, pageText(document.headLines()));
    replacePaneText(*ui.scriptPane, pageText(document.scriptLines()));
}

void MouseOverTab::followOutputChoice(bool modern) {
    if (modern == document.modern)
        return;
    // A document that holds nothing yet simply starts again as the new kind.
    if (buttonCount == 0 && preloadCount == 0 && ui.bodyPane->document()->isEmpty() &&
        OutputCommands::paneText(*ui.headPane) == pageText(document.headLines())) {
        startDocument();
        return;
    }
    QStatusTipEvent tip(
        modern ? QCoreApplication::translate("MouseOver",
                                             "The MouseOver document stays classic: Modern HTML5 "
                                             "Output takes effect there at the next New")
               : QCoreApplication::translate("MouseOver",
                                             "The MouseOver document stays modern: the classic "
                                             "output takes effect there at the next New"));
    QCoreApplication::sendEvent(this, &tip);
}

void MouseOverTab::addImage() {
    const MouseOverButtonLines added = document.button(settings(), {buttonCount, preloadCount});
    appendLines(ui.headPane, added.headLines);
    appendLines(ui.bodyPane, added.bodyLines);
    buttonCount = added.counters.buttons;
    preloadCount = added.counters.preloads;
    resetImageFields();
    ui.initialImageField->setFocus();
}
