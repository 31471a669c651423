#include "editor/editor_page.h"

#include "core/page_text.h"

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

QList<SnippetPage> buildPages() {
    const QString empty;
    return {
        {QStringLiteral("Common"),
         25,
         {lines("SpeedButton1", "fn", "Function",
                {QStringLiteral("function Name(){"), empty, QStringLiteral("}")},
                Mode::LinesAboveCaretLine),
          at("SpeedButton2", Face::Icon, QStringLiteral("var"), "Variable", QStringLiteral("var")),
          at("SpeedButton3", Face::Icon, QStringLiteral("//"), "Comment", QStringLiteral("//")),
          lines(
              "SpeedButton4", "ns", "NoScript",
              {QStringLiteral("<noscript>"),
               QStringLiteral("JavaScript is not enabled in your browser. Please enable it to view "
                              "this site correctly."),
               QStringLiteral("</noscript>")},
              Mode::AppendLines)}},
        {QStringLiteral("Operators"),
         23,
         {same("SpeedButton16", QStringLiteral("!"), "Not"),
          same("SpeedButton17", QStringLiteral("<"), "Less Than"),
          same("SpeedButton18", QStringLiteral(">"), "Greater Than"),
          same("SpeedButton19", QStringLiteral("<="), "Less Than Or Equal To"),
          same("SpeedButton20", QStringLiteral(">="), "Greater Than Or Equal To"),
          same("SpeedButton21", QStringLiteral("=="), "Equality"),
          same("SpeedButton22", QStringLiteral("!="), "Inequality"),
          same("SpeedButton23", QStringLiteral("&&"), "And"),
          same("SpeedButton24", QStringLiteral("||"), "Or"),
          same("SpeedButton25", QStringLiteral("?:"), "Conditional (Trinary)"),
          same("SpeedButton26", QStringLiteral(","), "Comma"),
          same("SpeedButton34", QStringLiteral("-"), "Unary Negation"),
          same("SpeedButton28", QStringLiteral("++"), "Increment"),
          same("SpeedButton27", QStringLiteral("--"), "Decrement"),
          same("SpeedButton29", QStringLiteral("*"), "Multiplication"),
          same("SpeedButton30", QStringLiteral("/"), "Division"),
          same("SpeedButton31", QStringLiteral("%"), "Modulo Arithmetic"),
          same("SpeedButton32", QStringLiteral("+"), "Addition"),
          same("SpeedButton33", QStringLiteral("-"), "Subtraction")}},
        {QStringLiteral("Loops/Branches"),
         23,
         {lines("SpeedButton12", "if", "If ... Else",
                {QStringLiteral("if (){"), empty, QStringLiteral("} else {"), empty,
                 QStringLiteral("}")},
                Mode::LinesAboveCaretLine),
          lines("SpeedButton13", "sw", "Switch",
                {QStringLiteral("switch(){"), empty, empty, empty, QStringLiteral("}")},
                Mode::LinesAboveCaretLine),
          lines("SpeedButton14", "wh", "While",
                {QStringLiteral("while (){"), empty, empty, empty, QStringLiteral("}")},
                Mode::LinesAboveCaretLine),
          lines("SpeedButton15", "for", "For",
                {QStringLiteral("for ( ; ; ){"), empty, QStringLiteral("}")},
                Mode::LinesAboveCaretLine)}},
        {QStringLiteral("Escape Sequences"),
         23,
         {same("SpeedButton5", QStringLiteral("\\b"), "Backspace"),
          same("SpeedButton6", QStringLiteral("\\f"), "Formfeed"),
          same("SpeedButton7", QStringLiteral("\\n"), "New Line"),
          same("SpeedButton8", QStringLiteral("\\r"), "Carriage Return"),
          same("SpeedButton9", QStringLiteral("\\t"), "Tab"),
          same("SpeedButton10", QStringLiteral("\\'"), "Single Quote"),
          same("SpeedButton11", QStringLiteral("\\\""), "Double Quote")}},
        {QStringLiteral("Events"),
         23,
         {at("SpeedButton35", Face::Icon, QStringLiteral("clk"), "OnClick",
             QStringLiteral("onClick=")),
          at("SpeedButton36", Face::Icon, QStringLiteral("ovr"), "OnMouseOver",
             QStringLiteral("onMouseOver=")),
          at("SpeedButton37", Face::Icon, QStringLiteral("out"), "OnMouseOut",
             QStringLiteral("onMouseOut=")),
          at("SpeedButton38", Face::Icon, QStringLiteral("sbm"), "OnSubmit",
             QStringLiteral("onSubmit=")),
          at("SpeedButton39", Face::Icon, QStringLiteral("foc"), "OnFocus",
             QStringLiteral("onFocus=")),
          at("SpeedButton40", Face::Icon, QStringLiteral("blr"), "OnBlur",
             QStringLiteral("onBlur=")),
          at("SpeedButton41", Face::Icon, QStringLiteral("ld"), "OnLoad",
             QStringLiteral("onLoad=")),
          at("SpeedButton42", Face::Icon, QStringLiteral("uld"), "OnUnload",
             QStringLiteral("onUnLoad=")),
          at("SpeedButton43", Face::Icon, QStringLiteral("err"), "OnError",
             QStringLiteral("onError=")),
          at("SpeedButton44", Face::Icon, QStringLiteral("chg"), "OnChange",
             QStringLiteral("onChange=")),
          at("SpeedButton45", Face::Icon, QStringLiteral("sel"), "OnSelect",
             QStringLiteral("onSelect=")),
          at("SpeedButton46", Face::Icon, QStringLiteral("abt"), "OnAbort",
             QStringLiteral("onAbort="))}},
        // The Confirm and Prompt buttons insert each other's call.
        {QStringLiteral("Win Obj Methods"),
         23,
         {at("SpeedButton47", Face::Icon, QStringLiteral("alr"), "Alert",
             QStringLiteral("alert(\" \");")),
          at("SpeedButton48", Face::Icon, QStringLiteral("cnf"), "Confirm",
             QStringLiteral("prompt(\" \",\" \");")),
          at("SpeedButton49", Face::Icon, QStringLiteral("prm"), "Prompt",
             QStringLiteral("confirm(\" \");"))}},
        {QStringLiteral("New"),
         23,
         {at("SpeedButton50", Face::Icon, QStringLiteral("arr"), "New Array",
             QStringLiteral("var ?=new Array();")),
          at("SpeedButton51", Face::Icon, QStringLiteral("dat"), "New Date",
             QStringLiteral("var ?=new Date();")),
          at("SpeedButton52", Face::Icon, QStringLiteral("img"), "New Image",
             QStringLiteral("var ?=new Image();"))}},
        {QStringLiteral("Get"),
         33,
         {at("SpeedButton53", Face::Text, QStringLiteral("Year"), "Year",
             QStringLiteral("getYear();")),
          at("SpeedButton54", Face::Text, QStringLiteral("Mnth"), "Month",
             QStringLiteral("getMonth();")),
          at("SpeedButton55", Face::Text, QStringLiteral("Day"), "Day",
             QStringLiteral("getDay();")),
          at("SpeedButton56", Face::Text, QStringLiteral("Hrs"), "Hours",
             QStringLiteral("getHours();")),
          at("SpeedButton57", Face::Text, QStringLiteral("Min"), "Minutes",
             QStringLiteral("getMinutes();")),
          at("SpeedButton58", Face::Text, QStringLiteral("Sec"), "Seconds",
             QStringLiteral("getSeconds();")),
          at("SpeedButton59", Face::Text, QStringLiteral("Date"), "Date",
             QStringLiteral("getDate();")),
          at("SpeedButton60", Face::Text, QStringLiteral("Time"), "Time",
             QStringLiteral("getTime();")),
          at("SpeedButton61", Face::Text, QStringLiteral("TZO"), "Timezone Offset",
             QStringLiteral("getTimezoneOffset();"))}},
        // Arc tangent has no placeholder between its parentheses.
        {QStringLiteral("Math Functions"),
         23,
         {at("SpeedButton62", Face::Text, QStringLiteral("abs"), "Absolute Number",
             QStringLiteral("abs(?);")),
          at("SpeedButton63", Face::Text, QStringLiteral("acs"), "Arc Cosine Of x In Radians",
             QStringLiteral("acos(?);")),
          at("SpeedButton64", Face::Text, QStringLiteral("asin"), "Arc Sine Of x In Radians",
             QStringLiteral("asin(?);")),
          at("SpeedButton65", Face::Text, QStringLiteral("atn"), "Arc Tangent Of x In Radians",
             QStringLiteral("atan();")),
          at("SpeedButton66", Face::Text, QStringLiteral("ceil"), "Rounds To Next Integer",
             QStringLiteral("ceil(?);")),
          at("SpeedButton67", Face::Text, QStringLiteral("cos"), "Cosine Of x",
             QStringLiteral("cos(?);")),
          at("SpeedButton68", Face::Text, QStringLiteral("exp"), "E To The Power Of x",
             QStringLiteral("exp(?);")),
          at("SpeedButton69", Face::Text, QStringLiteral("flr"), "Rounds To Previous Integer",
             QStringLiteral("floor(?);")),
          at("SpeedButton70", Face::Text, QStringLiteral("log"), "Natural Logarithm Of x",
             QStringLiteral("log(?);")),
          at("SpeedButton71", Face::Text, QStringLiteral("max"), "Greater Number Between x And y",
             QStringLiteral("max(?,?);")),
          at("SpeedButton72", Face::Text, QStringLiteral("min"), "Smaller Number Between x And y",
             QStringLiteral("min(?,?);")),
          at("SpeedButton73", Face::Text, QStringLiteral("pow"), "x To The Power Of y",
             QStringLiteral("pow(?,?);")),
          at("SpeedButton74", Face::Text, QStringLiteral("ran"), "Random Number (0-1)",
             QStringLiteral("random();")),
          at("SpeedButton75", Face::Text, QStringLiteral("rnd"), "Rounds To Closest Integer",
             QStringLiteral("round(?);")),
          at("SpeedButton76", Face::Text, QStringLiteral("sin"), "Sine Of x",
             QStringLiteral("sin(?);")),
          at("SpeedButton77", Face::Text, QStringLiteral("sqrt"), "Square Root Of x",
             QStringLiteral("sqrt(?);")),
          at("SpeedButton78", Face::Text, QStringLiteral("tan"), "Tangent Of x",
             QStringLiteral("tan(?);"))}},
        {QStringLiteral("String Functions"),
         23,
         {at("SpeedButton79", Face::Icon, QStringLiteral("anc"), "Anchor",
             QStringLiteral("anchor(name);")),
          at("SpeedButton80", Face::Icon, QStringLiteral("big"), "Big", QStringLiteral("big();")),
          at("SpeedButton81", Face::Icon, QStringLiteral("blk"), "Blink",
             QStringLiteral("blink();")),
          at("SpeedButton82", Face::Icon, QStringLiteral("B"), "Bold", QStringLiteral("bold();")),
          at("SpeedButton83", Face::Icon, QStringLiteral("chr"), "charAt",
             QStringLiteral("charAt(index);")),
          at("SpeedButton84", Face::Icon, QStringLiteral("fix"), "Fixed",
             QStringLiteral("fixed();")),
          at("SpeedButton85", Face::Icon, QStringLiteral("fc"), "Font Color",
             QStringLiteral("fontColor(color);")),
          at("SpeedButton86", Face::Icon, QStringLiteral("fs"), "Font Size",
             QStringLiteral("fontSize(size);")),
          at("SpeedButton87", Face::BoldText, QStringLiteral("i"), "Index Of",
             QStringLiteral("indexOf(string,index);")),
          at("SpeedButton88", Face::Icon, QStringLiteral("I"), "Italics",
             QStringLiteral("italics();")),
          at("SpeedButton89", Face::BoldText, QStringLiteral("i >"), "",
             QStringLiteral("lastIndexOf(string,index);")),
          at("SpeedButton90", Face::Icon, QStringLiteral("lnk"), "Link",
             QStringLiteral("link(href);")),
          at("SpeedButton91", Face::Icon, QStringLiteral("sm"), "Small",
             QStringLiteral("small();")),
          at("SpeedButton92", Face::Icon, QStringLiteral("S"), "Strike",
             QStringLiteral("strike();")),
          at("SpeedButton93", Face::Icon, QStringLiteral("sst"), "Substring",
             QStringLiteral("substring(index1,indexlast);")),
          at("SpeedButton94", Face::Icon, QStringLiteral("x²"), "Superscript",
             QStringLiteral("sup();")),
          at("SpeedButton95", Face::Icon, QStringLiteral("x₂"), "Subscript",
             QStringLiteral("sub();")),
          at("SpeedButton96", Face::Icon, QStringLiteral("ab"), "Upper- To Lower Case",
             QStringLiteral("toLowerCase();")),
          at("SpeedButton97", Face::Icon, QStringLiteral("AB"), "Lower- To Upper Case",
             QStringLiteral("toUpperCase();"))}},
    };
}

} // namespace

const QList<SnippetPage>& snippetPages() {
    static const QList<SnippetPage> pages = buildPages();
    return pages;
}
