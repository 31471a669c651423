#include "editor/editor_tab.h"

#include "core/text_file.h"
#include "editor/editor_controls.h"
#include "editor/reserved_words.h"
#include "editor/tag_palette.h"
#include "widgets/background_save.h"
#include "widgets/file_drop.h"
#include "widgets/file_requests.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

using namespace editor;

namespace {

// Beyond this the pane takes seconds to lay the text out, so such files are
// refused with a notice instead (as are lines beyond MaxLineLength).
constexpr qint64 MaxScriptBytes = 4 * 1024 * 1024;

OutputSetup outputSetup(QPlainTextEdit* pane, const TextEncoding* encoding) {
    OutputSetup setup;
    setup.encoding = [encoding] { return *encoding; };
    setup.pane = pane;
    setup.htmlDialog = htmlSaveRequest(controls::HtmlSaveDialog,
                                       QCoreApplication::translate("Editor", "HTML File (*.html)"));
    setup.recordsHtmlSave = false;
    setup.preview = OutputSetup::Preview::TemporaryFile;
    return setup;
}

} // namespace

EditorTab::EditorTab(const TabContext& tabContext, QWidget* parent)
    : TabPage(parent), context(tabContext),
      openDialog(openFileRequest(
          controls::OpenDialog, QCoreApplication::translate("Editor", "Open"),
          {QCoreApplication::translate("Editor", "HTML Files (*.html *.htm *.shtml)"),
           QCoreApplication::translate("Editor", "JS Files (*.js)"),
           QCoreApplication::translate("Editor", "All Files (*)")},
          2)),
      saveJsDialog(saveFileRequest(
          controls::JsSaveDialog, QCoreApplication::translate("Editor", "Save as JS"),
          QCoreApplication::translate("Editor", "JS Files (*.js)"), QStringLiteral("js"))) {
    setObjectName(QLatin1String(controls::Tab));
    if (!context.buildLater)
        build();
}

void EditorTab::buildControls() {
    ui.setupUi(this, context);
    outputs = new OutputCommands(outputSetup(ui.editorPane, &documentEncoding),
                                 context.folders.userCache, this);
    ui.frame.connectTo(outputs);

    connect(ui.frame.newButton, &QToolButton::clicked, this, &EditorTab::newDocument);
    connect(ui.frame.openButton, &QToolButton::clicked, this, &EditorTab::openDocument);
    connect(ui.saveAsJsAction, &QAction::triggered, this, &EditorTab::saveAsJs);
    connect(ui.tagInspectorToggle, &QToolButton::clicked, this, &EditorTab::toggleTagInspector);
    connect(ui.wordsToggle, &QToolButton::clicked, this, &EditorTab::toggleReservedWords);
    connect(ui.stripAction, &QAction::triggered, this, &EditorTab::stripHtmlTags);
    // The tool bar has no Preview; File > Preview (F12) reaches this one.
    auto* previewCommand = new QAction(this);
    markTabCommand(previewCommand, TabCommand::Preview);
    connect(previewCommand, &QAction::triggered, this, &EditorTab::preview);
    connect(this, &TabPage::fileSaved, this, &EditorTab::markSaved);
    ui.editorPane->installEventFilter(this);
    markSaved();
    acceptFileDrops(ui.editorPane,
                    {QCoreApplication::translate("Editor", "a page or script (HTML or JS)"),
                     {QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("shtml"),
                      QStringLiteral("js")},
                     false,
                     [this](const QStringList& files) { openFile(files.first()); }});
}

void EditorTab::attachCompanions(TagInspector* inspector, ReservedWordsWindow* words) {
    tagInspector = inspector;
    reservedWords = words;
    // However a companion closes (close box, toggle, tab change), its toggle
    // is released; a tab not built yet has its toggles still to come.
    connect(tagInspector, &ToolWindow::closed, this, [this] {
        if (isBuilt())
            ui.tagInspectorToggle->setChecked(false);
    });
    connect(reservedWords, &ToolWindow::closed, this, [this] {
        if (isBuilt())
            ui.wordsToggle->setChecked(false);
    });
}

void EditorTab::followTabChange(bool editorActive) {
    if (!tagInspector || !reservedWords)
        return;
    if (editorActive) {
        ui.tagInspectorToggle->setChecked(true);
        ui.wordsToggle->setChecked(true);
        tagInspector->show();
        reservedWords->show();
    } else {
        tagInspector->close();
        reservedWords->close();
    }
}

void EditorTab::toggleTagInspector() {
    if (!tagInspector)
        return;
    if (ui.tagInspectorToggle->isChecked())
        tagInspector->show();
    else
        tagInspector->close();
}

void EditorTab::toggleReservedWords() {
    if (!reservedWords)
        return;
    if (ui.wordsToggle->isChecked())
        reservedWords->show();
    else
        reservedWords->close();
}

void EditorTab::insertSnippet(const QStringList& lines, SnippetInsertMode mode) {
    QTextCursor cursor = ui.editorPane->textCursor();
    const SnippetEdit edit =
        snippetEdit(editorText(), cursor.selectionStart(), cursor.selectionEnd(), lines, mode);
    cursor.setPosition(edit.from);
    cursor.setPosition(edit.to, QTextCursor::KeepAnchor);
    cursor.insertText(edit.text);
    cursor.setPosition(edit.caret);
    ui.editorPane->setTextCursor(cursor);
    returnFocus();
}

void EditorTab::returnFocus() {
    // While another tab is showing, the editor cannot take the focus; it
    // gets it when its tab comes back.
    window()->activateWindow();
    ui.editorPane->setFocus();
}

void EditorTab::goToTagInspector() {
    if (!tagInspector)
        return;
    ui.tagInspectorToggle->setChecked(true);
    tagInspector->show();
    tagInspector->takeKeyboard();
}

void EditorTab::goToReservedWords() {
    if (!reservedWords)
        return;
    ui.wordsToggle->setChecked(true);
    reservedWords->show();
    reservedWords->takeKeyboard();
}

// Tab indents in the editor, as in code editors; Ctrl+Tab, or Esc and then
// Tab, moves the focus on (with Shift, back).
bool EditorTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ui.editorPane)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut)
        escapePressed = false;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    const bool leave = tab && (escapePressed || key->modifiers() & Qt::ControlModifier);
    escapePressed = key->key() == Qt::Key_Escape;
    if (!leave)
        return false;
    const bool back = key->key() == Qt::Key_Backtab || key->modifiers() & Qt::ShiftModifier;
    focusNextPrevChild(!back);
    return true;
}

QString EditorTab::editorText() const {
    return OutputCommands::paneText(*ui.editorPane);
}

void EditorTab::replaceDocument(const QString& text) {
    // One undoable step, so Undo brings back the text before New, Open or
    // Strip HTML Tags.
    replacePaneText(*ui.editorPane, text);
}

void EditorTab::newDocument() {
    if (!desktop().confirm(QCoreApplication::translate(
            "Editor", "Are you sure you want to start a new document?")))
        return;
    replaceDocument(documentText(ScriptSkeleton));
    documentEncoding = TextEncoding::Utf8;
    markSaved();
}

void EditorTab::preview() {
    outputs->preview();
}

bool EditorTab::hasUnsavedChanges() const {
    return isBuilt() && ui.editorPane->document()->isModified();
}

bool EditorTab::saveDocument() {
    outputs->saveAsHtml();
    // A large text is written on the save thread: the answer waits for it.
    finishSaves();
    return !hasUnsavedChanges();
}

void EditorTab::markSaved() {
    ui.editorPane->document()->setModified(false);
}

void EditorTab::openDocument() {
    const QStringList chosen = openDialog.askOpen(false);
    if (!chosen.isEmpty())
        openFile(chosen.first());
}

void EditorTab::openFile(const QString& path) {
    if (const qint64 size = regularFileSize(path); size > MaxScriptBytes) {
        desktop().notice(
            NoticeKind::Error,
            QCoreApplication::translate(
                "Editor", "The file %1 is too large for the editor (%2 KB; at most %3 KB).")
                .arg(shownFileName(path))
                .arg((size + 1023) / 1024)
                .arg(MaxScriptBytes / 1024));
        return;
    }
    QString error;
    TextEncoding encoding = TextEncoding::Utf8;
    const std::optional<QString> text = readTextFile(path, &error, &encoding);
    if (!text) {
        desktop().notice(NoticeKind::Error, error);
        return;
    }
    if (longestLineLength(*text) > MaxLineLength) {
        desktop().notice(NoticeKind::Error,
                         QCoreApplication::translate(
                             "Editor", "The file %1 has lines longer than the editor can show "
                                       "(at most %2 characters a line).")
                             .arg(shownFileName(path))
                             .arg(MaxLineLength));
        return;
    }
    replaceDocument(editorLineBreaks(*text));
    // Windows-1252 is only a guess at text that is not UTF-8: saves write
    // UTF-8, as for any new text.
    documentEncoding = encoding == TextEncoding::Windows1252 ? TextEncoding::Utf8 : encoding;
    const QString note =
        encoding == TextEncoding::Windows1252
            ? QCoreApplication::translate("Editor", "Opened %1 (read as %2); saves write UTF-8")
            : QCoreApplication::translate("Editor", "Opened %1 (%2); saves keep this encoding");
    emit statusNote(note.arg(shownFileName(QFileInfo(path).fileName()), encodingName(encoding)));
    markSaved();
}

namespace {

// Beyond this many changes one replacement of the whole text is quicker.
constexpr qsizetype MostSeparateChanges = 1000;

} // namespace

void EditorTab::stripWrapperLines(const QString& target) {
    QString raw = ui.editorPane->document()->toRawText();
    const qsizetype size = raw.size();
    const QString scratch = context.folders.cacheFile(QStringLiteral("temp.tmp"));
    const TextEncoding encoding = documentEncoding;
    // Filled on the save thread, read in `done` once the work is over.
    struct Outcome {
        bool scratchWritten = false;
        QList<TextChange> changes;
        QString stripped; // only when the changes are too many
    };
    const auto outcome = std::make_shared<Outcome>();
    // The text moves into the work, which runs once, rather than being copied.
    SaveWork work = [raw = std::move(raw), scratch, target, encoding, outcome]() mutable {
        const QString text = OutputCommands::withLineFeeds(std::move(raw));
        QString error;
        if (!replacePaneFileAtomically(scratch, text, &error))
            return error;
        outcome->scratchWritten = true;
        outcome->changes = wrapperLineChanges(text);
        const bool many = outcome->changes.size() > MostSeparateChanges;
        if (many)
            outcome->stripped = documentText(StripWrapperLines(splitLines(text)));
        if (!target.isEmpty())
            writePaneFileAtomically(target,
                                    many ? outcome->stripped : withChanges(text, outcome->changes),
                                    PaneFile::Text, encoding, &error);
        return error;
    };
    // The text was taken now: until the work is over, the editor is read-only.
    const bool background = size >= BackgroundSaveChars;
    ui.editorPane->setReadOnly(background);
    const auto done = [this, target, outcome](const QString& error) {
        ui.editorPane->setReadOnly(false);
        if (outcome->scratchWritten)
            applyStripChanges(outcome->changes, outcome->stripped);
        if (!target.isEmpty())
            outputs->finishSave(target, error);
        else if (!error.isEmpty())
            desktop().notice(NoticeKind::Error, error);
    };
    const QString slowNote = target.isEmpty() ? scratch : target;
    runSave(this, size, std::move(work), done,
            [this, slowNote] { outputs->noteSlowSave(slowNote); });
}

void EditorTab::applyStripChanges(const QList<TextChange>& changes, const QString& stripped) {
    if (changes.size() > MostSeparateChanges) {
        replaceDocument(stripped);
        return;
    }
    // One undoable step, as replaceDocument makes.
    QTextCursor cursor(ui.editorPane->document());
    cursor.beginEditBlock();
    for (const TextChange& change : changes) {
        cursor.setPosition(int(change.from));
        cursor.setPosition(int(change.from + change.removed), QTextCursor::KeepAnchor);
        cursor.insertText(change.inserted);
    }
    cursor.endEditBlock();
    cursor.movePosition(QTextCursor::Start);
    ui.editorPane->setTextCursor(cursor);
}

void EditorTab::stripHtmlTags() {
    stripWrapperLines({});
}

void EditorTab::saveAsJs() {
    const QString path = saveJsDialog.askSave();
    if (!path.isEmpty())
        stripWrapperLines(path);
}
