// Answers the modal windows a test opens: every message box and winner's card that comes up is
// recorded and closed with its OK button, as a player would; any other dialog is cancelled.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace zandor::test {

class ModalCloser : public QObject {
    Q_OBJECT
public:
    ModalCloser();

    QStringList messages;     // the text of each message box
    QStringList winnersCards; // per winner's card: "<Label3b>|<cell 1>,...,<cell 25>|<red cells>"

private:
    void closeActiveModal();

    QTimer poll_;
};

} // namespace zandor::test
