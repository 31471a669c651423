#pragma once

#include <QString>
#include <functional>

class EditActions;

// What the main window hands to each tool tab when it creates it.
struct TabContext {
    QString programDirectory;           // ProgramDirectory, without a trailing "/"
    EditActions* editActions = nullptr; // shared Cut/Copy/Paste/Undo/Delete actions
    std::function<void()> showAbout;    // shows the About box modally
};
