#include "makers/dropdown/dropdown_page.h"

#include <QStringBuilder>
#include <algorithm>

QString entryText(const QString& name, const QString& url) {
    return name % QLatin1String(" [") % url % QLatin1Char(']');
}

namespace {

// Where the character that ends at `end` starts: a surrogate pair is one
// character, so a split never leaves half of one.
qsizetype characterBefore(const QString& text, qsizetype end) {
    return end >= 2 && text.at(end - 1).isLowSurrogate() && text.at(end - 2).isHighSurrogate()
               ? end - 2
               : end - 1;
}

} // namespace

MenuEntry splitEntry(const QString& entry) {
    // Every entry the list accepts holds a "["; without one the name is empty
    // and the address is all but the last character, as the split rule gives.
    const qsizetype bracket = entry.indexOf(QLatin1Char('['));
    const qsizetype nameLength = bracket < 0 ? -1 : characterBefore(entry, bracket);
    const qsizetype urlStart = bracket + 1;
    const qsizetype urlLength = characterBefore(entry, entry.size()) - urlStart;
    MenuEntry parts;
    if (nameLength > 0)
        parts.name = entry.left(nameLength);
    if (urlLength > 0)
        parts.url = entry.mid(urlStart, urlLength);
    return parts;
}

bool hasForbiddenCharacters(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char('[') || c == QLatin1Char(']') || c == QLatin1Char('"') ||
               c == QLatin1Char('\'');
    });
}

void sortEntries(QStringList& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

DropdownSettings validSettings(DropdownSettings settings, web::PageKind kind) {
    DropdownSettings& s = settings;
    web::makeValid(kind, s.background, s.itemColour, s.font, s.size, s.goText, s.border,
                   s.borderWidth, s.entries);
    return settings;
}

QStringList dropdownPage(const DropdownSettings& typed) {
    const DropdownSettings s = validSettings(typed, web::PageKind::Classic);
    const QLatin1String weight(s.bold ? "bold" : "none");
    const QLatin1String style(s.italic ? "italic" : "none");
    const QLatin1String decoration(s.underline ? "underline" : "none");
    const QString& buttonBackground = s.invertButton ? s.itemColour : s.background;
    const QString& buttonText = s.invertButton ? s.background : s.itemColour;

    QStringList lines;
    lines.reserve(s.entries.size() + 21);
    if (s.fullPage)
        lines << QStringLiteral("<html>") << QStringLiteral("<head>")
              << QStringLiteral("<title></title>");
    lines << QStringLiteral("<script type=\"text/javascript\">") << QStringLiteral("<!--")
          << QStringLiteral("function goMenu(form){")
          << QStringLiteral(
                 "var URL=document.form.site.options[document.form.site.selectedIndex].value;")
          << QStringLiteral("window.location.href=URL;") << QStringLiteral("}")
          << QStringLiteral("//-->") << QStringLiteral("</script>");
    if (s.fullPage)
        lines << QStringLiteral("</head>") << QStringLiteral("<body>");
    lines << QStringLiteral("<form name=\"form\">");
    lines << QLatin1String("<select name=\"site\" size=\"1\" style=\"background-color:") %
                 s.background % QLatin1String(";color:") % s.itemColour %
                 QLatin1String(";font-family:") % s.font % QLatin1String(";font-size:") % s.size %
                 QLatin1String(";font-weight:") % weight % QLatin1String(";font-style:") % style %
                 QLatin1String(";text-decoration:") % decoration % QLatin1String("\">");
    for (const QString& entry : s.entries) {
        const MenuEntry parts = splitEntry(entry);
        lines << QLatin1String("<option value=\"") % parts.url % QLatin1String("\">") % parts.name;
    }
    lines << QStringLiteral("</select>");
    lines << QLatin1String("<input type=\"button\" value=\"") % s.goText %
                 QLatin1String("\" onClick=\"javascript:goMenu(this)\" style=\"background-color:") %
                 buttonBackground % QLatin1String(";color:") % buttonText %
                 QLatin1String(";font-family:") % s.font % QLatin1String(";font-size:") % s.size %
                 QLatin1String(";border-style:") % s.border % QLatin1String(";border-width:") %
                 s.borderWidth % QLatin1String("\">");
    lines << QStringLiteral("</form>");
    if (s.fullPage)
        lines << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines;
}
