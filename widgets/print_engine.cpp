#include "widgets/print_engine.h"

#include "core/print_layout.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QString printOnDefaultPrinter(const QString& text) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        return QCoreApplication::translate("Desktop",
                                           "There is no default printer currently selected");
    QPrinter printer(printerInfo);
    printer.setFullPage(false);
    printer.setDocName(QStringLiteral("Quillmint"));
    QPainter painter;
    if (!painter.begin(&printer))
        return QCoreApplication::translate("Desktop", "Printing failed on %1")
            .arg(printerInfo.printerName());
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const QRectF area = painter.viewport();
    PrintMetrics layout;
    layout.pageWidth = area.width();
    layout.linesPerPage = qMax(1, int(area.height() / metrics.lineSpacing()));
    layout.tabWidth = 8 * metrics.averageCharWidth();
    layout.charWidth = [&metrics](QChar c) { return metrics.horizontalAdvance(c); };
    const QList<PrintPage> pages = layoutPrintPages(text, layout);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        qreal y = metrics.ascent();
        for (const PrintLine& line : pages.at(p)) {
            for (const PrintRun& run : line)
                painter.drawText(QPointF(run.x, y), run.text);
            y += metrics.lineSpacing();
        }
    }
    if (!painter.end())
        return QCoreApplication::translate("Desktop", "Printing failed on %1")
            .arg(printerInfo.printerName());
    return {};
}

} // namespace

void quillmintPrint(const QString& text, QString* problem) {
    *problem = printOnDefaultPrinter(text);
}
