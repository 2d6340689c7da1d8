// Settling a win: who owns the winning card, the jackpot when it is the player, and the
// announcement by message or by the winner's-card dialog.
#include "engine/decimal_text.h"
#include "engine/game.h"

#include <string_view>

namespace zandor {
namespace {

struct ComputerPlayer {
    const char* name;
    int picture; // index into ImageList1
};

// Owners of cards 4 to 10; cards 2 and 3 belong to Fred and Bink unless the player bought them.
constexpr ComputerPlayer kAlwaysComputer[] = {{"Kaper", 4}, {"Tron", 5},  {"Lute", 6},
                                              {"Rucky", 7}, {"Broed", 8}, {"Sugar", 9}};
constexpr ComputerPlayer kFred{"Fred", 1};
constexpr ComputerPlayer kBink{"Bink", 3};
constexpr ComputerPlayer kPemby{"Pemby", 2};

int pictureOf(std::string_view name) {
    for (const ComputerPlayer& player : {kFred, kBink}) {
        if (name == player.name) {
            return player.picture;
        }
    }
    for (const ComputerPlayer& player : kAlwaysComputer) {
        if (name == player.name) {
            return player.picture;
        }
    }
    return kPemby.picture;
}

} // namespace

void Game::DeclareWinner(int card) {
    if (card < 1 || card > kCardCount) {
        return; // only the ten cards in play can win
    }
    Wav(bingoSound_);
    state_.whowon = "";
    bool playersCard = false;
    if (card == 1) {
        playersCard = true;
    } else if (card == 2) {
        playersCard = view_.isSelected(Ctl::sel2, 1) || view_.isSelected(Ctl::sel3, 1);
        state_.whowon = playersCard ? "" : kFred.name;
    } else if (card == 3) {
        playersCard = view_.isSelected(Ctl::sel3, 1);
        state_.whowon = playersCard ? "" : kBink.name;
    } else if (card >= 4 && card <= 9) {
        state_.whowon = kAlwaysComputer[card - 4].name;
    } else {
        state_.whowon = kPemby.name;
    }
    if (playersCard) {
        state_.whowon = "you";
    }
    if (ending_) {
        // Closed during the win sound: the win still counts, so the balance the high-score
        // table is offered is right, but a closing window gets no announcement.
        if (playersCard) {
            addSaturating(state_.balance, state_.jackpot);
        }
        return;
    }
    if (playersCard) {
        view_.setBackColor(kPlayersFrames[card - 1], 0, kLightBlue);
        announcePlayerWin();
        result_ = withNumber("You won $", state_.jackpot);
    } else {
        announceComputerWin(card);
        result_ = state_.whowon +
                  withNumber(" won. Your stake of $", playerCardCount() * kStakePerCard) +
                  " is lost";
    }
    result_ += withNumber(". Balance $", state_.balance) + ".";
    if (ending_) {
        return; // closed while the announcement was open
    }
    view_.setStatusPanel(2, withNumber("Balance = $", state_.balance));
    view_.setCaption(Ctl::CalledNumberDisplay, 0, " ");
}

void Game::announceComputerWin(int card) {
    WinnersCard shown;
    shown.cellColor.fill(kWhite);
    bool anyMarked = false;
    for (int i = 1; i <= kCellCount; ++i) {
        const CardCell& cell = state_.Cards[card].cell[i];
        shown.cellNumber[i] = cell.number;
        if (cell.mark == 1) {
            // Each marked cell also lights the centre, showing 0 on red.
            shown.cellColor[i] = kRed;
            shown.cellColor[kFreeCentre] = kRed;
            shown.cellNumber[kFreeCentre] = 0;
            anyMarked = true;
        }
    }
    if (anyMarked) {
        shown.winnerLine = state_.whowon + " is the winner.";
    }
    shown.picture = pictureOf(state_.whowon);
    view_.showWinnersCard(shown);
}

void Game::announcePlayerWin() {
    addSaturating(state_.balance, state_.jackpot);
    std::string message = "We have a winner and it was " + state_.whowon;
    message += withNumber(", Your Balance is now $", state_.balance);
    view_.messageBox(message);
}

} // namespace zandor
