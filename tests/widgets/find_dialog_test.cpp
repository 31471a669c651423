#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "widgets/find_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The selection of a pane as "start+length", or "none".
QString selectionOf(const QPlainTextEdit& pane) {
    const QTextCursor cursor = pane.textCursor();
    if (!cursor.hasSelection())
        return QStringLiteral("none");
    return QStringLiteral("%1+%2").arg(cursor.selectionStart()).arg(cursor.selectedText().size());
}

void select(QPlainTextEdit& pane, int start, int length) {
    QTextCursor cursor = pane.textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    pane.setTextCursor(cursor);
}

} // namespace

// The program shows a miss in a notice, as the desktop services do.
void reportMisses(FindDialog& dialog) {
    QObject::connect(&dialog, &FindDialog::notFound, &dialog, [](const QString& message) {
        desktop().notice(NoticeKind::Information, message);
    });
}

class FindDialogTest final : public QObject {
    Q_OBJECT
private slots:
    void findInText_data();
    void findInText();
    void searchesAPaneOneMatchPerClick();
    void searchesUpFromTheSelectionStart();
    void reportsTextNotFound();
    void searchesALineEdit();
    void findNextNeedsText();
};

void FindDialogTest::findInText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<int>("found");
    const QString text = QStringLiteral("Var x; var vary = 2; var_1");
    QTest::newRow("forward, any case") << text << "var" << 0 << false << false << false << 0;
    QTest::newRow("forward from inside") << text << "var" << 1 << false << false << false << 7;
    QTest::newRow("match case") << text << "Var" << 1 << false << true << false << -1;
    QTest::newRow("whole word skips vary") << text << "vary" << 0 << true << false << false << 11;
    QTest::newRow("whole word skips a prefix") << "variable var"
                                               << "var" << 0 << true << false << false << 9;
    QTest::newRow("underscore ends a word") << text << "var" << 8 << true << false << false << 21;
    QTest::newRow("backward finds the one before")
        << text << "var" << 11 << false << false << true << 7;
    QTest::newRow("backward, match must start before from")
        << text << "var" << 7 << false << false << true << 0;
    QTest::newRow("backward from the start") << text << "var" << 0 << false << false << true << -1;
    QTest::newRow("backward whole word") << text << "var" << 21 << true << false << true << 7;
    QTest::newRow("forward past the end") << text << "var" << 26 << false << false << false << -1;
    QTest::newRow("empty search") << text << "" << 0 << false << false << false << -1;
}

void FindDialogTest::findInText() {
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(int, from);
    QFETCH(bool, wholeWord);
    QFETCH(bool, matchCase);
    QFETCH(bool, backward);
    QFETCH(int, found);
    FindOptions options;
    options.wholeWord = wholeWord;
    options.matchCase = matchCase;
    options.backward = backward;
    QCOMPARE(::findInText(text, what, from, options), qsizetype(found));
}

void FindDialogTest::searchesAPaneOneMatchPerClick() {
    FakeDesktop desktop;
    QPlainTextEdit pane(QStringLiteral("Foo food\nfoo FOO"));
    FindDialog dialog;
    reportMisses(dialog);
    dialog.startOn(&pane);
    findControl<QLineEdit>(dialog, "FindWhat")->setText(QStringLiteral("foo"));
    QStringList hits;
    for (int click = 0; click < 4; ++click) {
        findControl<QPushButton>(dialog, "FindNext")->click();
        hits << selectionOf(pane);
    }
    QCOMPARE(hits, (QStringList{"0+3", "4+3", "9+3", "13+3"}));
    // Whole words and exact case narrow it down.
    select(pane, 0, 0);
    findControl<QCheckBox>(dialog, "WholeWord")->setChecked(true);
    findControl<QCheckBox>(dialog, "MatchCase")->setChecked(true);
    findControl<QPushButton>(dialog, "FindNext")->click();
    QCOMPARE(selectionOf(pane), QStringLiteral("9+3"));
    QVERIFY(desktop.notices.isEmpty());
}

void FindDialogTest::searchesUpFromTheSelectionStart() {
    FakeDesktop desktop;
    QPlainTextEdit pane(QStringLiteral("ab ab ab"));
    FindDialog dialog;
    reportMisses(dialog);
    dialog.startOn(&pane);
    findControl<QLineEdit>(dialog, "FindWhat")->setText(QStringLiteral("ab"));
    findControl<QRadioButton>(dialog, "DirectionUp")->setChecked(true);
    select(pane, 6, 2);
    findControl<QPushButton>(dialog, "FindNext")->click();
    QCOMPARE(selectionOf(pane), QStringLiteral("3+2"));
    findControl<QPushButton>(dialog, "FindNext")->click();
    QCOMPARE(selectionOf(pane), QStringLiteral("0+2"));
}

void FindDialogTest::reportsTextNotFound() {
    FakeDesktop desktop;
    QPlainTextEdit pane(QStringLiteral("alpha"));
    FindDialog dialog;
    reportMisses(dialog);
    dialog.startOn(&pane);
    findControl<QLineEdit>(dialog, "FindWhat")->setText(QStringLiteral("be \"ta\""));
    QVERIFY(!dialog.findNext());
    QCOMPARE(desktop.noticeTexts(), QStringList{QStringLiteral("Text not found: \"be \"ta\"\"")});
    // Past the last match counts as not found too; the selection stays.
    findControl<QLineEdit>(dialog, "FindWhat")->setText(QStringLiteral("alpha"));
    QVERIFY(dialog.findNext());
    QVERIFY(!dialog.findNext());
    QCOMPARE(selectionOf(pane), QStringLiteral("0+5"));
    QCOMPARE(desktop.notices.size(), 2);
}

void FindDialogTest::searchesALineEdit() {
    FakeDesktop desktop;
    QLineEdit line(QStringLiteral("one two one"));
    line.setCursorPosition(0);
    FindDialog dialog;
    dialog.startOn(&line);
    findControl<QLineEdit>(dialog, "FindWhat")->setText(QStringLiteral("one"));
    findControl<QPushButton>(dialog, "FindNext")->click();
    QCOMPARE(line.selectionStart(), 0);
    findControl<QPushButton>(dialog, "FindNext")->click();
    QCOMPARE(line.selectionStart(), 8);
    QCOMPARE(line.selectedText(), QStringLiteral("one"));
    findControl<QRadioButton>(dialog, "DirectionUp")->setChecked(true);
    findControl<QPushButton>(dialog, "FindNext")->click();
    QCOMPARE(line.selectionStart(), 0);
}

void FindDialogTest::findNextNeedsText() {
    FakeDesktop desktop;
    QPlainTextEdit pane(QStringLiteral("word"));
    FindDialog dialog;
    reportMisses(dialog);
    dialog.startOn(&pane);
    QVERIFY(!findControl<QPushButton>(dialog, "FindNext")->isEnabled());
    findControl<QLineEdit>(dialog, "FindWhat")->setText(QStringLiteral("w"));
    QVERIFY(findControl<QPushButton>(dialog, "FindNext")->isEnabled());
    // A selected word is offered as the text to find.
    select(pane, 0, 4);
    dialog.startOn(&pane);
    QCOMPARE(findControl<QLineEdit>(dialog, "FindWhat")->text(), QStringLiteral("word"));
}

QTEST_MAIN(FindDialogTest)
#include "find_dialog_test.moc"
