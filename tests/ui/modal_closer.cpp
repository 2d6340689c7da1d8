#include "modal_closer.h"

#include "ui/cell_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace zandor::test {

bool offersTitleAndCloseOnly(const QWidget* dialog) {
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
    // The game's own boxes only: Qt's printer dialog, which Page Setup opens, is Qt's business.
    const bool ours = qobject_cast<QMessageBox*>(modal) != nullptr ||
                      (modal != nullptr && modal->objectName().startsWith("frm"));
    if (ours && !offersTitleAndCloseOnly(modal)) {
        moreThanTitleAndClose << modal->objectName();
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages << box->text();
        box->button(QMessageBox::Ok)->click();
    } else if (modal != nullptr && modal->objectName() == "frmWinnersCard") {
        QStringList cells;
        QStringList red;
        for (int i = 1; i <= 25; ++i) {
            auto* cell = modal->findChild<ui::CellLabel*>(QString("Label3a_%1").arg(i));
            cells << cell->text();
            if (cell->backColor() == 0xFF0000) {
                red << QString::number(i);
            }
        }
        winnersCards << modal->findChild<QLabel*>("Label3b")->text() + "|" + cells.join(",") + "|" +
                            red.join(",");
        modal->findChild<QPushButton*>("OKButton")->click();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject(); // the high scores, the About box, Page Setup: closed unanswered
    }
}

} // namespace zandor::test
