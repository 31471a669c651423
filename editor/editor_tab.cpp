#include "editor/editor_tab.h"

#include "core/text_file.h"
#include "editor/reserved_words.h"
#include "editor/tag_palette.h"
#include "widgets/form_parts.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"

#include <QAction>
#include <QFileInfo>
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

const ToolBarRow ToolBar = {
    .bar = "ToolBar7",
    .newButton = "ToolButton63",
    .saveButton = "ToolButton64",
    .saveMenu = "PopupMenu14",
    .saveAs = {{"AsJS1", "As JS", "", FrameCommand::None, "text-x-script"},
               {"AsHTML5", "As HTML", "", FrameCommand::SaveAsHtml}},
    .printButton = "ToolButton73",
    .optionsButton = "ToolButton75",
    .optionsMenu = "PopupMenu15",
    .options = {{"StripHTML1", "Strip HTML Tags", "Remove <script> And Comment Tags",
                 FrameCommand::None, "edit-clear"}},
    .optionsOnPlainClick = true,
    .helpButton = "ToolButton76",
    .helpEntry = "Help7",
    .aboutEntry = "About6",
    .helpPage = 5,
    .helpMenu = "PopupMenu16",
    .openButton = {"ToolButton77", "Open", "Open"},
    .saveCaption = "Save",
    .editButtonNames = {"ToolButton66", "ToolButton67", "ToolButton68", "ToolButton70",
                        "ToolButton71"},
    .toggles = {{"ToolButton78", "Tags", "Toggle Tag Inspector", FrameCommand::None, "insert-text"},
                {"ToolButton79", "Words", "Toggle Predefined Words", FrameCommand::None,
                 "accessories-dictionary"}},
    // Thirteen buttons share the width of the fixed window.
    .flush = true};

OutputSetup outputSetup(QPlainTextEdit* pane) {
    OutputSetup setup;
    setup.pane = pane;
    setup.htmlDialog =
        htmlSaveRequest(QStringLiteral("SaveDialog11"), QStringLiteral("HTML File (*.html)"));
    setup.recordsHtmlSave = false;
    return setup;
}

QPlainTextEdit* makeEditor(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName("Memo21");
    styleCodePane(memo, TabKey::Typed);
    showNavyText(memo);
    memo->setPlainText(documentText(ScriptSkeleton));
    return memo;
}

} // namespace

EditorTab::EditorTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), OpenDialog4(openFileRequest(
                           QStringLiteral("OpenDialog4"), QStringLiteral("Open"),
                           {QStringLiteral("HTML Files (*.html *.htm *.shtml)"),
                            QStringLiteral("JS Files (*.js)"), QStringLiteral("All Files (*)")},
                           2)),
      SaveDialog10(saveFileRequest(QStringLiteral("SaveDialog10"), QStringLiteral("Save as JS"),
                                   QStringLiteral("JS Files (*.js)"), QStringLiteral("js"))),
      context(tabContext) {
    setObjectName("TabSheet5");
    Memo21 = makeEditor(this);
    output = new OutputCommands(outputSetup(Memo21), context.folders.userCache, this);
    ToolBar7 = buildToolBar();
    frame.connectTo(output);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(ToolBar7);
    layout->addWidget(Memo21, 1);
}

QToolBar* EditorTab::buildToolBar() {
    frame.buildToolBar(ToolBar, context, this);
    ToolButton63 = frame.newButton;
    connect(ToolButton63, &QToolButton::clicked, this, &EditorTab::ToolButton63Click);
    ToolButton77 = frame.openButton;
    connect(ToolButton77, &QToolButton::clicked, this, &EditorTab::ToolButton77Click);
    ToolButton64 = frame.saveButton;
    PopupMenu14 = frame.saveMenu;
    AsJS1 = frame.saveAs.at(0);
    connect(AsJS1, &QAction::triggered, this, &EditorTab::AsJS1Click);
    AsHTML5 = frame.saveAs.at(1);
    if (!frame.editButtons.isEmpty()) {
        ToolButton66 = frame.editButtons.at(0);
        ToolButton67 = frame.editButtons.at(1);
        ToolButton68 = frame.editButtons.at(2);
        ToolButton70 = frame.editButtons.at(3);
        ToolButton71 = frame.editButtons.at(4);
    }
    ToolButton73 = frame.printButton;
    ToolButton78 = frame.toggles.at(0);
    ToolButton79 = frame.toggles.at(1);
    connect(ToolButton78, &QToolButton::clicked, this, &EditorTab::ToolButton78Click);
    connect(ToolButton79, &QToolButton::clicked, this, &EditorTab::ToolButton79Click);
    ToolButton75 = frame.optionsButton;
    PopupMenu15 = frame.optionsMenu;
    StripHTML1 = frame.options.at(0);
    connect(StripHTML1, &QAction::triggered, this, &EditorTab::StripHTML1Click);
    ToolButton76 = frame.helpButton;
    return frame.bar;
}

void EditorTab::attachCompanions(TForm2* tagInspector, TForm3* reservedWords) {
    Form2 = tagInspector;
    Form3 = reservedWords;
    // However a companion closes (close box, toggle, tab change), its toggle
    // is released.
    connect(Form2, &ToolWindow::closed, this, [this] { ToolButton78->setChecked(false); });
    connect(Form3, &ToolWindow::closed, this, [this] { ToolButton79->setChecked(false); });
}

void EditorTab::followTabChange(bool editorActive) {
    if (!Form2 || !Form3)
        return;
    if (editorActive) {
        ToolButton78->setChecked(true);
        ToolButton79->setChecked(true);
        Form2->show();
        Form3->show();
    } else {
        Form2->close();
        Form3->close();
    }
}

void EditorTab::ToolButton78Click() {
    if (!Form2)
        return;
    if (ToolButton78->isChecked())
        Form2->show();
    else
        Form2->close();
}

void EditorTab::ToolButton79Click() {
    if (!Form3)
        return;
    if (ToolButton79->isChecked())
        Form3->show();
    else
        Form3->close();
}

void EditorTab::insertSnippet(const QStringList& lines, SnippetInsertMode mode) {
    QTextCursor cursor = Memo21->textCursor();
    const SnippetEdit edit =
        snippetEdit(editorText(), cursor.selectionStart(), cursor.selectionEnd(), lines, mode);
    cursor.setPosition(edit.from);
    cursor.setPosition(edit.to, QTextCursor::KeepAnchor);
    cursor.insertText(edit.text);
    cursor.setPosition(edit.caret);
    Memo21->setTextCursor(cursor);
    // While another tab is showing, the editor cannot take the focus; it
    // gets it when its tab comes back.
    window()->activateWindow();
    Memo21->setFocus();
}

QString EditorTab::editorText() const {
    return OutputCommands::paneText(*Memo21);
}

void EditorTab::replaceDocument(const QString& text) {
    // One undoable step, so Undo brings back the text before New, Open or
    // Strip HTML Tags.
    replacePaneText(*Memo21, text);
}

void EditorTab::ToolButton63Click() {
    if (!desktop().confirm(QStringLiteral("Are you sure you want to start a new document?")))
        return;
    replaceDocument(documentText(ScriptSkeleton));
}

void EditorTab::ToolButton77Click() {
    const QStringList chosen = OpenDialog4.askOpen(false);
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

void EditorTab::StripHTML1Click() {
    stripWrapperLines();
}

void EditorTab::AsJS1Click() {
    const QString path = SaveDialog10.askSave();
    if (path.isEmpty() || !stripWrapperLines())
        return;
    OutputCommands::writePane(editorText(), path);
}
