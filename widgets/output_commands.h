#pragma once

#include "core/text_file.h"
#include "widgets/background_save.h"
#include "widgets/desktop.h"

class ModernOutput;

#include <QObject>
#include <functional>

class QPlainTextEdit;

// A text taken at a click: quick to take (raw document text), finished by
// `finish`, which may run on the save thread.
struct TakenText {
    qsizetype size = 0;
    std::function<QString()> finish;
};

// How a tab's page leaves the program, one row of the output tables.
struct OutputSetup {
    enum class Preview { TemporaryFile, SavedFile };

    QPlainTextEdit* pane = nullptr;
    FileDialogSpec htmlDialog;
    FileDialogSpec textDialog;
    Preview preview = Preview::SavedFile;
    // Saved-page memory: the flag's start value, and whether Save as HTML
    // records the saved file (the Dropdown tab does not).
    QString savedFlagStart = QStringLiteral("No");
    bool recordsHtmlSave = true;
    QString notSavedNotice = QStringLiteral("Please save in HTML format first before previewing!");
    // Shown (warning, OK) before the HTML dialog when not empty.
    QString htmlSaveWarning;
    // Runs before Copy, the save dialogs and Print (the MouseOver assembling).
    std::function<void()> prepare;
    // The text Copy, Save and Print use when it is not the pane's (the
    // MouseOver page, assembled from its three panes).
    std::function<TakenText()> takeText;
    // The encoding saves write in (the editor's is the one its file had).
    std::function<TextEncoding()> encoding;
    // The tab's modern-output choice; with "Separate CSS and JavaScript
    // files" on, Save as HTML writes the page's style and script beside it.
    const ModernOutput* modernOutput = nullptr;
};

// Copy, Clear, Save as HTML / Text, Preview and Print on one tab's pane.
class OutputCommands final : public QObject {
    Q_OBJECT
public:
    // Preview writes temp.html in `scratchFolder`.
    OutputCommands(OutputSetup setup, const QString& scratchFolder, QObject* parent);

    void copyToClipboard();
    void clearCode();
    // The pane's text is taken at the click; a large one is written on the
    // save thread (see runSave) and the saved-page memory changes only once
    // the file is committed.
    void saveAsHtml();
    void saveAsText();
    void preview();
    void print();

    // Saved-page memory ("Yes" once saved as HTML or published).
    const QString& savedFlag() const { return flag; }
    const QString& savedFileName() const { return fileName; }
    void recordSaved(const QString& path);
    void resetSavedFlag() { flag = setup.savedFlagStart; }

    FileDialog htmlDialog;
    FileDialog textDialog;

    // The text of a pane exactly as typed: QPlainTextEdit::toPlainText() turns
    // non-breaking spaces into plain ones, which would alter the saved page.
    static QString paneText(const QPlainTextEdit& pane);
    // The same for a document's raw text (QTextDocument::toRawText()), which
    // is quick to take; this part may run on the save thread.
    static QString withLineFeeds(QString rawText);
    // The pane's text as taken at a click.
    static TakenText takePane(const QPlainTextEdit& pane);

    // Runs one save of `size` characters that ends in `path` (see runSave):
    // then reports its failure in the error box, or runs `committed` and
    // emits saved(). While a slow save runs, the status bar says so.
    void runFileSave(const QString& path, qsizetype size, SaveWork work,
                     std::function<void()> committed = {});
    // Ends a save run some other way: reports `error`, or emits saved().
    void finishSave(const QString& path, const QString& error);
    // The status note of a save that takes a while.
    void noteSlowSave(const QString& path);

    // Writes the page as `path` with its style sheet and scripts in files of
    // their own beside it (the files first, so the page never links to one
    // that is missing); the error, or nothing. May run on the save thread.
    static QString writeSeparatePage(const QString& paneText, const QString& path);

signals:
    // A save of `path` is committed: every byte is on disk under its name.
    void saved(const QString& path);
    // A note for the status bar (a save under way).
    void statusNote(const QString& text);

private:
    void save(FileDialog& dialog, bool asHtml);
    TakenText takeText() const;

    OutputSetup setup;
    QString scratchFolder;
    QString flag;
    QString fileName;
    bool slowSaveNoted = false;
};
