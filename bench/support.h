#pragma once

#include "widgets/desktop.h"

// The desktop services of a benchmark: the Open and Save dialogs answer with
// the paths set here, notices are kept, everything else is inert, so nothing
// waits for a user.
class BenchDesktop final : public Desktop {
public:
    BenchDesktop() = default;
    Q_DISABLE_COPY_MOVE(BenchDesktop)

    // What the Open dialog picks (nothing when empty) and the Save dialog names.
    QString openPath;
    QString savePath;
    QStringList notices;

    void notice(NoticeKind, const QString& text) override { notices << text; }
    bool confirm(const QString&) override { return true; }
    SaveChoice askToSave(const QString&) override { return SaveChoice::Discard; }
    QString saveFileName(const FileDialogSpec&, const QString&) override { return savePath; }
    QStringList openFileNames(const FileDialogSpec&, const QString&, bool) override {
        return openPath.isEmpty() ? QStringList() : QStringList{openPath};
    }
    QColor chooseColor(const QColor& start) override { return start; }
    void openUrl(const QUrl&) override {}
    PrintOutcome print(const QString&) override { return {}; }
    void playWave(const QString&) override {}
    void playMidi(const QString&) override {}
};

// The main() of a Google Benchmark program: runs the benchmarks it registers
// inside a QApplication, offscreen unless QT_QPA_PLATFORM names a platform.
int runBenchmarks(int argc, char** argv);
