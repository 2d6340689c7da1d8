#include "shell/main_window_view.h"

#include "platform/game_pause.h"
#include "platform/page_printer.h"
#include "shell/command_messages.h"
#include "ui/form1.h"

namespace zandor {

MainWindowView::MainWindowView(ui::Form1& form, PagePrinter& printer, GamePause& pause)
    : form_(form), printer_(printer), pause_(pause) {}

void MainWindowView::setCaption(Ctl control, int index, std::string_view caption) {
    form_.setCaption(control, index, caption);
}

std::string MainWindowView::caption(Ctl control, int index) const {
    return form_.caption(control, index);
}

void MainWindowView::setBackColor(Ctl control, int index, Rgb color) {
    form_.setBackColor(control, index, color);
}

Rgb MainWindowView::backColor(Ctl control, int index) const {
    return form_.backColor(control, index);
}

void MainWindowView::setVisible(Ctl control, bool visible) {
    form_.setVisible(control, visible);
}

void MainWindowView::setEnabled(Ctl control, bool enabled) {
    form_.setEnabled(control, enabled);
}

bool MainWindowView::isSelected(Ctl option, int index) const {
    return form_.isSelected(option, index);
}

int MainWindowView::value(Ctl control) const {
    return form_.value(control);
}

void MainWindowView::setFocus(Ctl option, int index) {
    form_.setFocus(option, index);
}

void MainWindowView::setStatusPanel(int panel, std::string_view text) {
    form_.setStatusPanel(panel, text);
}

void MainWindowView::repaint() {
    form_.repaint();
}

void MainWindowView::processEvents() {
    form_.processEvents();
}

void MainWindowView::sleep(int milliseconds) {
    pause_.wait(milliseconds);
}

void MainWindowView::messageBox(std::string_view text) {
    form_.messageBox(text);
}

void MainWindowView::showWinnersCard(const WinnersCard& card) {
    form_.showWinnersCard(card);
}

void MainWindowView::announce(std::string_view text) {
    form_.announce(text);
}

void MainWindowView::printWindow() {
    const QString message = printOutcomeMessage(printer_.print(form_.clientAreaImage()));
    if (!message.isEmpty()) {
        form_.messageBox(message.toStdString());
    }
}

} // namespace zandor
