#include "makers/slideshow/slideshow_modern_page.h"

#include "core/html5_page.h"
#include "core/web_escape.h"

#include <QStringBuilder>

namespace {

// A file as the page refers to it: by its full path, or by its bare name
// where the page is published beside its files.
class FileReference final {
public:
    explicit FileReference(bool published) : published(published) {}
    QString path(const QString& file) const { return published ? bareFileName(file) : file; }
    // The reference as a double-quoted attribute value.
    QString attribute(const QString& file) const {
        return web::attribute(web::fileUrl(path(file)));
    }

private:
    bool published;
};

QString styleWord(bool down, const char* word, const char* up) {
    return QLatin1String(down ? word : up);
}

// The two cells that take the heading colour, and the two that do not. The
// console's border, like a table's border attribute, frames every cell too.
QString cellStyle(const SlideshowSettings& s, bool headingColour) {
    web::InlineStyle style;
    style.add("text-align", QStringLiteral("center")).add("padding", web::cssLength(s.cellPadding));
    if (s.borderWidth.trimmed().toDouble() > 0)
        style.add("border-style", QStringLiteral("solid"))
            .add("border-width", QStringLiteral("1px"))
            .add("border-color", web::cssColour(s.borderColor));
    if (headingColour)
        style.add("background-color", web::cssColour(s.headingCellColor));
    return style.attribute();
}

QString tableStyle(const SlideshowSettings& s) {
    web::InlineStyle style;
    style.add("border-style", QStringLiteral("solid"))
        .add("border-width", web::cssLength(s.borderWidth))
        .add("border-color", web::cssColour(s.borderColor))
        .add("border-spacing", web::cssLength(s.cellSpacing))
        .add("background-color", web::cssColour(s.consoleColor));
    if (s.centreConsole)
        style.add("margin-left", QStringLiteral("auto"))
            .add("margin-right", QStringLiteral("auto"));
    return style.attribute();
}

QString controlStyle(const QString& colour, const QString& background, const QString& font,
                     const QString& borderStyle, const QString& borderWidth) {
    web::InlineStyle style;
    style.add("color", web::cssColour(colour))
        .add("background-color", web::cssColour(background))
        .add("font-family", web::cssFontFamily(font))
        .add("border-style", web::cssBorderStyle(borderStyle))
        .add("border-width", web::cssLength(borderWidth));
    return style.attribute();
}

struct Button {
    const char* step;
    const char* label;
    const char* title;
    const char* caption;
};

// The rotation control comes first, so it is the first stop in the
// slideshow's tab order.
const Button Buttons[] = {
    {"toggle", nullptr, "Start/Stop Slideshow", "Start"},
    {"first", "First", "Start", "|&lt;&lt;"},
    {"previous", "Previous", "Previous", "&lt;"},
    {"next", "Next", "Next", "&gt;"},
    {"last", "Last", "End", "&gt;&gt;|"},
};

// Rotation runs only once the visitor asks for it. It pauses while the
// pointer is over the show (other than on Start/Stop) and stops for good when
// focus moves into it, so what a visitor is reading or operating never
// changes under them. While it is stopped, each slide change is announced.
const QStringList RotationScriptHead = {
    QStringLiteral("var image = root.querySelector(\"[data-slideshow=image]\");"),
    QStringLiteral("var list = root.querySelector(\"[data-slideshow=list]\");"),
    QStringLiteral("var toggle = root.querySelector(\"[data-slideshow=toggle]\");"),
    QStringLiteral("var slides = root.querySelector(\"[data-slideshow=slides]\");"),
    QStringLiteral("var slide = root.querySelector(\"[data-slideshow=slide]\");"),
    QStringLiteral("var timer = 0;"),
    QStringLiteral("var hovering = false;"),
    QStringLiteral("function show(index) {"),
    QStringLiteral("  var count = list.options.length;"),
    QStringLiteral("  var choice = list.options[(index % count + count) % count];"),
    QStringLiteral("  list.selectedIndex = choice.index;"),
};

// How a slide is shown: the one image takes the slide's file.
const QStringList ShowImage = {
    QStringLiteral("  image.src = choice.value;"),
    QStringLiteral("  image.alt = choice.text;"),
};

// Each slide has its own picture, loaded only when it is about to be shown;
// the next one is fetched ahead, so a step never waits for it.
const QStringList ShowPicture = {
    QStringLiteral("  pictures.forEach(function (picture, at) {"),
    QStringLiteral("    picture.hidden = at !== choice.index;"),
    QStringLiteral("  });"),
    QStringLiteral("  preload(choice.index + 1);"),
};

const QStringList PictureScript = {
    QStringLiteral("var pictures = root.querySelectorAll(\"[data-slideshow=picture]\");"),
    QStringLiteral("function preload(index) {"),
    QStringLiteral(
        "  pictures[index % pictures.length].querySelector(\"img\").loading = \"eager\";"),
    QStringLiteral("}"),
    QStringLiteral("preload(1);"),
};

const QStringList RotationScriptTail = {
    QStringLiteral("  slide.setAttribute(\"aria-label\", (choice.index + 1) + \" of \" + count);"),
    QStringLiteral("}"),
    QStringLiteral("function stop() {"),
    QStringLiteral("  window.clearInterval(timer);"),
    QStringLiteral("  timer = 0;"),
    QStringLiteral("  toggle.textContent = \"Start\";"),
    QStringLiteral("  slides.setAttribute(\"aria-live\", \"polite\");"),
    QStringLiteral("}"),
    QStringLiteral("function start() {"),
    QStringLiteral("  stop();"),
    QStringLiteral("  toggle.textContent = \"Stop\";"),
    QStringLiteral("  slides.setAttribute(\"aria-live\", \"off\");"),
    QStringLiteral("  show(list.selectedIndex + 1);"),
    QStringLiteral("  timer = window.setInterval(function () {"),
    QStringLiteral("    if (!hovering) {"),
    QStringLiteral("      show(list.selectedIndex + 1);"),
    QStringLiteral("    }"),
    QStringLiteral("  }, delay);"),
    QStringLiteral("}"),
    QStringLiteral("var steps = {"),
    QStringLiteral("  first: function () {"),
    QStringLiteral("    show(0);"),
    QStringLiteral("  },"),
    QStringLiteral("  previous: function () {"),
    QStringLiteral("    show(list.selectedIndex - 1);"),
    QStringLiteral("  },"),
    QStringLiteral("  next: function () {"),
    QStringLiteral("    show(list.selectedIndex + 1);"),
    QStringLiteral("  },"),
    QStringLiteral("  last: function () {"),
    QStringLiteral("    show(list.options.length - 1);"),
    QStringLiteral("  },"),
    QStringLiteral("  toggle: function () {"),
    QStringLiteral("    if (timer) {"),
    QStringLiteral("      stop();"),
    QStringLiteral("    } else {"),
    QStringLiteral("      start();"),
    QStringLiteral("    }"),
    QStringLiteral("  }"),
    QStringLiteral("};"),
    QStringLiteral("root.querySelectorAll(\"button[data-slideshow]\").forEach(function (button) {"),
    QStringLiteral(
        "  button.addEventListener(\"click\", steps[button.getAttribute(\"data-slideshow\")]);"),
    QStringLiteral("});"),
    QStringLiteral("list.addEventListener(\"change\", function () {"),
    QStringLiteral("  show(list.selectedIndex);"),
    QStringLiteral("});"),
    QStringLiteral("root.addEventListener(\"mouseover\", function (event) {"),
    QStringLiteral("  hovering = !toggle.contains(event.target);"),
    QStringLiteral("});"),
    QStringLiteral("root.addEventListener(\"mouseleave\", function () {"),
    QStringLiteral("  hovering = false;"),
    QStringLiteral("});"),
    QStringLiteral("root.addEventListener(\"focusin\", function (event) {"),
    QStringLiteral("  if (timer && event.target !== toggle) {"),
    QStringLiteral("    stop();"),
    QStringLiteral("  }"),
    QStringLiteral("});"),
    QStringLiteral(
        "var keys = {ArrowLeft: \"previous\", ArrowUp: \"previous\", ArrowRight: \"next\","),
    QStringLiteral("  ArrowDown: \"next\", Home: \"first\", End: \"last\"};"),
    QStringLiteral("root.addEventListener(\"keydown\", function (event) {"),
    QStringLiteral("  var step = keys[event.key];"),
    QStringLiteral("  if (step && event.target !== list && !event.altKey && !event.ctrlKey &&"),
    QStringLiteral("      !event.metaKey) {"),
    QStringLiteral("    event.preventDefault();"),
    QStringLiteral("    steps[step]();"),
    QStringLiteral("  }"),
    QStringLiteral("});"),
};

// Autoplay is often blocked until the visitor first interacts with the page;
// the control lets them pause or play at any time. A sound the browser cannot
// play (no browser plays MIDI) is offered as a link instead of a broken
// player.
const QStringList SoundScript = {
    QStringLiteral("var sound = root.querySelector(\"audio\");"),
    QStringLiteral("function offerLink() {"),
    QStringLiteral("  sound.hidden = true;"),
    QStringLiteral("  sound.nextElementSibling.hidden = false;"),
    QStringLiteral("}"),
    QStringLiteral("if (sound.error) {"),
    QStringLiteral("  offerLink();"),
    QStringLiteral("}"),
    QStringLiteral("sound.addEventListener(\"error\", offerLink);"),
    QStringLiteral("function playOnFirstInteraction() {"),
    QStringLiteral("  function play() {"),
    QStringLiteral("    document.removeEventListener(\"pointerdown\", play, true);"),
    QStringLiteral("    document.removeEventListener(\"keydown\", play, true);"),
    QStringLiteral("    sound.play().catch(function () {});"),
    QStringLiteral("  }"),
    QStringLiteral("  document.addEventListener(\"pointerdown\", play, true);"),
    QStringLiteral("  document.addEventListener(\"keydown\", play, true);"),
    QStringLiteral("}"),
    QStringLiteral("sound.play().catch(playOnFirstInteraction);"),
};

// One message per right click, in place of the context menu; a second
// slideshow on the same page leaves a click the first one answered alone.
QStringList rightClickScript(const QString& message) {
    return {
        QLatin1String("var message = ") + web::jsString(message) + QLatin1Char(';'),
        QStringLiteral("document.addEventListener(\"contextmenu\", function (event) {"),
        QStringLiteral("  if (!event.defaultPrevented) {"),
        QStringLiteral("    event.preventDefault();"),
        QStringLiteral("    window.alert(message);"),
        QStringLiteral("  }"),
        QStringLiteral("});"),
    };
}

// What the page shows first, the Start entry, then Image 1, 2 ...; a file
// left empty is no slide.
struct Slide {
    QString file;
    QString name;
};

QList<Slide> slidesOf(const SlideshowSettings& s, const FileReference& refer) {
    QList<Slide> slides;
    if (!refer.path(s.initialImage).trimmed().isEmpty())
        slides.append({s.initialImage, QStringLiteral("Start")});
    qsizetype number = 0;
    for (const QString& image : s.images) {
        ++number;
        if (!refer.path(image).trimmed().isEmpty())
            slides.append({image, QStringLiteral("Image ") + QString::number(number)});
    }
    return slides;
}

// The page's level-one heading: the heading text as styled, or the title
// for assistive technology when there is no heading text.
QString headingLine(const SlideshowSettings& s) {
    if (s.headingText.trimmed().isEmpty())
        return web::hiddenHeading(s.pageTitle.trimmed().isEmpty() ? QStringLiteral("Slideshow")
                                                                  : s.pageTitle);
    web::InlineStyle style;
    style.add("margin", QStringLiteral("0"))
        .add("font-family",
             web::cssFontFamily(s.headingFont + QLatin1String(", tahoma, arial, verdana")))
        .add("color", web::cssColour(s.headingColor))
        .add("font-size", web::cssLength(s.headingSize))
        .add("font-style", styleWord(s.headingItalic, "italic", "normal"))
        .add("font-weight", styleWord(s.headingBold, "bold", "normal"))
        .add("text-decoration", styleWord(s.headingUnderline, "underline", "none"));
    return QLatin1String("<h1 style=\"") + style.attribute() + QLatin1String("\">") +
           web::htmlText(s.headingText) + QLatin1String("</h1>");
}

// A published file name as a srcset candidate: a comma would end it there.
QString candidate(const QString& file, const char* density = "") {
    return web::attribute(web::fileUrl(file).replace(u',', QLatin1String("%2C"))) +
           QLatin1String(density);
}

QString sourceSet(const QString& file, const QString& twice) {
    return twice.isEmpty() ? candidate(file)
                           : candidate(file) + QLatin1String(", ") + candidate(twice, " 2x");
}

// What an option names: the slide's file, or the file published for it.
QString slideFile(const QString& slide, const WebImages& images, const FileReference& refer) {
    const auto published = images.constFind(slide);
    return published == images.cend() ? refer.attribute(slide)
                                      : web::attribute(web::fileUrl(published->fallback));
}

// With the slide images published for the web, a picture per slide, each
// with its size so that nothing moves when the slides change; the first is
// loaded at once, the others when they are about to be shown.
QStringList pictureLines(const QList<Slide>& slides, const WebImages& images,
                         const FileReference& refer) {
    QStringList lines;
    for (qsizetype index = 0; index < slides.size(); ++index) {
        const WebImage image = images.value(slides[index].file);
        QString line = QLatin1String("<picture data-slideshow=\"picture\"") +
                       QLatin1String(index ? " hidden>" : ">");
        if (!image.webp.isEmpty())
            line += QLatin1String("<source type=\"image/webp\" srcset=\"") +
                    sourceSet(image.webp, image.webp2x) + QLatin1String("\">");
        line += QLatin1String("<img src=\"") + slideFile(slides[index].file, images, refer) +
                QLatin1Char('"');
        if (!image.fallback2x.isEmpty())
            line += QLatin1String(" srcset=\"") + sourceSet(image.fallback, image.fallback2x) +
                    QLatin1Char('"');
        if (image.width > 0)
            line +=
                QStringLiteral(" width=\"%1\" height=\"%2\"").arg(image.width).arg(image.height);
        lines << line + QLatin1String(" alt=\"") + slides[index].name +
                     QLatin1String(index ? "\" loading=\"lazy\"></picture>"
                                         : "\" loading=\"eager\"></picture>");
    }
    return lines;
}

// The slide on show, announced as "1 of 3" while the show is not rotating.
QStringList slideLines(const QList<Slide>& slides, const WebImages& images,
                       const FileReference& refer) {
    const Slide& first = slides.first();
    return QStringList{QStringLiteral("<div aria-live=\"polite\" data-slideshow=\"slides\">"),
                       QLatin1String("<div role=\"group\" aria-roledescription=\"slide\" "
                                     "aria-label=\"1 of ") +
                           QString::number(slides.size()) +
                           QLatin1String("\" data-slideshow=\"slide\">")} +
           (images.isEmpty()
                ? QStringList{QLatin1String("<img src=\"") + refer.attribute(first.file) +
                              QLatin1String("\" alt=\"") + first.name +
                              QLatin1String("\" data-slideshow=\"image\">")}
                : pictureLines(slides, images, refer)) +
           QStringList{QStringLiteral("</div>"), QStringLiteral("</div>")};
}

// The rows below the slide: the step buttons, then the list of slides.
QStringList controlLines(const SlideshowSettings& s, const QList<Slide>& slides,
                         const WebImages& images, const FileReference& refer) {
    QStringList lines{QStringLiteral("</td>"), QStringLiteral("</tr>"), QStringLiteral("<tr>"),
                      QLatin1String("<td style=\"") + cellStyle(s, true) + QLatin1String("\">")};
    const QString buttonStyle =
        controlStyle(s.buttonTextColor, s.buttonBackgroundColor, s.buttonFont, s.buttonBorderStyle,
                     s.buttonBorderWidth);
    for (const Button& button : Buttons) {
        QString line = QLatin1String("<button type=\"button\" data-slideshow=\"") +
                       QLatin1String(button.step) + QLatin1Char('"');
        if (button.label)
            line +=
                QLatin1String(" aria-label=\"") + QLatin1String(button.label) + QLatin1Char('"');
        lines << line + QLatin1String(" title=\"") + QLatin1String(button.title) +
                     QLatin1String("\" style=\"") + buttonStyle + QLatin1String("\">") +
                     QLatin1String(button.caption) + QLatin1String("</button>");
    }
    lines << QStringLiteral("</td>") << QStringLiteral("</tr>") << QStringLiteral("<tr>")
          << QLatin1String("<td style=\"") + cellStyle(s, false) + QLatin1String("\">")
          << QLatin1String("<label>") + web::hiddenLabel(QStringLiteral("Slide")) +
                 QLatin1String("<select data-slideshow=\"list\" style=\"") +
                 controlStyle(s.listItemColor, s.listBackgroundColor, s.listFont, s.listBorderStyle,
                              s.listBorderWidth) +
                 QLatin1String("\">");
    bool first = true;
    for (const Slide& slide : slides) {
        lines << (u"<option value=\"" % slideFile(slide.file, images, refer) % u"\"" %
                  (first ? u" selected>" : u">") % slide.name % u"</option>");
        first = false;
    }
    return lines << QStringLiteral("</select></label>") << QStringLiteral("</td>")
                 << QStringLiteral("</tr>");
}

QStringList pageLines(const SlideshowSettings& s, qint64 delay, const FileReference& refer,
                      const WebImages& images) {
    const bool sound = s.playSound && !s.sound.isEmpty();
    const QList<Slide> slides = slidesOf(s, refer);
    QStringList lines = web::html5Head(s.pageTitle, QStringLiteral("Slideshow"));
    lines.reserve(lines.size() + s.images.size() + 170);

    web::InlineStyle page;
    page.add("background-color", web::cssColour(s.pageBackgroundColor));
    if (s.backgroundImage.trimmed().size() >= 2)
        page.add("background-image", web::cssUrl(refer.path(s.backgroundImage)));
    QStringList style = {QStringLiteral("table { max-width: 100%; }"),
                         QStringLiteral("[data-slideshow] a { display: inline-block; "
                                        "min-height: 24px; }"),
                         QStringLiteral("[data-slideshow=image] { display: block; "
                                        "margin: 0 auto; }")};
    // A picture keeps its proportions on a screen narrower than it.
    if (!images.isEmpty())
        style << QStringLiteral("[data-slideshow=picture] img { display: block; margin: 0 auto; "
                                "max-width: 100%; height: auto; }");
    lines << web::pageStyle(style) << QStringLiteral("</head>")
          << QLatin1String("<body style=\"") + page.attribute() + QLatin1String("\">")
          << QStringLiteral("<main>")
          << QStringLiteral("<div role=\"region\" aria-roledescription=\"carousel\" "
                            "aria-label=\"Slideshow\" data-slideshow>");
    lines << QLatin1String("<table role=\"presentation\" style=\"") + tableStyle(s) +
                 QLatin1String("\">")
          << QStringLiteral("<tr>")
          << QLatin1String("<td style=\"") + cellStyle(s, true) + QLatin1String("\">")
          << headingLine(s) << QStringLiteral("</td>") << QStringLiteral("</tr>")
          << QStringLiteral("<tr>")
          << QLatin1String("<td style=\"") + cellStyle(s, false) + QLatin1String("\">");
    if (slides.isEmpty())
        lines << QStringLiteral("<p>This slideshow has no pictures yet.</p>")
              << QStringLiteral("</td>") << QStringLiteral("</tr>");
    else
        lines << slideLines(slides, images, refer) << controlLines(s, slides, images, refer);
    lines << QStringLiteral("</table>");
    // Below the console, so Start/Stop stays the first control.
    if (sound)
        lines << QLatin1String("<audio src=\"") + refer.attribute(s.sound) +
                     QLatin1String("\" loop controls preload=\"auto\"></audio>")
              << QLatin1String("<a href=\"") + refer.attribute(s.sound) +
                     QLatin1String("\" hidden>Background music</a>");

    QStringList script;
    if (!slides.isEmpty())
        script << QLatin1String("var delay = ") + QString::number(qMax<qint64>(delay, 0)) +
                      QLatin1Char(';')
               << RotationScriptHead << (images.isEmpty() ? ShowImage : ShowPicture)
               << RotationScriptTail;
    if (!slides.isEmpty() && !images.isEmpty())
        script << PictureScript;
    if (sound)
        script << SoundScript;
    if (s.rightClickDisable)
        script << rightClickScript(s.rightClickMessage);
    if (!script.isEmpty())
        lines << web::scopedScript(script);
    lines << QStringLiteral("</div>") << QStringLiteral("</main>") << QStringLiteral("</body>")
          << QStringLiteral("</html>");
    return lines;
}

SlideshowPage buildPage(const SlideshowSettings& typed, bool published,
                        const WebImages& images = {}) {
    const SlideshowSettings settings = validSettings(typed, web::PageKind::Modern);
    const SlideshowCheck check = checkSlideshow(settings, published);
    if (!check.refusal.isEmpty())
        return {{}, check.refusal};
    return {pageLines(settings, check.delay, FileReference(published), images), {}};
}

} // namespace

SlideshowPage modernSlideshowPage(const SlideshowSettings& settings) {
    return buildPage(settings, false);
}

SlideshowPage modernPublishedSlideshowPage(const SlideshowSettings& settings,
                                           const WebImages& images) {
    return buildPage(settings, true, images);
}
