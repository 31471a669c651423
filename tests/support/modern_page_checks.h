#pragma once

#include "core/page_text.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

// Reads a generated modern page (or fragment) as a browser's tokenizer would,
// well enough to tell whether a typed value escaped the place it was put in:
// every tag, attribute, character reference and script string literal must be
// one the generator wrote. Returns what is wrong, empty for a sound page.
struct PageReading {
    QStringList problems;
    QSet<QString> elements; // names of the elements the page opens
};

namespace modern_page_checks {

inline void checkReferences(const QString& text, const QString& where, QStringList& problems) {
    static const QRegularExpression reference(QStringLiteral("^&(amp|lt|gt|quot|#[0-9]+);"));
    for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0;
         at = text.indexOf(QLatin1Char('&'), at + 1))
        if (!reference.match(text.mid(at, 8)).hasMatch())
            problems << QStringLiteral("bare & in %1: %2").arg(where, text.mid(at, 20));
}

// Each line of a script must close every string literal it opens.
inline void checkScriptStrings(const QString& script, QStringList& problems) {
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        QChar open;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (!open.isNull() && c == QLatin1Char('\\'))
                ++i;
            else if (!open.isNull() && c == open)
                open = QChar();
            else if (open.isNull() && (c == QLatin1Char('"') || c == QLatin1Char('\'')))
                open = c;
        }
        if (!open.isNull())
            problems << QStringLiteral("string left open: ") + line;
    }
}

// A script defines no global: apart from preload statements, which name
// nothing, it is one function expression called at once.
inline void checkScriptScope(const QString& script, QStringList& problems) {
    static const QRegularExpression preload(QStringLiteral("^new Image\\(\\)\\.src = \".*\";$"));
    QStringList code;
    for (const QString& line : script.split(QLatin1Char('\n')))
        if (!line.isEmpty() && !preload.match(line).hasMatch())
            code << line;
    if (code.isEmpty())
        return;
    const QString last = code.last();
    if (!code.first().startsWith(QLatin1String("(function (")) ||
        (last != QLatin1String("})();") &&
         last != QLatin1String("})(document.currentScript.parentElement);")))
        problems << QStringLiteral("script outside its own scope: ") + code.first();
}

} // namespace modern_page_checks

inline PageReading readModernPage(const QStringList& lines, bool wholePage) {
    using namespace modern_page_checks;
    PageReading reading;
    QStringList& problems = reading.problems;
    const QString text = pageText(lines, LastLine::Open);

    if (wholePage) {
        if (lines.value(0) != QLatin1String("<!DOCTYPE html>"))
            problems << QStringLiteral("no doctype");
        for (const char* needed : {"<html lang=\"en\">", "<meta charset=\"utf-8\">"})
            if (!lines.contains(QLatin1String(needed)))
                problems << QStringLiteral("missing ") + QLatin1String(needed);
        if (!text.contains(QRegularExpression(QStringLiteral("<title>[^<\\s][^<]*</title>"))))
            problems << QStringLiteral("empty title");
        // Landmarks a screen reader jumps to.
        for (const char* needed : {"<main>", "<h1"})
            if (!text.contains(QLatin1String(needed)))
                problems << QStringLiteral("no ") + QLatin1String(needed);
    }
    for (const char* banned : {"javascript:", "window.status", "<bgsound", "document.write",
                               "document.images", "document.forms", "getElementById"})
        if (text.contains(QLatin1String(banned), Qt::CaseInsensitive))
            problems << QStringLiteral("holds ") + QLatin1String(banned);

    static const QRegularExpression name(QStringLiteral("^[a-z][a-z0-9-]*"));
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), at);
        const QString between = text.mid(at, open < 0 ? -1 : open - at);
        if (between.contains(QLatin1Char('>')))
            problems << QStringLiteral("stray > in text: ") + between.left(40);
        checkReferences(between, QStringLiteral("text"), problems);
        if (open < 0)
            break;
        if (text.mid(open, 15).compare(QLatin1String("<!DOCTYPE html>")) == 0) {
            at = open + 15;
            continue;
        }
        const bool closing = text.mid(open, 2) == QLatin1String("</");
        qsizetype i = open + (closing ? 2 : 1);
        const QString element = name.match(text.mid(i, 20)).captured(0);
        if (element.isEmpty()) {
            problems << QStringLiteral("not a tag: ") + text.mid(open, 20);
            at = open + 1;
            continue;
        }
        i += element.size();
        if (!closing)
            reading.elements.insert(element);
        // Attributes: names, each with an optional double-quoted value.
        while (i < text.size() && text.at(i) != QLatin1Char('>')) {
            if (text.at(i) == QLatin1Char(' ')) {
                ++i;
                continue;
            }
            const QString attribute = name.match(text.mid(i, 40)).captured(0);
            if (attribute.isEmpty() || closing) {
                problems
                    << QStringLiteral("bad attribute in <%1>: %2").arg(element, text.mid(i, 30));
                break;
            }
            if (attribute.startsWith(QLatin1String("on")))
                problems << QStringLiteral("inline handler ") + attribute;
            i += attribute.size();
            if (text.mid(i, 2) == QLatin1String("=\"")) {
                const qsizetype end = text.indexOf(QLatin1Char('"'), i + 2);
                const QString value = text.mid(i + 2, end - i - 2);
                if (end < 0 || value.contains(QLatin1Char('<')) || value.contains(QLatin1Char('>')))
                    problems << QStringLiteral("broken value of ") + attribute;
                checkReferences(value, attribute, problems);
                i = end < 0 ? text.size() : end + 1;
            }
        }
        at = i + 1;
        if (element == QLatin1String("script") && !closing) {
            const qsizetype end = text.indexOf(QLatin1String("</script>"), at);
            const QString script = text.mid(at, end - at).trimmed();
            checkScriptStrings(script, problems);
            checkScriptScope(script, problems);
            at = end < 0 ? text.size() : end;
        }
    }
    return reading;
}

// Typed into every field of a page under test: each character here has
// broken a value somewhere.
inline const QString HostileText = QStringLiteral("\"'&<b>x</b></script><!--é😀 %#?\\ on=1");
