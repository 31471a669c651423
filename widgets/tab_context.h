#pragma once

#include "core/program_folders.h"
#include "widgets/modern_output.h"

#include <QString>
#include <functional>

class EditActions;
class QAction;

// What the main window hands to each tool tab when it creates it.
struct TabContext {
    ProgramFolders folders;             // shipped data and user state
    EditActions* editActions = nullptr; // shared Cut/Copy/Paste/Undo/Delete actions
    std::function<void()> showAbout;    // shows the About box modally
    // The shared "Modern HTML5 Output" choice; the maker tabs have it.
    ModernOutput* modernOutput = nullptr;
    // View > Live Preview, also offered on each tab's tool bar.
    QAction* livePreview = nullptr;
    // The tab waits with its controls until it is shown or asked to build
    // (TabPage); otherwise it builds them when it is made.
    bool buildLater = false;

    // Whether pages are made for today's browsers rather than as classic.
    bool modern() const { return modernOutput && modernOutput->isOn(); }
};
