#include "makers/slideshow/slideshow_page.h"

#include <QRegularExpression>
#include <QStringBuilder>
#include <functional>
#include <optional>

namespace {

const QString NoImagesRefusal =
    QStringLiteral("No images in image list. Please add images before generating code!");
const QString NoInitialImageRefusal = QStringLiteral("Please specify an initial image first!");

// Blanks and control characters at either end do not count.
QString trimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= ' ')
        ++start;
    while (end > start && text.at(end - 1).unicode() <= ' ')
        --end;
    return text.sliced(start, end - start);
}

// The rotation delay in milliseconds, or nothing when the transition time is
// not a whole number.
std::optional<qint64> rotationDelay(const QString& seconds) {
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (!wholeNumber.match(seconds).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = seconds.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return qint64(value) * 1000;
}

QString notWholeNumberMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

// How the page refers to a file: by its full path, or by its bare name.
using Reference = std::function<QString(const QString&)>;

const QStringList Script = {
    QStringLiteral("current = 0;"),
    QStringLiteral("function next() {"),
    QStringLiteral("if (document.slideform.slide[current+1]) {"),
    QStringLiteral("document.images.show.src = document.slideform.slide[current+1].value;"),
    QStringLiteral("document.slideform.slide.selectedIndex = ++current;"),
    QStringLiteral("}"),
    QStringLiteral("else first();"),
    QStringLiteral("}"),
    QStringLiteral("function previous() {"),
    QStringLiteral("if (current-1 >= 0) {"),
    QStringLiteral("document.images.show.src = document.slideform.slide[current-1].value;"),
    QStringLiteral("document.slideform.slide.selectedIndex = --current;"),
    QStringLiteral("}"),
    QStringLiteral("else last();"),
    QStringLiteral("}"),
    QStringLiteral("function first() {"),
    QStringLiteral("current = 0;"),
    QStringLiteral("document.images.show.src = document.slideform.slide[0].value;"),
    QStringLiteral("document.slideform.slide.selectedIndex = 0;"),
    QStringLiteral("}"),
    QStringLiteral("function last() {"),
    QStringLiteral("current = document.slideform.slide.length-1;"),
    QStringLiteral("document.images.show.src = document.slideform.slide[current].value;"),
    QStringLiteral("document.slideform.slide.selectedIndex = current;"),
    QStringLiteral("}"),
    QStringLiteral("function ap(text) {"),
    QStringLiteral(
        "document.slideform.slidebutton.value = (text == \"Stop\") ? \"Start\" : \"Stop\";"),
    QStringLiteral("rotate();"),
    QStringLiteral("}"),
    QStringLiteral("function change() {"),
    QStringLiteral("current = document.slideform.slide.selectedIndex;"),
    QStringLiteral("document.images.show.src = document.slideform.slide[current].value;"),
    QStringLiteral("}"),
    QStringLiteral("function rotate() {"),
    QStringLiteral("if (document.slideform.slidebutton.value == \"Stop\") {"),
    QStringLiteral("current = (current == document.slideform.slide.length-1) ? 0 : current+1;"),
    QStringLiteral("document.images.show.src = document.slideform.slide[current].value;"),
    QStringLiteral("document.slideform.slide.selectedIndex = current;"),
    QStringLiteral("window.setTimeout(\"rotate()\", rotate_delay);"),
    QStringLiteral("}"),
    QStringLiteral("}"),
    QStringLiteral("//-->"),
    QStringLiteral("</script>"),
    QStringLiteral("</head>"),
};

QStringList rightClickScript(const QString& message) {
    return {
        QStringLiteral("<script type=\"text/javascript\">"),
        QStringLiteral("<!--"),
        QStringLiteral("function click() {"),
        QStringLiteral("if (event.button==2 || event.button==1+2 || event.button==2+1) {"),
        QStringLiteral("alert(\"") + message + QStringLiteral("\");"),
        QStringLiteral("}"),
        QStringLiteral("}"),
        QStringLiteral("document.onmouseup=click;"),
        QStringLiteral("document.onmousedown=click;"),
        QStringLiteral("//-->"),
        QStringLiteral("</script>"),
    };
}

const char* const ButtonPrefixes[] = {
    "<input type=\"button\" onClick=\"first();\" value=\"|<<\" title=\"Start\" style=\"color:",
    "<input type=\"button\" onClick=\"previous();\" value=\"<\" title=\"Previous\" style=\"color:",
    "<input type=\"button\" name=\"slidebutton\" onClick=\"ap(this.value);\" value=\"Start\" "
    "title=\"Start/Stop Slideshow\" style=\"color:",
    "<input type=\"button\" onClick=\"next();\" value=\">\" title=\"Next\" style=\"color:",
    "<input type=\"button\" onClick=\"last();\" value=\">>|\" title=\"End\" style=\"color:",
};

QString styleWord(bool down, const char* word) {
    return down ? QLatin1String(word) : QStringLiteral("none");
}

QStringList pageLines(const SlideshowSettings& s, qint64 delay, const Reference& refer) {
    QStringList lines;
    lines.reserve(84 + s.images.size() + 12);
    lines << QStringLiteral("<html>") << QStringLiteral("<head>")
          << QStringLiteral("<title>") + s.pageTitle + QStringLiteral("</title>")
          << QStringLiteral("<script type=\"text/javascript\">") << QStringLiteral("<!--")
          << QStringLiteral("var rotate_delay =") + QString::number(delay) + QLatin1Char(';');
    lines << Script;

    QString body = QStringLiteral("<body bgcolor=\"") + s.pageBackgroundColor;
    if (trimBlanks(s.backgroundImage).size() >= 2)
        body += QStringLiteral("\" background=\"") + refer(s.backgroundImage);
    lines << body + QStringLiteral("\">");
    if (s.playSound)
        lines << QStringLiteral("<bgsound src=\"") + refer(s.sound) +
                     QStringLiteral("\" loop=\"10\"></bgsound>");
    if (s.rightClickDisable)
        lines << rightClickScript(s.rightClickMessage);

    lines << QStringLiteral("<form name=\"slideform\">")
          << QStringLiteral("<table border=\"") + s.borderWidth +
                 QStringLiteral("\" bordercolor=\"") + s.borderColor +
                 QStringLiteral("\" cellpadding=\"") + s.cellPadding +
                 QStringLiteral("\" cellspacing=\"") + s.cellSpacing +
                 QStringLiteral("\" bgcolor=\"") + s.consoleColor +
                 (s.centreConsole ? QStringLiteral("\" align=\"center\">") : QStringLiteral("\">"))
          << QStringLiteral("<tr>")
          << QStringLiteral("<td align=\"center\" bgcolor=\"") + s.headingCellColor +
                 QStringLiteral("\">")
          << QStringLiteral("<font face=\"") + s.headingFont +
                 QStringLiteral(", tahoma, arial, verdana\" color=\"") + s.headingColor +
                 QStringLiteral("\" style=\"font-size:") + s.headingSize +
                 QStringLiteral("px; font-style:") + styleWord(s.headingItalic, "italic") +
                 QStringLiteral("; font-weight:") + styleWord(s.headingBold, "bold") +
                 QStringLiteral("; text-decoration:") + styleWord(s.headingUnderline, "underline") +
                 QStringLiteral("\">") + s.headingText + QStringLiteral("</font>")
          << QStringLiteral("</td>") << QStringLiteral("</tr>") << QStringLiteral("<tr>")
          << QStringLiteral("<td align=\"center\">")
          << QStringLiteral("<img src=\"") + refer(s.initialImage) +
                 QStringLiteral("\" name=\"show\">")
          << QStringLiteral("</td>") << QStringLiteral("</tr>") << QStringLiteral("<tr>")
          << QStringLiteral("<td align=\"center\" bgcolor=\"") + s.headingCellColor +
                 QStringLiteral("\">")
          << QStringLiteral("<select name=\"slide\" onChange=\"change();\" style=\"color:") +
                 s.listItemColor + QStringLiteral("; background-color:") + s.listBackgroundColor +
                 QStringLiteral("; font-family:") + s.listFont + QStringLiteral("; border-style:") +
                 s.listBorderStyle + QStringLiteral("; border-width:") + s.listBorderWidth +
                 QStringLiteral("px\">")
          << QStringLiteral("<option value=\"") + refer(s.initialImage) +
                 QStringLiteral("\" selected>Start");
    // One line per slide, so each is assembled in a single allocation.
    qsizetype number = 0;
    for (const QString& image : s.images)
        lines << (u"<option value=\"" % refer(image) % u"\">Image " % QString::number(++number));
    lines << QStringLiteral("</select>") << QStringLiteral("</td>") << QStringLiteral("</tr>")
          << QStringLiteral("<tr>") << QStringLiteral("<td align=\"center\">");

    const QString buttonStyle = s.buttonTextColor + QStringLiteral("; background-color:") +
                                s.buttonBackgroundColor + QStringLiteral("; font-family:") +
                                s.buttonFont + QStringLiteral("; border-style:") +
                                s.buttonBorderStyle + QStringLiteral("; border-width:") +
                                s.buttonBorderWidth + QStringLiteral("px\">");
    for (const char* prefix : ButtonPrefixes)
        lines << QLatin1String(prefix) + buttonStyle;
    lines << QStringLiteral("</td>") << QStringLiteral("</tr>") << QStringLiteral("</table>")
          << QStringLiteral("</form>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines;
}

SlideshowPage buildPage(const SlideshowSettings& typed, bool published) {
    const SlideshowSettings settings = validSettings(typed, web::PageKind::Classic);
    const SlideshowCheck check = checkSlideshow(settings, published);
    if (!check.refusal.isEmpty())
        return {{}, check.refusal};
    const Reference fullPath = [](const QString& path) { return path; };
    return {pageLines(settings, check.delay, published ? Reference(&bareFileName) : fullPath), {}};
}

} // namespace

SlideshowSettings validSettings(SlideshowSettings settings, web::PageKind kind) {
    SlideshowSettings& s = settings;
    web::makeValid(kind, s.images, s.initialImage, s.transitionTime, s.rightClickMessage, s.sound,
                   s.pageTitle, s.pageBackgroundColor, s.backgroundImage, s.headingText,
                   s.headingFont, s.headingColor, s.headingSize, s.borderColor, s.borderWidth,
                   s.consoleColor, s.headingCellColor, s.cellSpacing, s.cellPadding, s.buttonFont,
                   s.buttonBackgroundColor, s.buttonTextColor, s.buttonBorderStyle,
                   s.buttonBorderWidth, s.listFont, s.listBackgroundColor, s.listItemColor,
                   s.listBorderStyle, s.listBorderWidth);
    return settings;
}

SlideshowCheck checkSlideshow(const SlideshowSettings& settings, bool published) {
    if (!published && settings.images.isEmpty())
        return {0, NoImagesRefusal};
    if (!published && trimBlanks(settings.initialImage).size() < 3)
        return {0, NoInitialImageRefusal};
    const std::optional<qint64> delay = rotationDelay(settings.transitionTime);
    if (!delay)
        return {0, notWholeNumberMessage(settings.transitionTime)};
    return {*delay, {}};
}

SlideshowPage slideshowPage(const SlideshowSettings& settings) {
    return buildPage(settings, false);
}

SlideshowPage publishedSlideshowPage(const SlideshowSettings& settings) {
    return buildPage(settings, true);
}

QStringList slideshowPublishSources(const SlideshowSettings& typed) {
    const SlideshowSettings settings = validSettings(typed, web::PageKind::Classic);
    QStringList sources;
    for (const QString* single :
         {&settings.backgroundImage, &settings.sound, &settings.initialImage})
        if (single->size() > 3)
            sources << *single;
    return sources + settings.images;
}

QString bareFileName(const QString& path) {
    return path.sliced(path.lastIndexOf(QLatin1Char('/')) + 1);
}
