#include "makers/mouseover/mouseover_modern_page.h"

#include "core/html5_page.h"
#include "core/web_escape.h"

namespace {

QString preloadLine(const QString& image) {
    return QLatin1String("new Image().src = ") + web::jsString(web::fileUrl(image)) +
           QLatin1Char(';');
}

QString linkLine(const MouseOverSettings& s) {
    QString line = QLatin1String("<a href=\"") + web::attribute(web::url(s.url)) + QLatin1Char('"');
    if (!s.statusText.isEmpty())
        line += QLatin1String(" title=\"") + web::attribute(s.statusText) + QLatin1Char('"');
    line += QLatin1String("><img src=\"") + web::attribute(web::fileUrl(s.initialImage)) +
            QLatin1String("\" data-over-src=\"") + web::attribute(web::fileUrl(s.mouseOverImage)) +
            QLatin1String("\" alt=\"") + web::attribute(s.alternateText) + QLatin1Char('"');
    if (s.imageBorder) {
        web::InlineStyle border;
        border.add("border-color", web::cssColour(s.borderColour))
            .add("border-style", web::cssBorderStyle(s.borderType))
            .add("border-width", web::cssLength(s.borderSize));
        line += QLatin1String(" style=\"") + border.attribute() + QLatin1Char('"');
    }
    return line + QLatin1String("></a>");
}

} // namespace

QStringList modernMouseOverHeadLines() {
    return web::html5Head({}, QStringLiteral("MouseOver Buttons")) << QStringLiteral("<script>");
}

QStringList modernMouseOverScriptLines() {
    return {
        QStringLiteral("(function () {"),
        QStringLiteral("  \"use strict\";"),
        QStringLiteral("  function bind(image) {"),
        QStringLiteral("    var link = image.closest(\"a\") || image;"),
        QStringLiteral("    var normal = image.getAttribute(\"src\");"),
        QStringLiteral("    var over = image.getAttribute(\"data-over-src\");"),
        QStringLiteral("    function swap() {"),
        QStringLiteral("      image.setAttribute(\"src\", over);"),
        QStringLiteral("    }"),
        QStringLiteral("    function restore() {"),
        QStringLiteral("      image.setAttribute(\"src\", normal);"),
        QStringLiteral("    }"),
        QStringLiteral("    image.setAttribute(\"data-over-bound\", \"\");"),
        QStringLiteral("    link.addEventListener(\"mouseenter\", swap);"),
        QStringLiteral("    link.addEventListener(\"focus\", swap);"),
        QStringLiteral("    link.addEventListener(\"mouseleave\", restore);"),
        QStringLiteral("    link.addEventListener(\"blur\", restore);"),
        QStringLiteral("  }"),
        QStringLiteral("  function bindAll() {"),
        QStringLiteral(
            "    document.querySelectorAll(\"img[data-over-src]:not([data-over-bound])\")"
            ".forEach(bind);"),
        QStringLiteral("  }"),
        QStringLiteral("  if (document.readyState === \"loading\") {"),
        QStringLiteral("    document.addEventListener(\"DOMContentLoaded\", bindAll);"),
        QStringLiteral("  } else {"),
        QStringLiteral("    bindAll();"),
        QStringLiteral("  }"),
        QStringLiteral("})();"),
        QStringLiteral("</script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
    };
}

MouseOverButtonLines modernMouseOverButton(const MouseOverSettings& typed,
                                           const MouseOverCounters& counters) {
    const MouseOverSettings settings = validSettings(typed, web::PageKind::Modern);
    MouseOverButtonLines added;
    added.counters = counters;
    if (settings.preloadImages) {
        added.headLines << preloadLine(settings.initialImage)
                        << preloadLine(settings.mouseOverImage);
        added.counters.preloads += 2;
    }
    added.counters.buttons += 1;
    added.bodyLines << linkLine(settings);
    if (settings.vertical)
        added.bodyLines << QStringLiteral("<br>");
    return added;
}

QStringList MouseOverDocument::headLines() const {
    return modern ? modernMouseOverHeadLines() : mouseOverHeadLines();
}

QStringList MouseOverDocument::scriptLines() const {
    return modern ? modernMouseOverScriptLines() : mouseOverScriptLines();
}

MouseOverButtonLines MouseOverDocument::button(const MouseOverSettings& settings,
                                               const MouseOverCounters& counters) const {
    return modern ? modernMouseOverButton(settings, counters) : mouseOverButton(settings, counters);
}
