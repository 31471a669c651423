#include "core/print_layout.h"

#include <QTest>

namespace {

// Every character is 1 unit wide; a page is 10 units wide and 3 lines high.
PrintMetrics narrowPage() {
    PrintMetrics metrics;
    metrics.pageWidth = 10;
    metrics.linesPerPage = 3;
    metrics.tabWidth = 8;
    metrics.charWidth = [](QChar) { return qreal(1); };
    return metrics;
}

QStringList texts(const PrintPage& page) {
    QStringList lines;
    for (const PrintLine& line : page) {
        QString text;
        for (const PrintRun& run : line)
            text += QString(int(run.x) - text.size(), QLatin1Char(' ')) + run.text;
        lines << text;
    }
    return lines;
}

} // namespace

class PrintLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void linesAreBrokenAfterTheLastCharacterThatFits() {
        const auto pages = layoutPrintPages("0123456789ABCDE\nshort\n", narrowPage());
        QCOMPARE(pages.size(), 1);
        QCOMPARE(texts(pages[0]), (QStringList{"0123456789", "ABCDE", "short"}));
    }

    void aFullPageStartsANewOne() {
        const auto pages = layoutPrintPages("1\n2\n3\n4\n", narrowPage());
        QCOMPARE(pages.size(), 2);
        QCOMPARE(texts(pages[0]), (QStringList{"1", "2", "3"}));
        QCOMPARE(texts(pages[1]), QStringList{"4"});
    }

    void tabsAdvanceToTheNextStop() {
        const auto pages = layoutPrintPages("a\tb\n\tc\n", narrowPage());
        QCOMPARE(pages[0][0], (PrintLine{{0, "a"}, {8, "b"}}));
        QCOMPARE(pages[0][1], (PrintLine{{8, "c"}}));
    }

    void aTabPastTheEdgeBreaksTheLine() {
        const auto pages = layoutPrintPages("123456789\tx\n", narrowPage());
        QCOMPARE(texts(pages[0]), (QStringList{"123456789", "x"}));
    }

    void formFeedStartsANewPage() {
        const auto pages = layoutPrintPages("one\ftwo\n", narrowPage());
        QCOMPARE(pages.size(), 2);
        QCOMPARE(texts(pages[0]), QStringList{"one"});
        QCOMPARE(texts(pages[1]), QStringList{"two"});
    }

    void theFinalLineBreakEndsTheDocument() {
        QCOMPARE(layoutPrintPages("a\n", narrowPage())[0].size(), 1);
        QCOMPARE(layoutPrintPages("a", narrowPage())[0].size(), 1);
        QCOMPARE(layoutPrintPages("a\n\n", narrowPage())[0].size(), 2);
        const auto empty = layoutPrintPages("", narrowPage());
        QCOMPARE(empty.size(), 1);
        QVERIFY(empty[0].isEmpty());
    }

    void crLfCountsAsOneLineBreak() {
        const auto pages = layoutPrintPages("a\r\nb\r\n", narrowPage());
        QCOMPARE(texts(pages[0]), (QStringList{"a", "b"}));
    }
};

QTEST_GUILESS_MAIN(PrintLayoutTest)
#include "print_layout_test.moc"
