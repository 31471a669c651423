#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The editor's default document, present at start and restored by New.
extern const QStringList ScriptSkeleton;

// The four lines that Strip HTML Tags and Save > As JS remove. A line matches
// only when it equals one of them in full.
extern const QStringList ScriptWrapperLines;

// Drops every line that is exactly one of the ScriptWrapperLines and keeps
// all others in order. The scratch file is read at least once, so a document
// without lines comes back as one empty line.
QStringList StripWrapperLines(const QStringList& lines);

// The editor text holding `lines`, each ended by a line break.
QString documentText(const QStringList& lines);

// One replacement in a text: [from, from + removed) becomes `inserted`.
struct TextChange {
    qsizetype from = 0;
    qsizetype removed = 0;
    QString inserted;
    bool operator==(const TextChange&) const = default;
};

// The changes, last in the text first, that turn `text` into
// documentText(StripWrapperLines(splitLines(text))): a large document loses
// its few wrapper lines without the whole text being replaced.
QList<TextChange> wrapperLineChanges(QStringView text);
// `text` with such `changes` made, in one copy.
QString withChanges(QStringView text, const QList<TextChange>& changes);

// Text as the editor holds it: every CR LF or lone CR becomes LF.
QString editorLineBreaks(QString text);

// The longest line of `text` in characters (line breaks not counted).
qsizetype longestLineLength(QStringView text);

enum class SnippetInsertMode {
    // Over the selection, or at the caret; the caret ends after the text.
    ReplaceSelection,
    // Whole lines above the line that holds the end of the selection; the
    // caret ends at the start of that line, below the block.
    LinesAboveCaretLine,
    // Whole lines after the last line of the document; the caret ends after
    // them.
    AppendLines,
};

// How a palette button looks: a small picture (drawn from a short mnemonic)
// or a text, plain or bold.
enum class SnippetFace { Icon, Text, BoldText };

struct Snippet {
    QString button; // the button's objectName
    SnippetFace face;
    QString faceText; // the caption, or the mnemonic drawn in the picture
    QString hint;
    QStringList lines; // one entry for ReplaceSelection
    SnippetInsertMode mode;
};

struct SnippetPage {
    QString caption;
    int buttonWidth;
    QList<Snippet> snippets;
};

// The Tag Inspector's ten pages with their buttons, left to right.
const QList<SnippetPage>& snippetPages();

// One change to the editor text: replace [from, to) by `text`, then put the
// caret at `caret` (a position in the changed text).
struct SnippetEdit {
    qsizetype from = 0;
    qsizetype to = 0;
    QString text;
    qsizetype caret = 0;
};

// Where a snippet goes in `document` (the editor's text with LF line breaks)
// with the selection from `selectionStart` to `selectionEnd` (equal when
// nothing is selected).
SnippetEdit snippetEdit(const QString& document, qsizetype selectionStart, qsizetype selectionEnd,
                        const QStringList& lines, SnippetInsertMode mode);
