#pragma once

#include <QString>

// A choice the program remembers per user in a small file of its own (one
// word), outside prefs.cfg, which keeps its fixed format.

// Whether `file` holds `word`; a missing or unreadable file holds nothing.
bool rememberedChoiceIs(const QString& file, const QString& word);
// Writes `word` to `file` (a symbolic link there is replaced by a file); an
// error is shown, and the choice still holds for this run.
void rememberChoice(const QString& file, const QString& word);
// The per-user configuration folder's file of that name.
QString choiceFileNamed(const QString& name);
