#include "core/text_file.h"
#include "editor/editor_page.h"
#include "editor/tag_palette_controls.h"

#include <QSet>
#include <QTest>

using namespace tag_palette;

namespace {

// Applies an edit the way the editor does and returns the new text with the
// caret marked by "|".
QString applied(const QString& document, qsizetype start, qsizetype end, const QStringList& lines,
                SnippetInsertMode mode) {
    const SnippetEdit edit = snippetEdit(document, start, end, lines, mode);
    QString text = document;
    text.replace(edit.from, edit.to - edit.from, edit.text);
    return text.insert(edit.caret, QLatin1Char('|'));
}

// The caret position marked by "|" in `marked`, which is returned without it.
qsizetype caretIn(QString& marked) {
    const qsizetype caret = marked.indexOf(QLatin1Char('|'));
    marked.remove(caret, 1);
    return caret;
}

const Snippet& snippet(const QString& button) {
    for (const SnippetPage& page : snippetPages())
        for (const Snippet& each : page.snippets)
            if (each.button == button)
                return each;
    qFatal("no snippet %s", qPrintable(button));
}

} // namespace

class EditorPageTest final : public QObject {
    Q_OBJECT
private slots:
    void skeletonIsTheWrappedEmptyScript();
    void stripKeepsAllButExactWrapperLines_data();
    void stripKeepsAllButExactWrapperLines();
    void documentTextEndsEveryLine();
    void stripChangesGiveTheStrippedText_data();
    void stripChangesGiveTheStrippedText();
    void lineBreaksBecomeLineFeeds();
    void longestLineIgnoresLineBreaks();
    void snippetEdits_data();
    void snippetEdits();
    void paletteHoldsEveryButtonOnce();
};

void EditorPageTest::skeletonIsTheWrappedEmptyScript() {
    QCOMPARE(ScriptSkeleton.size(), 7);
    QCOMPARE(ScriptSkeleton.first(), QStringLiteral("<script type=\"text/javascript\">"));
    QCOMPARE(ScriptSkeleton.first().size(), 31);
    // Stripping the skeleton leaves exactly its three empty lines.
    QCOMPARE(StripWrapperLines(ScriptSkeleton), QStringList(3, QString()));
}

void EditorPageTest::stripKeepsAllButExactWrapperLines_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("kept");
    const QString open = QStringLiteral("<script type=\"text/javascript\">");
    QTest::newRow("indented") << QStringList{QStringLiteral("  <!--"), QStringLiteral("\t//-->")}
                              << QStringList{QStringLiteral("  <!--"), QStringLiteral("\t//-->")};
    QTest::newRow("upper case") << QStringList{QStringLiteral("<SCRIPT type=\"text/javascript\">"),
                                               QStringLiteral("</SCRIPT>")}
                                << QStringList{QStringLiteral("<SCRIPT type=\"text/javascript\">"),
                                               QStringLiteral("</SCRIPT>")};
    QTest::newRow("trailing blank")
        << QStringList{open + QLatin1Char(' '), QStringLiteral("</script> ")}
        << QStringList{open + QLatin1Char(' '), QStringLiteral("</script> ")};
    QTest::newRow("twice, also mid-text")
        << QStringList{QStringLiteral("<!--"),  QStringLiteral("a();"), QStringLiteral("<!--"),
                       QStringLiteral("//-->"), QStringLiteral("b();"), QStringLiteral("//-->")}
        << QStringList{QStringLiteral("a();"), QStringLiteral("b();")};
    QTest::newRow("opener with text")
        << QStringList{QStringLiteral("<!-- hide"), QStringLiteral("<!--")}
        << QStringList{QStringLiteral("<!-- hide")};
    QTest::newRow("other script tags stay")
        << QStringList{QStringLiteral("<script>"), QStringLiteral("</script>")}
        << QStringList{QStringLiteral("<script>")};
    QTest::newRow("empty lines stay in order")
        << QStringList{QString(), open, QStringLiteral("x"), QString()}
        << QStringList{QString(), QStringLiteral("x"), QString()};
    QTest::newRow("empty document gives one empty line") << QStringList() << QStringList{QString()};
    QTest::newRow("only wrapper lines leave nothing") << ScriptWrapperLines << QStringList();
}

void EditorPageTest::stripKeepsAllButExactWrapperLines() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, kept);
    QCOMPARE(StripWrapperLines(lines), kept);
}

void EditorPageTest::stripChangesGiveTheStrippedText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("skeleton") << documentText(ScriptSkeleton) << 2;
    QTest::newRow("only wrapper lines") << "<!--\n//-->" << 1;
    QTest::newRow("last line unended") << ScriptWrapperLines.first() + "\na\n</script>\nb" << 3;
    QTest::newRow("CR LF and CR") << "a\r\n<!--\r\nb\rc" << 3;
    QTest::newRow("blank lines kept") << "\n\n<!--\n\n" << 1;
    QTest::newRow("nothing to change") << "a\nb\n" << 0;
    QTest::newRow("large script, wrapped")
        << documentText(QStringList{ScriptWrapperLines.first(), "<!--"} +
                        QStringList(100000, "x = 1;") + QStringList{"//-->", "</script>"})
        << 2;
}

// Made one after another on the text, the changes give the stripped text.
void EditorPageTest::stripChangesGiveTheStrippedText() {
    QFETCH(QString, text);
    QFETCH(int, changes);
    const QList<TextChange> made = wrapperLineChanges(text);
    QCOMPARE(made.size(), changes);
    QString changed = text;
    for (const TextChange& change : made)
        changed.replace(change.from, change.removed, change.inserted);
    QCOMPARE(changed, documentText(StripWrapperLines(splitLines(text))));
    QCOMPARE(withChanges(text, made), changed);
}

void EditorPageTest::documentTextEndsEveryLine() {
    QCOMPARE(documentText({}), QString());
    QCOMPARE(documentText({QString()}), QStringLiteral("\n"));
    QCOMPARE(documentText({QStringLiteral("a"), QString(), QStringLiteral("b")}),
             QStringLiteral("a\n\nb\n"));
}

void EditorPageTest::lineBreaksBecomeLineFeeds() {
    QCOMPARE(editorLineBreaks(QStringLiteral("a\r\nb\rc\n\r\r\n")),
             QStringLiteral("a\nb\nc\n\n\n"));
}

void EditorPageTest::longestLineIgnoresLineBreaks() {
    QCOMPARE(longestLineLength(u""), 0);
    QCOMPARE(longestLineLength(u"\r\n\r"), 0);
    QCOMPARE(longestLineLength(u"ab\r\ncdef\rg\nhij"), 4);
    QCOMPARE(longestLineLength(u"a\nlast line"), 9);
}

void EditorPageTest::snippetEdits_data() {
    // Documents mark the selection with [ ] or the caret with |; the result
    // marks the caret with |.
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("word at caret") << controls::Variable << "ab|cd\n"
                                   << "abvar|cd\n";
    QTest::newRow("word over selection") << controls::Variable << "x [name] = 1;\n"
                                         << "x var| = 1;\n";
    QTest::newRow("selection over lines replaced") << controls::Not << "a[b\nc]d\n"
                                                   << "a!|d\n";
    QTest::newRow("comment at caret") << controls::Comment << "a|b\n"
                                      << "a//|b\n";
    QTest::newRow("if above the middle of a line, line not split")
        << controls::IfElse << "one\ntw|o\nthree\n"
        << "one\nif (){\n\n} else {\n\n}\n|two\nthree\n";
    QTest::newRow("for above the line where the selection ends")
        << controls::For << "a[aa\nbb]b\nccc\n"
        << "aaa\nfor ( ; ; ){\n\n}\n|bbb\nccc\n";
    QTest::newRow("selection ending at a line start") << controls::For << "[aaa\n]bbb\n"
                                                      << "aaa\nfor ( ; ; ){\n\n}\n|bbb\n";
    QTest::newRow("function in an empty editor") << controls::Function << "|"
                                                 << "function Name(){\n\n}\n|";
    QTest::newRow("function on the last, unended line") << controls::Function << "x\ny|z"
                                                        << "x\nfunction Name(){\n\n}\n|yz";
    const QString noscript =
        QStringLiteral("<noscript>\nJavaScript is not enabled in your browser. "
                       "Please enable it to view this site correctly.\n"
                       "</noscript>\n");
    QTest::newRow("noscript from the first line goes after the end")
        << controls::NoScript << "<scr|ipt>\n</script>\n"
        << "<script>\n</script>\n" + noscript + "|";
    QTest::newRow("noscript ends an unended last line first") << controls::NoScript << "[a]\nb"
                                                              << "a\nb\n" + noscript + "|";
    QTest::newRow("noscript in an empty editor") << controls::NoScript << "|" << noscript + "|";
}

void EditorPageTest::snippetEdits() {
    QFETCH(QString, button);
    QFETCH(QString, before);
    QFETCH(QString, after);
    qsizetype start = before.indexOf(QLatin1Char('['));
    qsizetype end = start;
    if (start >= 0) {
        before.remove(start, 1);
        end = before.indexOf(QLatin1Char(']'));
        before.remove(end, 1);
    } else {
        start = end = caretIn(before);
    }
    const Snippet& chosen = snippet(button);
    QCOMPARE(applied(before, start, end, chosen.lines, chosen.mode), after);
    // A selection made backwards (caret at its start) inserts the same way.
    QCOMPARE(applied(before, end, start, chosen.lines, chosen.mode), after);
}

void EditorPageTest::paletteHoldsEveryButtonOnce() {
    QSet<QString> names;
    int count = 0;
    for (const SnippetPage& page : snippetPages()) {
        QVERIFY(!page.snippets.isEmpty());
        for (const Snippet& each : page.snippets) {
            ++count;
            names.insert(each.button);
            QVERIFY2(!each.lines.isEmpty(), qPrintable(each.button));
            // Text replacing a selection is one piece without a line break.
            if (each.mode == SnippetInsertMode::ReplaceSelection) {
                QCOMPARE(each.lines.size(), 1);
                QVERIFY2(!each.lines.first().contains(QLatin1Char('\n')), qPrintable(each.button));
            }
        }
    }
    QCOMPARE(snippetPages().size(), 10);
    QCOMPARE(count, 97);
    for (int number = 1; number <= 97; ++number)
        QVERIFY2(names.contains(QStringLiteral("SpeedButton%1").arg(number)),
                 qPrintable(QString::number(number)));
}

QTEST_GUILESS_MAIN(EditorPageTest)
#include "editor_page_test.moc"
