#pragma once

#include <QString>
#include <functional>

class QObject;

// Saves of large texts run on one save thread, in the order they were asked
// for, so the window keeps answering; small ones are written at once. When
// the application object goes, every save that has begun is finished first,
// so quitting during a save leaves the new file or the old one, never half.

// Texts of at least this many characters are saved on the save thread.
inline constexpr qsizetype BackgroundSaveChars = 256 * 1024;

// The work of one save, free of widgets (it may run on the save thread):
// an error message, or nothing when every file is committed.
using SaveWork = std::function<QString()>;

// Runs `work` for a text of `size` characters, then `done(error)` on the GUI
// thread, unless `context` is gone by then. Below BackgroundSaveChars both
// run before this returns. A save that takes more than a moment shows the
// busy cursor until every save has ended, and calls `slow` once (on the GUI
// thread, while `context` lives), e.g. for a note in the status bar.
void runSave(QObject* context, qsizetype size, SaveWork work,
             std::function<void(const QString& error)> done, std::function<void()> slow = {});

// Waits until every save asked for so far has ended and its `done` has run.
void finishSaves();
