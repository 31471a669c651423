#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;

// The texts of a list's items, top to bottom.
QStringList listTexts(const QListWidget* list);
// Makes the item showing `text` current (none when no item shows it); an
// editable box shows `text` in its field either way.
void selectText(QComboBox* box, const QString& text);

// The numbers from `first` to `last` as list items.
QStringList numberList(int first, int last);
