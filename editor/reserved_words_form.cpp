#include "editor/reserved_words_form.h"

#include "editor/reserved_words_controls.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace reserved_words;

void ReservedWordsForm::setupUi(QWidget* window) {
    wordList = new QListWidget(window);
    wordList->setObjectName(controls::Words);
    wordList->setSelectionMode(QAbstractItemView::SingleSelection);
    // A long word list is laid out a batch at a time between events, so
    // showing the window never waits for the whole list.
    wordList->setLayoutMode(QListView::Batched);
    wordList->setAccessibleName(QCoreApplication::translate("ReservedWords", "Reserved words"));
    wordList->setToolTip(QCoreApplication::translate(
        "ReservedWords", "Ctrl+Shift+W in the JS Editor comes here: Enter "
                         "inserts the selected word, Esc goes back to the editor"));

    addButton =
        new QPushButton(QCoreApplication::translate("ReservedWords", "Add Selected Tag"), window);
    addButton->setObjectName(controls::AddSelected);
    addButton->setEnabled(false);

    // The list fills the window above the button; a larger font widens the
    // window for the button's caption.
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(2);
    layout->addWidget(wordList, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(4, 0, 4, 0);
    buttonRow->addWidget(addButton);
    layout->addLayout(buttonRow);
}
