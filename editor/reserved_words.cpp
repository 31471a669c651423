#include "editor/reserved_words.h"

#include "core/text_file.h"
#include "editor/editor_tab.h"
#include "widgets/desktop.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>

TForm3::TForm3(QWidget* mainWindow, EditorTab* editor, const QString& shippedData)
    : ToolWindow(mainWindow, "Form3", "Reserved Words"), editor(editor), shippedData(shippedData) {
    setFixedSize(160, 201);
    move(406, 170);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A long word list is laid out a batch at a time between events, so
    // showing the window never waits for the whole list.
    ListBox1->setLayoutMode(QListView::Batched);
    ListBox1->setGeometry(0, 0, 160, 173);
    Button1 = new QPushButton(QStringLiteral("Add Selected Tag"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(4, 175, 152, 24);
    Button1->setEnabled(false);

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm3::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm3::ListBox1DblClick);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::setVisible(bool visible) {
    const bool becomesVisible = visible && !isVisible();
    ToolWindow::setVisible(visible);
    if (becomesVisible)
        FormShow();
}

void TForm3::FormShow() {
    const QString path = QDir(shippedData).filePath(QStringLiteral("tags.txt"));
    QString error;
    const std::optional<QString> text = readTextFile(path, &error);
    if (!text) {
        // The window opens all the same, with the words it had.
        desktop().notice(NoticeKind::Error, error);
        return;
    }
    loading = true;
    ListBox1->clear();
    // A word list never holds long lines; a damaged one must not freeze the list.
    ListBox1->addItems(shortenedForDisplay(splitLines(*text)));
    loading = false;
}

void TForm3::ListBox1Click() {
    if (loading)
        return;
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    Edit1 = ListBox1->row(selected.first());
    Button1->setEnabled(true);
}

void TForm3::Button1Click() {
    // The remembered index counts only while it still names the selected
    // item; a reload clears the selection but not the index.
    const QListWidgetItem* item =
        Edit1 && *Edit1 >= 0 && *Edit1 < ListBox1->count() ? ListBox1->item(*Edit1) : nullptr;
    if (item && item->isSelected())
        editor->insertSnippet({item->text()}, SnippetInsertMode::ReplaceSelection);
    Button1->setEnabled(false);
}

void TForm3::ListBox1DblClick() {
    Button1Click();
}
