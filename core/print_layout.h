#pragma once

#include <QList>
#include <QString>
#include <functional>

// A piece of text placed at a horizontal offset on a printed line.
struct PrintRun {
    qreal x = 0;
    QString text;
    bool operator==(const PrintRun&) const = default;
};
using PrintLine = QList<PrintRun>;
using PrintPage = QList<PrintLine>;

struct PrintMetrics {
    qreal pageWidth = 0;
    int linesPerPage = 1;
    qreal tabWidth = 8; // eight average character widths
    std::function<qreal(QChar)> charWidth;
};

// Lays plain text out as the printer's text mode does: each text line is a
// printed line, broken after the last character that fits; a tab advances to
// the next tab stop; a form feed or a full page starts a new page; a final
// line break ends the document.
QList<PrintPage> layoutPrintPages(const QString& text, const PrintMetrics& metrics);
