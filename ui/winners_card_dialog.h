// frmWinnersCard: the modal dialog that shows a computer player's winning card, name and
// picture. A new one is made for every showing, so each starts from its designed state.
#pragma once

#include "engine/game_state.h"
#include "engine/game_view.h"

#include <QDialog>
#include <array>

class QLabel;
class QPixmap;

namespace zandor::ui {

class CellLabel;

class frmWinnersCard : public QDialog {
    Q_OBJECT
public:
    explicit frmWinnersCard(QWidget* owner);

    void showCard(const WinnersCard& card, const QPixmap& picture);

private:
    QLabel* Label3b;
    QLabel* winnerspicture;
    std::array<CellLabel*, kCellCount + 1> Label3a{};
};

} // namespace zandor::ui
