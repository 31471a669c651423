#include "editor/reserved_words.h"

#include "core/text_file.h"
#include "editor/editor_tab.h"
#include "editor/reserved_words_controls.h"
#include "widgets/desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

using namespace reserved_words;

ReservedWordsWindow::ReservedWordsWindow(QWidget* mainWindow, EditorTab* editor,
                                         const QString& shippedData)
    : ToolWindow(mainWindow, controls::Window,
                 QCoreApplication::translate("ReservedWords", "Reserved Words")),
      editor(editor), shippedData(shippedData) {
    move(406, 170);

    form.setupUi(this);
    // 160 pixels wide, or wider where a translated caption needs it.
    const int width = qMax(160, form.addButton->sizeHint().width() + 8);
    setFixedSize(width, 201);

    connect(form.wordList, &QListWidget::itemSelectionChanged, this,
            &ReservedWordsWindow::rememberSelection);
    connect(form.wordList, &QListWidget::itemDoubleClicked, this,
            &ReservedWordsWindow::insertRememberedWord);
    form.wordList->installEventFilter(this);
    connect(form.addButton, &QPushButton::clicked, this,
            &ReservedWordsWindow::insertRememberedWord);
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
    form.wordList->clear();
    // A word list never holds long lines; a damaged one must not freeze the list.
    form.wordList->addItems(shortenedForDisplay(splitLines(*text)));
    loading = false;
}

void ReservedWordsWindow::rememberSelection() {
    if (loading)
        return;
    const QList<QListWidgetItem*> selected = form.wordList->selectedItems();
    if (selected.isEmpty())
        return;
    lastSelectedRow = form.wordList->row(selected.first());
    form.addButton->setEnabled(true);
}

void ReservedWordsWindow::insertRememberedWord() {
    // The remembered index counts only while it still names the selected
    // item; a reload clears the selection but not the index.
    const QListWidgetItem* item =
        lastSelectedRow && *lastSelectedRow >= 0 && *lastSelectedRow < form.wordList->count()
            ? form.wordList->item(*lastSelectedRow)
            : nullptr;
    if (item && item->isSelected())
        editor->insertSnippet({item->text()}, SnippetInsertMode::ReplaceSelection);
    form.addButton->setEnabled(false);
}

void ReservedWordsWindow::takeKeyboard() {
    activateWindow();
    raise();
    form.wordList->setFocus(Qt::ShortcutFocusReason);
}

bool ReservedWordsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form.wordList || event->type() != QEvent::KeyPress)
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
