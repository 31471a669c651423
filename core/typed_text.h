#pragma once

#include <QString>
#include <QStringList>

// The one gate a text the user typed, or a file supplied, passes on its way
// into a page: what no page may hold becomes U+FFFD here, before any
// generator or escaping function sees it, so none of them has to reason
// about broken text (a regular expression, for one, silently matches
// nothing in text that holds a lone surrogate).
namespace web {

// A classic page keeps every character as typed and loses only lone UTF-16
// surrogates, which no file can hold; a modern page also refuses the C0
// controls other than tab, line feed and carriage return, and DEL.
enum class PageKind { Classic, Modern };

// A C0 control other than tab, line feed and carriage return, or DEL.
bool isStrayControl(char16_t u);

// `text` with each character the kind of page refuses replaced by U+FFFD;
// `text` itself, not copied, when it holds none.
QString validText(const QString& text, PageKind kind);

void makeValid(PageKind kind, QString& text);
void makeValid(PageKind kind, QStringList& texts);

// Every text member of a settings struct, in one call.
template <typename... Texts>
void makeValid(PageKind kind, Texts&... texts) requires(sizeof...(Texts) > 1) {
    (makeValid(kind, texts), ...);
}

} // namespace web
