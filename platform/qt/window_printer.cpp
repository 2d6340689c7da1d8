#include "platform/qt/window_printer.h"

#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace zandor {

WindowPrinter::WindowPrinter(QString pdfFolder)
    : pdfFolder_(pdfFolder.isEmpty()
                     ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                     : std::move(pdfFolder)) {}

QPrinter& WindowPrinter::printer() {
    // Made while no printer was installed, the printer is a PDF writer with nowhere to write;
    // once a printer has come it is made afresh, so that prints go to the printer.
    if (printer_ && printer_->outputFormat() == QPrinter::PdfFormat &&
        printer_->outputFileName().isEmpty() && !QPrinterInfo::availablePrinters().isEmpty()) {
        printer_.reset();
    }
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

PrintOutcome WindowPrinter::print(const QImage& page) {
    printer();
    // Without a printer Qt quietly makes the printer a PDF writer with no file to write to.
    const bool toFile = !printer_->outputFileName().isEmpty();
    if (!toFile && QPrinterInfo::availablePrinters().isEmpty()) {
        return printToPdf(page);
    }
    PrintOutcome outcome;
    if (drawPage(*printer_, page)) {
        outcome.kind = toFile ? PrintOutcome::Kind::PrintedToFile : PrintOutcome::Kind::Printed;
        outcome.path = printer_->outputFileName();
    }
    return outcome;
}

PrintOutcome WindowPrinter::printToPdf(const QImage& page) {
    PrintOutcome outcome;
    if (!QDir().mkpath(pdfFolder_)) {
        return outcome;
    }
    const QString stamp = QDateTime::currentDateTime().toString("yyyy-MM-dd hh.mm.ss");
    QString path = QDir(pdfFolder_).filePath(QString("Zandor Bingo cards %1.pdf").arg(stamp));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path =
            QDir(pdfFolder_).filePath(QString("Zandor Bingo cards %1 (%2).pdf").arg(stamp).arg(n));
    }
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    if (printer_->pageLayout().isValid()) {
        pdf.setPageLayout(printer_->pageLayout()); // as chosen in the printer dialog
    }
    pdf.setOutputFileName(path);
    if (drawPage(pdf, page) && QFileInfo(path).size() > 0) {
        outcome.kind = PrintOutcome::Kind::SavedAsPdf;
        outcome.path = path;
    }
    return outcome;
}

bool drawPage(QPrinter& printer, const QImage& page) {
    QPainter painter;
    if (page.isNull() || !painter.begin(&printer)) {
        return false;
    }
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    QSize size = page.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((area.width() - size.width()) / 2, 0), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, page);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error &&
           printer.printerState() != QPrinter::Aborted;
}

} // namespace zandor
