#include "makers/slideshow/slideshow_page.h"

#include <QTest>

namespace {

// The page for the default settings, the initial image "/pics/start.jpg" and
// the one list image "/pics/one.jpg".
const char* const DefaultPage = R"page(<html>
<head>
<title></title>
<script type="text/javascript">
<!--
var rotate_delay =1000;
current = 0;
function next() {
if (document.slideform.slide[current+1]) {
document.images.show.src = document.slideform.slide[current+1].value;
document.slideform.slide.selectedIndex = ++current;
}
else first();
}
function previous() {
if (current-1 >= 0) {
document.images.show.src = document.slideform.slide[current-1].value;
document.slideform.slide.selectedIndex = --current;
}
else last();
}
function first() {
current = 0;
document.images.show.src = document.slideform.slide[0].value;
document.slideform.slide.selectedIndex = 0;
}
function last() {
current = document.slideform.slide.length-1;
document.images.show.src = document.slideform.slide[current].value;
document.slideform.slide.selectedIndex = current;
}
function ap(text) {
document.slideform.slidebutton.value = (text == "Stop") ? "Start" : "Stop";
rotate();
}
function change() {
current = document.slideform.slide.selectedIndex;
document.images.show.src = document.slideform.slide[current].value;
}
function rotate() {
if (document.slideform.slidebutton.value == "Stop") {
current = (current == document.slideform.slide.length-1) ? 0 : current+1;
document.images.show.src = document.slideform.slide[current].value;
document.slideform.slide.selectedIndex = current;
window.setTimeout("rotate()", rotate_delay);
}
}
//-->
</script>
</head>
<body bgcolor="#FFFFFF">
<form name="slideform">
<table border="1" bordercolor="#FFFFFF" cellpadding="2" cellspacing="2" bgcolor="#FFFFFF">
<tr>
<td align="center" bgcolor="#FFFFFF">
<font face="Times New Roman, tahoma, arial, verdana" color="#FFFFFF" style="font-size:10px; font-style:none; font-weight:none; text-decoration:none"></font>
</td>
</tr>
<tr>
<td align="center">
<img src="/pics/start.jpg" name="show">
</td>
</tr>
<tr>
<td align="center" bgcolor="#FFFFFF">
<select name="slide" onChange="change();" style="color:#FFFFFF; background-color:#FFFFFF; font-family:Times New Roman; border-style:Solid; border-width:0px">
<option value="/pics/start.jpg" selected>Start
<option value="/pics/one.jpg">Image 1
</select>
</td>
</tr>
<tr>
<td align="center">
<input type="button" onClick="first();" value="|<<" title="Start" style="color:#FFFFFF; background-color:#FFFFFF; font-family:Times New Roman; border-style:Solid; border-width:0px">
<input type="button" onClick="previous();" value="<" title="Previous" style="color:#FFFFFF; background-color:#FFFFFF; font-family:Times New Roman; border-style:Solid; border-width:0px">
<input type="button" name="slidebutton" onClick="ap(this.value);" value="Start" title="Start/Stop Slideshow" style="color:#FFFFFF; background-color:#FFFFFF; font-family:Times New Roman; border-style:Solid; border-width:0px">
<input type="button" onClick="next();" value=">" title="Next" style="color:#FFFFFF; background-color:#FFFFFF; font-family:Times New Roman; border-style:Solid; border-width:0px">
<input type="button" onClick="last();" value=">>|" title="End" style="color:#FFFFFF; background-color:#FFFFFF; font-family:Times New Roman; border-style:Solid; border-width:0px">
</td>
</tr>
</table>
</form>
</body>
</html>)page";

SlideshowSettings defaultSlideshow() {
    SlideshowSettings settings;
    settings.initialImage = QStringLiteral("/pics/start.jpg");
    settings.images = {QStringLiteral("/pics/one.jpg")};
    return settings;
}

QStringList defaultLines() {
    return QString::fromUtf8(DefaultPage).split(QLatin1Char('\n'));
}

QStringList made(const SlideshowSettings& settings) {
    const SlideshowPage page = slideshowPage(settings);
    if (page.refused())
        qWarning("refused: %s", qPrintable(page.refusal));
    return page.lines;
}

} // namespace

class SlideshowPageTest final : public QObject {
    Q_OBJECT
private slots:
    void defaultPageHasItsEightyFourLines() {
        const QStringList expected = defaultLines();
        QCOMPARE(expected.size(), 84);
        QCOMPARE(made(defaultSlideshow()), expected);
    }

    void everySettingLandsInItsPlace() {
        SlideshowSettings s = defaultSlideshow();
        s.pageTitle = QStringLiteral("Holiday \"2024\"");
        s.transitionTime = QStringLiteral("999");
        s.pageBackgroundColor = QStringLiteral("#000001");
        s.headingText = QStringLiteral("Our <b>trip</b>");
        s.headingFont = QStringLiteral("Verdana");
        s.headingColor = QStringLiteral("#000002");
        s.headingSize = QStringLiteral("abc");
        s.borderColor = QStringLiteral("#000003");
        s.borderWidth = QStringLiteral("7");
        s.consoleColor = QStringLiteral("#000004");
        s.headingCellColor = QStringLiteral("#000005");
        s.cellSpacing = QStringLiteral("11");
        s.cellPadding = QStringLiteral("12");
        s.buttonFont = QStringLiteral("Arial");
        s.buttonBackgroundColor = QStringLiteral("#000006");
        s.buttonTextColor = QStringLiteral("#000007");
        s.buttonBorderStyle = QStringLiteral("Groove");
        s.buttonBorderWidth = QStringLiteral("3");
        s.listFont = QStringLiteral("Courier");
        s.listBackgroundColor = QStringLiteral("#000008");
        s.listItemColor = QStringLiteral("#000009");
        s.listBorderStyle = QStringLiteral("Inset");
        s.listBorderWidth = QStringLiteral("4");
        const QStringList lines = made(s);
        QCOMPARE(lines.size(), 84);
        QCOMPARE(lines[2], QStringLiteral("<title>Holiday \"2024\"</title>"));
        QCOMPARE(lines[5], QStringLiteral("var rotate_delay =999000;"));
        QCOMPARE(lines[50], QStringLiteral("<body bgcolor=\"#000001\">"));
        QCOMPARE(lines[52], QStringLiteral("<table border=\"7\" bordercolor=\"#000003\" "
                                           "cellpadding=\"12\" cellspacing=\"11\" "
                                           "bgcolor=\"#000004\">"));
        QCOMPARE(lines[54], QStringLiteral("<td align=\"center\" bgcolor=\"#000005\">"));
        QCOMPARE(lines[55],
                 QStringLiteral("<font face=\"Verdana, tahoma, arial, verdana\" color=\"#000002\" "
                                "style=\"font-size:abcpx; font-style:none; font-weight:none; "
                                "text-decoration:none\">Our <b>trip</b></font>"));
        // The selector's cell takes the heading cell colour too.
        QCOMPARE(lines[64], lines[54]);
        QCOMPARE(lines[65], QStringLiteral("<select name=\"slide\" onChange=\"change();\" "
                                           "style=\"color:#000009; background-color:#000008; "
                                           "font-family:Courier; border-style:Inset; "
                                           "border-width:4px\">"));
        for (int button = 73; button < 78; ++button)
            QVERIFY2(lines[button].endsWith(QStringLiteral(
                         "style=\"color:#000007; background-color:#000006; font-family:Arial; "
                         "border-style:Groove; border-width:3px\">")),
                     qPrintable(lines[button]));
    }

    void styleWordsFollowTheirToggles() {
        SlideshowSettings s = defaultSlideshow();
        s.headingBold = true;
        QVERIFY(made(s)[55].contains("font-style:none; font-weight:bold; text-decoration:none\">"));
        s.headingBold = false;
        s.headingItalic = true;
        QVERIFY(
            made(s)[55].contains("font-style:italic; font-weight:none; text-decoration:none\">"));
        s.headingItalic = false;
        s.headingUnderline = true;
        QVERIFY(made(s)[55].contains(
            "font-style:none; font-weight:none; text-decoration:underline\">"));
    }

    void backgroundImageNeedsTwoCharactersAfterTrimming() {
        SlideshowSettings s = defaultSlideshow();
        s.backgroundImage = QStringLiteral(" \tx \n");
        QCOMPARE(made(s)[50], QStringLiteral("<body bgcolor=\"#FFFFFF\">"));
        s.backgroundImage = QStringLiteral(" xy ");
        QCOMPARE(made(s)[50], QStringLiteral("<body bgcolor=\"#FFFFFF\" background=\" xy \">"));
    }

    void soundLineFollowsItsCheckBoxOnly() {
        SlideshowSettings s = defaultSlideshow();
        s.sound = QStringLiteral("/music/tune.mid");
        QCOMPARE(made(s), defaultLines());
        s.playSound = true;
        QStringList expected = defaultLines();
        expected.insert(51,
                        QStringLiteral("<bgsound src=\"/music/tune.mid\" loop=\"10\"></bgsound>"));
        QCOMPARE(made(s), expected);
        s.sound.clear();
        QCOMPARE(made(s)[51], QStringLiteral("<bgsound src=\"\" loop=\"10\"></bgsound>"));
    }

    void rightClickScriptAddsElevenLinesAfterTheSound() {
        SlideshowSettings s = defaultSlideshow();
        s.rightClickDisable = true;
        s.rightClickMessage = QStringLiteral("Hands off!");
        s.playSound = true;
        const QStringList lines = made(s);
        QCOMPARE(lines.size(), 84 + 1 + 11);
        QVERIFY(lines[51].startsWith("<bgsound"));
        const QStringList script = lines.mid(52, 11);
        QCOMPARE(script,
                 QStringList({"<script type=\"text/javascript\">", "<!--", "function click() {",
                              "if (event.button==2 || event.button==1+2 || event.button==2+1) {",
                              "alert(\"Hands off!\");", "}", "}", "document.onmouseup=click;",
                              "document.onmousedown=click;", "//-->", "</script>"}));
        QCOMPARE(lines[63], QStringLiteral("<form name=\"slideform\">"));
    }

    void centringEndsTheTableLine() {
        SlideshowSettings s = defaultSlideshow();
        s.centreConsole = true;
        QVERIFY(made(s)[52].endsWith("bgcolor=\"#FFFFFF\" align=\"center\">"));
    }

    void oneOptionPerImageInListOrder() {
        SlideshowSettings s = defaultSlideshow();
        s.images = {QStringLiteral("/b/2.jpg"), QStringLiteral("/pics/start.jpg"),
                    QStringLiteral("/a/1.jpg")};
        const QStringList lines = made(s);
        QCOMPARE(lines.size(), 83 + 3);
        QCOMPARE(lines.mid(66, 4), QStringList({"<option value=\"/pics/start.jpg\" selected>Start",
                                                "<option value=\"/b/2.jpg\">Image 1",
                                                "<option value=\"/pics/start.jpg\">Image 2",
                                                "<option value=\"/a/1.jpg\">Image 3"}));
        QCOMPARE(lines[70], QStringLiteral("</select>"));
    }

    void pathsAreWrittenAsTyped() {
        SlideshowSettings s = defaultSlideshow();
        const QString odd = QStringLiteral("/home/zoë/my \"pics\"/it's $(rm -rf) ü.jpg");
        s.images = {odd};
        s.initialImage = odd;
        const QStringList lines = made(s);
        QCOMPARE(lines[60], "<img src=\"" + odd + "\" name=\"show\">");
        QCOMPARE(lines[67], "<option value=\"" + odd + "\">Image 1");
    }

    void refusalsComeInOrder() {
        SlideshowSettings s;
        s.transitionTime = QString();
        QCOMPARE(
            slideshowPage(s).refusal,
            QStringLiteral("No images in image list. Please add images before generating code!"));
        s.images = {QStringLiteral("/a.jpg")};
        for (const char* initial : {"", "  ", "\t/a\n"}) {
            s.initialImage = QLatin1String(initial);
            const SlideshowPage page = slideshowPage(s);
            QCOMPARE(page.refusal, QStringLiteral("Please specify an initial image first!"));
            QVERIFY(page.lines.isEmpty());
        }
        s.initialImage = QStringLiteral("/ab");
        for (const char* time : {"", "-", "+", "1.5", "2 ", "99999999999"}) {
            s.transitionTime = QLatin1String(time);
            const SlideshowPage page = slideshowPage(s);
            QCOMPARE(page.refusal,
                     QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(time)));
            QVERIFY(page.lines.isEmpty());
        }
        s.transitionTime = QStringLiteral("+3");
        QCOMPARE(made(s)[5], QStringLiteral("var rotate_delay =3000;"));
    }

    void publishedPageUsesBareNames() {
        SlideshowSettings s = defaultSlideshow();
        s.images = {QStringLiteral("/x/one.jpg"), QStringLiteral("/y/one.jpg"),
                    QStringLiteral("two.jpg")};
        s.backgroundImage = QStringLiteral("/bg/paper.gif");
        s.sound = QStringLiteral("/music/tune.mid");
        s.playSound = true;
        const SlideshowPage page = publishedSlideshowPage(s);
        QVERIFY(!page.refused());
        QStringList expected = made(s);
        expected[50] = QStringLiteral("<body bgcolor=\"#FFFFFF\" background=\"paper.gif\">");
        expected[51] = QStringLiteral("<bgsound src=\"tune.mid\" loop=\"10\"></bgsound>");
        expected[61] = QStringLiteral("<img src=\"start.jpg\" name=\"show\">");
        expected[67] = QStringLiteral("<option value=\"start.jpg\" selected>Start");
        expected[68] = QStringLiteral("<option value=\"one.jpg\">Image 1");
        expected[69] = QStringLiteral("<option value=\"one.jpg\">Image 2");
        expected[70] = QStringLiteral("<option value=\"two.jpg\">Image 3");
        QCOMPARE(page.lines, expected);
    }

    void publishedPageHasNoRefusalsButTheTransitionTime() {
        SlideshowSettings s;
        const SlideshowPage page = publishedSlideshowPage(s);
        QVERIFY(!page.refused());
        QCOMPARE(page.lines.size(), 83);
        QCOMPARE(page.lines[60], QStringLiteral("<img src=\"\" name=\"show\">"));
        QCOMPARE(page.lines[66], QStringLiteral("<option value=\"\" selected>Start"));
        s.transitionTime = QStringLiteral("-");
        QVERIFY(publishedSlideshowPage(s).refused());
    }

    void bareNameIsThePartAfterTheLastSlash() {
        QCOMPARE(bareFileName(QStringLiteral("/a/b/c.jpg")), QStringLiteral("c.jpg"));
        QCOMPARE(bareFileName(QStringLiteral("c.jpg")), QStringLiteral("c.jpg"));
        QCOMPARE(bareFileName(QStringLiteral("/a/b/")), QString());
        QCOMPARE(bareFileName(QStringLiteral("/a/back\\slash.jpg")),
                 QStringLiteral("back\\slash.jpg"));
    }

    void publishSourcesInCopyingOrder() {
        SlideshowSettings s;
        s.images = {QStringLiteral("/l/1.jpg"), QStringLiteral("ab"), QStringLiteral("/l/1.jpg")};
        s.initialImage = QStringLiteral("/i/0.jpg");
        s.sound = QStringLiteral("/s/x.wav");
        s.backgroundImage = QStringLiteral("/b/y.png");
        QCOMPARE(slideshowPublishSources(s),
                 QStringList({"/b/y.png", "/s/x.wav", "/i/0.jpg", "/l/1.jpg", "ab", "/l/1.jpg"}));
        // Three characters or fewer are no file; the sound is copied even
        // when it does not play.
        s.backgroundImage = QStringLiteral("a.b");
        s.initialImage.clear();
        QCOMPARE(slideshowPublishSources(s),
                 QStringList({"/s/x.wav", "/l/1.jpg", "ab", "/l/1.jpg"}));
    }
};

QTEST_GUILESS_MAIN(SlideshowPageTest)
#include "slideshow_page_test.moc"
