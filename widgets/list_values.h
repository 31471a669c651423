#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;

// The texts of a list's items, top to bottom.
QStringList listTexts(const QListWidget* list);
// The choice a list holds, as pages and project files name it: a fixed
// list's item data (its English text), an editable list's text as typed.
QString choiceText(const QComboBox* box);
// Makes the item holding `text` (as choiceText reads it) current, none when
// no item holds it; an editable box shows `text` in its field either way.
void selectText(QComboBox* box, const QString& text);

// The numbers from `first` to `last` as list items.
QStringList numberList(int first, int last);
