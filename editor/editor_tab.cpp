#include "editor/editor_tab.h"

#include "widgets/edit_actions.h"
#include "widgets/output_commands.h"
#include "widgets/tab_toolbar.h"
#include "core/text_file.h"
#include "editor/reserved_words.h"
#include "editor/tag_palette.h"
#include "widgets/hint.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Beyond these the pane takes seconds to lay the text out and every
// keystroke lags, so such files are refused with a notice instead.
constexpr qint64 MaxScriptBytes = 4 * 1024 * 1024;
constexpr qsizetype MaxScriptLineLength = 256 * 1024;

FileDialogSpec openDialogSpec() {
    return {QStringLiteral("OpenDialog4"),
            QStringLiteral("Open"),
            {QStringLiteral("HTML Files (*.html *.htm *.shtml)"), QStringLiteral("JS Files (*.js)"),
             QStringLiteral("All Files (*)")},
            2,
            QString(),
            true};
}

FileDialogSpec saveJsDialogSpec() {
    return {QStringLiteral("SaveDialog10"),
            QStringLiteral("Save as JS"),
            {QStringLiteral("JS Files (*.js)")},
            0,
            QStringLiteral("js"),
            true};
}

OutputSetup outputSetup(QPlainTextEdit* pane) {
    OutputSetup setup;
    setup.pane = pane;
    setup.htmlDialog = {QStringLiteral("SaveDialog11"),
                        QStringLiteral("Save as HTML"),
                        {QStringLiteral("HTML File (*.html)")},
                        0,
                        QStringLiteral("html"),
                        true};
    setup.recordsHtmlSave = false;
    return setup;
}

QPlainTextEdit* makeEditor(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName("Memo21");
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setTabChangesFocus(false);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setFont(QFont(QStringLiteral("Verdana"), 8));
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 128));
    memo->setPalette(palette);
    memo->setPlainText(documentText(ScriptSkeleton));
    return memo;
}

} // namespace

EditorTab::EditorTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), OpenDialog4(openDialogSpec()), SaveDialog10(saveJsDialogSpec()),
      context(tabContext) {
    setObjectName("TabSheet5");
    Memo21 = makeEditor(this);
    output = new OutputCommands(outputSetup(Memo21), context.programDirectory, this);
    ToolBar7 = buildToolBar();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(ToolBar7);
    layout->addWidget(Memo21, 1);
}

QToolBar* EditorTab::buildToolBar() {
    QToolBar* bar = TabToolBar::create(QStringLiteral("ToolBar7"), this);
    // Thirteen buttons share the width of the fixed window.
    bar->layout()->setContentsMargins(0, 0, 0, 0);
    bar->layout()->setSpacing(0);
    ToolButton63 = TabToolBar::addButton(bar, QStringLiteral("ToolButton63"), QStringLiteral("New"),
                                         QStringLiteral("New"), QStringLiteral("document-new"));
    connect(ToolButton63, &QToolButton::clicked, this, &EditorTab::ToolButton63Click);
    ToolButton77 =
        TabToolBar::addButton(bar, QStringLiteral("ToolButton77"), QStringLiteral("Open"),
                              QStringLiteral("Open"), QStringLiteral("document-open"));
    connect(ToolButton77, &QToolButton::clicked, this, &EditorTab::ToolButton77Click);

    PopupMenu14 = new QMenu(bar);
    PopupMenu14->setObjectName("PopupMenu14");
    QMenu* save = PopupMenu14->addMenu(QStringLiteral("Save"));
    AsJS1 = save->addAction(QStringLiteral("As JS"));
    AsJS1->setObjectName("AsJS1");
    connect(AsJS1, &QAction::triggered, this, &EditorTab::AsJS1Click);
    AsHTML5 = save->addAction(QStringLiteral("As HTML"));
    AsHTML5->setObjectName("AsHTML5");
    connect(AsHTML5, &QAction::triggered, this, &EditorTab::AsHTML5Click);
    // The face of Save As does nothing; its arrow opens the menu.
    ToolButton64 = TabToolBar::addMenuButton(bar, QStringLiteral("ToolButton64"),
                                             QStringLiteral("Save"), QStringLiteral("Save As"),
                                             PopupMenu14, QStringLiteral("document-save-as"));

    if (context.editActions) {
        TabToolBar::addEditButtons(bar, *context.editActions);
        nameEditButtons(bar);
    }

    ToolButton73 =
        TabToolBar::addButton(bar, QStringLiteral("ToolButton73"), QStringLiteral("Print"),
                              QStringLiteral("Print"), QStringLiteral("document-print"));
    connect(ToolButton73, &QToolButton::clicked, this, &EditorTab::ToolButton73Click);

    ToolButton78 =
        TabToolBar::addButton(bar, QStringLiteral("ToolButton78"), QStringLiteral("Tags"),
                              QStringLiteral("Toggle Tag Inspector"));
    ToolButton79 =
        TabToolBar::addButton(bar, QStringLiteral("ToolButton79"), QStringLiteral("Words"),
                              QStringLiteral("Toggle Predefined Words"));
    for (QToolButton* toggle : {ToolButton78, ToolButton79}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(ToolButton78, &QToolButton::clicked, this, &EditorTab::ToolButton78Click);
    connect(ToolButton79, &QToolButton::clicked, this, &EditorTab::ToolButton79Click);

    PopupMenu15 = new QMenu(bar);
    PopupMenu15->setObjectName("PopupMenu15");
    StripHTML1 = PopupMenu15->addAction(QStringLiteral("Strip HTML Tags"));
    StripHTML1->setObjectName("StripHTML1");
    setHint(StripHTML1, QStringLiteral("Remove <script> And Comment Tags"));
    connect(StripHTML1, &QAction::triggered, this, &EditorTab::StripHTML1Click);
    ToolButton75 =
        TabToolBar::addMenuButton(bar, QStringLiteral("ToolButton75"), QStringLiteral("Options"),
                                  QStringLiteral("Options"), PopupMenu15);
    connect(ToolButton75, &QToolButton::clicked, this, &EditorTab::StripHTML1Click);

    ToolButton76 = TabToolBar::addHelpButton(bar, context, QStringLiteral("ToolButton76"),
                                             QStringLiteral("Help7"), QStringLiteral("About6"), 5);
    ToolButton76->menu()->setObjectName("PopupMenu16");
    return bar;
}

void EditorTab::nameEditButtons(QToolBar* bar) {
    const EditActions& actions = *context.editActions;
    const struct {
        QToolButton** button;
        const char* name;
        QAction* action;
    } edits[] = {{&ToolButton66, "ToolButton66", actions.EditCut1},
                 {&ToolButton67, "ToolButton67", actions.EditCopy1},
                 {&ToolButton68, "ToolButton68", actions.EditPaste1},
                 {&ToolButton70, "ToolButton70", actions.EditUndo1},
                 {&ToolButton71, "ToolButton71", actions.EditDelete1}};
    for (QToolButton* button : bar->findChildren<QToolButton*>()) {
        for (const auto& edit : edits) {
            if (button->defaultAction() == edit.action) {
                button->setObjectName(QLatin1String(edit.name));
                *edit.button = button;
            }
        }
    }
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
    QTextCursor cursor(Memo21->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    cursor.movePosition(QTextCursor::Start);
    Memo21->setTextCursor(cursor);
}

void EditorTab::ToolButton63Click() {
    if (!desktop().confirm(QStringLiteral("Are you sure you want to start a new document?")))
        return;
    replaceDocument(documentText(ScriptSkeleton));
}

void EditorTab::ToolButton77Click() {
    const QStringList chosen = OpenDialog4.askOpen(false);
    if (chosen.isEmpty())
        return;
    const QString path = chosen.first();
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
    if (longestLineLength(*text) > MaxScriptLineLength) {
        desktop().notice(NoticeKind::Error,
                         QStringLiteral("The file %1 has lines longer than the editor can show "
                                        "(at most %2 characters a line).")
                             .arg(path)
                             .arg(MaxScriptLineLength));
        return;
    }
    replaceDocument(editorLineBreaks(*text));
}

bool EditorTab::stripWrapperLines() {
    const QString text = editorText();
    const QString scratch = QDir(context.programDirectory).filePath(QStringLiteral("temp.tmp"));
    QString error;
    if (!writeFileAtomically(scratch, paneFileBytes(text), &error)) {
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

void EditorTab::AsHTML5Click() {
    output->saveAsHtml();
}

void EditorTab::ToolButton73Click() {
    output->print();
}
