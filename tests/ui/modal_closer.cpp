#include "modal_closer.h"

#include "ui/cell_label.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zandor::test {

// Whether a fixed-size dialog's frame offers a title and a close box only.
static bool offersTitleAndCloseOnly(const QWidget* dialog) {
    const Qt::WindowFlags flags = dialog->windowFlags();
    return flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) &&
           !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

ModalCloser::ModalCloser() {
    connect(&poll_, &QTimer::timeout, this, &ModalCloser::closeActiveModal);
    poll_.start(5);
}

void ModalCloser::closeActiveModal() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    // The game's own boxes only: Qt's printer dialog, which Page Setup opens, is Qt's business.
    if ((box != nullptr || (modal != nullptr && modal->objectName().startsWith("frm"))) &&
        !offersTitleAndCloseOnly(modal)) {
        moreThanTitleAndClose << modal->objectName();
    }
    if (box != nullptr) {
        messages << (box->icon() == QMessageBox::Information ? "(i) " : "") + box->text();
        box->button(QMessageBox::Ok)->click();
    } else if (modal != nullptr && modal->objectName() == "frmWinnersCard") {
        const auto* centre = modal->findChild<ui::CellLabel*>("Label3a_13");
        winnersCentres << centre->text() + (centre->backColor() == 0xFF0000 ? " on red" : "");
        modal->findChild<QPushButton*>("OKButton")->click();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialogs << dialog->objectName() + "|" + dialog->windowTitle();
        look(dialog);
        dialog->reject(); // the high scores, the About box, Page Setup: closed unanswered
    }
}

} // namespace zandor::test
