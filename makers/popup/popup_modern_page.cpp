#include "makers/popup/popup_modern_page.h"

#include "core/html5_page.h"
#include "core/web_escape.h"

namespace {

using Event = PopupSettings::LaunchEvent;
using Medium = PopupSettings::LaunchMedium;

// A whole number the spin edit shows, or `fallback` when its text is none.
int number(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 0 ? value : fallback;
}

QString yesNo(bool ticked) {
    return ticked ? QStringLiteral("yes") : QStringLiteral("no");
}

// The JavaScript expression of the window features: the largest window the
// screen allows for full screen, else the ticked bars with size and position.
QString featuresExpression(const PopupSettings& s) {
    if (s.fullScreen)
        return QStringLiteral("\"width=\" + screen.availWidth + \",height=\" + "
                              "screen.availHeight + \",left=0,top=0\"");
    const QString features =
        QLatin1String("directories=") + yesNo(s.directories) + QLatin1String(",location=") +
        yesNo(s.location) + QLatin1String(",menubar=") + yesNo(s.menubar) +
        QLatin1String(",resizable=") + yesNo(s.resizable) + QLatin1String(",scrollbars=") +
        yesNo(s.scrollbars) + QLatin1String(",status=") + yesNo(s.statusbar) +
        QLatin1String(",toolbar=") + yesNo(s.toolbar) + QLatin1String(",width=") +
        QString::number(number(s.width, 320)) + QLatin1String(",height=") +
        QString::number(number(s.height, 240)) + QLatin1String(",left=") +
        QString::number(number(s.left, 25)) + QLatin1String(",top=") +
        QString::number(number(s.top, 25));
    return web::jsString(features);
}

// The overlay's frame takes the requested size, or the whole window for full
// screen, and never more than the visitor's window.
QString frameStyle(const PopupSettings& s) {
    web::InlineStyle style;
    style.add("display", QStringLiteral("block")).add("border", QStringLiteral("0"));
    if (s.fullScreen)
        style.add("width", QStringLiteral("calc(100vw - 4em)"))
            .add("height", QStringLiteral("calc(100vh - 6em)"));
    else
        style.add("width", QString::number(number(s.width, 320)) + QLatin1String("px"))
            .add("height", QString::number(number(s.height, 240)) + QLatin1String("px"))
            .add("max-width", QStringLiteral("calc(100vw - 4em)"))
            .add("max-height", QStringLiteral("calc(100vh - 6em)"));
    return style.attribute();
}

// Tapping or pressing Enter on a link that shows its popup on mouse over or
// out shows it too, rather than leaving the page.
const QStringList ActivationLines = {
    QStringLiteral("link.addEventListener(\"click\", function (event) {"),
    QStringLiteral("  event.preventDefault();"),
    QStringLiteral("  showOverlay();"),
    QStringLiteral("});"),
};

bool hasLink(Event event) {
    return event == Event::OnClick || event == Event::OnMouseOut || event == Event::OnMouseOver;
}

QStringList linkLines(const PopupSettings& s) {
    QString opening =
        QLatin1String("<a href=\"") + web::attribute(web::url(s.url)) + QLatin1Char('"');
    if (!s.statusText.isEmpty())
        opening += QLatin1String(" title=\"") + web::attribute(s.statusText) + QLatin1Char('"');
    QStringList lines{opening + QLatin1Char('>')};
    if (s.medium == Medium::TextLink)
        lines << QStringLiteral("Click Here");
    else if (s.medium == Medium::ImageLink)
        lines << QLatin1String("<img src=\"") + web::attribute(web::fileUrl(s.imagePath)) +
                     QLatin1String("\" alt=\"Image\">");
    lines << QStringLiteral("</a>");
    return lines;
}

// What starts the popup: the link's click or mouse event, the page's load
// (at once or after the delay), or the pointer leaving the page, which is
// the last moment a page that is being left can still show something.
QStringList launchLines(const PopupSettings& s) {
    switch (s.event) {
    case Event::OnClick:
        return {QStringLiteral("root.querySelector(\"a\").addEventListener(\"click\", "
                               "function (event) {"),
                QStringLiteral("  event.preventDefault();"), QStringLiteral("  openWindow();"),
                QStringLiteral("});")};
    // A mouse launch waits for the pointer to leave the link once the
    // overlay is closed, so closing it under a resting pointer does not
    // show it again.
    case Event::OnMouseOver:
        return QStringList{
                   QStringLiteral("var link = root.querySelector(\"a\");"),
                   QStringLiteral("var armed = true;"),
                   QStringLiteral("link.addEventListener(\"mouseenter\", function () {"),
                   QStringLiteral("  if (armed) {"),
                   QStringLiteral("    armed = false;"),
                   QStringLiteral("    showOverlay();"),
                   QStringLiteral("  }"),
                   QStringLiteral("});"),
                   QStringLiteral("document.addEventListener(\"mousemove\", function (event) {"),
                   QStringLiteral("  if (!dialog.open && !link.contains(event.target)) {"),
                   QStringLiteral("    armed = true;"),
                   QStringLiteral("  }"),
                   QStringLiteral("});")} +
               ActivationLines;
    case Event::OnMouseOut:
        return QStringList{QStringLiteral("var link = root.querySelector(\"a\");"),
                           QStringLiteral("var armed = false;"),
                           QStringLiteral("link.addEventListener(\"mouseenter\", function () {"),
                           QStringLiteral("  armed = !dialog.open;"),
                           QStringLiteral("});"),
                           QStringLiteral("link.addEventListener(\"mouseleave\", function () {"),
                           QStringLiteral("  if (armed) {"),
                           QStringLiteral("    armed = false;"),
                           QStringLiteral("    showOverlay();"),
                           QStringLiteral("  }"),
                           QStringLiteral("});")} +
               ActivationLines;
    case Event::OnLoad:
    case Event::AfterDelay:
        return {QStringLiteral("function launch() {"),
                s.event == Event::OnLoad
                    ? QStringLiteral("  showOverlay();")
                    : QLatin1String("  window.setTimeout(showOverlay, ") +
                          QString::number(number(s.delaySeconds, 0) * 1000) + QLatin1String(");"),
                QStringLiteral("}"),
                QStringLiteral("if (document.readyState === \"complete\") {"),
                QStringLiteral("  launch();"),
                QStringLiteral("} else {"),
                QStringLiteral("  window.addEventListener(\"load\", launch);"),
                QStringLiteral("}")};
    case Event::OnUnload:
        break;
    }
    // Keyboard and touch visitors leave without a pointer: the page losing
    // focus to the browser, or being hidden, shows it for their return.
    return {QStringLiteral("var left = false;"),
            QStringLiteral("function leaving() {"),
            QStringLiteral("  if (!left) {"),
            QStringLiteral("    left = true;"),
            QStringLiteral("    showOverlay();"),
            QStringLiteral("  }"),
            QStringLiteral("}"),
            QStringLiteral("document.addEventListener(\"mouseout\", function (event) {"),
            QStringLiteral("  if (!event.relatedTarget && event.clientY <= 0) {"),
            QStringLiteral("    leaving();"),
            QStringLiteral("  }"),
            QStringLiteral("});"),
            QStringLiteral("window.addEventListener(\"blur\", function () {"),
            QStringLiteral("  if (document.activeElement !== frame) {"),
            QStringLiteral("    leaving();"),
            QStringLiteral("  }"),
            QStringLiteral("});"),
            QStringLiteral("document.addEventListener(\"visibilitychange\", function () {"),
            QStringLiteral("  if (document.visibilityState === \"hidden\") {"),
            QStringLiteral("    leaving();"),
            QStringLiteral("  }"),
            QStringLiteral("});")};
}

QStringList scriptLines(const PopupSettings& s) {
    // Leaving the page had no close timer in the page it replaces either.
    const int closeSeconds =
        s.closeAfterTime && s.event != Event::OnUnload ? number(s.closeSeconds, 0) : 0;
    QStringList lines{
        QLatin1String("var url = ") + web::jsString(web::url(s.url)) + QLatin1Char(';'),
        QLatin1String("var closeSeconds = ") + QString::number(closeSeconds) + QLatin1Char(';'),
        QStringLiteral("var name = \"popup\" + Math.random().toString(36).slice(2);"),
        QStringLiteral("var dialog = root.querySelector(\"dialog\");"),
        QStringLiteral("var frame = dialog.querySelector(\"iframe\");"),
        QStringLiteral("var closing = 0;"),
        QStringLiteral("var opener = null;"),
        QStringLiteral("function closeLater(close) {"),
        QStringLiteral("  window.clearTimeout(closing);"),
        QStringLiteral("  if (closeSeconds > 0) {"),
        QStringLiteral("    closing = window.setTimeout(close, closeSeconds * 1000);"),
        QStringLiteral("  }"),
        QStringLiteral("}"),
        QStringLiteral("function showOverlay() {"),
        QStringLiteral("  if (dialog.open) {"),
        QStringLiteral("    return;"),
        QStringLiteral("  }"),
        QStringLiteral("  opener = document.activeElement;"),
        QStringLiteral("  frame.src = url;"),
        QStringLiteral("  dialog.showModal();"),
        QStringLiteral("  closeLater(function () {"),
        QStringLiteral("    if (dialog.open) {"),
        QStringLiteral("      dialog.close();"),
        QStringLiteral("    }"),
        QStringLiteral("  });"),
        QStringLiteral("}"),
        QStringLiteral("var closeButton = dialog.querySelector(\"button\");"),
        QStringLiteral("closeButton.addEventListener(\"click\", function () {"),
        QStringLiteral("  dialog.close();"),
        QStringLiteral("});"),
        // Tab past either end of the dialog comes round to its other end.
        QStringLiteral("dialog.querySelectorAll(\"[data-edge]\").forEach(function (edge) {"),
        QStringLiteral("  edge.addEventListener(\"focus\", function () {"),
        QStringLiteral("    (edge.getAttribute(\"data-edge\") === \"end\" ? closeButton : frame)"
                       ".focus();"),
        QStringLiteral("  });"),
        QStringLiteral("});"),
        // Escape closes the dialog as well; focus goes back to where it was.
        QStringLiteral("dialog.addEventListener(\"close\", function () {"),
        QStringLiteral("  window.clearTimeout(closing);"),
        QStringLiteral("  frame.src = \"about:blank\";"),
        QStringLiteral("  if (opener && opener.isConnected && opener !== document.body) {"),
        QStringLiteral("    opener.focus();"),
        QStringLiteral("  }"),
        QStringLiteral("  opener = null;"),
        QStringLiteral("});"),
    };
    // Only a click may open a window; every other launch shows the overlay.
    if (s.event == Event::OnClick)
        lines << QStringList{
            QStringLiteral("function openWindow() {"),
            QLatin1String("  var popup = window.open(url, name, ") + featuresExpression(s) +
                QLatin1String(");"),
            QStringLiteral("  if (!popup) {"),
            QStringLiteral("    showOverlay();"),
            QStringLiteral("    return;"),
            QStringLiteral("  }"),
            QStringLiteral("  closeLater(function () {"),
            QStringLiteral("    if (!popup.closed) {"),
            QStringLiteral("      popup.close();"),
            QStringLiteral("    }"),
            QStringLiteral("  });"),
            QStringLiteral("}"),
        };
    return lines << launchLines(s);
}

} // namespace

QStringList modernPopupPage(const PopupSettings& typed) {
    const PopupSettings s = validSettings(typed, web::PageKind::Modern);
    QStringList page = web::html5Head({}, QStringLiteral("Popup"));
    page << web::pageStyle({QStringLiteral("dialog { padding: 0; max-width: 100vw; }"),
                            QStringLiteral("dialog p { margin: 0.5em; }"),
                            QStringLiteral("main a { display: inline-block; min-width: 24px; "
                                           "min-height: 24px; }")})
         << QStringLiteral("</head>") << QStringLiteral("<body>") << QStringLiteral("<main>")
         << web::hiddenHeading(QStringLiteral("Popup")) << QStringLiteral("<div>");
    const bool linked = hasLink(s.event);
    if (linked)
        page << linkLines(s);
    // Without a link the status message has no tool tip to live in: the
    // dialog shows it and it describes the dialog.
    const bool statusShown = !linked && !s.statusText.isEmpty();
    page << QLatin1String("<dialog aria-label=\"Popup window\"") +
                (statusShown ? QLatin1String(" aria-describedby=\"popup-status\"")
                             : QLatin1String()) +
                QLatin1Char('>')
         << QStringLiteral("<span tabindex=\"0\" data-edge=\"start\"></span>")
         << QStringLiteral("<button type=\"button\" style=\"display:block;margin:0 0 0 auto\">"
                           "Close</button>");
    if (statusShown)
        page << QLatin1String("<p id=\"popup-status\">") + web::htmlText(s.statusText) +
                    QLatin1String("</p>");
    page << QLatin1String("<iframe title=\"Popup window\" style=\"") + frameStyle(s) +
                QLatin1String("\"></iframe>")
         << QStringLiteral("<span tabindex=\"0\" data-edge=\"end\"></span>")
         << QStringLiteral("</dialog>") << web::scopedScript(scriptLines(s))
         << QStringLiteral("</div>") << QStringLiteral("</main>") << QStringLiteral("</body>")
         << QStringLiteral("</html>");
    return page;
}
