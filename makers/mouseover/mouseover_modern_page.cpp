#include "makers/mouseover/mouseover_modern_page.h"

#include "core/html5_page.h"
#include "core/web_escape.h"

namespace {

QString preloadLine(const QString& image) {
    return QLatin1String("new Image().src = ") + web::jsString(web::fileUrl(image)) +
           QLatin1Char(';');
}

// The button: its link and, when it has a status message, the message as a
// tip that describes the link, shown on hover and focus like the over image.
QString linkLine(const MouseOverSettings& s, qint64 number) {
    const QString tip = QStringLiteral("mouseover-tip-%1").arg(number);
    QString line = QLatin1String("<span data-over-holder><a href=\"") +
                   web::attribute(web::url(s.url)) + QLatin1Char('"');
    if (!s.statusText.isEmpty())
        line += QLatin1String(" aria-describedby=\"") + tip + QLatin1Char('"');
    // A link needs a name: without alternate text, its address names it.
    if (s.alternateText.trimmed().isEmpty())
        line += QLatin1String(" aria-label=\"") +
                web::attribute(s.url.trimmed().isEmpty() ? QStringLiteral("Link") : s.url) +
                QLatin1Char('"');
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
    line += QLatin1String("></a>");
    if (!s.statusText.isEmpty())
        line += QLatin1String("<span role=\"tooltip\" id=\"") + tip + QLatin1String("\" hidden>") +
                web::htmlText(s.statusText) + QLatin1String("</span>");
    return line + QLatin1String("</span>");
}

} // namespace

QStringList modernMouseOverHeadLines() {
    return web::html5Head({}, QStringLiteral("MouseOver Buttons"))
           << web::pageStyle(
                  {QStringLiteral(
                       "[data-over-holder] { position: relative; display: inline-block; }"),
                   QStringLiteral("[data-over-holder] a { display: inline-block; min-width: 24px; "
                                  "min-height: 24px; }"),
                   QStringLiteral("[role=tooltip] { position: absolute; left: 0; top: 100%; "
                                  "z-index: 1; width: max-content; max-width: min(20em, 90vw); "
                                  "padding: 2px 4px; border: 1px solid #000000; "
                                  "background: #ffffe1; color: #000000; }")})
           << QStringLiteral("<script>");
}

QStringList modernMouseOverScriptLines() {
    return {
        QStringLiteral("(function () {"),
        QStringLiteral("  \"use strict\";"),
        QStringLiteral("  var tips = [];"),
        QStringLiteral("  function bind(image) {"),
        QStringLiteral("    var link = image.closest(\"a\") || image;"),
        QStringLiteral("    var holder = link.closest(\"[data-over-holder]\") || link;"),
        QStringLiteral("    var tip = holder.querySelector(\"[role=tooltip]\");"),
        QStringLiteral("    var normal = image.getAttribute(\"src\");"),
        QStringLiteral("    var over = image.getAttribute(\"data-over-src\");"),
        QStringLiteral("    function swap() {"),
        QStringLiteral("      image.setAttribute(\"src\", over);"),
        QStringLiteral("      if (tip) {"),
        QStringLiteral("        tip.hidden = false;"),
        QStringLiteral("      }"),
        QStringLiteral("    }"),
        // Pointer and focus each keep the button lit while the other leaves.
        QStringLiteral("    function restore() {"),
        QStringLiteral(
            "      if (holder.matches(\":hover\") || document.activeElement === link) {"),
        QStringLiteral("        return;"),
        QStringLiteral("      }"),
        QStringLiteral("      image.setAttribute(\"src\", normal);"),
        QStringLiteral("      if (tip) {"),
        QStringLiteral("        tip.hidden = true;"),
        QStringLiteral("      }"),
        QStringLiteral("    }"),
        QStringLiteral("    image.setAttribute(\"data-over-bound\", \"\");"),
        QStringLiteral("    holder.addEventListener(\"mouseenter\", swap);"),
        QStringLiteral("    link.addEventListener(\"focus\", swap);"),
        QStringLiteral("    holder.addEventListener(\"mouseleave\", restore);"),
        QStringLiteral("    link.addEventListener(\"blur\", restore);"),
        QStringLiteral("    if (tip) {"),
        QStringLiteral("      tips.push(tip);"),
        QStringLiteral("    }"),
        QStringLiteral("  }"),
        QStringLiteral("  function bindAll() {"),
        QStringLiteral(
            "    document.querySelectorAll(\"img[data-over-src]:not([data-over-bound])\")"
            ".forEach(bind);"),
        QStringLiteral("  }"),
        // Escape dismisses a shown message without moving pointer or focus.
        QStringLiteral("  document.addEventListener(\"keydown\", function (event) {"),
        QStringLiteral("    if (event.key === \"Escape\") {"),
        QStringLiteral("      tips.forEach(function (tip) {"),
        QStringLiteral("        tip.hidden = true;"),
        QStringLiteral("      });"),
        QStringLiteral("    }"),
        QStringLiteral("  });"),
        QStringLiteral("  if (document.readyState === \"loading\") {"),
        QStringLiteral("    document.addEventListener(\"DOMContentLoaded\", bindAll);"),
        QStringLiteral("  } else {"),
        QStringLiteral("    bindAll();"),
        QStringLiteral("  }"),
        QStringLiteral("})();"),
        QStringLiteral("</script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<main>"),
        web::hiddenHeading(QStringLiteral("MouseOver Buttons")),
    };
}

QStringList modernMouseOverClosingLines() {
    return QStringList{QStringLiteral("</main>")} + mouseOverClosingLines();
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
    added.bodyLines << linkLine(settings, added.counters.buttons);
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

QStringList MouseOverDocument::closingLines() const {
    return modern ? modernMouseOverClosingLines() : mouseOverClosingLines();
}

MouseOverButtonLines MouseOverDocument::button(const MouseOverSettings& settings,
                                               const MouseOverCounters& counters) const {
    return modern ? modernMouseOverButton(settings, counters) : mouseOverButton(settings, counters);
}
