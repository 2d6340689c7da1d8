// Printing a picture of the window as one page, and what became of the page: the shell tells
// the player about a page that went to a file or was not printed.
#pragma once

#include <QImage>
#include <QString>

namespace zandor {

struct PrintOutcome {
    // PrintedToFile: Page Setup chose "Print to file"; each print overwrites that one file.
    enum class Kind { Printed, PrintedToFile, SavedAsPdf, Failed };
    Kind kind = Kind::Failed;
    QString path; // the file written, for PrintedToFile and SavedAsPdf
};

class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    virtual PrintOutcome print(const QImage& page) = 0;
};

} // namespace zandor
