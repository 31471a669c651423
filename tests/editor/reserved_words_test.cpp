#include "core/text_file.h"
#include "editor/reserved_words.h"
#include "editor/reserved_words_controls.h"
#include "editor_fixture.h"
#include "support/find_control.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace reserved_words;

namespace {

QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// Clicks a word in the list as a user does.
void clickWord(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// The windows with the list and the button of the Reserved Words window.
struct WordsFixture : EditorFixture {
    QListWidget* list = findControl<QListWidget>(words, controls::Words);
    QPushButton* add = findControl<QPushButton>(words, controls::AddSelected);
};

} // namespace

class ReservedWordsTest final : public QObject {
    Q_OBJECT
private slots:
    void listIsReadAtEveryShowing();
    void addSelectedTagInsertsOncePerSelection();
    void doubleClickInsertsTheWordOnce();
    void staleIndexInsertsNothing();
    void emptyItemOnlyDeletesTheSelection();
    void missingWordFileStillOpensTheWindow();
    void shippedListHoldsTheReservedWords();
};

void ReservedWordsTest::listIsReadAtEveryShowing() {
    WordsFixture f;
    ReservedWordsWindow* words = f.words;
    writeBytes(f.app.folder.file("tags.txt"), "break\r\n\r\ncase\nthis \r\n");
    words->show();
    QCOMPARE(items(f.list), (QStringList{"break", "", "case", "this "}));
    writeBytes(f.app.folder.file("tags.txt"), "with");
    words->show(); // already visible: not read again
    QCOMPARE(f.list->count(), 4);
    words->close();
    words->show();
    QCOMPARE(items(f.list), QStringList{"with"});
    QVERIFY(f.app.fake.notices.isEmpty());
}

void ReservedWordsTest::addSelectedTagInsertsOncePerSelection() {
    WordsFixture f;
    ReservedWordsWindow* words = f.words;
    writeBytes(f.app.folder.file("tags.txt"), "alpha\nbeta\n");
    words->show();
    QVERIFY(!f.add->isEnabled());
    f.setMarkedText(QStringLiteral("x|y"));
    clickWord(f.list, 1);
    QCOMPARE(words->rememberedRow(), std::optional<int>(1));
    QVERIFY(f.add->isEnabled());
    QTest::mouseClick(f.add, Qt::LeftButton);
    QCOMPARE(f.markedText(), QStringLiteral("xbeta|y"));
    QVERIFY(!f.add->isEnabled());
    QTest::mouseClick(f.add, Qt::LeftButton);
    QCOMPARE(f.markedText(), QStringLiteral("xbeta|y"));
    // The arrow keys select too; the word replaces the editor's selection.
    f.list->setFocus();
    QTest::keyClick(f.list, Qt::Key_Up);
    QVERIFY(f.add->isEnabled());
    f.setMarkedText(QStringLiteral("[xbeta]y"));
    f.add->click();
    QCOMPARE(f.markedText(), QStringLiteral("alpha|y"));
}

void ReservedWordsTest::doubleClickInsertsTheWordOnce() {
    WordsFixture f;
    ReservedWordsWindow* words = f.words;
    writeBytes(f.app.folder.file("tags.txt"), "alpha\nbeta\n");
    words->show();
    f.setMarkedText(QStringLiteral("|"));
    const QPoint spot = f.list->visualItemRect(f.list->item(0)).center();
    QTest::mouseClick(f.list->viewport(), Qt::LeftButton, {}, spot);
    QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {}, spot);
    QCOMPARE(f.markedText(), QStringLiteral("alpha|"));
    QVERIFY(!f.add->isEnabled());
}

void ReservedWordsTest::staleIndexInsertsNothing() {
    WordsFixture f;
    ReservedWordsWindow* words = f.words;
    writeBytes(f.app.folder.file("tags.txt"), "alpha\nbeta\n");
    words->show();
    clickWord(f.list, 1);
    words->close();
    words->show();
    // The reload cleared the selection; the button kept its state and the
    // index is still remembered, but names no selected word.
    QVERIFY(f.add->isEnabled());
    QCOMPARE(words->rememberedRow(), std::optional<int>(1));
    f.setMarkedText(QStringLiteral("x|"));
    f.add->click();
    QCOMPARE(f.markedText(), QStringLiteral("x|"));
    QVERIFY(!f.add->isEnabled());
    // A shorter f.list leaves the remembered index beyond its end.
    writeBytes(f.app.folder.file("tags.txt"), "");
    words->close();
    words->show();
    QCOMPARE(f.list->count(), 0);
    words->insertRememberedWord();
    QCOMPARE(f.markedText(), QStringLiteral("x|"));
}

void ReservedWordsTest::emptyItemOnlyDeletesTheSelection() {
    WordsFixture f;
    ReservedWordsWindow* words = f.words;
    writeBytes(f.app.folder.file("tags.txt"), "a\n\nb\n");
    words->show();
    clickWord(f.list, 1);
    f.setMarkedText(QStringLiteral("x[sel]y"));
    f.add->click();
    QCOMPARE(f.markedText(), QStringLiteral("x|y"));
}

void ReservedWordsTest::missingWordFileStillOpensTheWindow() {
    WordsFixture f;
    ReservedWordsWindow* words = f.words;
    const QString path = f.app.folder.file("tags.txt");
    QVERIFY(QFile::remove(path));
    words->show();
    QVERIFY(words->isVisible());
    QCOMPARE(f.app.fake.noticeTexts(),
             QStringList{"Cannot open file " + path + ": No such file or directory"});
    QCOMPARE(f.list->count(), 0);
    // Later the words read before stay when the file goes missing again.
    writeBytes(path, "one\ntwo\n");
    words->close();
    words->show();
    QVERIFY(QFile::remove(path));
    words->close();
    words->show();
    QCOMPARE(items(f.list), (QStringList{"one", "two"}));
    QCOMPARE(f.app.fake.noticeTexts().size(), 2);
}

void ReservedWordsTest::shippedListHoldsTheReservedWords() {
    EditorFixture f;
    f.words->show();
    const QStringList words = items(findControl<QListWidget>(f.words, controls::Words));
    for (const char* word : {"break", "function", "return", "typeof", "var", "while", "document",
                             "getElementById", "Math", "parseInt"})
        QVERIFY2(words.contains(QLatin1String(word)), word);
    QCOMPARE(QSet<QString>(words.begin(), words.end()).size(), words.size());
}

QTEST_MAIN(ReservedWordsTest)
#include "reserved_words_test.moc"
