#include "editor/reserved_words_form.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

void ReservedWordsForm::setupUi(QWidget* window) {
    wordList = new QListWidget(window);
    wordList->setObjectName("ListBox1");
    wordList->setSelectionMode(QAbstractItemView::SingleSelection);
    // A long word list is laid out a batch at a time between events, so
    // showing the window never waits for the whole list.
    wordList->setLayoutMode(QListView::Batched);
    wordList->setGeometry(0, 0, 160, 173);
    wordList->setAccessibleName(QCoreApplication::translate("ReservedWords", "Reserved words"));
    wordList->setToolTip(QCoreApplication::translate(
        "ReservedWords", "Ctrl+Shift+W in the JS Editor comes here: Enter "
                         "inserts the selected word, Esc goes back to the editor"));

    addButton =
        new QPushButton(QCoreApplication::translate("ReservedWords", "Add Selected Tag"), window);
    addButton->setObjectName("Button1");
    addButton->setGeometry(4, 175, 152, 24);
    addButton->setEnabled(false);
}
