#include "makers/popup/popup_page.h"

namespace {

using Event = PopupSettings::LaunchEvent;
using Medium = PopupSettings::LaunchMedium;

QString featureWord(bool ticked) {
    return ticked ? QStringLiteral("yes") : QStringLiteral("no");
}

QString bodyLine(Event event) {
    switch (event) {
    case Event::OnLoad:
    case Event::AfterDelay:
        return QStringLiteral("<body onLoad=\"popupWin();\">");
    case Event::OnUnload:
        return QStringLiteral("<body onUnload=\"popupWin();\">");
    case Event::OnClick:
    case Event::OnMouseOut:
    case Event::OnMouseOver:
        break;
    }
    return QStringLiteral("<body>");
}

// The link that launches the popup; empty for the page events.
QString openingLinkLine(Event event) {
    switch (event) {
    case Event::OnClick:
        return QStringLiteral("<a href=\"javascript:popupWin();\">");
    case Event::OnMouseOut:
        return QStringLiteral("<a href=\"\" onMouseOut=\"javascript:popupWin();\">");
    case Event::OnMouseOver:
        return QStringLiteral("<a href=\"\" onMouseOver=\"javascript:popupWin();\">");
    case Event::OnLoad:
    case Event::OnUnload:
    case Event::AfterDelay:
        break;
    }
    return {};
}

void appendLinkContent(QStringList& page, const PopupSettings& settings) {
    switch (settings.medium) {
    case Medium::TextLink:
        page << QStringLiteral("Click Here");
        break;
    case Medium::ImageLink:
        page << QStringLiteral("<img src=\"") + settings.imagePath +
                    QStringLiteral("\" border=\"0\" alt=\"Image\">");
        break;
    case Medium::Other:
        break;
    }
}

} // namespace

PopupSettings validSettings(PopupSettings settings, web::PageKind kind) {
    PopupSettings& s = settings;
    web::makeValid(kind, s.height, s.width, s.left, s.top, s.closeSeconds, s.url, s.statusText,
                   s.imagePath, s.delaySeconds);
    return settings;
}

QString popupWindowFeatures(const PopupSettings& s) {
    if (s.fullScreen)
        return QStringLiteral("windowprops=\"fullscreen=yes\";");
    return QStringLiteral("windowprops=\"directories=") + featureWord(s.directories) +
           QStringLiteral(",location=") + featureWord(s.location) + QStringLiteral(",menubar=") +
           featureWord(s.menubar) + QStringLiteral(",resizable=") + featureWord(s.resizable) +
           QStringLiteral(",scrollbars=") + featureWord(s.scrollbars) + QStringLiteral(",status=") +
           featureWord(s.statusbar) + QStringLiteral(",toolbar=") + featureWord(s.toolbar) +
           QStringLiteral(",width=") + s.width + QStringLiteral(",height=") + s.height +
           QStringLiteral(",left=") + s.left + QStringLiteral(",screenX=") + s.left +
           QStringLiteral(",top=") + s.top + QStringLiteral(",screenY=") + s.top +
           QStringLiteral("\";");
}

QStringList popupPage(const PopupSettings& typed) {
    const PopupSettings settings = validSettings(typed, web::PageKind::Classic);
    // "onUnload" opens the window straight from the unload handler: there is
    // no Start function, no timer and nothing that closes the popup again.
    const bool direct = settings.event == Event::OnUnload;

    QStringList page{QStringLiteral("<html>"), QStringLiteral("<head><title></title>"),
                     QStringLiteral("<script type=\"text/javascript\">"), QStringLiteral("<!--")};
    if (!direct) {
        page << (settings.closeAfterTime
                     ? QStringLiteral("closetime=") + settings.closeSeconds + QLatin1Char(';')
                     : QStringLiteral("closetime=0;"))
             << QString() << QStringLiteral("function Start(URL){") << popupWindowFeatures(settings)
             << QStringLiteral("preview=window.open(URL,\"popWin\",windowprops);")
             << QStringLiteral("if (closetime) setTimeout(\"preview.close();\", closetime*1000);")
             << QStringLiteral("}") << QString();
    }
    page << QStringLiteral("function popupWin(){");
    if (direct) {
        page << popupWindowFeatures(settings)
             << QStringLiteral("window.open(\"") + settings.url +
                    QStringLiteral("\",\"popWin\",windowprops);");
    } else {
        page << QStringLiteral("url=\"") + settings.url + QLatin1Char('"')
             << (settings.event == Event::AfterDelay
                     ? QStringLiteral("delay=") + settings.delaySeconds + QLatin1Char(';')
                     : QStringLiteral("delay=0;"))
             << QStringLiteral("timer = setTimeout(\"Start(url)\", delay*1000);")
             << QStringLiteral("window.status=\"") + settings.statusText + QStringLiteral("\";");
    }
    page << QStringLiteral("}") << QStringLiteral("//-->") << QStringLiteral("</script>")
         << QStringLiteral("</head>") << QString() << bodyLine(settings.event);

    const QString link = openingLinkLine(settings.event);
    if (!link.isEmpty())
        page << link;
    appendLinkContent(page, settings);
    if (!link.isEmpty())
        page << QStringLiteral("</a>");
    page << QStringLiteral("</body>") << QStringLiteral("</html>");
    return page;
}
