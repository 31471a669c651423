#include "makers/mouseover/mouseover_page.h"

namespace {

// Two preload objects per button, the initial image first.
QStringList preloadLines(const MouseOverSettings& settings, qint64 firstObject) {
    const QString initial = QString::number(firstObject);
    const QString mouseOver = QString::number(firstObject + 1);
    return {
        QLatin1String("Image") + initial + QLatin1String("=new Image();"),
        QLatin1String("Image") + initial + QLatin1String(".src=\"") + settings.initialImage +
            QLatin1String("\";"),
        QLatin1String("Image") + mouseOver + QLatin1String("=new Image();"),
        QLatin1String("Image") + mouseOver + QLatin1String(".src=\"") + settings.mouseOverImage +
            QLatin1String("\";"),
    };
}

QString linkLine(const MouseOverSettings& settings, qint64 button) {
    const QString number = QString::number(button);
    QString line = QLatin1String("<a href=\"") + settings.url +
                   QLatin1String("\" onMouseOver=\"MouseOver('") + settings.mouseOverImage +
                   QLatin1String("','") + settings.statusText + QLatin1String("','") +
                   QLatin1String("mouse") + number +
                   QLatin1String("'); return true;\" onMouseOut=\"MouseOut('") +
                   settings.initialImage + QLatin1String("','','") + QLatin1String("mouse") +
                   number + QLatin1String("'); return true;\"><img src=\"") +
                   settings.initialImage + QLatin1String("\" name=\"mouse") + number +
                   QLatin1String("\" alt=\"") + settings.alternateText;
    if (!settings.imageBorder)
        return line + QLatin1String("\"></a>");
    return line + QLatin1String("\" style=\"border-color:") + settings.borderColour +
           QLatin1String(";border-style:") + settings.borderType + QLatin1String(";border-width:") +
           settings.borderSize + QLatin1String("px\"></a>");
}

} // namespace

MouseOverSettings validSettings(MouseOverSettings settings, web::PageKind kind) {
    MouseOverSettings& s = settings;
    web::makeValid(kind, s.borderColour, s.borderType, s.borderSize, s.initialImage,
                   s.mouseOverImage, s.statusText, s.alternateText, s.url);
    return settings;
}

MouseOverButtonLines mouseOverButton(const MouseOverSettings& typed,
                                     const MouseOverCounters& counters) {
    const MouseOverSettings settings = validSettings(typed, web::PageKind::Classic);
    MouseOverButtonLines added;
    added.counters = counters;
    if (settings.preloadImages) {
        added.headLines = preloadLines(settings, counters.preloads + 1);
        added.counters.preloads += 2;
    }
    added.counters.buttons += 1;
    added.bodyLines.append(linkLine(settings, added.counters.buttons));
    if (settings.vertical)
        added.bodyLines.append(QStringLiteral("<br>"));
    return added;
}

QStringList mouseOverHeadLines() {
    return {
        QStringLiteral("<html>"),
        QStringLiteral("<head><title></title>"),
        QStringLiteral("<script type=\"text/javascript\">"),
        QStringLiteral("<!--"),
    };
}

QStringList mouseOverScriptLines() {
    return {
        QStringLiteral("function MouseOver(image,status,mous){"),
        QStringLiteral(" document.images[mous].src=image;"),
        QStringLiteral(" window.status=status;"),
        QStringLiteral("}"),
        QString(),
        QStringLiteral("function MouseOut(image,status,mous){"),
        QStringLiteral(" document.images[mous].src=image;"),
        QStringLiteral(" window.status=status;"),
        QStringLiteral("}"),
        QString(),
        QStringLiteral("//-->"),
        QStringLiteral("</script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
    };
}

QStringList mouseOverClosingLines() {
    return {QStringLiteral("</body>"), QStringLiteral("</html>")};
}

QString assembleMouseOverPage(const QString& head, const QString& script, const QString& body) {
    QString page;
    page.reserve(head.size() + script.size() + body.size() + 3);
    for (const QString* pane : {&head, &script, &body}) {
        page += *pane;
        if (!pane->isEmpty() && !pane->endsWith(QLatin1Char('\n')))
            page += QLatin1Char('\n');
    }
    return page;
}
