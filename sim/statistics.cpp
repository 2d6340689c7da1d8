#include "sim/statistics.h"

namespace zandor {

void Statistics::record(const GameOutcome& outcome) {
    ++games_;
    totalCalls_ += outcome.calls;
    totalReturn_ += outcome.balanceChange;
    if (outcome.winner == kPlayerName) {
        ++playerWins_;
    } else if (const int player = computerPlayerIndex(outcome.winner); player >= 0) {
        ++computerWins_[static_cast<std::size_t>(player)];
    }
}

bool Statistics::operator==(const Statistics& other) const {
    return games_ == other.games_ && playerWins_ == other.playerWins_ &&
           totalCalls_ == other.totalCalls_ && totalReturn_ == other.totalReturn_ &&
           computerWins_ == other.computerWins_;
}

double Statistics::perGame(long long total) const {
    return games_ == 0 ? 0.0 : static_cast<double>(total) / static_cast<double>(games_);
}

} // namespace zandor
