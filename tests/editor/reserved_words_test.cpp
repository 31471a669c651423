#include "core/text_file.h"
#include "editor/reserved_words.h"
#include "editor_fixture.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// Clicks a word in the list as a user does.
void clickWord(TForm3* words, int row) {
    QListWidget* list = words->ListBox1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

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
    EditorFixture f;
    TForm3* words = f.windows.Form3;
    writeBytes(f.folder.file("tags.txt"), "break\r\n\r\ncase\nthis \r\n");
    words->show();
    QCOMPARE(items(words->ListBox1), (QStringList{"break", "", "case", "this "}));
    writeBytes(f.folder.file("tags.txt"), "with");
    words->show(); // already visible: not read again
    QCOMPARE(words->ListBox1->count(), 4);
    words->close();
    words->show();
    QCOMPARE(items(words->ListBox1), QStringList{"with"});
    QVERIFY(f.desktop.notices.isEmpty());
}

void ReservedWordsTest::addSelectedTagInsertsOncePerSelection() {
    EditorFixture f;
    TForm3* words = f.windows.Form3;
    writeBytes(f.folder.file("tags.txt"), "alpha\nbeta\n");
    words->show();
    QVERIFY(!words->Button1->isEnabled());
    f.setMarkedText(QStringLiteral("x|y"));
    clickWord(words, 1);
    QCOMPARE(words->Edit1, std::optional<int>(1));
    QVERIFY(words->Button1->isEnabled());
    QTest::mouseClick(words->Button1, Qt::LeftButton);
    QCOMPARE(f.markedText(), QStringLiteral("xbeta|y"));
    QVERIFY(!words->Button1->isEnabled());
    QTest::mouseClick(words->Button1, Qt::LeftButton);
    QCOMPARE(f.markedText(), QStringLiteral("xbeta|y"));
    // The arrow keys select too; the word replaces the editor's selection.
    words->ListBox1->setFocus();
    QTest::keyClick(words->ListBox1, Qt::Key_Up);
    QVERIFY(words->Button1->isEnabled());
    f.setMarkedText(QStringLiteral("[xbeta]y"));
    words->Button1->click();
    QCOMPARE(f.markedText(), QStringLiteral("alpha|y"));
}

void ReservedWordsTest::doubleClickInsertsTheWordOnce() {
    EditorFixture f;
    TForm3* words = f.windows.Form3;
    writeBytes(f.folder.file("tags.txt"), "alpha\nbeta\n");
    words->show();
    f.setMarkedText(QStringLiteral("|"));
    QListWidget* list = words->ListBox1;
    const QPoint spot = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, spot);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, spot);
    QCOMPARE(f.markedText(), QStringLiteral("alpha|"));
    QVERIFY(!words->Button1->isEnabled());
}

void ReservedWordsTest::staleIndexInsertsNothing() {
    EditorFixture f;
    TForm3* words = f.windows.Form3;
    writeBytes(f.folder.file("tags.txt"), "alpha\nbeta\n");
    words->show();
    clickWord(words, 1);
    words->close();
    words->show();
    // The reload cleared the selection; the button kept its state and the
    // index is still remembered, but names no selected word.
    QVERIFY(words->Button1->isEnabled());
    QCOMPARE(words->Edit1, std::optional<int>(1));
    f.setMarkedText(QStringLiteral("x|"));
    words->Button1->click();
    QCOMPARE(f.markedText(), QStringLiteral("x|"));
    QVERIFY(!words->Button1->isEnabled());
    // A shorter list leaves the remembered index beyond its end.
    writeBytes(f.folder.file("tags.txt"), "");
    words->close();
    words->show();
    QCOMPARE(words->ListBox1->count(), 0);
    words->Button1Click();
    QCOMPARE(f.markedText(), QStringLiteral("x|"));
}

void ReservedWordsTest::emptyItemOnlyDeletesTheSelection() {
    EditorFixture f;
    TForm3* words = f.windows.Form3;
    writeBytes(f.folder.file("tags.txt"), "a\n\nb\n");
    words->show();
    clickWord(words, 1);
    f.setMarkedText(QStringLiteral("x[sel]y"));
    words->Button1->click();
    QCOMPARE(f.markedText(), QStringLiteral("x|y"));
}

void ReservedWordsTest::missingWordFileStillOpensTheWindow() {
    EditorFixture f;
    TForm3* words = f.windows.Form3;
    const QString path = f.folder.file("tags.txt");
    QVERIFY(QFile::remove(path));
    words->show();
    QVERIFY(words->isVisible());
    QCOMPARE(f.desktop.noticeTexts(), QStringList{cannotOpenMessage(path)});
    QCOMPARE(words->ListBox1->count(), 0);
    // Later the words read before stay when the file goes missing again.
    writeBytes(path, "one\ntwo\n");
    words->close();
    words->show();
    QVERIFY(QFile::remove(path));
    words->close();
    words->show();
    QCOMPARE(items(words->ListBox1), (QStringList{"one", "two"}));
    QCOMPARE(f.desktop.noticeTexts().size(), 2);
}

void ReservedWordsTest::shippedListHoldsTheReservedWords() {
    EditorFixture f;
    f.windows.Form3->show();
    const QStringList words = items(f.windows.Form3->ListBox1);
    for (const char* word : {"break", "function", "return", "typeof", "var", "while", "document",
                             "getElementById", "Math", "parseInt"})
        QVERIFY2(words.contains(QLatin1String(word)), word);
    QCOMPARE(QSet<QString>(words.begin(), words.end()).size(), words.size());
}

QTEST_MAIN(ReservedWordsTest)
#include "reserved_words_test.moc"
