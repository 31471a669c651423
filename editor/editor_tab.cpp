#include "editor/editor_tab.h"

#include "core/text_file.h"
#include "editor/reserved_words.h"
#include "editor/tag_palette.h"
#include "widgets/form_parts.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"

#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Beyond this the pane takes seconds to lay the text out, so such files are
// refused with a notice instead (as are lines beyond MaxLineLength).
constexpr qint64 MaxScriptBytes = 4 * 1024 * 1024;

OutputSetup outputSetup(QPlainTextEdit* pane) {
    OutputSetup setup;
    setup.pane = pane;
    setup.htmlDialog =
        htmlSaveRequest(QStringLiteral("SaveDialog11"), QStringLiteral("HTML File (*.html)"));
    setup.recordsHtmlSave = false;
    setup.preview = OutputSetup::Preview::TemporaryFile;
    return setup;
}

} // namespace

EditorTab::EditorTab(const TabContext& tabContext, QWidget* parent)
    : TabPage(parent), context(tabContext),
      openDialog(
          openFileRequest(QStringLiteral("OpenDialog4"), QStringLiteral("Open"),
                          {QStringLiteral("HTML Files (*.html *.htm *.shtml)"),
                           QStringLiteral("JS Files (*.js)"), QStringLiteral("All Files (*)")},
                          2)),
      saveJsDialog(saveFileRequest(QStringLiteral("SaveDialog10"), QStringLiteral("Save as JS"),
                                   QStringLiteral("JS Files (*.js)"), QStringLiteral("js"))) {
    ui.setupUi(this, frame, context);
    outputs = new OutputCommands(outputSetup(ui.editorPane), context.folders.userCache, this);
    frame.connectTo(outputs);

    connect(ui.newButton, &QToolButton::clicked, this, &EditorTab::newDocument);
    connect(ui.openButton, &QToolButton::clicked, this, &EditorTab::openDocument);
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
}

void EditorTab::attachCompanions(TagInspector* inspector, ReservedWordsWindow* words) {
    tagInspector = inspector;
    reservedWords = words;
    // However a companion closes (close box, toggle, tab change), its toggle
    // is released.
    connect(tagInspector, &ToolWindow::closed, this,
            [this] { ui.tagInspectorToggle->setChecked(false); });
    connect(reservedWords, &ToolWindow::closed, this,
            [this] { ui.wordsToggle->setChecked(false); });
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
    if (!desktop().confirm(QStringLiteral("Are you sure you want to start a new document?")))
        return;
    replaceDocument(documentText(ScriptSkeleton));
    markSaved();
}

void EditorTab::preview() {
    outputs->preview();
}

bool EditorTab::hasUnsavedChanges() const {
    return ui.editorPane->document()->isModified();
}

bool EditorTab::saveDocument() {
    return outputs->saveAsHtml();
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
    const QFileInfo file(path);
    if (file.isFile() && file.size() > MaxScriptBytes) {
        desktop().notice(
            NoticeKind::Error,
            QStringLiteral("The file %1 is too large for the editor (%2 KB; at most %3 KB).")
                .arg(path)
                .arg((file.size() + 1023) / 1024)
                .arg(MaxScriptBytes / 1024));
        return;
    }
    QString error;
    const std::optional<QString> text = readTextFile(path, &error);
    if (!text) {
        // Say why, where the file system tells: a name given on the command
        // line may be misspelt.
        if (error == cannotOpenMessage(path)) {
            if (const QString reason = openFailureReason(path); !reason.isEmpty())
                error += QStringLiteral(": ") + reason;
        }
        desktop().notice(NoticeKind::Error, error);
        return;
    }
    if (longestLineLength(*text) > MaxLineLength) {
        desktop().notice(NoticeKind::Error,
                         QStringLiteral("The file %1 has lines longer than the editor can show "
                                        "(at most %2 characters a line).")
                             .arg(path)
                             .arg(MaxLineLength));
        return;
    }
    replaceDocument(editorLineBreaks(*text));
    markSaved();
}

bool EditorTab::stripWrapperLines() {
    const QString text = editorText();
    const QString scratch = context.folders.cacheFile(QStringLiteral("temp.tmp"));
    QString error;
    if (!replaceFileAtomically(scratch, paneFileBytes(text), &error)) {
        desktop().notice(NoticeKind::Error, error);
        return false;
    }
    replaceDocument(documentText(StripWrapperLines(splitLines(text))));
    return true;
}

void EditorTab::stripHtmlTags() {
    stripWrapperLines();
}

void EditorTab::saveAsJs() {
    const QString path = saveJsDialog.askSave();
    if (path.isEmpty() || !stripWrapperLines())
        return;
    if (OutputCommands::writePane(editorText(), path))
        emit fileSaved(path);
}
