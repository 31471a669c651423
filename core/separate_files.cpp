#include "core/separate_files.h"

#include "core/web_escape.h"

#include <QHash>

namespace web {

namespace {

// The character references an attribute value may hold, read back.
QString attributeText(const QString& value) {
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const qsizetype end =
            value.at(i) == QLatin1Char('&') ? value.indexOf(QLatin1Char(';'), i) : -1;
        if (end < 0) {
            text += value.at(i);
            continue;
        }
        const QString name = value.mid(i + 1, end - i - 1);
        if (name == QLatin1String("amp"))
            text += QLatin1Char('&');
        else if (name == QLatin1String("lt"))
            text += QLatin1Char('<');
        else if (name == QLatin1String("gt"))
            text += QLatin1Char('>');
        else if (name == QLatin1String("quot"))
            text += QLatin1Char('"');
        else if (name.startsWith(QLatin1Char('#')) && name.mid(1).toUInt() > 0) {
            const char32_t code = name.mid(1).toUInt();
            text += QString::fromUcs4(&code, 1);
        } else {
            text += value.at(i);
            continue;
        }
        i = end;
    }
    return text;
}

// One start tag, read as a browser does: its name and its attributes, each
// kept as written with the blank before it.
struct Tag {
    QString name;
    QStringList attributes;
    QString end; // ">" or "/>"

    static Tag read(const QString& text) {
        Tag tag;
        qsizetype i = 1;
        while (i < text.size() && (text.at(i).isLetterOrNumber() || text.at(i) == QLatin1Char('-')))
            ++i;
        tag.name = text.mid(1, i - 1).toLower();
        while (i < text.size()) {
            const qsizetype start = i;
            while (i < text.size() && text.at(i).isSpace())
                ++i;
            if (text.mid(i) == QLatin1String(">") || text.mid(i) == QLatin1String("/>")) {
                tag.end = text.mid(i);
                break;
            }
            while (i < text.size() && !text.at(i).isSpace() && text.at(i) != QLatin1Char('=') &&
                   text.at(i) != QLatin1Char('>'))
                ++i;
            if (i < text.size() && text.at(i) == QLatin1Char('=')) {
                ++i;
                const QChar quote = i < text.size() ? text.at(i) : QChar();
                if (quote == QLatin1Char('"') || quote == QLatin1Char('\''))
                    i = text.indexOf(quote, i + 1) + 1;
                else
                    while (i < text.size() && !text.at(i).isSpace() &&
                           text.at(i) != QLatin1Char('>'))
                        ++i;
                if (i <= 0)
                    i = text.size() - 1;
            }
            if (i == start) {
                tag.end = text.mid(i);
                break;
            }
            tag.attributes << text.mid(start, i - start);
        }
        return tag;
    }

    QString attributeName(const QString& attribute) const {
        return attribute.trimmed().section(QLatin1Char('='), 0, 0).toLower();
    }

    // The value of an attribute as written, without its quotes.
    static QString value(const QString& attribute) {
        QString value = attribute.section(QLatin1Char('='), 1);
        if (value.size() >= 2 &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
            value = value.mid(1, value.size() - 2);
        return value;
    }

    qsizetype find(const char* name) const {
        for (qsizetype i = 0; i < attributes.size(); ++i)
            if (attributeName(attributes.at(i)) == QLatin1String(name))
                return i;
        return -1;
    }

    QString text() const { return QLatin1Char('<') + name + attributes.join(QString()) + end; }
};

// The end of the tag that starts at `open`, past any quoted value.
qsizetype tagEnd(const QString& page, qsizetype open) {
    QChar quote;
    for (qsizetype i = open + 1; i < page.size(); ++i) {
        const QChar c = page.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if ((c == QLatin1Char('"') || c == QLatin1Char('\'')) &&
                   page.at(i - 1) == QLatin1Char('=')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return i;
        }
    }
    return page.size() - 1;
}

class Separator final {
public:
    explicit Separator(const QString& baseName) : baseName(baseName) {}

    SeparatedPage run(const QString& page) {
        qsizetype at = 0;
        while (at < page.size()) {
            const qsizetype open = page.indexOf(QLatin1Char('<'), at);
            if (open < 0) {
                html += page.mid(at);
                break;
            }
            html += page.mid(at, open - at);
            if (page.mid(open, 4) == QLatin1String("<!--")) {
                const qsizetype end = page.indexOf(QLatin1String("-->"), open);
                at = end < 0 ? page.size() : end + 3;
                html += page.mid(open, at - open);
                continue;
            }
            const qsizetype close = tagEnd(page, open);
            Tag tag = Tag::read(page.mid(open, close - open + 1));
            at = close + 1;
            if (tag.name == QLatin1String("style") ||
                (tag.name == QLatin1String("script") && tag.find("src") < 0)) {
                const QString endTag = QLatin1String("</") + tag.name + QLatin1Char('>');
                qsizetype end = page.indexOf(endTag, at, Qt::CaseInsensitive);
                if (end < 0)
                    end = page.size();
                content(tag.name, page.mid(at, end - at));
                at = qMin(page.size(), end + endTag.size());
                continue;
            }
            if (tag.name == QLatin1String("head") && sheetAt < 0)
                headAt = html.size() + tag.text().size();
            const qsizetype style = tag.find("style");
            if (style >= 0) {
                const QString name = className(attributeText(Tag::value(tag.attributes.at(style))));
                tag.attributes.removeAt(style);
                const qsizetype classes = tag.find("class");
                if (classes >= 0)
                    tag.attributes[classes] = QLatin1String(" class=\"") +
                                              Tag::value(tag.attributes.at(classes)) +
                                              QLatin1Char(' ') + name + QLatin1Char('"');
                else
                    tag.attributes << QLatin1String(" class=\"") + name + QLatin1Char('"');
            }
            html += tag.text();
        }
        return finish();
    }

private:
    void content(const QString& element, QString text) {
        while (text.startsWith(QLatin1Char('\n')))
            text.remove(0, 1);
        while (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        if (element == QLatin1String("style")) {
            if (sheetAt < 0)
                sheetAt = html.size();
            if (!text.isEmpty())
                sheet << text;
            return;
        }
        const QString name = scripts.isEmpty()
                                 ? baseName + QLatin1String(".js")
                                 : baseName + QStringLiteral("-%1.js").arg(scripts.size() + 1);
        scripts.append({name, text + QLatin1Char('\n')});
        html += QLatin1String("<script src=\"") + attribute(fileUrl(name)) +
                QLatin1String("\"></script>");
    }

    QString className(const QString& declarations) {
        QString& name = classes[declarations];
        if (name.isEmpty()) {
            name = QStringLiteral("qm-s%1").arg(classes.size());
            rules << QLatin1Char('.') + name + QLatin1String(" { ") + declarations +
                         QLatin1String(" }");
        }
        return name;
    }

    SeparatedPage finish() {
        SeparatedPage page{html, {}};
        const QStringList css = sheet + rules;
        if (!css.isEmpty()) {
            const QString name = baseName + QLatin1String(".css");
            const qsizetype at = sheetAt >= 0 ? sheetAt : headAt >= 0 ? headAt : 0;
            const QString link = QLatin1String("<link rel=\"stylesheet\" href=\"") +
                                 attribute(fileUrl(name)) + QLatin1String("\">") +
                                 (sheetAt >= 0 ? QString() : QStringLiteral("\n"));
            page.html.insert(at, link);
            page.files.append({name, css.join(QLatin1Char('\n')) + QLatin1Char('\n')});
        }
        page.files += scripts;
        return page;
    }

    QString baseName;
    QString html;
    QStringList sheet;
    QStringList rules;
    QHash<QString, QString> classes;
    QList<SeparateFile> scripts;
    qsizetype sheetAt = -1;
    qsizetype headAt = -1;
};

} // namespace

SeparatedPage separateFiles(const QString& page, const QString& baseName) {
    return Separator(baseName).run(page);
}

} // namespace web
