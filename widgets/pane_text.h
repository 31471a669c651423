#pragma once

class QPlainTextEdit;
class QString;

// Replaces all of a pane's text as one undo step and leaves the caret at the
// start, so Undo in the pane brings back what was there before: no command
// that clears or regenerates a pane loses code the user cannot get back.
void replacePaneText(QPlainTextEdit& pane, const QString& text);
