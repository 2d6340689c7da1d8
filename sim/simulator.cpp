#include "sim/simulator.h"

namespace zandor {

Simulator::Simulator(RandomSource& random, int cards, int gameType, GameObserver* observer)
    : random_(random), cards_(cards), gameType_(gameType), observer_(observer) {
    view_.setObserver(observer);
    startProgram();
}

GameOutcome Simulator::playGame() {
    if (!buyCards()) {
        startProgram();
        ++restarts_;
        buyCards(); // the starting balance covers three cards
    }
    view_.select(Ctl::selgametype, gameType_);
    const GameState& state = game_->state();
    const std::int32_t balanceBefore = state.balance;
    if (observer_ != nullptr) {
        observer_->gameStarting(state);
    }
    game_->StartButton_Click();
    if (observer_ != nullptr) {
        observer_->gameFinished();
    }
    GameOutcome outcome;
    if (state.win == 1) {
        outcome.winner = state.whowon;
        // The winning number stays in the pool; every other call took one out.
        outcome.calls = kNumberCount - state.maxrecord + 1;
    }
    outcome.balanceChange = state.balance - balanceBefore;
    return outcome;
}

void Simulator::startProgram() {
    game_ = std::make_unique<Game>(view_, random_, sound_, std::string());
    game_->loadStartingState();
}

bool Simulator::buyCards() {
    switch (cards_) {
    case 1:
        view_.select(Ctl::sel1, 1);
        game_->sel1_Click();
        break;
    case 2:
        view_.select(Ctl::sel2, 1);
        game_->sel2_Click();
        break;
    default:
        view_.select(Ctl::sel3, 1);
        game_->sel3_Click();
        break;
    }
    return view_.isEnabled(Ctl::StartButton);
}

} // namespace zandor
