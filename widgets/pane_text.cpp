#include "widgets/pane_text.h"

#include <QPlainTextEdit>
#include <QTextCursor>

void replacePaneText(QPlainTextEdit& pane, const QString& text) {
    QTextCursor cursor(pane.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    cursor.movePosition(QTextCursor::Start);
    pane.setTextCursor(cursor);
}
