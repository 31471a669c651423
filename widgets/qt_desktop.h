#pragma once

#include "widgets/desktop.h"

#include <QPointer>
#include <memory>

class QFileDialog;
class SoundPlayers;

// The real desktop services: Qt's own dialogs parented to the active window,
// QDesktopServices, the print dialog and the sound players.
class QtDesktop final : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;
    Q_DISABLE_COPY_MOVE(QtDesktop)

    void notice(NoticeKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    SaveChoice askToSave(const QString& text) override;
    QString saveFileName(const FileDialogSpec& request, const QString& current) override;
    QStringList openFileNames(const FileDialogSpec& request, const QString& current,
                              bool multiple) override;
    QColor chooseColor(const QColor& start) override;
    void openUrl(const QUrl& url) override;
    PrintOutcome print(const QString& text) override;
    void playWave(const QString& path) override;
    void playMidi(const QString& path) override;

    // The print plugin to load instead of the one beside the executable or
    // installed with it (for tests).
    static void setPrintPluginFile(const QString& path);

private:
    QFileDialog* fileDialog(const FileDialogSpec& request, const QString& current);
    // Runs the dialog and leaves it to be destroyed once the event loop runs.
    static QStringList chosenFiles(QFileDialog* dialog);

    std::unique_ptr<SoundPlayers> sounds;
    // Qt saves a file dialog's settings, syncing them to disk, when the dialog
    // is destroyed; so each dialog lives on until the command that opened it
    // has done its work and the event loop runs again.
    QPointer<QFileDialog> lastFileDialog;
};
