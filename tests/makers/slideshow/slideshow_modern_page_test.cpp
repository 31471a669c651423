#include "core/page_text.h"
#include "makers/slideshow/slideshow_modern_page.h"
#include "support/modern_page_checks.h"

#include <QTest>

namespace {

const QSet<QString> SlideshowElements = {"html",  "head",   "meta",   "title",  "body",   "div",
                                         "audio", "table",  "tr",     "td",     "span",   "img",
                                         "label", "select", "option", "button", "script", "a",
                                         "main",  "h1",     "style",  "p"};

SlideshowSettings slides(const QStringList& images) {
    SlideshowSettings settings;
    settings.images = images;
    settings.initialImage = QStringLiteral("/pics/start.jpg");
    return settings;
}

} // namespace

class SlideshowModernPageTest final : public QObject {
    Q_OBJECT

private slots:
    void refusesWhatTheClassicPageRefuses() {
        SlideshowSettings noImages = slides({});
        SlideshowSettings noStart = slides({"/pics/a.jpg"});
        noStart.initialImage = QStringLiteral("  x ");
        SlideshowSettings badTime = slides({"/pics/a.jpg"});
        badTime.transitionTime = QStringLiteral("-");
        for (const SlideshowSettings& settings : {noImages, noStart, badTime}) {
            const SlideshowPage modern = modernSlideshowPage(settings);
            QVERIFY(modern.refused());
            QCOMPARE(modern.refusal, slideshowPage(settings).refusal);
            QCOMPARE(modernPublishedSlideshowPage(settings).refusal,
                     publishedSlideshowPage(settings).refusal);
        }
        QVERIFY(!modernPublishedSlideshowPage(noImages).refused());
    }

    // A published show may have no pictures at all: it says so instead of
    // showing a broken image, and offers no controls that would do nothing.
    void emptyPublishedShow() {
        SlideshowSettings empty;
        const QStringList page = modernPublishedSlideshowPage(empty).lines;
        QCOMPARE(readModernPage(page, true).problems, QStringList());
        QVERIFY(page.contains("<p>This slideshow has no pictures yet.</p>"));
        for (const char* absent : {"<img", "<select", "<button", "<script"})
            QVERIFY2(!pageText(page).contains(absent), absent);
    }

    void defaultPage() {
        const QStringList page = modernSlideshowPage(slides({"/pics/one.jpg"})).lines;
        const PageReading reading = readModernPage(page, true);
        QCOMPARE(reading.problems, QStringList());
        QVERIFY((reading.elements - SlideshowElements).isEmpty());
        QVERIFY(!reading.elements.contains("audio"));
        QVERIFY(page.contains("<title>Slideshow</title>"));
        QVERIFY(page.contains("<body style=\"background-color:#FFFFFF\">"));
        QVERIFY(
            page.contains("<img src=\"/pics/start.jpg\" alt=\"Start\" data-slideshow=\"image\">"));
        QVERIFY(page.contains("<div role=\"group\" aria-roledescription=\"slide\" "
                              "aria-label=\"1 of 2\" data-slideshow=\"slide\">"));
        QVERIFY(page.filter("<button").first().contains("data-slideshow=\"toggle\""));
        QVERIFY(page.contains("<option value=\"/pics/start.jpg\" selected>Start</option>"));
        QVERIFY(page.contains("<option value=\"/pics/one.jpg\">Image 1</option>"));
        QVERIFY(page.contains(
            "<button type=\"button\" data-slideshow=\"toggle\" title=\"Start/Stop Slideshow\" "
            "style=\"color:#FFFFFF;background-color:#FFFFFF;font-family:'Times New Roman';"
            "border-style:solid;border-width:0px\">Start</button>"));
        QVERIFY(page.contains("  var delay = 1000;"));
        QCOMPARE(page.filter("setInterval").size(), 1);
        QVERIFY(!pageText(page).contains("contextmenu"));
    }

    void soundRightClickAndLook() {
        SlideshowSettings settings = slides({"/pics/one.jpg"});
        settings.playSound = true;
        settings.sound = QStringLiteral("/music/théme.mid");
        settings.rightClickDisable = true;
        settings.rightClickMessage = QStringLiteral("No \"copies\", please");
        settings.backgroundImage = QStringLiteral("/pics/back ground.png");
        settings.centreConsole = settings.headingBold = true;
        settings.headingText = QStringLiteral("Holiday");
        settings.borderWidth = QStringLiteral("0");
        const QStringList page = modernSlideshowPage(settings).lines;
        QCOMPARE(readModernPage(page, true).problems, QStringList());
        const qsizetype audio = page.indexOf("<audio src=\"/music/th%C3%A9me.mid\" loop controls "
                                             "preload=\"auto\"></audio>");
        QVERIFY(audio > 0);
        QCOMPARE(page[audio + 1],
                 QStringLiteral("<a href=\"/music/th%C3%A9me.mid\" hidden>Background music</a>"));
        QVERIFY(page.contains("  sound.play().catch(playOnFirstInteraction);"));
        QVERIFY(page.contains("  var message = \"No \\\"copies\\\", please\";"));
        QVERIFY(page.contains("<body style=\"background-color:#FFFFFF;"
                              "background-image:url('/pics/back%20ground.png')\">"));
        const QString table = page.filter("<table").first();
        QVERIFY(table.contains("border-width:0px") && table.contains("margin-left:auto"));
        QVERIFY(!page.filter("<td").first().contains("border"));
        QVERIFY(page.filter("<h1 style").first().contains("font-weight:bold"));

        settings.sound.clear();
        QVERIFY(!pageText(modernSlideshowPage(settings).lines).contains("<audio"));
    }

    void publishedPageUsesBareEncodedNames() {
        SlideshowSettings settings = slides({"/a/été & co.jpg", "/b/100% #1.png"});
        settings.backgroundImage = QStringLiteral("/c/it's.gif");
        settings.playSound = true;
        settings.sound = QStringLiteral("/d/song.wav");
        const QStringList page = modernPublishedSlideshowPage(settings).lines;
        QCOMPARE(readModernPage(page, true).problems, QStringList());
        QVERIFY(page.contains("<option value=\"%C3%A9t%C3%A9%20&amp;%20co.jpg\">Image 1</option>"));
        QVERIFY(page.contains("<option value=\"100%25%20%231.png\">Image 2</option>"));
        QVERIFY(page.contains("<option value=\"start.jpg\" selected>Start</option>"));
        QVERIFY(page.contains("<audio src=\"song.wav\" loop controls preload=\"auto\"></audio>"));
        QVERIFY(pageText(page).contains("background-image:url('it%27s.gif')"));
    }

    void webImagesGetAPictureEachWithTheirSize() {
        const SlideshowSettings settings = slides({"/a/one.jpg", "/b/two,x.png", "/c/wave.gif"});
        const WebImages images = {
            {"/pics/start.jpg",
             {"start-1600.jpg", "start-1600.webp", "start-3200.jpg", "start-3200.webp", 1600,
              1200}},
            {"/a/one.jpg", {"one-1600.jpg", "one-1600.webp", {}, {}, 1600, 900}},
            {"/b/two,x.png", {"two,x-1600.png", "two,x-1600.webp", {}, {}, 900, 1600}},
            {"/c/wave.gif", {"wave.gif", {}, {}, {}, 320, 200}},
        };
        const QStringList page = modernPublishedSlideshowPage(settings, images).lines;
        const PageReading reading = readModernPage(page, true);
        QCOMPARE(reading.problems, QStringList());
        QVERIFY(
            (reading.elements - SlideshowElements - QSet<QString>{"picture", "source"}).isEmpty());
        const QString look = QStringLiteral("></picture>");
        const qsizetype first = page.indexOf(
            "<picture data-slideshow=\"picture\"><source type=\"image/webp\" "
            "srcset=\"start-1600.webp, start-3200.webp 2x\"><img src=\"start-1600.jpg\" "
            "srcset=\"start-1600.jpg, start-3200.jpg 2x\" width=\"1600\" height=\"1200\" "
            "alt=\"Start\" loading=\"eager\"" +
            look);
        QVERIFY(first > 0);
        QCOMPARE(
            page.mid(first + 1, 3),
            QStringList({"<picture data-slideshow=\"picture\" hidden><source type=\"image/webp\" "
                         "srcset=\"one-1600.webp\"><img src=\"one-1600.jpg\" width=\"1600\" "
                         "height=\"900\" alt=\"Image 1\" loading=\"lazy\"" +
                             look,
                         "<picture data-slideshow=\"picture\" hidden><source type=\"image/webp\" "
                         "srcset=\"two%2Cx-1600.webp\"><img src=\"two,x-1600.png\" "
                         "width=\"900\" height=\"1600\" alt=\"Image 2\" loading=\"lazy\"" +
                             look,
                         "<picture data-slideshow=\"picture\" hidden><img src=\"wave.gif\" "
                         "width=\"320\" height=\"200\" alt=\"Image 3\" loading=\"lazy\"" +
                             look}));
        QVERIFY(page.contains("<option value=\"one-1600.jpg\">Image 1</option>"));
        QVERIFY(pageText(page).contains("preload(choice.index + 1);"));
        QVERIFY(pageText(page).contains("[data-slideshow=picture] img { display: block; "
                                        "margin: 0 auto; max-width: 100%; height: auto; }"));
        QVERIFY(!pageText(page).contains("image.src"));
        QCOMPARE(modernPublishedSlideshowPage(settings, {}).lines,
                 modernPublishedSlideshowPage(settings).lines);
    }

    void everyTypedValueStaysInItsPlace() {
        SlideshowSettings s = slides(QStringList(200, HostileText));
        s.initialImage = s.pageTitle = s.headingText = s.rightClickMessage = s.sound =
            s.backgroundImage = s.headingFont = s.headingSize = s.borderWidth = s.cellPadding =
                s.cellSpacing = s.buttonFont = s.buttonBorderStyle = s.listFont =
                    s.listBorderWidth = s.pageBackgroundColor = HostileText;
        s.playSound = s.rightClickDisable = true;
        for (const SlideshowPage& made :
             {modernSlideshowPage(s), modernPublishedSlideshowPage(s)}) {
            const PageReading reading = readModernPage(made.lines, true);
            QCOMPARE(reading.problems, QStringList());
            QVERIFY((reading.elements - SlideshowElements).isEmpty());
            QCOMPARE(made.lines.filter("\">Image ").size(), 200);
        }
    }
};

QTEST_APPLESS_MAIN(SlideshowModernPageTest)
#include "slideshow_modern_page_test.moc"
