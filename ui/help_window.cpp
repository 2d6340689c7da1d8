#include "ui/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zandor::ui {

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName("helpWindow");
    setWindowTitle("Zandor Bingo Help");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    // Links to web pages open in the desktop's browser; the help's own links stay here.
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_);
    resize(640, 720);
}

void HelpWindow::showContents(const QString& helpFile) {
    browser_->setSource(QUrl::fromLocalFile(helpFile));
    browser_->home();
    show();
    raise();
    activateWindow();
}

} // namespace zandor::ui
