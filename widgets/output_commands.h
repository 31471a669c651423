#pragma once

#include "widgets/desktop.h"

class ModernOutput;

#include <QObject>
#include <functional>

class QPlainTextEdit;

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
    // True when a file was written.
    bool saveAsHtml();
    bool saveAsText();
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

    enum class FileKind { Text, Html };

    // Writes the pane's text to `path` as saved pages are written (an HTML
    // page with a byte-order mark when it is not pure ASCII); reports a
    // failure in the error box and returns false.
    static bool writePane(const QString& paneText, const QString& path,
                          FileKind kind = FileKind::Text);
    // Writes the page as `path` with its style sheet and scripts in files of
    // their own beside it (the files first, so the page never links to one
    // that is missing); reports a failure in the error box.
    static bool writeSeparatePage(const QString& paneText, const QString& path);

signals:
    // Save as HTML or text wrote `path`.
    void saved(const QString& path);

private:
    bool save(FileDialog& dialog, bool asHtml);

    OutputSetup setup;
    QString scratchFolder;
    QString flag;
    QString fileName;
};
