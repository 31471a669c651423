#pragma once

#include <QString>
#include <QStringList>

// Puts a value the user typed or chose into a generated page so that it comes
// out as typed in the place it lands and never ends that place early. Each
// function serves one context; a value that crosses two (a file name that
// becomes a URL inside a script string) goes through both, inner one first.
namespace web {

// Element content: & < > become references; a line break becomes a
// character reference so that each generated line stays one line.
QString htmlText(const QString& text);

// A double-quoted attribute value: as htmlText, and " as well.
QString attribute(const QString& text);

// An address the user typed: characters a URL may not hold (blanks, quotes,
// angle brackets, non-ASCII, a % that starts no escape) are percent-encoded
// as UTF-8; the URL's own delimiters (/ ? # & = :) keep their meaning. A
// javascript: or vbscript: address is taken as a file name, so it can never
// run script.
QString url(const QString& typed);

// A file name or path that becomes a URL: every character but letters,
// digits, "/" and "-._~!$&()*+,;=@" is percent-encoded, so "#", "?", "%" and
// ":" stay part of the name. A value with a URL scheme (two or more letters
// and a colon, "http:", "file:") is an address and is treated as url() does.
QString fileUrl(const QString& path);

// A JavaScript string literal with its double quotes, safe inside a
// <script> element: quotes and backslashes are escaped, and so are < and >,
// so neither "</script>" nor "<!--" can appear, and line terminators.
QString jsString(const QString& text);

// A CSS string with its single quotes (for font names and url()).
QString cssString(const QString& text);

// CSS values that are valid or empty; an empty value means "leave the
// declaration out", which InlineStyle does.
QString cssColour(const QString& htmlColour);  // "#RGB" / "#RRGGBB"
QString cssLength(const QString& typed);       // "10" -> "10px"; "1.5em" stays
QString cssBorderStyle(const QString& listed); // "Groove" -> "groove"
QString cssFontFamily(const QString& typed);   // each family quoted, generic kept
QString cssUrl(const QString& path);           // url('...') of a file or address

// A style attribute's value built one declaration at a time; a declaration
// whose value is empty is left out.
class InlineStyle final {
public:
    InlineStyle& add(const char* property, const QString& value);
    // The declarations joined with ";" and escaped for a double-quoted
    // attribute.
    QString attribute() const;
    bool isEmpty() const { return declarations.isEmpty(); }

private:
    QStringList declarations;
};

} // namespace web
