#include "widgets/list_values.h"

#include "core/field_table.h"

#include <QComboBox>
#include <QListWidget>

QStringList listTexts(const QListWidget* list) {
    QStringList texts;
    texts.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QString choiceText(const QComboBox* box) {
    return box->isEditable() ? box->currentText() : box->currentData().toString();
}

void selectText(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findData(text));
    if (box->isEditable())
        box->setEditText(text);
}

QStringList numberList(int first, int last) {
    return numberTexts(first, last);
}
