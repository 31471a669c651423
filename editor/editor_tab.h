#pragma once

#include "core/text_file.h"
#include "editor/editor_form.h"
#include "editor/editor_page.h"
#include "widgets/desktop.h"
#include "widgets/tab_context.h"
#include "widgets/tab_page.h"

#include <QWidget>

class OutputCommands;
class ReservedWordsWindow;
class TagInspector;

// The "JS Editor" tab: one hand-written script in its pane, with the Tag
// Inspector and Reserved Words windows as companions that insert into it.
class EditorTab final : public TabPage {
    Q_OBJECT
public:
    explicit EditorTab(const TabContext& context, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(EditorTab)

    // Called once at start-up, after the Tag Inspector and Reserved Words
    // windows exist.
    void attachCompanions(TagInspector* tagInspector, ReservedWordsWindow* reservedWords);
    // The tab-change rule: the user made the editor tab active (true) or
    // another tab (false).
    void followTabChange(bool editorActive);

    // Puts a snippet into the editor and hands the keyboard focus back to it.
    void insertSnippet(const QStringList& lines, SnippetInsertMode mode);
    // Makes the main window active with the keyboard in the editor.
    void returnFocus();

    // The document as it stands, with LF line breaks and every character
    // kept (non-breaking spaces included).
    QString editorText() const;
    // The live preview shows the editor's text as a page.
    QString livePage() override { return editorText(); }

    // Replaces the document with a file's text; a file that cannot be read
    // or edited is reported and leaves the document as it was.
    void openFile(const QString& path);

    // The text was changed since it was opened, saved or started anew.
    bool hasUnsavedChanges() const;
    // Saves the text exactly as it stands (Save > As HTML); false when the
    // user cancelled or the file could not be written.
    bool saveDocument();

public slots:
    void newDocument();
    // Opens the text as it stands in the browser, through temp.html.
    void preview();
    void openDocument();
    void saveAsJs();
    void toggleTagInspector();
    void toggleReservedWords();
    void stripHtmlTags();
    // Shows the companion if needed and moves the keyboard into it.
    void goToTagInspector();
    void goToReservedWords();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls() override;
    // Writes the unfiltered text to temp.tmp, then drops the wrapper lines
    // and, when `target` is given, saves the filtered text there (a large
    // text on the save thread, the editor read-only meanwhile). When the
    // scratch file cannot be written, the error is shown and the document
    // stays as it was.
    void stripWrapperLines(const QString& target);
    // Makes the filtering's changes (or, when they are many, puts
    // `stripped` in place) as one undoable step, the caret at the start.
    void applyStripChanges(const QList<TextChange>& changes, const QString& stripped);
    // Replaces the whole text, the caret at the start.
    void replaceDocument(const QString& text);
    void markSaved();

    TabContext context;
    EditorForm ui;
    FileDialog openDialog;
    FileDialog saveJsDialog;
    OutputCommands* outputs; // Save > As HTML (SaveDialog11) and Print
    TagInspector* tagInspector = nullptr;
    ReservedWordsWindow* reservedWords = nullptr;
    // Esc was the last key in the editor: the next Tab leaves it.
    bool escapePressed = false;
    // The encoding of the file last opened; saves write in it.
    TextEncoding documentEncoding = TextEncoding::Utf8;
};
