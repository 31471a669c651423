#pragma once

#include <QString>

class QPlainTextEdit;
class QWidget;

// What Tab does in a code pane: moves on to the next control, or is typed
// into the text (the script editor, which has its own way out).
enum class TabKey { MovesFocus, Typed };

// A pane that shows generated code: plain text in the fixed-pitch font at the
// window's size, no wrapping, both scroll bars, Tab moving the focus.
QPlainTextEdit* makeCodePane(const QString& objectName, QWidget* parent);
void styleCodePane(QPlainTextEdit* pane, TabKey tab = TabKey::MovesFocus);
// Navy text on white while the desktop's palette is light; under a dark one
// the pane takes the palette's own text and background, so both stay readable.
void showNavyText(QPlainTextEdit* pane);
