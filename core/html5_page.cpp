#include "core/html5_page.h"

#include "core/web_escape.h"

namespace web {

namespace {

// Out of sight, still in the accessibility tree.
const QLatin1String HiddenStyle("position:absolute;width:1px;height:1px;overflow:hidden;"
                                "clip-path:inset(50%);white-space:nowrap");

} // namespace

QStringList html5Head(const QString& title, const QString& fallbackTitle) {
    const QString shown = title.trimmed().isEmpty() ? fallbackTitle : title;
    return {
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html lang=\"en\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta charset=\"utf-8\">"),
        QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"),
        QLatin1String("<title>") + htmlText(shown) + QLatin1String("</title>")};
}

QStringList pageStyle(const QStringList& ownRules) {
    return QStringList{
               QStringLiteral("<style>"),
               QStringLiteral("body { overflow-wrap: anywhere; }"),
               QStringLiteral("img { max-width: 100%; height: auto; }"),
               QStringLiteral("button, select, audio { max-width: 100%; }"),
               QStringLiteral("button, select { min-width: 24px; min-height: 24px; }"),
               QStringLiteral(":focus-visible { outline: 3px solid #0b57d0; outline-offset: 2px; "
                              "box-shadow: 0 0 0 5px #ffffff; }")} +
           ownRules + QStringList{QStringLiteral("</style>")};
}

QString hiddenHeading(const QString& text) {
    return QLatin1String("<h1 style=\"") + HiddenStyle + QLatin1String("\">") + htmlText(text) +
           QLatin1String("</h1>");
}

QStringList scopedScript(const QStringList& body) {
    QStringList lines{QStringLiteral("<script>"), QStringLiteral("(function (root) {"),
                      QStringLiteral("  \"use strict\";")};
    for (const QString& line : body)
        lines << (line.isEmpty() ? line : QLatin1String("  ") + line);
    lines << QStringLiteral("})(document.currentScript.parentElement);")
          << QStringLiteral("</script>");
    return lines;
}

QString hiddenLabel(const QString& text) {
    return QLatin1String("<span style=\"") + HiddenStyle + QLatin1String("\">") + htmlText(text) +
           QLatin1String("</span>");
}

} // namespace web
