#include "core/json_lists.h"

#include <QJsonDocument>
#include <algorithm>

namespace {

QString standInText(size_t number) {
    return QStringLiteral("\u0001quillmint list %1\u0001").arg(number);
}

char hexDigit(unsigned value) {
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}

// Writes `text` escaped at `out`, which has room for six bytes per unit;
// returns the end.
char* writeEscaped(char* out, QStringView text) {
    const char16_t* from = text.utf16();
    const char16_t* const end = from + text.size();
    while (from != end) {
        const char16_t unit = *from++;
        if (unit >= 0x20 && unit < 0x80 && unit != '"' && unit != '\\') {
            *out++ = char(unit);
        } else if (unit < 0x80) {
            *out++ = '\\';
            switch (unit) {
            case '"':
            case '\\':
                *out++ = char(unit);
                break;
            case '\b':
                *out++ = 'b';
                break;
            case '\f':
                *out++ = 'f';
                break;
            case '\n':
                *out++ = 'n';
                break;
            case '\r':
                *out++ = 'r';
                break;
            case '\t':
                *out++ = 't';
                break;
            default:
                *out++ = 'u';
                *out++ = '0';
                *out++ = '0';
                *out++ = hexDigit(unit >> 4);
                *out++ = hexDigit(unit & 0xf);
            }
        } else if (unit < 0x800) {
            *out++ = char(0xc0 | (unit >> 6));
            *out++ = char(0x80 | (unit & 0x3f));
        } else if (!QChar::isSurrogate(unit)) {
            *out++ = char(0xe0 | (unit >> 12));
            *out++ = char(0x80 | ((unit >> 6) & 0x3f));
            *out++ = char(0x80 | (unit & 0x3f));
        } else if (QChar::isHighSurrogate(unit) && from != end && QChar::isLowSurrogate(*from)) {
            const char32_t point = QChar::surrogateToUcs4(unit, *from++);
            *out++ = char(0xf0 | (point >> 18));
            *out++ = char(0x80 | ((point >> 12) & 0x3f));
            *out++ = char(0x80 | ((point >> 6) & 0x3f));
            *out++ = char(0x80 | (point & 0x3f));
        } else {
            *out++ = '\\';
            *out++ = 'u';
            for (int shift = 12; shift >= 0; shift -= 4)
                *out++ = hexDigit((unit >> shift) & 0xf);
        }
    }
    return out;
}

// Appends `text` as QJsonDocument escapes a string, without the quotes.
void appendJsonString(QByteArray& json, QStringView text) {
    const qsizetype used = json.size();
    json.resize(used + 6 * text.size());
    json.resize(writeEscaped(json.data() + used, text) - json.constData());
}

// Appends the array of `list` whose opening bracket stands on a line indented
// by `indent` spaces, laid out as QJsonDocument lays it out.
void appendArray(QByteArray& json, const QStringList& list, qsizetype indent) {
    // "[\n", then per text its indent, quotes, comma and line break, six bytes
    // a unit at most, then the indent and "]".
    qsizetype room = 2 + indent + 1;
    for (const QString& text : list)
        room += indent + 4 + 2 + 2 + 6 * text.size();
    qsizetype used = json.size();
    json.resize(used + room);
    char* out = json.data() + used;
    *out++ = '[';
    *out++ = '\n';
    for (qsizetype i = 0; i < list.size(); ++i) {
        out = std::fill_n(out, indent + 4, ' ');
        *out++ = '"';
        out = writeEscaped(out, list.at(i));
        *out++ = '"';
        if (i + 1 < list.size())
            *out++ = ',';
        *out++ = '\n';
    }
    out = std::fill_n(out, indent, ' ');
    *out++ = ']';
    json.resize(out - json.constData());
}

} // namespace

QJsonValue JsonLists::standIn(const QStringList& list) {
    lists.push_back(list);
    return standInText(lists.size());
}

std::optional<QByteArray> JsonLists::indentedJson(const QJsonObject& top) const {
    const QByteArray skeleton = QJsonDocument(top).toJson(QJsonDocument::Indented);
    // Where each stand-in stands (its quoted text), in the order of the text.
    struct Place {
        qsizetype at;
        qsizetype length;
        size_t list;
        bool operator<(const Place& other) const { return at < other.at; }
    };
    std::vector<Place> places;
    for (size_t n = 0; n < lists.size(); ++n) {
        QByteArray quoted("\"");
        appendJsonString(quoted, standInText(n + 1));
        quoted += '"';
        const qsizetype at = skeleton.indexOf(quoted);
        if (at < 0 || skeleton.indexOf(quoted, at + 1) >= 0)
            return {};
        places.push_back({at, quoted.size(), n});
    }
    std::sort(places.begin(), places.end());
    QByteArray json;
    json.reserve(skeleton.size());
    qsizetype copied = 0;
    for (const auto& [at, length, n] : places) {
        json.append(skeleton.constData() + copied, at - copied);
        const qsizetype lineStart = skeleton.lastIndexOf('\n', at) + 1;
        qsizetype indent = 0;
        while (skeleton.at(lineStart + indent) == ' ')
            ++indent;
        appendArray(json, lists[n], indent);
        copied = at + length;
    }
    json.append(skeleton.constData() + copied, skeleton.size() - copied);
    return json;
}
