#include "makers/dropdown/dropdown_page.h"

#include <QTest>

namespace {

// The lines every page holds, whatever the settings.
const QStringList scriptLines = {
    "<script type=\"text/javascript\">",
    "<!--",
    "function goMenu(form){",
    "var URL=document.form.site.options[document.form.site.selectedIndex].value;",
    "window.location.href=URL;",
    "}",
    "//-->",
    "</script>",
};

const QString defaultSelect =
    "<select name=\"site\" size=\"1\" style=\"background-color:#FFFFFF;color:#000000;"
    "font-family:Times New Roman;font-size:10;font-weight:none;font-style:none;"
    "text-decoration:none\">";
const QString defaultButton =
    "<input type=\"button\" value=\"Go!\" onClick=\"javascript:goMenu(this)\" "
    "style=\"background-color:#FFFFFF;color:#000000;font-family:Times New Roman;font-size:10;"
    "border-style:Solid;border-width:1\">";

DropdownSettings twoEntries() {
    DropdownSettings settings;
    settings.entries = {"Home [index.html]", "About [about.html]"};
    return settings;
}

} // namespace

class DropdownPageTest final : public QObject {
    Q_OBJECT
private slots:
    void defaultsGiveTheFragmentWithOneOptionPerEntry() {
        const QStringList expected = scriptLines + QStringList{
                                                       "<form name=\"form\">",
                                                       defaultSelect,
                                                       "<option value=\"index.html\">Home",
                                                       "<option value=\"about.html\">About",
                                                       "</select>",
                                                       defaultButton,
                                                       "</form>",
                                                   };
        QCOMPARE(dropdownPage(twoEntries()), expected);
    }

    void fullPageWrapsTheFragment() {
        DropdownSettings settings = twoEntries();
        const QStringList fragment = dropdownPage(settings);
        settings.fullPage = true;
        const QStringList page = dropdownPage(settings);

        QCOMPARE(page.size(), fragment.size() + 7);
        QCOMPARE(page.mid(0, 3), (QStringList{"<html>", "<head>", "<title></title>"}));
        QCOMPARE(page.mid(3, 8), scriptLines);
        QCOMPARE(page.mid(11, 2), (QStringList{"</head>", "<body>"}));
        QCOMPARE(page.mid(13, fragment.size() - 8), fragment.mid(8));
        QCOMPARE(page.mid(page.size() - 2), (QStringList{"</body>", "</html>"}));
    }

    void emptyListLeavesTheSelectWithoutOptions() {
        const QStringList page = dropdownPage(DropdownSettings());
        const qsizetype select = page.indexOf(defaultSelect);
        QVERIFY(select > 0);
        QCOMPARE(page.at(select + 1), "</select>");
        QCOMPARE(page.size(), 13);
    }

    void styleButtonsSetOnlyTheirOwnProperty_data() {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QString>("tail");
        QTest::newRow("bold only") << true << false << false
                                   << ";font-weight:bold;font-style:none;text-decoration:none\">";
        QTest::newRow("italic only")
            << false << true << false
            << ";font-weight:none;font-style:italic;text-decoration:none\">";
        QTest::newRow("underline only")
            << false << false << true
            << ";font-weight:none;font-style:none;text-decoration:underline\">";
        QTest::newRow("all three")
            << true << true << true
            << ";font-weight:bold;font-style:italic;text-decoration:underline\">";
    }
    void styleButtonsSetOnlyTheirOwnProperty() {
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(QString, tail);
        DropdownSettings settings = twoEntries();
        settings.bold = bold;
        settings.italic = italic;
        settings.underline = underline;
        const QStringList page = dropdownPage(settings);
        QVERIFY2(page.at(9).endsWith(tail), qPrintable(page.at(9)));
        // The button carries no weight, style or decoration.
        QCOMPARE(page.at(13), defaultButton);
    }

    void invertSwapsOnlyTheButtonColours() {
        DropdownSettings settings = twoEntries();
        settings.background = "#102030";
        settings.itemColour = "#A0B0C0";
        const QStringList plain = dropdownPage(settings);
        settings.invertButton = true;
        const QStringList inverted = dropdownPage(settings);

        QCOMPARE(inverted.at(9), plain.at(9));
        QVERIFY(plain.at(9).contains("background-color:#102030;color:#A0B0C0;"));
        QVERIFY(plain.at(13).contains("background-color:#102030;color:#A0B0C0;"));
        QVERIFY(inverted.at(13).contains("background-color:#A0B0C0;color:#102030;"));
    }

    void settingsAreInsertedAsTyped() {
        DropdownSettings settings;
        settings.font = "Comic Sans MS";
        settings.size = "12px";
        settings.goText = "Jump \"now\"";
        settings.border = "Groove";
        settings.borderWidth = "25";
        const QStringList page = dropdownPage(settings);
        QVERIFY(page.at(9).contains(";font-family:Comic Sans MS;font-size:12px;font-weight:"));
        QCOMPARE(
            page.at(11),
            "<input type=\"button\" value=\"Jump \"now\"\" onClick=\"javascript:goMenu(this)\" "
            "style=\"background-color:#FFFFFF;color:#000000;font-family:Comic Sans MS;"
            "font-size:12px;border-style:Groove;border-width:25\">");
    }

    void longNamesAndAddressesAreWrittenInFull() {
        const QString name = QString(120, QChar('n'));
        const QString url = "http://example.org/" + QString(200, QChar('u')) + ".html";
        DropdownSettings settings;
        settings.entries = {entryText(name, url)};
        QCOMPARE(dropdownPage(settings).at(10), "<option value=\"" + url + "\">" + name);
    }

    void entriesSplitAtTheFirstBracket_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::newRow("plain") << "Home [index.html]"
                               << "Home"
                               << "index.html";
        QTest::newRow("spaces kept") << " My page  [ a b.html ]"
                                     << " My page "
                                     << " a b.html ";
        QTest::newRow("later brackets") << "A [b[c]d]"
                                        << "A"
                                        << "b[c]d";
        QTest::newRow("no name") << " [x.html]"
                                 << ""
                                 << "x.html";
        QTest::newRow("bracket first") << "[x.html]"
                                       << ""
                                       << "x.html";
        QTest::newRow("no address") << "A []"
                                    << "A"
                                    << "";
        QTest::newRow("no bracket") << "abc"
                                    << ""
                                    << "ab";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void entriesSplitAtTheFirstBracket() {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(QString, url);
        const MenuEntry parts = splitEntry(entry);
        QCOMPARE(parts.name, name);
        QCOMPARE(parts.url, url);
    }

    void entryTextRoundTrips() {
        const MenuEntry parts = splitEntry(entryText(" Joe ", "a b.html"));
        QCOMPARE(entryText(" Joe ", "a b.html"), " Joe  [a b.html]");
        QCOMPARE(parts.name, " Joe ");
        QCOMPARE(parts.url, "a b.html");
    }

    void forbiddenCharacters() {
        for (const char* bad : {"Joe's page", "a\"b", "[x", "y]"})
            QVERIFY2(hasForbiddenCharacters(bad), bad);
        for (const char* good : {"", "Home", "index.html?a=1&b=(2)", "{}<>"})
            QVERIFY2(!hasForbiddenCharacters(good), good);
    }

    void sortIgnoresCaseAndKeepsEqualEntriesInOrder() {
        QStringList entries = {"b [2]", "A [1]", "a [3]", "B [0]", "c [9]", "a [1]"};
        sortEntries(entries);
        QCOMPARE(entries, (QStringList{"A [1]", "a [1]", "a [3]", "B [0]", "b [2]", "c [9]"}));
    }
};

QTEST_GUILESS_MAIN(DropdownPageTest)
#include "dropdown_page_test.moc"
