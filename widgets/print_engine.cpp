#include "widgets/print_engine.h"

#include "core/print_layout.h"
#include "widgets/print_controls.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

using namespace printing;

namespace {

QString destinationOf(const QPrinter& printer) {
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

// Lays the text out on the printer's page and prints the pages the dialog
// asked for, as many copies as the printer does not make itself.
QString printText(const QString& text, QPrinter& printer) {
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return QCoreApplication::translate("Desktop", "Printing failed on %1")
            .arg(destinationOf(printer));
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
    qsizetype first = 0;
    qsizetype last = pages.size() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage() - 1;
        last = qMin(last, qsizetype(printer.toPage()) - 1);
    }
    const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    bool started = false;
    for (int copy = 0; copy < copies; ++copy) {
        for (qsizetype p = first; p <= last; ++p) {
            if (started)
                printer.newPage();
            started = true;
            qreal y = metrics.ascent();
            for (const PrintLine& line : pages.at(p)) {
                for (const PrintRun& run : line)
                    painter.drawText(QPointF(run.x, y), run.text);
                y += metrics.lineSpacing();
            }
        }
    }
    if (!painter.end())
        return QCoreApplication::translate("Desktop", "Printing failed on %1")
            .arg(destinationOf(printer));
    return {};
}

} // namespace

void quillmintPrint(const QString& text, QWidget* parent, PrintOutcome* outcome) {
    // The default printer, or a PDF file where there is none (named after
    // the document: Quillmint.pdf).
    QPrinter printer;
    printer.setDocName(QStringLiteral("Quillmint"));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(controls::PrintDialog);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    *outcome = {};
    if (dialog.exec() != QDialog::Accepted)
        return;
    outcome->error = printText(text, printer);
    if (outcome->error.isEmpty())
        outcome->destination = destinationOf(printer);
}
