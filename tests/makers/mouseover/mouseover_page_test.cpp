#include "core/page_text.h"
#include "makers/mouseover/mouseover_page.h"

#include <QTest>

namespace {

MouseOverSettings button(const QString& initial, const QString& mouseOver) {
    MouseOverSettings settings;
    settings.initialImage = initial;
    settings.mouseOverImage = mouseOver;
    settings.statusText = QStringLiteral("Go home");
    settings.alternateText = QStringLiteral("Home");
    settings.url = QStringLiteral("index.html");
    return settings;
}

} // namespace

class MouseOverPageTest final : public QObject {
    Q_OBJECT

private slots:
    void firstButtonPreloadsBothImagesAndLinksThem() {
        const MouseOverButtonLines added =
            mouseOverButton(button("home.gif", "home_on.gif"), MouseOverCounters{});
        QCOMPARE(added.headLines, QStringList({
                                      "Image1=new Image();",
                                      "Image1.src=\"home.gif\";",
                                      "Image2=new Image();",
                                      "Image2.src=\"home_on.gif\";",
                                  }));
        QCOMPARE(added.bodyLines,
                 QStringList({"<a href=\"index.html\" onMouseOver=\"MouseOver('home_on.gif','Go "
                              "home','mouse1'); return true;\" onMouseOut=\"MouseOut('home.gif',"
                              "'','mouse1'); return true;\"><img src=\"home.gif\" name=\"mouse1\" "
                              "alt=\"Home\"></a>"}));
        QCOMPARE(added.counters, (MouseOverCounters{1, 2}));
    }

    // Each button takes the next number; preload objects only count while
    // preloading is on, so the two counters drift apart.
    void countersRunIndependently() {
        MouseOverSettings settings = button("a.gif", "b.gif");
        MouseOverCounters counters;

        MouseOverButtonLines added = mouseOverButton(settings, counters);
        counters = added.counters;

        settings.preloadImages = false;
        added = mouseOverButton(settings, counters);
        QVERIFY(added.headLines.isEmpty());
        QVERIFY(added.bodyLines.value(0).contains("name=\"mouse2\""));
        QCOMPARE(added.counters, (MouseOverCounters{2, 2}));
        counters = added.counters;

        settings.preloadImages = true;
        added = mouseOverButton(settings, counters);
        QCOMPARE(added.headLines, QStringList({"Image3=new Image();", "Image3.src=\"a.gif\";",
                                               "Image4=new Image();", "Image4.src=\"b.gif\";"}));
        QCOMPARE(added.bodyLines.value(0).count("mouse3"), 3);
        QCOMPARE(added.counters, (MouseOverCounters{3, 4}));

        // Preloading off from the start: the first preloaded button still
        // gets objects 1 and 2 although it is button 3.
        added = mouseOverButton(settings, MouseOverCounters{2, 0});
        QCOMPARE(added.headLines.value(0), QString("Image1=new Image();"));
        QCOMPARE(added.headLines.value(2), QString("Image2=new Image();"));
        QVERIFY(added.bodyLines.value(0).contains("'mouse3'"));
    }

    void largeNumbersAreWrittenInFull() {
        const MouseOverButtonLines added =
            mouseOverButton(button("a.gif", "b.gif"), MouseOverCounters{99999, 199998});
        QCOMPARE(added.headLines.value(0), QString("Image199999=new Image();"));
        QCOMPARE(added.headLines.value(3), QString("Image200000.src=\"b.gif\";"));
        QCOMPARE(added.bodyLines.value(0).count("mouse100000"), 3);
        QCOMPARE(added.counters, (MouseOverCounters{100000, 200000}));
    }

    void borderReplacesTheClosingPiece_data() {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("ending");
        QTest::newRow("defaults")
            << "#FFFFFF"
            << "Solid"
            << "0"
            << "alt=\"Home\" "
               "style=\"border-color:#FFFFFF;border-style:Solid;border-width:0px\"></a>";
        QTest::newRow("chosen")
            << "#0A1B2C"
            << "Outset"
            << "25"
            << "alt=\"Home\" "
               "style=\"border-color:#0A1B2C;border-style:Outset;border-width:25px\"></a>";
    }

    void borderReplacesTheClosingPiece() {
        QFETCH(QString, colour);
        QFETCH(QString, type);
        QFETCH(QString, size);
        QFETCH(QString, ending);
        MouseOverSettings settings = button("a.gif", "b.gif");
        settings.imageBorder = true;
        settings.borderColour = colour;
        settings.borderType = type;
        settings.borderSize = size;
        const QString line = mouseOverButton(settings, {}).bodyLines.value(0);
        QVERIFY2(line.endsWith(ending), qPrintable(line));
        QCOMPARE(line.count("</a>"), 1);

        // Without a border the border settings are not written at all.
        settings.imageBorder = false;
        const QString plain = mouseOverButton(settings, {}).bodyLines.value(0);
        QVERIFY(plain.endsWith("alt=\"Home\"></a>"));
        QVERIFY(!plain.contains("style="));
    }

    void verticalAddsALineBreakLine() {
        MouseOverSettings settings = button("a.gif", "b.gif");
        settings.vertical = true;
        const QStringList body = mouseOverButton(settings, {}).bodyLines;
        QCOMPARE(body.size(), 2);
        QVERIFY(body.first().startsWith("<a href="));
        QCOMPARE(body.last(), QString("<br>"));
        settings.vertical = false;
        QCOMPARE(mouseOverButton(settings, {}).bodyLines.size(), 1);
    }

    // Nothing is escaped or trimmed: quotes end strings early in the page,
    // exactly as the user typed them.
    void textsAreInsertedAsTyped() {
        MouseOverSettings settings;
        settings.initialImage = QStringLiteral(" C:\\my \"pics\"\\it's.gif ");
        settings.mouseOverImage = QStringLiteral("/home/o'neil/over.gif");
        settings.statusText = QStringLiteral("Don't \"click\"");
        settings.alternateText = QStringLiteral("a < b & \"c\"");
        settings.url = QString();
        const MouseOverButtonLines added = mouseOverButton(settings, {});
        QCOMPARE(added.headLines.value(1), QString("Image1.src=\" C:\\my \"pics\"\\it's.gif \";"));
        QCOMPARE(added.headLines.value(3), QString("Image2.src=\"/home/o'neil/over.gif\";"));
        QCOMPARE(added.bodyLines,
                 QStringList({"<a href=\"\" onMouseOver=\"MouseOver('/home/o'neil/over.gif',"
                              "'Don't \"click\"','mouse1'); return true;\" onMouseOut=\"MouseOut("
                              "' C:\\my \"pics\"\\it's.gif ','','mouse1'); return true;\"><img "
                              "src=\" C:\\my \"pics\"\\it's.gif \" name=\"mouse1\" alt=\"a < b & "
                              "\"c\"\"></a>"}));
    }

    // The page is the panes' lines one after the other: a last line the user
    // left without a line break still stands on its own, and nothing else is
    // added or dropped between the panes.
    void assembledPageKeepsEachPaneLineWhole() {
        const QString script = pageText(mouseOverScriptLines());
        QCOMPARE(assembleMouseOverPage("<html>\n<head>", script, "<p>intro</p>"),
                 "<html>\n<head>\n" + script + "<p>intro</p>\n");
        QCOMPARE(assembleMouseOverPage("<html>\n\n", script, "<br>\n"),
                 "<html>\n\n" + script + "<br>\n");
        QCOMPARE(assembleMouseOverPage(QString(), script, QString()), script);
        QCOMPARE(assembleMouseOverPage("\n", script, "\n"), '\n' + script + '\n');
    }

    void emptyOptionalTextsLeaveEmptyAttributes() {
        MouseOverSettings settings;
        settings.initialImage = QStringLiteral("abc");
        settings.mouseOverImage = QStringLiteral("def");
        QCOMPARE(mouseOverButton(settings, {}).bodyLines,
                 QStringList({"<a href=\"\" onMouseOver=\"MouseOver('def','','mouse1'); return "
                              "true;\" onMouseOut=\"MouseOut('abc','','mouse1'); return true;\">"
                              "<img src=\"abc\" name=\"mouse1\" alt=\"\"></a>"}));
    }
};

QTEST_APPLESS_MAIN(MouseOverPageTest)
#include "mouseover_page_test.moc"
