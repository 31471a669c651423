#include "makers/popup/popup_page.h"

#include <QTest>

using Event = PopupSettings::LaunchEvent;
using Medium = PopupSettings::LaunchMedium;

// Declared before the first use as test data.
Q_DECLARE_METATYPE(PopupSettings)

namespace {

const QString DefaultFeatures = QStringLiteral(
    "windowprops=\"directories=no,location=no,menubar=no,resizable=no,scrollbars=no,status=no,"
    "toolbar=no,width=320,height=240,left=25,screenX=25,top=25,screenY=25\";");

PopupSettings withUrl(const QString& url) {
    PopupSettings settings;
    settings.url = url;
    return settings;
}

// The 28 lines of the page with every setting at its default.
QStringList defaultPage(const QString& url) {
    return {QStringLiteral("<html>"),
            QStringLiteral("<head><title></title>"),
            QStringLiteral("<script type=\"text/javascript\">"),
            QStringLiteral("<!--"),
            QStringLiteral("closetime=0;"),
            QString(),
            QStringLiteral("function Start(URL){"),
            DefaultFeatures,
            QStringLiteral("preview=window.open(URL,\"popWin\",windowprops);"),
            QStringLiteral("if (closetime) setTimeout(\"preview.close();\", closetime*1000);"),
            QStringLiteral("}"),
            QString(),
            QStringLiteral("function popupWin(){"),
            QStringLiteral("url=\"") + url + QStringLiteral("\""),
            QStringLiteral("delay=0;"),
            QStringLiteral("timer = setTimeout(\"Start(url)\", delay*1000);"),
            QStringLiteral("window.status=\"\";"),
            QStringLiteral("}"),
            QStringLiteral("//-->"),
            QStringLiteral("</script>"),
            QStringLiteral("</head>"),
            QString(),
            QStringLiteral("<body>"),
            QStringLiteral("<a href=\"javascript:popupWin();\">"),
            QStringLiteral("Click Here"),
            QStringLiteral("</a>"),
            QStringLiteral("</body>"),
            QStringLiteral("</html>")};
}

// The lines after "</head>" and the empty line that follows it.
QStringList bodyOf(const QStringList& page) {
    return page.mid(page.indexOf("</head>") + 2);
}

} // namespace

class PopupPageTest final : public QObject {
    Q_OBJECT

private slots:
    void defaultPageIsTheClickLinkPage() {
        const QStringList page = popupPage(withUrl(QStringLiteral("http://example.com/a.html")));
        QCOMPARE(page, defaultPage(QStringLiteral("http://example.com/a.html")));
        QCOMPARE(page.size(), 28);
    }

    void loadPageHasNoLink() {
        PopupSettings settings = withUrl(QStringLiteral("pop.html"));
        settings.event = Event::OnLoad;
        settings.medium = Medium::Other;

        QStringList expected = defaultPage(QStringLiteral("pop.html"));
        expected.remove(23, 3);
        expected[22] = QStringLiteral("<body onLoad=\"popupWin();\">");
        QCOMPARE(popupPage(settings), expected);
        QCOMPARE(expected.size(), 25);
    }

    void unloadPageOpensTheWindowDirectly() {
        PopupSettings settings = withUrl(QStringLiteral("bye.html"));
        settings.event = Event::OnUnload;
        settings.medium = Medium::Other;
        // Close time and status text play no part in the unload page.
        settings.closeAfterTime = true;
        settings.closeSeconds = QStringLiteral("9");
        settings.statusText = QStringLiteral("ignored");

        const QStringList expected{
            QStringLiteral("<html>"),
            QStringLiteral("<head><title></title>"),
            QStringLiteral("<script type=\"text/javascript\">"),
            QStringLiteral("<!--"),
            QStringLiteral("function popupWin(){"),
            DefaultFeatures,
            QStringLiteral("window.open(\"bye.html\",\"popWin\",windowprops);"),
            QStringLiteral("}"),
            QStringLiteral("//-->"),
            QStringLiteral("</script>"),
            QStringLiteral("</head>"),
            QString(),
            QStringLiteral("<body onUnload=\"popupWin();\">"),
            QStringLiteral("</body>"),
            QStringLiteral("</html>")};
        QCOMPARE(popupPage(settings), expected);
    }

    void delayedPageWaitsAndStillWritesTheStatus() {
        PopupSettings settings = withUrl(QStringLiteral("later.html"));
        settings.event = Event::AfterDelay;
        settings.medium = Medium::Other;
        settings.delaySeconds = QStringLiteral("5");
        settings.statusText = QStringLiteral("Wait for it");

        const QStringList page = popupPage(settings);
        QCOMPARE(page.size(), 25);
        QCOMPARE(page[14], QStringLiteral("delay=5;"));
        QCOMPARE(page[16], QStringLiteral("window.status=\"Wait for it\";"));
        QCOMPARE(page[22], QStringLiteral("<body onLoad=\"popupWin();\">"));

        // The delay counts only for its own event.
        settings.event = Event::OnLoad;
        QCOMPARE(popupPage(settings)[14], QStringLiteral("delay=0;"));
    }

    void bodyByEventAndMedium_data() {
        QTest::addColumn<Event>("event");
        QTest::addColumn<Medium>("medium");
        QTest::addColumn<QStringList>("body");

        const QString image =
            QStringLiteral("<img src=\"pics/go.gif\" border=\"0\" alt=\"Image\">");
        const QString click = QStringLiteral("<a href=\"javascript:popupWin();\">");
        const QString out = QStringLiteral("<a href=\"\" onMouseOut=\"javascript:popupWin();\">");
        const QString over = QStringLiteral("<a href=\"\" onMouseOver=\"javascript:popupWin();\">");
        const QString end = QStringLiteral("</body>");
        const QString html = QStringLiteral("</html>");
        const QString onLoad = QStringLiteral("<body onLoad=\"popupWin();\">");

        QTest::newRow("click text")
            << Event::OnClick << Medium::TextLink
            << QStringList{"<body>", click, "Click Here", "</a>", end, html};
        QTest::newRow("click image") << Event::OnClick << Medium::ImageLink
                                     << QStringList{"<body>", click, image, "</a>", end, html};
        QTest::newRow("mouse out text")
            << Event::OnMouseOut << Medium::TextLink
            << QStringList{"<body>", out, "Click Here", "</a>", end, html};
        QTest::newRow("mouse out image") << Event::OnMouseOut << Medium::ImageLink
                                         << QStringList{"<body>", out, image, "</a>", end, html};
        QTest::newRow("mouse over text")
            << Event::OnMouseOver << Medium::TextLink
            << QStringList{"<body>", over, "Click Here", "</a>", end, html};
        QTest::newRow("mouse over image") << Event::OnMouseOver << Medium::ImageLink
                                          << QStringList{"<body>", over, image, "</a>", end, html};
        QTest::newRow("load") << Event::OnLoad << Medium::Other << QStringList{onLoad, end, html};
        QTest::newRow("unload") << Event::OnUnload << Medium::Other
                                << QStringList{"<body onUnload=\"popupWin();\">", end, html};
        QTest::newRow("delay") << Event::AfterDelay << Medium::Other
                               << QStringList{onLoad, end, html};
    }

    void bodyByEventAndMedium() {
        QFETCH(Event, event);
        QFETCH(Medium, medium);
        QFETCH(QStringList, body);

        PopupSettings settings = withUrl(QStringLiteral("u.html"));
        settings.event = event;
        settings.medium = medium;
        settings.imagePath = QStringLiteral("pics/go.gif");
        QCOMPARE(bodyOf(popupPage(settings)), body);
    }

    void featuresLine_data() {
        QTest::addColumn<PopupSettings>("settings");
        QTest::addColumn<QString>("line");

        PopupSettings settings;
        settings.statusbar = true;
        QTest::newRow("statusbar ticked")
            << settings << QString(DefaultFeatures).replace("status=no", "status=yes");

        settings = {};
        settings.directories = settings.location = settings.menubar = settings.resizable =
            settings.scrollbars = settings.statusbar = settings.toolbar = true;
        settings.width = settings.height = settings.left = settings.top = QStringLiteral("1000");
        QTest::newRow("all ticked, largest numbers")
            << settings
            << QStringLiteral(
                   "windowprops=\"directories=yes,location=yes,menubar=yes,resizable=yes,"
                   "scrollbars=yes,status=yes,toolbar=yes,width=1000,height=1000,"
                   "left=1000,screenX=1000,top=1000,screenY=1000\";");

        settings = {};
        settings.width = QStringLiteral("640");
        settings.height = QStringLiteral("480");
        settings.left = QStringLiteral("7");
        settings.top = QStringLiteral("1");
        settings.toolbar = true;
        settings.directories = true;
        QTest::newRow("width before height, positions twice")
            << settings
            << QStringLiteral("windowprops=\"directories=yes,location=no,menubar=no,resizable=no,"
                              "scrollbars=no,status=no,toolbar=yes,width=640,height=480,"
                              "left=7,screenX=7,top=1,screenY=1\";");

        settings.fullScreen = true;
        QTest::newRow("full screen ignores the rest")
            << settings << QStringLiteral("windowprops=\"fullscreen=yes\";");
    }

    void featuresLine() {
        QFETCH(PopupSettings, settings);
        QFETCH(QString, line);

        settings.url = QStringLiteral("x.html");
        QCOMPARE(popupWindowFeatures(settings), line);
        QCOMPARE(popupPage(settings)[7], line);
        settings.event = Event::OnUnload;
        QCOMPARE(popupPage(settings)[5], line);
    }

    void closeTimeIsTheFirstScriptLine() {
        PopupSettings settings = withUrl(QStringLiteral("x.html"));
        settings.closeAfterTime = true;
        settings.closeSeconds = QStringLiteral("15");
        QCOMPARE(popupPage(settings)[4], QStringLiteral("closetime=15;"));

        settings.closeSeconds = QStringLiteral("999");
        settings.event = Event::AfterDelay;
        settings.medium = Medium::Other;
        QCOMPARE(popupPage(settings)[4], QStringLiteral("closetime=999;"));
    }

    void typedTextIsWrittenAsTyped() {
        PopupSettings settings;
        settings.url = QStringLiteral("say \"hi\" & 'bye' <b>Grüße</b> – 日本");
        settings.statusText = QStringLiteral("</script><!-- \"quoted\" it's €5");
        settings.imagePath = QStringLiteral("C:\\pics\\\"x\" <y>.gif");
        settings.medium = Medium::ImageLink;

        const QStringList page = popupPage(settings);
        QCOMPARE(page.size(), 28);
        QCOMPARE(page[13], QStringLiteral("url=\"") + settings.url + QStringLiteral("\""));
        QCOMPARE(page[16],
                 QStringLiteral("window.status=\"") + settings.statusText + QStringLiteral("\";"));
        QCOMPARE(page[24], QStringLiteral("<img src=\"") + settings.imagePath +
                               QStringLiteral("\" border=\"0\" alt=\"Image\">"));
        // Everything around the typed texts stays as in the plain page.
        QStringList expected = defaultPage(settings.url);
        expected[16] = page[16];
        expected[24] = page[24];
        QCOMPARE(page, expected);

        settings.event = Event::OnUnload;
        settings.medium = Medium::Other;
        QCOMPARE(popupPage(settings)[6], QStringLiteral("window.open(\"") + settings.url +
                                             QStringLiteral("\",\"popWin\",windowprops);"));
    }

    void emptyTextsGiveEmptyValues() {
        PopupSettings settings;
        settings.medium = Medium::ImageLink;
        const QStringList page = popupPage(settings);
        QCOMPARE(page[13], QStringLiteral("url=\"\""));
        QCOMPARE(page[16], QStringLiteral("window.status=\"\";"));
        QCOMPARE(page[24], QStringLiteral("<img src=\"\" border=\"0\" alt=\"Image\">"));
    }
};

QTEST_APPLESS_MAIN(PopupPageTest)
#include "popup_page_test.moc"
