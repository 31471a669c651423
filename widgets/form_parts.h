#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// A pane that shows generated code: plain text in the fixed-pitch font at the
// window's size, no wrapping, both scroll bars, Tab typed into the text.
QPlainTextEdit* makeCodePane(const QString& objectName, QWidget* parent);
void styleCodePane(QPlainTextEdit* pane);

// A push button with a "short|long" hint.
QPushButton* makeButton(const QString& objectName, const QString& caption, const QString& hint,
                        QWidget* parent);

// The line edit a text control types into: itself, or the one inside an
// editable combo box or a spin box; nothing for other widgets.
QLineEdit* lineEditOf(QWidget* control);
