#include "makers/dropdown/dropdown_modern_page.h"
#include "support/modern_page_checks.h"

#include <QTest>

namespace {

const QSet<QString> MenuElements = {"nav",    "form",   "label",  "span",
                                    "select", "option", "button", "script"};

DropdownSettings twoEntries() {
    DropdownSettings settings;
    settings.entries = {entryText("Home", "index.html"), entryText("About", "about.html")};
    return settings;
}

} // namespace

class DropdownModernPageTest final : public QObject {
    Q_OBJECT

private slots:
    void defaultFragment() {
        const QStringList expected = {
            "<nav aria-label=\"Menu\">",
            "<form>",
            "<label><span style=\"position:absolute;width:1px;height:1px;overflow:hidden;"
            "clip-path:inset(50%);white-space:nowrap\">Menu</span>",
            "<select size=\"1\" style=\"background-color:#FFFFFF;color:#000000;"
            "font-family:'Times New Roman';font-size:10px;font-weight:normal;"
            "font-style:normal;text-decoration:none;max-width:100%;min-height:24px\">",
            "<option value=\"index.html\">Home</option>",
            "<option value=\"about.html\">About</option>",
            "</select></label>",
            "<button type=\"submit\" style=\"background-color:#FFFFFF;color:#000000;"
            "font-family:'Times New Roman';font-size:10px;border-style:solid;"
            "border-width:1px;min-width:24px;min-height:24px\">Go!</button>",
            "<script>",
            "(function (root) {",
            "  \"use strict\";",
            "  root.addEventListener(\"submit\", function (event) {",
            "    event.preventDefault();",
            "    var menu = root.querySelector(\"select\");",
            "    var choice = menu.options[menu.selectedIndex];",
            "    if (choice && choice.value) {",
            "      window.location.href = choice.value;",
            "    }",
            "  });",
            "})(document.currentScript.parentElement);",
            "</script>",
            "</form>",
            "</nav>"};
        QCOMPARE(modernDropdownPage(twoEntries()), expected);
    }

    void fullPageWrapsTheFragment() {
        DropdownSettings settings = twoEntries();
        const QStringList fragment = modernDropdownPage(settings);
        settings.fullPage = true;
        const QStringList page = modernDropdownPage(settings);

        QCOMPARE(page.mid(page.indexOf(fragment.first()), fragment.size()), fragment);
        QCOMPARE(page.last(), QStringLiteral("</html>"));
        const PageReading reading = readModernPage(page, true);
        QCOMPARE(reading.problems, QStringList());
        QVERIFY(reading.elements.contains(QStringLiteral("title")));
    }

    void styleWordsAreStandardsModeValues() {
        DropdownSettings settings = twoEntries();
        settings.bold = settings.italic = settings.underline = settings.invertButton = true;
        settings.size = QStringLiteral("12pt");
        settings.border = QStringLiteral("Groove");
        settings.borderWidth = QStringLiteral("3");
        const QStringList page = modernDropdownPage(settings);
        QVERIFY(page[3].contains(
            "font-size:12pt;font-weight:bold;font-style:italic;text-decoration:underline;"));
        QVERIFY(page[7].startsWith("<button type=\"submit\" style=\"background-color:#000000;"
                                   "color:#FFFFFF;"));
        QVERIFY(page[7].contains("border-style:groove;border-width:3px"));

        // What is no CSS value is left out rather than written broken.
        settings.size = QStringLiteral("big");
        settings.border = QStringLiteral("Wavy");
        settings.background = QStringLiteral("white");
        const QStringList broken = modernDropdownPage(settings);
        for (const QString& line : {broken[3], broken[7]})
            QVERIFY2(!line.contains("font-size") && !line.contains("border-style") &&
                         !line.contains(":white"),
                     qPrintable(line));
    }

    void emptyMenuHasNoOptions() {
        DropdownSettings settings;
        settings.goText.clear();
        const QStringList page = modernDropdownPage(settings);
        QCOMPARE(page[4], QStringLiteral("</select></label>"));
        QVERIFY(page[5].endsWith(">Go!</button>"));
        QCOMPARE(readModernPage(page, false).problems, QStringList());
    }

    void everyTypedValueStaysInItsPlace_data() {
        QTest::addColumn<bool>("fullPage");
        QTest::newRow("fragment") << false;
        QTest::newRow("page") << true;
    }

    void everyTypedValueStaysInItsPlace() {
        QFETCH(bool, fullPage);
        DropdownSettings settings;
        settings.fullPage = fullPage;
        settings.entries = QStringList(200, entryText(HostileText, HostileText));
        settings.goText = settings.font = settings.size = settings.border = settings.borderWidth =
            settings.background = HostileText;
        const QStringList page = modernDropdownPage(settings);

        const PageReading reading = readModernPage(page, fullPage);
        QCOMPARE(reading.problems, QStringList());
        QVERIFY((reading.elements - MenuElements -
                 QSet<QString>{"html", "head", "meta", "title", "style", "body", "main", "h1"})
                    .isEmpty());
        QCOMPARE(page.count(QStringLiteral(
                     "<option value=\"%22'&amp;%3Cb%3Ex%3C/b%3E%3C/script%3E%3C!--%C3%A9%F0%9F%98"
                     "%80%20%25#?%5C%20on=1\">\"'&amp;&lt;b&gt;x&lt;/b&gt;&lt;/script&gt;&lt;!--"
                     "é😀 %#?\\ on=1</option>")),
                 200);
    }
};

QTEST_APPLESS_MAIN(DropdownModernPageTest)
#include "dropdown_modern_page_test.moc"
