#pragma once

#include "core/program_folders.h"

#include <QDir>
#include <memory>

class AboutBox;
class MainWindow;
class TagInspector;
class ReservedWordsWindow;
class TipWindow;
class WizardWindow;

// The six windows of the program, created once in the start-up order and
// kept until the program ends. Without folders, everything is in the current
// directory (the portable layout).
class ApplicationWindows final {
public:
    explicit ApplicationWindows(
        const ProgramFolders& folders = ProgramFolders::portable(QDir::currentPath()));
    ~ApplicationWindows();
    ApplicationWindows(const ApplicationWindows&) = delete;
    ApplicationWindows& operator=(const ApplicationWindows&) = delete;

    // Start-up steps 3 to 5: reads prefs.cfg and shows the Startup Tip window
    // when it says so. A missing or short file counts as the installed state
    // (tips shown) and starts the program all the same.
    void applyPreferences();

    std::unique_ptr<MainWindow> mainWindow;
    TagInspector* tagInspector;
    ReservedWordsWindow* reservedWords;
    AboutBox* aboutBox;
    TipWindow* tipWindow;
    WizardWindow* wizardWindow;
};
