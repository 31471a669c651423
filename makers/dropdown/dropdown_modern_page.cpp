#include "makers/dropdown/dropdown_modern_page.h"

#include "core/html5_page.h"
#include "core/web_escape.h"

namespace {

const QStringList GoScript = {
    QStringLiteral("root.addEventListener(\"submit\", function (event) {"),
    QStringLiteral("  event.preventDefault();"),
    QStringLiteral("  var menu = root.querySelector(\"select\");"),
    QStringLiteral("  var choice = menu.options[menu.selectedIndex];"),
    QStringLiteral("  if (choice && choice.value) {"),
    QStringLiteral("    window.location.href = choice.value;"),
    QStringLiteral("  }"),
    QStringLiteral("});"),
};

} // namespace

QStringList modernDropdownPage(const DropdownSettings& typed) {
    const DropdownSettings s = validSettings(typed, web::PageKind::Modern);
    const QString& buttonBackground = s.invertButton ? s.itemColour : s.background;
    const QString& buttonText = s.invertButton ? s.background : s.itemColour;
    const QString font = web::cssFontFamily(s.font);
    const QString size = web::cssLength(s.size);

    web::InlineStyle menuStyle;
    menuStyle.add("background-color", web::cssColour(s.background))
        .add("color", web::cssColour(s.itemColour))
        .add("font-family", font)
        .add("font-size", size)
        .add("font-weight", s.bold ? QStringLiteral("bold") : QStringLiteral("normal"))
        .add("font-style", s.italic ? QStringLiteral("italic") : QStringLiteral("normal"))
        .add("text-decoration", s.underline ? QStringLiteral("underline") : QStringLiteral("none"))
        .add("max-width", QStringLiteral("100%"))
        .add("min-height", QStringLiteral("24px"));
    web::InlineStyle buttonStyle;
    buttonStyle.add("background-color", web::cssColour(buttonBackground))
        .add("color", web::cssColour(buttonText))
        .add("font-family", font)
        .add("font-size", size)
        .add("border-style", web::cssBorderStyle(s.border))
        .add("border-width", web::cssLength(s.borderWidth))
        .add("min-width", QStringLiteral("24px"))
        .add("min-height", QStringLiteral("24px"));

    QStringList lines;
    lines.reserve(s.entries.size() + 50);
    if (s.fullPage)
        lines << web::html5Head({}, QStringLiteral("Menu")) << web::pageStyle()
              << QStringLiteral("</head>") << QStringLiteral("<body>") << QStringLiteral("<main>")
              << web::hiddenHeading(QStringLiteral("Menu"));
    // A navigation landmark of its own, so the menu can be found and
    // reached from anywhere in the visitor's page.
    lines << QStringLiteral("<nav aria-label=\"Menu\">") << QStringLiteral("<form>")
          << QStringLiteral("<label>") + web::hiddenLabel(QStringLiteral("Menu"))
          << QLatin1String("<select size=\"1\" style=\"") + menuStyle.attribute() +
                 QLatin1String("\">");
    for (const QString& entry : s.entries) {
        const MenuEntry parts = splitEntry(entry);
        lines << QLatin1String("<option value=\"") + web::attribute(web::url(parts.url)) +
                     QLatin1String("\">") + web::htmlText(parts.name) + QLatin1String("</option>");
    }
    const QString go = s.goText.isEmpty() ? QStringLiteral("Go!") : s.goText;
    lines << QStringLiteral("</select></label>")
          << QLatin1String("<button type=\"submit\" style=\"") + buttonStyle.attribute() +
                 QLatin1String("\">") + web::htmlText(go) + QLatin1String("</button>")
          << web::scopedScript(GoScript) << QStringLiteral("</form>") << QStringLiteral("</nav>");
    if (s.fullPage)
        lines << QStringLiteral("</main>") << QStringLiteral("</body>")
              << QStringLiteral("</html>");
    return lines;
}
