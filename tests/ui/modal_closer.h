// Answers the modal windows a test opens as a player would: message boxes and winner's cards
// are recorded and closed with OK, any other dialog is cancelled; the frame of the game's own
// boxes is looked at too.
#pragma once

#include <QStringList>
#include <QTimer>

class QWidget;

namespace zandor::test {

// Whether a fixed-size dialog's frame offers a title and a close box only.
bool offersTitleAndCloseOnly(const QWidget* dialog);

class ModalCloser : public QObject {
public:
    ModalCloser();

    QStringList messages;              // the text of each message box
    QStringList winnersCentres;        // each winner's card's free centre, as "0 on red"
    QStringList moreThanTitleAndClose; // the game's boxes whose frame offers more

private:
    void closeActiveModal();

    QTimer poll_;
};

} // namespace zandor::test
