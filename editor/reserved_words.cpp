#include "editor/reserved_words.h"

#include "core/text_file.h"
#include "editor/editor_tab.h"
#include "widgets/desktop.h"

#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

ReservedWordsWindow::ReservedWordsWindow(QWidget* mainWindow, EditorTab* editor,
                                         const QString& shippedData)
    : ToolWindow(mainWindow, "Form3", "Reserved Words"), editor(editor), shippedData(shippedData) {
    setFixedSize(160, 201);
    move(406, 170);

    wordList = new QListWidget(this);
    wordList->setObjectName("ListBox1");
    wordList->setSelectionMode(QAbstractItemView::SingleSelection);
    // A long word list is laid out a batch at a time between events, so
    // showing the window never waits for the whole list.
    wordList->setLayoutMode(QListView::Batched);
    wordList->setGeometry(0, 0, 160, 173);
    addButton = new QPushButton(QStringLiteral("Add Selected Tag"), this);
    addButton->setObjectName("Button1");
    addButton->setGeometry(4, 175, 152, 24);
    addButton->setEnabled(false);

    connect(wordList, &QListWidget::itemSelectionChanged, this,
            &ReservedWordsWindow::rememberSelection);
    connect(wordList, &QListWidget::itemDoubleClicked, this,
            &ReservedWordsWindow::insertRememberedWord);
    wordList->setAccessibleName(QStringLiteral("Reserved words"));
    wordList->setToolTip(QStringLiteral("Ctrl+Shift+W in the JS Editor comes here: Enter "
                                        "inserts the selected word, Esc goes back to the editor"));
    wordList->installEventFilter(this);
    connect(addButton, &QPushButton::clicked, this, &ReservedWordsWindow::insertRememberedWord);
}

void ReservedWordsWindow::setVisible(bool visible) {
    const bool becomesVisible = visible && !isVisible();
    ToolWindow::setVisible(visible);
    if (becomesVisible)
        reloadWords();
}

void ReservedWordsWindow::reloadWords() {
    const QString path = QDir(shippedData).filePath(QStringLiteral("tags.txt"));
    QString error;
    const std::optional<QString> text = readTextFile(path, &error);
    if (!text) {
        // The window opens all the same, with the words it had.
        desktop().notice(NoticeKind::Error, error);
        return;
    }
    loading = true;
    wordList->clear();
    // A word list never holds long lines; a damaged one must not freeze the list.
    wordList->addItems(shortenedForDisplay(splitLines(*text)));
    loading = false;
}

void ReservedWordsWindow::rememberSelection() {
    if (loading)
        return;
    const QList<QListWidgetItem*> selected = wordList->selectedItems();
    if (selected.isEmpty())
        return;
    lastSelectedRow = wordList->row(selected.first());
    addButton->setEnabled(true);
}

void ReservedWordsWindow::insertRememberedWord() {
    // The remembered index counts only while it still names the selected
    // item; a reload clears the selection but not the index.
    const QListWidgetItem* item =
        lastSelectedRow && *lastSelectedRow >= 0 && *lastSelectedRow < wordList->count()
            ? wordList->item(*lastSelectedRow)
            : nullptr;
    if (item && item->isSelected())
        editor->insertSnippet({item->text()}, SnippetInsertMode::ReplaceSelection);
    addButton->setEnabled(false);
}

void ReservedWordsWindow::takeKeyboard() {
    activateWindow();
    raise();
    wordList->setFocus(Qt::ShortcutFocusReason);
}

bool ReservedWordsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != wordList || event->type() != QEvent::KeyPress)
        return ToolWindow::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        insertRememberedWord();
        return true;
    case Qt::Key_Escape:
        editor->returnFocus();
        return true;
    default:
        return false;
    }
}
