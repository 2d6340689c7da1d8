// Answers the modal windows a test opens as a player would: message boxes and winner's cards
// are recorded and closed with OK, any other dialog is recorded, looked at and cancelled; the
// frame of the game's own boxes is looked at too.
#pragma once

#include <QStringList>
#include <QTimer>
#include <functional>

class QDialog;

namespace zandor::test {

class ModalCloser : public QObject {
public:
    ModalCloser();

    QStringList messages;              // each message box's text, after "(i) " for that icon
    QStringList winnersCentres;        // each winner's card's free centre, as "0 on red"
    QStringList moreThanTitleAndClose; // the game's boxes whose frame offers more
    QStringList dialogs;               // each other dialog, as "objectName|title"
    std::function<void(QDialog*)> look = [](QDialog*) {}; // before it is cancelled

private:
    void closeActiveModal();

    QTimer poll_;
};

} // namespace zandor::test
