#include "editor_fixture.h"

#include "core/text_file.h"

#include <QTest>
#include <QTextCursor>

EditorFixture::EditorFixture() : tab(windows.Form1->TabSheet5), memo(tab->Memo21) {
    windows.Form1->show();
    windows.Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(windows.Form1.get()));
}

QStringList EditorFixture::lines() const {
    return splitLines(tab->editorText());
}

void EditorFixture::setMarkedText(QString text) {
    qsizetype anchor = text.indexOf(QLatin1Char('['));
    qsizetype position = anchor;
    if (anchor >= 0) {
        text.remove(anchor, 1);
        position = text.indexOf(QLatin1Char(']'));
        text.remove(position, 1);
    } else {
        anchor = position = text.indexOf(QLatin1Char('|'));
        text.remove(anchor, 1);
    }
    memo->setPlainText(text);
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(int(anchor));
    cursor.setPosition(int(position), QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
}

QString EditorFixture::markedText() const {
    return tab->editorText().insert(memo->textCursor().position(), QLatin1Char('|'));
}
