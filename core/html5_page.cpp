#include "core/html5_page.h"

#include "core/web_escape.h"

namespace web {

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
    return QLatin1String("<span style=\"position:absolute;width:1px;height:1px;overflow:hidden;"
                         "clip-path:inset(50%);white-space:nowrap\">") +
           htmlText(text) + QLatin1String("</span>");
}

} // namespace web
