// Prints a picture of the main window as one page on the current printer. With no printer
// installed the page goes to a PDF file in the player's documents folder instead.
#pragma once

#include "platform/page_printer.h"

#include <QPrinter>
#include <memory>

namespace zandor {

class WindowPrinter final : public PagePrinter {
public:
    // pdfFolder: where a page goes when there is no printer (the documents folder by default).
    explicit WindowPrinter(QString pdfFolder = QString());

    // The printer that prints use; the printer dialog changes its settings. Made on first use:
    // opening the print system costs start-up time and memory a game may never need.
    QPrinter& printer();

    PrintOutcome print(const QImage& page) override;

private:
    PrintOutcome printToPdf(const QImage& page);

    std::unique_ptr<QPrinter> printer_;
    QString pdfFolder_;
};

// Draws the picture onto the printer's page, scaled to fit and keeping its proportions.
// False when the printer could not be opened or reported an error.
bool drawPage(QPrinter& printer, const QImage& page);

} // namespace zandor
