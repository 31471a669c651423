#include "editor/editor_page.h"

#include "core/page_text.h"
#include "editor/tag_palette_controls.h"

#include <algorithm>

const QStringList ScriptSkeleton = {
    QStringLiteral("<script type=\"text/javascript\">"),
    QStringLiteral("<!--"),
    QString(),
    QString(),
    QString(),
    QStringLiteral("//-->"),
    QStringLiteral("</script>"),
};

const QStringList ScriptWrapperLines = {
    QStringLiteral("<script type=\"text/javascript\">"),
    QStringLiteral("</script>"),
    QStringLiteral("<!--"),
    QStringLiteral("//-->"),
};

QStringList StripWrapperLines(const QStringList& lines) {
    if (lines.isEmpty())
        return {QString()};
    QStringList kept;
    kept.reserve(lines.size());
    for (const QString& line : lines) {
        if (!ScriptWrapperLines.contains(line))
            kept.append(line);
    }
    return kept;
}

QString documentText(const QStringList& lines) {
    if (lines.isEmpty())
        return {};
    return pageText(lines);
}

QList<TextChange> wrapperLineChanges(QStringView text) {
    if (text.isEmpty())
        return {{0, 0, QStringLiteral("\n")}};
    QList<TextChange> changes;
    // A change right before the previous one joins it.
    const auto change = [&](qsizetype from, qsizetype removed, const QString& inserted) {
        if (!changes.isEmpty() && changes.last().from == from + removed) {
            changes.last().from = from;
            changes.last().removed += removed;
            changes.last().inserted.prepend(inserted);
        } else {
            changes.append({from, removed, inserted});
        }
    };
    QList<std::pair<qsizetype, qsizetype>> lines; // start, length with its line break
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        qsizetype next = end;
        if (next < size)
            next += text[next] == QLatin1Char('\r') && next + 1 < size &&
                            text[next + 1] == QLatin1Char('\n')
                        ? 2
                        : 1;
        lines.append({start, next - start});
        start = next;
    }
    // Last first, so every position stays valid while the changes are made.
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const auto [from, length] = *line;
        const QStringView whole = text.sliced(from, length);
        qsizetype breakLength = 0;
        while (breakLength < whole.size() &&
               (whole[whole.size() - 1 - breakLength] == QLatin1Char('\n') ||
                whole[whole.size() - 1 - breakLength] == QLatin1Char('\r')))
            ++breakLength;
        const QStringView content = whole.first(whole.size() - breakLength);
        if (ScriptWrapperLines.contains(content))
            change(from, length, {});
        else if (whole.last(breakLength) != QLatin1String("\n"))
            change(from + content.size(), breakLength, QStringLiteral("\n"));
    }
    return changes;
}

QString withChanges(QStringView text, const QList<TextChange>& changes) {
    QString changed;
    changed.reserve(text.size());
    qsizetype done = 0;
    for (auto change = changes.crbegin(); change != changes.crend(); ++change) {
        changed += text.sliced(done, change->from - done);
        changed += change->inserted;
        done = change->from + change->removed;
    }
    changed += text.sliced(done);
    return changed;
}

QString editorLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

qsizetype longestLineLength(QStringView text) {
    qsizetype longest = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r')) {
            longest = std::max(longest, i - start);
            start = i + 1;
        }
    }
    return longest;
}

SnippetEdit snippetEdit(const QString& document, qsizetype selectionStart, qsizetype selectionEnd,
                        const QStringList& lines, SnippetInsertMode mode) {
    const qsizetype size = document.size();
    const qsizetype start = std::clamp<qsizetype>(std::min(selectionStart, selectionEnd), 0, size);
    const qsizetype end = std::clamp<qsizetype>(std::max(selectionStart, selectionEnd), 0, size);
    SnippetEdit edit;
    switch (mode) {
    case SnippetInsertMode::ReplaceSelection:
        edit.from = start;
        edit.to = end;
        edit.text = lines.join(QString());
        edit.caret = start + edit.text.size();
        break;
    case SnippetInsertMode::LinesAboveCaretLine: {
        const qsizetype lineStart =
            end == 0 ? 0 : document.lastIndexOf(QLatin1Char('\n'), end - 1) + 1;
        edit.from = edit.to = lineStart;
        edit.text = documentText(lines);
        edit.caret = lineStart + edit.text.size();
        break;
    }
    case SnippetInsertMode::AppendLines:
        edit.from = edit.to = size;
        // The last line is ended first when the document does not end with a
        // line break; an empty document has no line to end.
        if (size > 0 && !document.endsWith(QLatin1Char('\n')))
            edit.text = QStringLiteral("\n");
        edit.text += documentText(lines);
        edit.caret = size + edit.text.size();
        break;
    }
    return edit;
}

namespace {

using namespace tag_palette;
using Mode = SnippetInsertMode;
using Face = SnippetFace;

Snippet at(const char* button, Face face, const QString& faceText, const char* hint,
           const QString& text) {
    return {QLatin1String(button), face,   faceText,
            QLatin1String(hint),   {text}, Mode::ReplaceSelection};
}

// A button whose face shows the very text it inserts.
Snippet same(const char* button, const QString& text, const char* hint) {
    return at(button, Face::Text, text, hint, text);
}

Snippet lines(const char* button, const char* mnemonic, const char* hint, QStringList text,
              Mode mode) {
    return {QLatin1String(button), Face::Icon,      QLatin1String(mnemonic),
            QLatin1String(hint),   std::move(text), mode};
}

// Captions, hints and the word faces of the Get page are marked for the
// catalogue and shown translated; the code a button inserts never is.
QList<SnippetPage> buildPages() {
    const QString empty;
    return {
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "Common")),
         25,
         {lines(controls::Function, "fn", QT_TRANSLATE_NOOP("TagInspector", "Function"),
                {QStringLiteral("function Name(){"), empty, QStringLiteral("}")},
                Mode::LinesAboveCaretLine),
          at(controls::Variable, Face::Icon, QStringLiteral("var"),
             QT_TRANSLATE_NOOP("TagInspector", "Variable"), QStringLiteral("var")),
          at(controls::Comment, Face::Icon, QStringLiteral("//"),
             QT_TRANSLATE_NOOP("TagInspector", "Comment"), QStringLiteral("//")),
          lines(controls::NoScript, "ns", QT_TRANSLATE_NOOP("TagInspector", "NoScript"),
                {QStringLiteral("<noscript>"),
                 QStringLiteral("JavaScript is not enabled in your browser. Please enable it to "
                                "view this site correctly."),
                 QStringLiteral("</noscript>")},
                Mode::AppendLines)}},
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "Operators")),
         23,
         {same(controls::Not, QStringLiteral("!"), QT_TRANSLATE_NOOP("TagInspector", "Not")),
          same(controls::LessThan, QStringLiteral("<"),
               QT_TRANSLATE_NOOP("TagInspector", "Less Than")),
          same(controls::GreaterThan, QStringLiteral(">"),
               QT_TRANSLATE_NOOP("TagInspector", "Greater Than")),
          same(controls::LessOrEqual, QStringLiteral("<="),
               QT_TRANSLATE_NOOP("TagInspector", "Less Than Or Equal To")),
          same(controls::GreaterOrEqual, QStringLiteral(">="),
               QT_TRANSLATE_NOOP("TagInspector", "Greater Than Or Equal To")),
          same(controls::Equality, QStringLiteral("=="),
               QT_TRANSLATE_NOOP("TagInspector", "Equality")),
          same(controls::Inequality, QStringLiteral("!="),
               QT_TRANSLATE_NOOP("TagInspector", "Inequality")),
          same(controls::And, QStringLiteral("&&"), QT_TRANSLATE_NOOP("TagInspector", "And")),
          same(controls::Or, QStringLiteral("||"), QT_TRANSLATE_NOOP("TagInspector", "Or")),
          same(controls::Conditional, QStringLiteral("?:"),
               QT_TRANSLATE_NOOP("TagInspector", "Conditional (Trinary)")),
          same(controls::Comma, QStringLiteral(","), QT_TRANSLATE_NOOP("TagInspector", "Comma")),
          same(controls::Negation, QStringLiteral("-"),
               QT_TRANSLATE_NOOP("TagInspector", "Unary Negation")),
          same(controls::Increment, QStringLiteral("++"),
               QT_TRANSLATE_NOOP("TagInspector", "Increment")),
          same(controls::Decrement, QStringLiteral("--"),
               QT_TRANSLATE_NOOP("TagInspector", "Decrement")),
          same(controls::Multiplication, QStringLiteral("*"),
               QT_TRANSLATE_NOOP("TagInspector", "Multiplication")),
          same(controls::Division, QStringLiteral("/"),
               QT_TRANSLATE_NOOP("TagInspector", "Division")),
          same(controls::Modulo, QStringLiteral("%"),
               QT_TRANSLATE_NOOP("TagInspector", "Modulo Arithmetic")),
          same(controls::Addition, QStringLiteral("+"),
               QT_TRANSLATE_NOOP("TagInspector", "Addition")),
          same(controls::Subtraction, QStringLiteral("-"),
               QT_TRANSLATE_NOOP("TagInspector", "Subtraction"))}},
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "Loops/Branches")),
         23,
         {lines(controls::IfElse, "if", QT_TRANSLATE_NOOP("TagInspector", "If ... Else"),
                {QStringLiteral("if (){"), empty, QStringLiteral("} else {"), empty,
                 QStringLiteral("}")},
                Mode::LinesAboveCaretLine),
          lines(controls::Switch, "sw", QT_TRANSLATE_NOOP("TagInspector", "Switch"),
                {QStringLiteral("switch(){"), empty, empty, empty, QStringLiteral("}")},
                Mode::LinesAboveCaretLine),
          lines(controls::While, "wh", QT_TRANSLATE_NOOP("TagInspector", "While"),
                {QStringLiteral("while (){"), empty, empty, empty, QStringLiteral("}")},
                Mode::LinesAboveCaretLine),
          lines(controls::For, "for", QT_TRANSLATE_NOOP("TagInspector", "For"),
                {QStringLiteral("for ( ; ; ){"), empty, QStringLiteral("}")},
                Mode::LinesAboveCaretLine)}},
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "Escape Sequences")),
         23,
         {same(controls::Backspace, QStringLiteral("\\b"),
               QT_TRANSLATE_NOOP("TagInspector", "Backspace")),
          same(controls::Formfeed, QStringLiteral("\\f"),
               QT_TRANSLATE_NOOP("TagInspector", "Formfeed")),
          same(controls::NewLine, QStringLiteral("\\n"),
               QT_TRANSLATE_NOOP("TagInspector", "New Line")),
          same(controls::CarriageReturn, QStringLiteral("\\r"),
               QT_TRANSLATE_NOOP("TagInspector", "Carriage Return")),
          same(controls::Tab, QStringLiteral("\\t"), QT_TRANSLATE_NOOP("TagInspector", "Tab")),
          same(controls::SingleQuote, QStringLiteral("\\'"),
               QT_TRANSLATE_NOOP("TagInspector", "Single Quote")),
          same(controls::DoubleQuote, QStringLiteral("\\\""),
               QT_TRANSLATE_NOOP("TagInspector", "Double Quote"))}},
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "Events")),
         23,
         {at(controls::OnClick, Face::Icon, QStringLiteral("clk"), "OnClick",
             QStringLiteral("onClick=")),
          at(controls::OnMouseOver, Face::Icon, QStringLiteral("ovr"), "OnMouseOver",
             QStringLiteral("onMouseOver=")),
          at(controls::OnMouseOut, Face::Icon, QStringLiteral("out"), "OnMouseOut",
             QStringLiteral("onMouseOut=")),
          at(controls::OnSubmit, Face::Icon, QStringLiteral("sbm"), "OnSubmit",
             QStringLiteral("onSubmit=")),
          at(controls::OnFocus, Face::Icon, QStringLiteral("foc"), "OnFocus",
             QStringLiteral("onFocus=")),
          at(controls::OnBlur, Face::Icon, QStringLiteral("blr"), "OnBlur",
             QStringLiteral("onBlur=")),
          at(controls::OnLoad, Face::Icon, QStringLiteral("ld"), "OnLoad",
             QStringLiteral("onLoad=")),
          at(controls::OnUnload, Face::Icon, QStringLiteral("uld"), "OnUnload",
             QStringLiteral("onUnLoad=")),
          at(controls::OnError, Face::Icon, QStringLiteral("err"), "OnError",
             QStringLiteral("onError=")),
          at(controls::OnChange, Face::Icon, QStringLiteral("chg"), "OnChange",
             QStringLiteral("onChange=")),
          at(controls::OnSelect, Face::Icon, QStringLiteral("sel"), "OnSelect",
             QStringLiteral("onSelect=")),
          at(controls::OnAbort, Face::Icon, QStringLiteral("abt"), "OnAbort",
             QStringLiteral("onAbort="))}},
        // The Confirm and Prompt buttons insert each other's call.
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "Win Obj Methods")),
         23,
         {at(controls::Alert, Face::Icon, QStringLiteral("alr"),
             QT_TRANSLATE_NOOP("TagInspector", "Alert"), QStringLiteral("alert(\" \");")),
          at(controls::Confirm, Face::Icon, QStringLiteral("cnf"),
             QT_TRANSLATE_NOOP("TagInspector", "Confirm"), QStringLiteral("prompt(\" \",\" \");")),
          at(controls::Prompt, Face::Icon, QStringLiteral("prm"),
             QT_TRANSLATE_NOOP("TagInspector", "Prompt"), QStringLiteral("confirm(\" \");"))}},
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "New")),
         23,
         {at(controls::NewArray, Face::Icon, QStringLiteral("arr"),
             QT_TRANSLATE_NOOP("TagInspector", "New Array"), QStringLiteral("var ?=new Array();")),
          at(controls::NewDate, Face::Icon, QStringLiteral("dat"),
             QT_TRANSLATE_NOOP("TagInspector", "New Date"), QStringLiteral("var ?=new Date();")),
          at(controls::NewImage, Face::Icon, QStringLiteral("img"),
             QT_TRANSLATE_NOOP("TagInspector", "New Image"),
             QStringLiteral("var ?=new Image();"))}},
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "Get")),
         33,
         {at(controls::Year, Face::Text, QLatin1String(QT_TRANSLATE_NOOP("TagFaces", "Year")),
             QT_TRANSLATE_NOOP("TagInspector", "Year"), QStringLiteral("getYear();")),
          at(controls::Month, Face::Text, QLatin1String(QT_TRANSLATE_NOOP("TagFaces", "Mnth")),
             QT_TRANSLATE_NOOP("TagInspector", "Month"), QStringLiteral("getMonth();")),
          at(controls::Day, Face::Text, QLatin1String(QT_TRANSLATE_NOOP("TagFaces", "Day")),
             QT_TRANSLATE_NOOP("TagInspector", "Day"), QStringLiteral("getDay();")),
          at(controls::Hours, Face::Text, QLatin1String(QT_TRANSLATE_NOOP("TagFaces", "Hrs")),
             QT_TRANSLATE_NOOP("TagInspector", "Hours"), QStringLiteral("getHours();")),
          at(controls::Minutes, Face::Text, QLatin1String(QT_TRANSLATE_NOOP("TagFaces", "Min")),
             QT_TRANSLATE_NOOP("TagInspector", "Minutes"), QStringLiteral("getMinutes();")),
          at(controls::Seconds, Face::Text, QLatin1String(QT_TRANSLATE_NOOP("TagFaces", "Sec")),
             QT_TRANSLATE_NOOP("TagInspector", "Seconds"), QStringLiteral("getSeconds();")),
          at(controls::Date, Face::Text, QLatin1String(QT_TRANSLATE_NOOP("TagFaces", "Date")),
             QT_TRANSLATE_NOOP("TagInspector", "Date"), QStringLiteral("getDate();")),
          at(controls::Time, Face::Text, QLatin1String(QT_TRANSLATE_NOOP("TagFaces", "Time")),
             QT_TRANSLATE_NOOP("TagInspector", "Time"), QStringLiteral("getTime();")),
          at(controls::TimezoneOffset, Face::Text,
             QLatin1String(QT_TRANSLATE_NOOP("TagFaces", "TZO")),
             QT_TRANSLATE_NOOP("TagInspector", "Timezone Offset"),
             QStringLiteral("getTimezoneOffset();"))}},
        // Arc tangent has no placeholder between its parentheses.
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "Math Functions")),
         23,
         {at(controls::Absolute, Face::Text, QStringLiteral("abs"),
             QT_TRANSLATE_NOOP("TagInspector", "Absolute Number"), QStringLiteral("abs(?);")),
          at(controls::ArcCosine, Face::Text, QStringLiteral("acs"),
             QT_TRANSLATE_NOOP("TagInspector", "Arc Cosine Of x In Radians"),
             QStringLiteral("acos(?);")),
          at(controls::ArcSine, Face::Text, QStringLiteral("asin"),
             QT_TRANSLATE_NOOP("TagInspector", "Arc Sine Of x In Radians"),
             QStringLiteral("asin(?);")),
          at(controls::ArcTangent, Face::Text, QStringLiteral("atn"),
             QT_TRANSLATE_NOOP("TagInspector", "Arc Tangent Of x In Radians"),
             QStringLiteral("atan();")),
          at(controls::Ceiling, Face::Text, QStringLiteral("ceil"),
             QT_TRANSLATE_NOOP("TagInspector", "Rounds To Next Integer"),
             QStringLiteral("ceil(?);")),
          at(controls::Cosine, Face::Text, QStringLiteral("cos"),
             QT_TRANSLATE_NOOP("TagInspector", "Cosine Of x"), QStringLiteral("cos(?);")),
          at(controls::Exponential, Face::Text, QStringLiteral("exp"),
             QT_TRANSLATE_NOOP("TagInspector", "E To The Power Of x"), QStringLiteral("exp(?);")),
          at(controls::Floor, Face::Text, QStringLiteral("flr"),
             QT_TRANSLATE_NOOP("TagInspector", "Rounds To Previous Integer"),
             QStringLiteral("floor(?);")),
          at(controls::Logarithm, Face::Text, QStringLiteral("log"),
             QT_TRANSLATE_NOOP("TagInspector", "Natural Logarithm Of x"),
             QStringLiteral("log(?);")),
          at(controls::Max, Face::Text, QStringLiteral("max"),
             QT_TRANSLATE_NOOP("TagInspector", "Greater Number Between x And y"),
             QStringLiteral("max(?,?);")),
          at(controls::Min, Face::Text, QStringLiteral("min"),
             QT_TRANSLATE_NOOP("TagInspector", "Smaller Number Between x And y"),
             QStringLiteral("min(?,?);")),
          at(controls::Power, Face::Text, QStringLiteral("pow"),
             QT_TRANSLATE_NOOP("TagInspector", "x To The Power Of y"), QStringLiteral("pow(?,?);")),
          at(controls::Random, Face::Text, QStringLiteral("ran"),
             QT_TRANSLATE_NOOP("TagInspector", "Random Number (0-1)"), QStringLiteral("random();")),
          at(controls::Round, Face::Text, QStringLiteral("rnd"),
             QT_TRANSLATE_NOOP("TagInspector", "Rounds To Closest Integer"),
             QStringLiteral("round(?);")),
          at(controls::Sine, Face::Text, QStringLiteral("sin"),
             QT_TRANSLATE_NOOP("TagInspector", "Sine Of x"), QStringLiteral("sin(?);")),
          at(controls::SquareRoot, Face::Text, QStringLiteral("sqrt"),
             QT_TRANSLATE_NOOP("TagInspector", "Square Root Of x"), QStringLiteral("sqrt(?);")),
          at(controls::Tangent, Face::Text, QStringLiteral("tan"),
             QT_TRANSLATE_NOOP("TagInspector", "Tangent Of x"), QStringLiteral("tan(?);"))}},
        {QLatin1String(QT_TRANSLATE_NOOP("TagInspector", "String Functions")),
         23,
         {at(controls::Anchor, Face::Icon, QStringLiteral("anc"),
             QT_TRANSLATE_NOOP("TagInspector", "Anchor"), QStringLiteral("anchor(name);")),
          at(controls::Big, Face::Icon, QStringLiteral("big"),
             QT_TRANSLATE_NOOP("TagInspector", "Big"), QStringLiteral("big();")),
          at(controls::Blink, Face::Icon, QStringLiteral("blk"),
             QT_TRANSLATE_NOOP("TagInspector", "Blink"), QStringLiteral("blink();")),
          at(controls::Bold, Face::Icon, QStringLiteral("B"),
             QT_TRANSLATE_NOOP("TagInspector", "Bold"), QStringLiteral("bold();")),
          at(controls::CharAt, Face::Icon, QStringLiteral("chr"), "charAt",
             QStringLiteral("charAt(index);")),
          at(controls::Fixed, Face::Icon, QStringLiteral("fix"),
             QT_TRANSLATE_NOOP("TagInspector", "Fixed"), QStringLiteral("fixed();")),
          at(controls::FontColour, Face::Icon, QStringLiteral("fc"),
             QT_TRANSLATE_NOOP("TagInspector", "Font Color"), QStringLiteral("fontColor(color);")),
          at(controls::FontSize, Face::Icon, QStringLiteral("fs"),
             QT_TRANSLATE_NOOP("TagInspector", "Font Size"), QStringLiteral("fontSize(size);")),
          at(controls::IndexOf, Face::BoldText, QStringLiteral("i"),
             QT_TRANSLATE_NOOP("TagInspector", "Index Of"),
             QStringLiteral("indexOf(string,index);")),
          at(controls::Italics, Face::Icon, QStringLiteral("I"),
             QT_TRANSLATE_NOOP("TagInspector", "Italics"), QStringLiteral("italics();")),
          at(controls::LastIndexOf, Face::BoldText, QStringLiteral("i >"), "",
             QStringLiteral("lastIndexOf(string,index);")),
          at(controls::Link, Face::Icon, QStringLiteral("lnk"),
             QT_TRANSLATE_NOOP("TagInspector", "Link"), QStringLiteral("link(href);")),
          at(controls::Small, Face::Icon, QStringLiteral("sm"),
             QT_TRANSLATE_NOOP("TagInspector", "Small"), QStringLiteral("small();")),
          at(controls::Strike, Face::Icon, QStringLiteral("S"),
             QT_TRANSLATE_NOOP("TagInspector", "Strike"), QStringLiteral("strike();")),
          at(controls::Substring, Face::Icon, QStringLiteral("sst"),
             QT_TRANSLATE_NOOP("TagInspector", "Substring"),
             QStringLiteral("substring(index1,indexlast);")),
          at(controls::Superscript, Face::Icon, QStringLiteral("x²"),
             QT_TRANSLATE_NOOP("TagInspector", "Superscript"), QStringLiteral("sup();")),
          at(controls::Subscript, Face::Icon, QStringLiteral("x₂"),
             QT_TRANSLATE_NOOP("TagInspector", "Subscript"), QStringLiteral("sub();")),
          at(controls::ToLowerCase, Face::Icon, QStringLiteral("ab"),
             QT_TRANSLATE_NOOP("TagInspector", "Upper- To Lower Case"),
             QStringLiteral("toLowerCase();")),
          at(controls::ToUpperCase, Face::Icon, QStringLiteral("AB"),
             QT_TRANSLATE_NOOP("TagInspector", "Lower- To Upper Case"),
             QStringLiteral("toUpperCase();"))}},
    };
}

} // namespace

const QList<SnippetPage>& snippetPages() {
    static const QList<SnippetPage> pages = buildPages();
    return pages;
}
