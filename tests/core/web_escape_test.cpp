#include "core/html5_page.h"
#include "core/web_escape.h"

#include <QTest>

namespace {

using Escape = QString (*)(const QString&);

// Every character that has ended a value early somewhere, and text that must
// come through untouched.
const QString Hostile = QStringLiteral("a\"b'c&d<e>f</script><!--g\\h");

} // namespace

Q_DECLARE_METATYPE(Escape)

class WebEscapeTest final : public QObject {
    Q_OBJECT

private slots:
    void eachContext_data() {
        QTest::addColumn<Escape>("escape");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");

        QTest::newRow("text: markup") << Escape(&web::htmlText) << Hostile
                                      << "a\"b'c&amp;d&lt;e&gt;f&lt;/script&gt;&lt;!--g\\h";
        QTest::newRow("text: line break stays one line") << Escape(&web::htmlText) << "one\r\ntwo"
                                                         << "one&#13;&#10;two";
        QTest::newRow("text: stray control")
            << Escape(&web::htmlText) << QStringLiteral("a\x01z") << QStringLiteral("a\uFFFDz");
        QTest::newRow("text: non-ASCII and emoji as typed")
            << Escape(&web::htmlText) << QStringLiteral("été 😀") << QStringLiteral("été 😀");
        QTest::newRow("attribute: quotes")
            << Escape(&web::attribute) << Hostile
            << "a&quot;b'c&amp;d&lt;e&gt;f&lt;/script&gt;&lt;!--g\\h";

        QTest::newRow("url: delimiters kept")
            << Escape(&web::url) << "http://example.com/a/b.html?x=1&y=2#top"
            << "http://example.com/a/b.html?x=1&y=2#top";
        QTest::newRow("url: blanks, quotes, brackets")
            << Escape(&web::url) << "my page \"1\" <2>.html"
            << "my%20page%20%221%22%20%3C2%3E.html";
        QTest::newRow("url: escapes kept, bare % encoded") << Escape(&web::url) << "a%20b 100%.html"
                                                           << "a%20b%20100%25.html";
        QTest::newRow("url: non-ASCII as UTF-8")
            << Escape(&web::url) << QStringLiteral("été😀.html") << "%C3%A9t%C3%A9%F0%9F%98%80.html";
        QTest::newRow("url: script address is a file name")
            << Escape(&web::url) << "JavaScript:alert('x')"
            << "JavaScript%3Aalert(%27x%27)";
        QTest::newRow("url: backslash") << Escape(&web::url) << "a\\b"
                                        << "a%5Cb";

        QTest::newRow("file: # ? % : belong to the name")
            << Escape(&web::fileUrl) << "/pics/C# 100%? a:b's.jpg"
            << "/pics/C%23%20100%25%3F%20a%3Ab%27s.jpg";
        QTest::newRow("file: an address stays an address")
            << Escape(&web::fileUrl) << "https://example.com/a b.png?s=1"
            << "https://example.com/a%20b.png?s=1";
        QTest::newRow("file: a drive letter is no scheme") << Escape(&web::fileUrl) << "C:/x.png"
                                                           << "C%3A/x.png";
        QTest::newRow("file: script address") << Escape(&web::fileUrl) << "vbscript:x"
                                              << "vbscript%3Ax";
        QTest::newRow("file: control characters") << Escape(&web::fileUrl) << " java\tscript:x"
                                                  << "%20java%09script%3Ax";

        QTest::newRow("js: quotes, backslash, end of script")
            << Escape(&web::jsString) << Hostile
            << "\"a\\\"b'c&d\\u003ce\\u003ef\\u003c/script\\u003e\\u003c!--g\\\\h\"";
        QTest::newRow("js: line terminators")
            << Escape(&web::jsString) << QStringLiteral("a\nb\rc\td\u2028e\u2029f\x01")
            << "\"a\\nb\\rc\\td\\u2028e\\u2029f\\u0001\"";
        QTest::newRow("js: non-ASCII as typed")
            << Escape(&web::jsString) << QStringLiteral("été😀") << QStringLiteral("\"été😀\"");

        QTest::newRow("css string") << Escape(&web::cssString) << "it's a \\ <b>\n"
                                    << "'it\\'s a \\\\ \\3c b\\3e \\a '";
        QTest::newRow("css colour") << Escape(&web::cssColour) << "#00FFaa"
                                    << "#00FFaa";
        QTest::newRow("css colour: not one") << Escape(&web::cssColour) << "red;x"
                                             << "";
        QTest::newRow("css length: bare number gets px") << Escape(&web::cssLength) << " 10 "
                                                         << "10px";
        QTest::newRow("css length: unit kept") << Escape(&web::cssLength) << "1.5EM"
                                               << "1.5em";
        QTest::newRow("css length: junk") << Escape(&web::cssLength) << "10;color:red"
                                          << "";
        QTest::newRow("css border style") << Escape(&web::cssBorderStyle) << "Groove"
                                          << "groove";
        QTest::newRow("css border style: unknown") << Escape(&web::cssBorderStyle) << "Wavy"
                                                   << "";
        QTest::newRow("css font families")
            << Escape(&web::cssFontFamily) << "Times New Roman, O'Neil ,,Sans-Serif"
            << "'Times New Roman', 'O\\'Neil', sans-serif";
        QTest::newRow("css url of a file") << Escape(&web::cssUrl) << "/p/a b'c.png"
                                           << "url('/p/a%20b%27c.png')";
        QTest::newRow("css url of nothing") << Escape(&web::cssUrl) << ""
                                            << "";
    }

    void eachContext() {
        QFETCH(Escape, escape);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QCOMPARE(escape(typed), written);
    }

    void inlineStyleLeavesOutEmptyValuesAndEscapesForTheAttribute() {
        web::InlineStyle style;
        QVERIFY(style.isEmpty());
        style.add("color", web::cssColour("nonsense"))
            .add("font-family", web::cssFontFamily("A \"B\" & <C>"))
            .add("border-width", web::cssLength("2"));
        QCOMPARE(
            style.attribute(),
            QStringLiteral("font-family:'A &quot;B&quot; &amp; \\3c C\\3e ';border-width:2px"));
    }

    void pageHeadIsStandardsMode() {
        QCOMPARE(web::html5Head(QStringLiteral("Tom & Jerry"), QStringLiteral("Menu")),
                 (QStringList{"<!DOCTYPE html>", "<html lang=\"en\">", "<head>",
                              "<meta charset=\"utf-8\">",
                              "<meta name=\"viewport\" content=\"width=device-width, "
                              "initial-scale=1\">",
                              "<title>Tom &amp; Jerry</title>"}));
        QCOMPARE(web::html5Head(QStringLiteral("  "), QStringLiteral("Menu")).last(),
                 QStringLiteral("<title>Menu</title>"));
    }

    void scopedScriptBindsItsOwnParent() {
        QCOMPARE(web::scopedScript({"run(root);", "", "if (x) {", "  y();", "}"}),
                 (QStringList{"<script>", "(function (root) {", "  \"use strict\";", "  run(root);",
                              "", "  if (x) {", "    y();", "  }",
                              "})(document.currentScript.parentElement);", "</script>"}));
    }
};

QTEST_APPLESS_MAIN(WebEscapeTest)
#include "web_escape_test.moc"
