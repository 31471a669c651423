#include "editor/editor_controls.h"
#include "editor/reserved_words_controls.h"
#include "editor/tag_palette_controls.h"
#include "editor_fixture.h"
#include "support/find_control.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void press(const QList<Key>& keys) {
    for (const Key& key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.key, key.modifiers);
}

// The editor as the keyboard leaves it: the fixture's caret marks, with the
// keyboard somewhere else marked by a leading ">".
QString afterKeys(EditorFixture& f, const QList<Key>& keys) {
    f.setMarkedText(QStringLiteral("a|b"));
    f.memo->setFocus();
    press(keys);
    return (QApplication::focusWidget() == f.memo ? QString() : QStringLiteral(">")) +
           f.markedText();
}

} // namespace

class KeyboardAccessTest final : public QObject {
    Q_OBJECT
private slots:
    void tabIndentsAndTheWayOutIsCtrlTabOrEscTab();
    void tagInspectorWorksFromTheKeyboard();
    void reservedWordsWorkFromTheKeyboard();
    void everyPaletteButtonSaysWhatItInserts();
};

void KeyboardAccessTest::tabIndentsAndTheWayOutIsCtrlTabOrEscTab() {
    EditorFixture f;
    f.viewEditor();
    const struct {
        QList<Key> keys;
        const char* result;
    } cases[] = {
        {{{Qt::Key_Tab}}, "a\t|b"},
        {{{Qt::Key_Tab, Qt::ControlModifier}}, ">a|b"},
        {{{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}}, ">a|b"},
        {{{Qt::Key_Escape}, {Qt::Key_Tab}}, ">a|b"},
        {{{Qt::Key_Escape}, {Qt::Key_X}, {Qt::Key_Tab}}, "ax\t|b"},
    };
    for (const auto& c : cases)
        QCOMPARE(afterKeys(f, c.keys), QLatin1String(c.result));
}

void KeyboardAccessTest::tagInspectorWorksFromTheKeyboard() {
    EditorFixture f;
    f.viewEditor();
    findControl<QToolButton>(f.tab, editor::controls::TagInspectorToggle)
        ->click(); // closed by the user
    f.setMarkedText(QStringLiteral("x|"));
    f.memo->setFocus();
    press({{Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier}});
    QVERIFY(f.inspector->isVisible());
    QVERIFY(findControl<QToolButton>(f.tab, editor::controls::TagInspectorToggle)->isChecked());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(),
                 QString(tag_palette::controls::Function));
    press({{Qt::Key_Left}, {Qt::Key_Right}, {Qt::Key_Right}});
    QCOMPARE(QApplication::focusWidget()->objectName(), QString(tag_palette::controls::Variable));
    press({{Qt::Key_Return}});
    QCOMPARE(f.markedText(), QStringLiteral("xvar|"));
    QTRY_COMPARE(QApplication::focusWidget(), f.memo);

    press({{Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier}});
    QTRY_VERIFY(QApplication::focusWidget() != f.memo);
    press({{Qt::Key_PageUp, Qt::ControlModifier}});
    QCOMPARE(findControl<QTabWidget>(f.inspector, tag_palette::controls::Pages)->currentIndex(), 9);
    press({{Qt::Key_Tab, Qt::ControlModifier}, {Qt::Key_PageDown, Qt::ControlModifier}});
    QCOMPARE(QApplication::focusWidget()->objectName(), QString(tag_palette::controls::Not));
    press({{Qt::Key_Escape}});
    QTRY_COMPARE(QApplication::focusWidget(), f.memo);
    QCOMPARE(f.markedText(), QStringLiteral("xvar|"));
}

void KeyboardAccessTest::reservedWordsWorkFromTheKeyboard() {
    EditorFixture f;
    writeBytes(f.app.folder.file("tags.txt"), "alpha\nbeta\n");
    f.viewEditor();
    f.setMarkedText(QStringLiteral("x|"));
    f.memo->setFocus();
    press({{Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier}});
    QVERIFY(f.words->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(),
                 findControl<QListWidget>(f.words, reserved_words::controls::Words));
    press({{Qt::Key_Down}, {Qt::Key_Down}, {Qt::Key_Return}});
    QCOMPARE(f.markedText(), QStringLiteral("xbeta|"));
    QTRY_COMPARE(QApplication::focusWidget(), f.memo);
    press({{Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier}, {Qt::Key_Escape}});
    QTRY_COMPARE(QApplication::focusWidget(), f.memo);
    QCOMPARE(f.markedText(), QStringLiteral("xbeta|"));
}

void KeyboardAccessTest::everyPaletteButtonSaysWhatItInserts() {
    EditorFixture f;
    f.inspector->show();
    const QList<QToolButton*> buttons =
        f.inspector->findChildren<QToolButton*>(QRegularExpression(QStringLiteral("^SpeedButton")));
    QCOMPARE(buttons.size(), 97);
    QSet<QString> names;
    for (const QToolButton* button : buttons) {
        QVERIFY2(button->accessibleName().size() >= 2, qPrintable(button->objectName()));
        names.insert(button->accessibleName());
    }
    QCOMPARE(names.size(), 97);
    QVERIFY(!f.memo->accessibleName().isEmpty());
    QVERIFY(f.memo->whatsThis().contains(QStringLiteral("Ctrl+Tab")));
}

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
