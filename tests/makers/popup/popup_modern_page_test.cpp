#include "core/page_text.h"
#include "makers/popup/popup_modern_page.h"
#include "support/modern_page_checks.h"

#include <QTest>

using Event = PopupSettings::LaunchEvent;
using Medium = PopupSettings::LaunchMedium;

namespace {

const QSet<QString> PopupElements = {"html",   "head",   "meta",   "title", "style", "body",
                                     "main",   "h1",     "div",    "a",     "img",   "dialog",
                                     "button", "iframe", "script", "p",     "span"};

PopupSettings launchedBy(Event event, Medium medium) {
    PopupSettings settings;
    settings.url = QStringLiteral("pop.html");
    settings.event = event;
    settings.medium = medium;
    return settings;
}

} // namespace

class PopupModernPageTest final : public QObject {
    Q_OBJECT

private slots:
    void everyLaunchIsAStandardsModePage_data() {
        QTest::addColumn<Event>("event");
        QTest::addColumn<Medium>("medium");
        QTest::addColumn<QString>("launch");
        QTest::newRow("click, text")
            << Event::OnClick << Medium::TextLink << "addEventListener(\"click\"";
        QTest::newRow("click, image")
            << Event::OnClick << Medium::ImageLink << "addEventListener(\"click\"";
        QTest::newRow("mouse over") << Event::OnMouseOver << Medium::TextLink
                                    << "link.addEventListener(\"mouseenter\", function () {";
        QTest::newRow("mouse out") << Event::OnMouseOut << Medium::ImageLink
                                   << "link.addEventListener(\"mouseleave\", function () {";
        QTest::newRow("load") << Event::OnLoad << Medium::Other << "  showOverlay();";
        QTest::newRow("delay") << Event::AfterDelay << Medium::Other
                               << "window.setTimeout(showOverlay, 1000);";
        QTest::newRow("leaving") << Event::OnUnload << Medium::Other
                                 << "!event.relatedTarget && event.clientY <= 0";
    }

    void everyLaunchIsAStandardsModePage() {
        QFETCH(Event, event);
        QFETCH(Medium, medium);
        QFETCH(QString, launch);
        for (const bool fullScreen : {false, true}) {
            PopupSettings settings = launchedBy(event, medium);
            settings.fullScreen = fullScreen;
            settings.closeAfterTime = true;
            const QStringList page = modernPopupPage(settings);
            const PageReading reading = readModernPage(page, true);
            QCOMPARE(reading.problems, QStringList());
            QVERIFY((reading.elements - PopupElements).isEmpty());
            QVERIFY(pageText(page).contains(launch));
            // Only a click may open a window; every launch can show the overlay.
            QCOMPARE(pageText(page).contains("window.open("), event == Event::OnClick);
            QVERIFY(pageText(page).contains("dialog.showModal();"));
            QCOMPARE(reading.elements.contains("a"), medium != Medium::Other);
            QCOMPARE(reading.elements.contains("img"), medium == Medium::ImageLink);
        }
    }

    void windowAndOverlayTakeTheRequestedSize() {
        PopupSettings settings = launchedBy(Event::OnClick, Medium::TextLink);
        settings.width = QStringLiteral("1000");
        settings.height = QStringLiteral("700");
        settings.statusbar = settings.scrollbars = true;
        const QString page = pageText(modernPopupPage(settings));
        QVERIFY(page.contains(
            "  var popup = window.open(url, name, \"directories=no,location=no,menubar=no,"
            "resizable=no,scrollbars=yes,status=yes,toolbar=no,width=1000,height=700,left=25,"
            "top=25\");"));
        QVERIFY(page.contains("<iframe title=\"Popup window\" style=\"display:block;border:0;"
                              "width:1000px;height:700px;max-width:calc(100vw - 4em);"
                              "max-height:calc(100vh - 6em)\"></iframe>"));

        settings.fullScreen = true;
        const QString full = pageText(modernPopupPage(settings));
        QVERIFY(full.contains("window.open(url, name, \"width=\" + screen.availWidth + "
                              "\",height=\" + screen.availHeight + \",left=0,top=0\");"));
        QVERIFY(full.contains("width:calc(100vw - 4em);height:calc(100vh - 6em)"));
    }

    void closeTimerAndDelay() {
        PopupSettings settings = launchedBy(Event::AfterDelay, Medium::Other);
        settings.delaySeconds = QStringLiteral("5");
        settings.closeSeconds = QStringLiteral("15");
        QVERIFY(pageText(modernPopupPage(settings)).contains("var closeSeconds = 0;"));
        settings.closeAfterTime = true;
        const QString page = pageText(modernPopupPage(settings));
        QVERIFY(page.contains("var closeSeconds = 15;"));
        QVERIFY(page.contains("window.setTimeout(showOverlay, 5000);"));
        // Leaving the page never had a close timer.
        settings.event = Event::OnUnload;
        QVERIFY(pageText(modernPopupPage(settings)).contains("var closeSeconds = 0;"));
    }

    void statusMessageBecomesTheToolTip() {
        PopupSettings settings = launchedBy(Event::OnClick, Medium::ImageLink);
        settings.statusText = QStringLiteral("Our \"new\" page");
        settings.imagePath = QStringLiteral("/pics/go button.png");
        const QStringList page = modernPopupPage(settings);
        const qsizetype link =
            page.indexOf("<a href=\"pop.html\" title=\"Our &quot;new&quot; page\">");
        QVERIFY(link > 0);
        QCOMPARE(page[link + 1],
                 QStringLiteral("<img src=\"/pics/go%20button.png\" alt=\"Image\">"));
        settings.statusText.clear();
        QVERIFY(modernPopupPage(settings).contains("<a href=\"pop.html\">"));
    }

    void everyTypedValueStaysInItsPlace() {
        for (const Event event : {Event::OnClick, Event::OnMouseOver, Event::AfterDelay}) {
            PopupSettings settings = launchedBy(event, Medium::ImageLink);
            settings.url = settings.statusText = settings.imagePath = settings.width =
                settings.height = settings.left = settings.top = settings.closeSeconds =
                    settings.delaySeconds = HostileText;
            settings.closeAfterTime = true;
            const QStringList page = modernPopupPage(settings);
            const PageReading reading = readModernPage(page, true);
            QCOMPARE(reading.problems, QStringList());
            QVERIFY((reading.elements - PopupElements).isEmpty());
            QVERIFY(page.contains(
                "  var url = \"%22'&%3Cb%3Ex%3C/b%3E%3C/script%3E%3C!--%C3%A9%F0%9F%98%80%20%25#?"
                "%5C%20on=1\";"));
        }
    }
};

QTEST_APPLESS_MAIN(PopupModernPageTest)
#include "popup_modern_page_test.moc"
