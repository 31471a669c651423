#include "core/web_escape.h"

#include "core/typed_text.h"

#include <QRegularExpression>

namespace web {

namespace {

QString escapeHtml(const QString& text, bool inAttribute) {
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += inAttribute ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        case '\n':
            out += QLatin1String("&#10;");
            break;
        case '\r':
            out += QLatin1String("&#13;");
            break;
        default:
            out += isStrayControl(c.unicode()) ? QChar(QChar::ReplacementCharacter) : c;
        }
    }
    return out;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool isAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Percent-encodes every UTF-8 byte that is neither a letter, a digit nor one
// of `kept`; with `keepEscapes`, a % that starts a valid escape stays.
QString percentEncode(const QString& text, const char* kept, bool keepEscapes) {
    const QByteArray bytes = text.toUtf8();
    const QByteArray keptBytes(kept);
    QString out;
    out.reserve(bytes.size() + 16);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        const bool escape = c == '%' && keepEscapes && i + 2 < bytes.size() &&
                            isHexDigit(bytes.at(i + 1)) && isHexDigit(bytes.at(i + 2));
        if (isAsciiAlnum(c) || (c != '%' && keptBytes.contains(c)) || escape) {
            out += QLatin1Char(c);
        } else {
            static const char digits[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            out += QLatin1Char('%');
            out += QLatin1Char(digits[byte >> 4]);
            out += QLatin1Char(digits[byte & 0xF]);
        }
    }
    return out;
}

const char* const FileNameKept = "-._~/!$&()*+,;=@";
const char* const UrlKept = "-._~:/?#[]@!$&'()*+,;=";

bool isAsciiLetter(char16_t u) {
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

// The scheme of an address ("http", "file"), or nothing: a letter, then
// letters, digits, "+", "-" or ".", then a colon. One letter and a colon is a
// drive, not a scheme. A plain scan, so that no odd character can make it
// miss a scheme.
QString schemeOf(const QString& text) {
    if (text.isEmpty() || !isAsciiLetter(text.front().unicode()))
        return {};
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u == ':')
            return i > 1 ? text.first(i).toLower() : QString();
        if (!isAsciiLetter(u) && !(u >= '0' && u <= '9') && u != '+' && u != '-' && u != '.')
            return {};
    }
    return {};
}

bool runsScript(const QString& scheme) {
    return scheme == QLatin1String("javascript") || scheme == QLatin1String("vbscript");
}

} // namespace

QString htmlText(const QString& text) {
    return escapeHtml(text, false);
}

QString attribute(const QString& text) {
    return escapeHtml(text, true);
}

QString url(const QString& typed) {
    if (runsScript(schemeOf(typed)))
        return percentEncode(typed, FileNameKept, false);
    return percentEncode(typed, UrlKept, true);
}

QString fileUrl(const QString& path) {
    const QString scheme = schemeOf(path);
    if (!scheme.isEmpty() && !runsScript(scheme))
        return percentEncode(path, UrlKept, true);
    return percentEncode(path, FileNameKept, false);
}

QString jsString(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (u < 0x20 || u == 0x7F || u == '<' || u == '>' || u == 0x2028 || u == 0x2029)
                out += QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString cssString(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    out += QLatin1Char('\'');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '\'')
            out += QLatin1Char('\\') + c;
        else if (u < 0x20 || u == 0x7F || u == '<' || u == '>')
            out += QStringLiteral("\\%1 ").arg(unsigned(u), 0, 16);
        else
            out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

QString cssColour(const QString& htmlColour) {
    static const QRegularExpression colour(QStringLiteral("^#([0-9A-Fa-f]{3}|[0-9A-Fa-f]{6})$"));
    return colour.match(htmlColour).hasMatch() ? htmlColour : QString();
}

QString cssLength(const QString& typed) {
    static const QRegularExpression length(
        QStringLiteral(
            "^([0-9]+(?:\\.[0-9]+)?|\\.[0-9]+)(px|pt|pc|em|rem|ex|ch|vw|vh|cm|mm|in|%)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = length.match(typed.trimmed());
    if (!match.hasMatch())
        return {};
    const QString unit = match.captured(2).toLower();
    return match.captured(1) + (unit.isEmpty() ? QStringLiteral("px") : unit);
}

QString cssBorderStyle(const QString& listed) {
    static const QStringList styles = {QStringLiteral("none"),   QStringLiteral("hidden"),
                                       QStringLiteral("solid"),  QStringLiteral("double"),
                                       QStringLiteral("dotted"), QStringLiteral("dashed"),
                                       QStringLiteral("groove"), QStringLiteral("ridge"),
                                       QStringLiteral("inset"),  QStringLiteral("outset")};
    const QString style = listed.trimmed().toLower();
    return styles.contains(style) ? style : QString();
}

QString cssFontFamily(const QString& typed) {
    static const QStringList generic = {QStringLiteral("serif"),     QStringLiteral("sans-serif"),
                                        QStringLiteral("monospace"), QStringLiteral("cursive"),
                                        QStringLiteral("fantasy"),   QStringLiteral("system-ui")};
    QStringList families;
    for (const QString& part : typed.split(QLatin1Char(','))) {
        const QString family = part.trimmed();
        if (family.isEmpty())
            continue;
        families << (generic.contains(family.toLower()) ? family.toLower() : cssString(family));
    }
    return families.join(QLatin1String(", "));
}

QString cssUrl(const QString& path) {
    if (path.isEmpty())
        return {};
    return QLatin1String("url(") + cssString(fileUrl(path)) + QLatin1Char(')');
}

InlineStyle& InlineStyle::add(const char* property, const QString& value) {
    if (!value.isEmpty())
        declarations << QLatin1String(property) + QLatin1Char(':') + value;
    return *this;
}

QString InlineStyle::attribute() const {
    return web::attribute(declarations.join(QLatin1Char(';')));
}

} // namespace web
