#include "editor_fixture.h"

#include "app/main_window_controls.h"
#include "core/text_file.h"
#include "editor/editor_controls.h"
#include "editor/reserved_words_controls.h"
#include "editor/tag_palette_controls.h"
#include "support/find_control.h"

#include <QAction>
#include <QTest>
#include <QTextCursor>

EditorFixture::EditorFixture()
    : mainWindow(app.window()), tab(findControl<EditorTab>(mainWindow, editor::controls::Tab)),
      inspector(findControl<TagInspector>(mainWindow, tag_palette::controls::Window)),
      words(findControl<ReservedWordsWindow>(mainWindow, reserved_words::controls::Window)) {
    memo = findControl<QPlainTextEdit>(tab, editor::controls::Editor);
    mainWindow->show();
    mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow));
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

void EditorFixture::viewEditor() {
    findControl<QAction>(mainWindow, main_window::controls::ViewEditor)->trigger();
}
