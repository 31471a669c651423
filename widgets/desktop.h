#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>

enum class NoticeKind { Error, Warning, Information };
enum class SaveChoice { Save, Discard, Cancel };

// One file dialog as the user meets it: title, filters in Qt form
// ("HTML Files (*.html)"), the preselected filter, the extension added to a
// bare name and whether an existing file needs a confirmation.
struct FileDialogSpec {
    QString name;
    QString title;
    QStringList filters;
    int selectedFilter = 0;
    QString defaultSuffix;
    bool confirmOverwrite = true;
};

// What became of Print: printed to `destination` (a printer's name or a
// file), cancelled in the print dialog (both empty), or failed (`error`).
struct PrintOutcome {
    QString destination;
    QString error;
};

// Everything that leaves the process or waits for the user goes through here,
// so that tests can answer dialogs and record what was shown or opened.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal box titled "Quillmint" with the icon of its kind and one OK.
    virtual void notice(NoticeKind kind, const QString& text) = 0;
    // A box titled "Warning" with OK and Cancel; true only for OK.
    virtual bool confirm(const QString& text) = 0;
    // A box titled "Quillmint" asking about unsaved work, with Save, Discard
    // and Cancel (Esc).
    virtual SaveChoice askToSave(const QString& text) = 0;

    // The chosen path, or an empty string when the user cancelled.
    virtual QString saveFileName(const FileDialogSpec& request, const QString& current) = 0;
    // The chosen paths in the order picked; empty when cancelled.
    virtual QStringList openFileNames(const FileDialogSpec& request, const QString& current,
                                      bool multiple) = 0;
    // The colour dialog opened on `start`; returns the chosen colour, or
    // `start` again when the user cancelled.
    virtual QColor chooseColor(const QColor& start) = 0;

    // The shell's "open": files, web addresses and mailto: links. Failures
    // are the browser's business and are not reported.
    virtual void openUrl(const QUrl& url) = 0;
    // Prints plain text where the user chooses in the print dialog (a
    // printer or a PDF file, copies, pages).
    virtual PrintOutcome print(const QString& text) = 0;

    // Sound audition: asynchronous and silent when the file does not play;
    // a notice says so when sounds cannot be played at all.
    virtual void playWave(const QString& path) = 0;
    virtual void playMidi(const QString& path) = 0;

    void openFile(const QString& path) { openUrl(QUrl::fromLocalFile(path)); }
};

// The services in use; main() installs the real ones, tests a fake.
Desktop& desktop();
void installDesktop(Desktop* services);

// A dialog of the program that remembers the file name last chosen in it and
// shows it the next time.
class FileDialog final {
public:
    explicit FileDialog(FileDialogSpec dialogRequest) : request(std::move(dialogRequest)) {}

    // Empty when cancelled; otherwise the chosen path, also remembered.
    QString askSave();
    QStringList askOpen(bool multiple);

    FileDialogSpec request;
    QString fileName;
};
