#pragma once

class QLineEdit;
class QWidget;

// A single-line field takes typed and pasted text in full, up to the longest
// line a text control takes (MaxLineLength); longer text is refused with a
// notice that names the limit, never cut. Line breaks are dropped, so that a
// value never splits a line of a page. A field that validates its text
// itself (a spin box's) is left to its own rules.
void keepSingleLine(QLineEdit* field);

// The same for every line edit inside `window`, those of editable combo
// boxes included.
void keepFieldsSingleLine(QWidget* window);

// The line edit a text control types into: itself, or the one inside an
// editable combo box or a spin box; nothing for other widgets.
QLineEdit* lineEditOf(QWidget* control);
