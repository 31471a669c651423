#pragma once

#include <QString>

class QPlainTextEdit;
class QWidget;

// A shipped text shown to be read: drawn as normal text, selectable and
// scrollable from the keyboard, never edited, and left with Tab.
QPlainTextEdit* makeReadOnlyText(const char* objectName, const QString& accessibleName,
                                 QWidget* parent);
