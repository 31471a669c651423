#include "makers/mouseover/mouseover_modern_page.h"
#include "support/modern_page_checks.h"

#include <QTest>

namespace {

const QSet<QString> ButtonPageElements = {"html",   "head", "meta", "title", "style",
                                          "script", "body", "main", "h1",    "span",
                                          "a",      "img",  "br"};

MouseOverSettings button(const QString& initial, const QString& over) {
    MouseOverSettings settings;
    settings.initialImage = initial;
    settings.mouseOverImage = over;
    return settings;
}

// A document as the tab builds it: New, the buttons, End Code.
QStringList document(const QList<MouseOverSettings>& buttons) {
    QStringList head = modernMouseOverHeadLines();
    QStringList body;
    MouseOverCounters counters;
    for (const MouseOverSettings& settings : buttons) {
        const MouseOverButtonLines added = modernMouseOverButton(settings, counters);
        head << added.headLines;
        body << added.bodyLines;
        counters = added.counters;
    }
    return head + modernMouseOverScriptLines() + body + modernMouseOverClosingLines();
}

} // namespace

class MouseOverModernPageTest final : public QObject {
    Q_OBJECT

private slots:
    void buttonsCountAsInTheClassicDocument() {
        MouseOverSettings first = button("/pics/home off.png", "/pics/home on.png");
        first.statusText = QStringLiteral("Home page");
        first.alternateText = QStringLiteral("Home");
        first.url = QStringLiteral("index.html");
        const MouseOverButtonLines added = modernMouseOverButton(first, {});
        QCOMPARE(added.headLines, (QStringList{"new Image().src = \"/pics/home%20off.png\";",
                                               "new Image().src = \"/pics/home%20on.png\";"}));
        QCOMPARE(added.bodyLines,
                 QStringList("<span data-over-holder><a href=\"index.html\" "
                             "aria-describedby=\"mouseover-tip-1\"><img "
                             "src=\"/pics/home%20off.png\" data-over-src=\"/pics/home%20on.png\" "
                             "alt=\"Home\"></a><span role=\"tooltip\" id=\"mouseover-tip-1\" "
                             "hidden>Home page</span></span>"));
        QCOMPARE(added.counters, (MouseOverCounters{1, 2}));

        MouseOverSettings second = button("b1.png", "b2.png");
        second.preloadImages = false;
        second.vertical = true;
        second.imageBorder = true;
        second.borderType = QStringLiteral("Ridge");
        second.borderSize = QStringLiteral("2");
        const MouseOverButtonLines next = modernMouseOverButton(second, added.counters);
        QVERIFY(next.headLines.isEmpty());
        QCOMPARE(next.bodyLines,
                 (QStringList{"<span data-over-holder><a href=\"\" aria-label=\"Link\"><img "
                              "src=\"b1.png\" data-over-src=\"b2.png\" alt=\"\" "
                              "style=\"border-color:#FFFFFF;border-style:ridge;border-width:2px\">"
                              "</a></span>",
                              "<br>"}));
        QCOMPARE(next.counters, (MouseOverCounters{2, 2}));
    }

    void documentIsOneStandardsModePage() {
        const QStringList page = document({button("a1.png", "a2.png"), button("b1.png", "b2.png")});
        const PageReading reading = readModernPage(page, true);
        QCOMPARE(reading.problems, QStringList());
        QVERIFY((reading.elements - ButtonPageElements).isEmpty());
        // A new document is a page by itself, ready for buttons.
        QCOMPARE(readModernPage(document({}), true).problems, QStringList());
    }

    void everyTypedValueStaysInItsPlace() {
        MouseOverSettings hostile = button(HostileText, HostileText);
        hostile.statusText = hostile.alternateText = hostile.url = hostile.borderColour =
            hostile.borderType = hostile.borderSize = HostileText;
        hostile.imageBorder = true;
        const QStringList page = document({hostile, hostile});
        const PageReading reading = readModernPage(page, true);
        QCOMPARE(reading.problems, QStringList());
        QVERIFY((reading.elements - ButtonPageElements).isEmpty());
        QVERIFY(page.contains(
            "new Image().src = \"%22%27&%3Cb%3Ex%3C/b%3E%3C/script%3E%3C!--%C3%A9%F0%9F%98%80%20"
            "%25%23%3F%5C%20on=1\";"));
    }
};

QTEST_APPLESS_MAIN(MouseOverModernPageTest)
#include "mouseover_modern_page_test.moc"
