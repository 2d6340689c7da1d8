// Answers the modal windows a test opens: every message box and winner's card that comes up is
// recorded and closed with its OK button, as a player would; any other dialog is cancelled. The
// frame of each is looked at too.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class QWidget;

namespace zandor::test {

// Whether a fixed-size dialog's frame offers a title and a close box only.
bool offersTitleAndCloseOnly(const QWidget* dialog);

class ModalCloser : public QObject {
    Q_OBJECT
public:
    ModalCloser();

    QStringList messages;     // the text of each message box
    QStringList winnersCards; // per winner's card: "<Label3b>|<cell 1>,...,<cell 25>|<red cells>"
    // The name of each of the game's boxes that offers more than a title and a close box.
    QStringList moreThanTitleAndClose;

private:
    void closeActiveModal();

    QTimer poll_;
};

} // namespace zandor::test
