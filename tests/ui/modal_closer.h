// Answers the modal windows a test opens as a player would: message boxes and winner's cards
// are recorded and closed with OK, any other dialog is recorded, looked at and cancelled; the
// frame of the game's own boxes is looked at too. Brings Qt's widgets and test tools along.
#pragma once

#include "ui/cell_label.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>

namespace zandor::test {

class ModalCloser : public QObject {
public:
    ModalCloser() {
        connect(&poll_, &QTimer::timeout, this, &ModalCloser::closeActiveModal);
        poll_.start(5);
    }

    QStringList messages;              // each message box's text, after "(i) " for that icon
    QStringList winnersCentres;        // each winner's card's free centre, as "0 on red"
    QStringList moreThanTitleAndClose; // the game's boxes whose frame offers more
    QStringList dialogs;               // each other dialog, as "objectName|title"
    std::function<void(QDialog*)> look = [](QDialog*) {}; // before it is cancelled

private:
    void closeActiveModal() {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        // The game's own boxes only: Qt's printer dialog, which Page Setup opens, is Qt's.
        const auto frame = modal == nullptr ? Qt::WindowFlags() : modal->windowFlags();
        if ((box != nullptr || (modal != nullptr && modal->objectName().startsWith("frm"))) &&
            (!frame.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) ||
             frame & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))) {
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

    QTimer poll_;
};

} // namespace zandor::test
