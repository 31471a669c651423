#include "core/print_layout.h"

#include <cmath>

namespace {

class PageBuilder {
public:
    explicit PageBuilder(const PrintMetrics& printMetrics) : metrics(printMetrics) {}

    void addChar(QChar c) {
        if (c == QLatin1Char('\t')) {
            closeRun();
            const qreal next = (std::floor(x / metrics.tabWidth) + 1) * metrics.tabWidth;
            if (next > metrics.pageWidth)
                breakLine();
            else
                x = next;
            return;
        }
        const qreal width = metrics.charWidth(c);
        if (x + width > metrics.pageWidth && (x > 0 || !run.isEmpty()))
            breakLine();
        if (run.isEmpty())
            runX = x;
        run += c;
        x += width;
    }

    void endLine() {
        closeRun();
        if (lines.size() >= metrics.linesPerPage)
            newPage();
        lines.append(line);
        line.clear();
        x = 0;
    }

    void breakLine() { endLine(); }

    void formFeed() {
        closeRun();
        if (!line.isEmpty()) {
            lines.append(line);
            line.clear();
        }
        x = 0;
        newPage();
        pageBreakPending = true;
    }

    QList<PrintPage> finish(bool lineOpen) {
        if (lineOpen)
            endLine();
        if (!lines.isEmpty() || pages.isEmpty())
            pages.append(lines);
        return pages;
    }

private:
    void closeRun() {
        if (!run.isEmpty())
            line.append(PrintRun{runX, run});
        run.clear();
    }
    void newPage() {
        if (!lines.isEmpty() || pageBreakPending)
            pages.append(lines);
        lines.clear();
        pageBreakPending = false;
    }

    const PrintMetrics& metrics;
    QList<PrintPage> pages;
    PrintPage lines;
    PrintLine line;
    QString run;
    qreal runX = 0;
    qreal x = 0;
    bool pageBreakPending = false;
};

} // namespace

QList<PrintPage> layoutPrintPages(const QString& text, const PrintMetrics& metrics) {
    PageBuilder builder(metrics);
    bool lineOpen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            continue;
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            builder.endLine();
            lineOpen = false;
        } else if (c == QLatin1Char('\f')) {
            builder.formFeed();
            lineOpen = false;
        } else {
            builder.addChar(c);
            lineOpen = true;
        }
    }
    return builder.finish(lineOpen);
}
