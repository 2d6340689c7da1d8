#include "sim/invariant_checker.h"

#include "sim/players.h"

#include <charconv>

namespace zandor {
namespace {

constexpr int kColumnSize = 15; // numbers per column range: B 1-15, I 16-30, ...
constexpr std::string_view kPlayerWinMessage = "We have a winner and it was ";
constexpr std::string_view kWinnerLineEnd = " is the winner.";

// The number a called-number caption such as "B 7" shows, if its letter fits the number.
std::optional<int> calledNumberOf(std::string_view caption) {
    if (caption.size() < 3 || caption[1] != ' ') {
        return std::nullopt;
    }
    int number = 0;
    const char* end = caption.data() + caption.size();
    const auto result = std::from_chars(caption.data() + 2, end, number);
    if (result.ec != std::errc() || result.ptr != end || number < 1 || number > kNumberCount) {
        return std::nullopt;
    }
    if (caption[0] != "BINGO"[(number - 1) / kColumnSize]) {
        return std::nullopt;
    }
    return number;
}

} // namespace

void InvariantChecker::gameStarting(const GameState& state) {
    state_ = &state;
    ++game_;
    balanceBefore_ = state.balance;
    called_.reset();
    calls_ = 0;
    callUnchecked_ = false;
    announcements_ = 0;
    playerWon_ = false;
}

void InvariantChecker::gameFinished() {
    if (state_ == nullptr) {
        return;
    }
    if (announcements_ != 1) {
        violation("the game announced " + std::to_string(announcements_) + " winners");
    }
    if (!lineKindOf(state_->gametype)) {
        violation("unknown game type '" + state_->gametype + "'");
    }
    checkDeal();
    checkMarksCleared();
    checkBalance();
    state_ = nullptr;
}

void InvariantChecker::numberShown(std::string_view caption) {
    if (state_ == nullptr || caption == " ") {
        return; // the display is blanked before each call and after the win
    }
    const std::optional<int> number = calledNumberOf(caption);
    if (!number) {
        violation("the called-number display shows '" + std::string(caption) + "'");
        return;
    }
    if (isCalled(*number)) {
        violation(std::to_string(*number) + " was called twice");
    }
    called_.set(static_cast<std::size_t>(*number));
    ++calls_;
    callUnchecked_ = true;
}

// The game yields many times between two calls; the state is the same each time, so one check
// per call is enough.
void InvariantChecker::eventsProcessed() {
    if (state_ == nullptr || !callUnchecked_) {
        return;
    }
    callUnchecked_ = false;
    checkPool();
    checkMarks();
    if (const auto kind = lineKindOf(state_->gametype)) {
        if (const int card = firstCardWithLine(*state_, *kind, called_)) {
            violation("card " + std::to_string(card) + " has a complete line, no winner announced");
        }
    }
}

void InvariantChecker::messageShown(std::string_view text) {
    if (state_ == nullptr) {
        return; // card-count warnings come between games
    }
    if (text.substr(0, kPlayerWinMessage.size()) != kPlayerWinMessage) {
        violation("unexpected message during a game: " + std::string(text));
        return;
    }
    const std::string_view rest = text.substr(kPlayerWinMessage.size());
    announced(rest.substr(0, rest.find(',')));
}

void InvariantChecker::winnersCardShown(const WinnersCard& card) {
    if (state_ == nullptr) {
        return;
    }
    const std::string_view line = card.winnerLine;
    if (line.size() <= kWinnerLineEnd.size() ||
        line.substr(line.size() - kWinnerLineEnd.size()) != kWinnerLineEnd) {
        violation("the winner's card reads '" + card.winnerLine + "'");
        return;
    }
    announced(line.substr(0, line.size() - kWinnerLineEnd.size()));
}

void InvariantChecker::announced(std::string_view name) {
    ++announcements_;
    playerWon_ = name == kPlayerName;
    checkMarks();
    const auto kind = lineKindOf(state_->gametype);
    const int card = kind ? firstCardWithLine(*state_, *kind, called_) : 0;
    if (card == 0) {
        violation(std::string(name) + " was announced without a complete line");
        return;
    }
    const std::string_view owner = ownerOfCard(card, playerCards_);
    if (name != owner || state_->whowon != owner) {
        violation("card " + std::to_string(card) + " won: its owner is " + std::string(owner) +
                  ", announced " + std::string(name) + ", whowon " + state_->whowon);
    }
}

void InvariantChecker::checkDeal() {
    for (int card = 1; card <= kCardCount; ++card) {
        for (int column = 0; column < 5; ++column) {
            std::bitset<kColumnSize> seen;
            for (int row = 1; row <= 5; ++row) {
                const int number = state_->Cards[card].cell[column * 5 + row].number;
                const int offset = number - column * kColumnSize - 1;
                if (offset < 0 || offset >= kColumnSize || seen[offset]) {
                    violation("card " + std::to_string(card) + " holds " + std::to_string(number) +
                              " in column " + std::to_string(column + 1) +
                              ", out of range or twice");
                    return;
                }
                seen.set(static_cast<std::size_t>(offset));
            }
        }
    }
}

void InvariantChecker::checkPool() {
    const int size = state_->maxrecord;
    if (size != kNumberCount - calls_) {
        violation("the pool holds " + std::to_string(size) + " numbers after " +
                  std::to_string(calls_) + " calls");
    }
    if (size < 0 || size > kNumberCount) {
        return;
    }
    for (int position = 1; position <= size; ++position) {
        const int number = state_->NumberPool[position];
        if (isCalled(number)) {
            violation(std::to_string(number) + " was called but is still in the pool");
        }
    }
}

// Every card's marks are exactly its called numbers plus the free centre.
void InvariantChecker::checkMarks() {
    for (int card = 1; card <= kCardCount; ++card) {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            const CardCell& c = state_->Cards[card].cell[cell];
            const bool covered = cell == kFreeCentre || isCalled(c.number);
            if (c.mark != (covered ? 1 : 0)) {
                violation("card " + std::to_string(card) + " cell " + std::to_string(cell) +
                          " is marked " + std::to_string(c.mark));
                return;
            }
        }
    }
}

void InvariantChecker::checkMarksCleared() {
    for (int card = 1; card <= kCardCount; ++card) {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            if (state_->Cards[card].cell[cell].mark != 0) {
                violation("card " + std::to_string(card) + " cell " + std::to_string(cell) +
                          " is still marked after the game");
                return;
            }
        }
    }
}

void InvariantChecker::checkBalance() {
    const auto kind = lineKindOf(state_->gametype);
    const int jackpot = kind ? jackpotOf(*kind) : 0;
    if (state_->jackpot != jackpot) {
        violation("jackpot " + std::to_string(state_->jackpot) + " for a " + state_->gametype +
                  " game");
    }
    const long long expected =
        balanceBefore_ - kStakePerCard * playerCards_ + (playerWon_ ? jackpot : 0);
    if (state_->balance != expected) {
        violation("balance went from " + std::to_string(balanceBefore_) + " to " +
                  std::to_string(state_->balance) + ", expected " + std::to_string(expected));
    }
}

bool InvariantChecker::isCalled(int number) const {
    return number >= 1 && number <= kNumberCount && called_[static_cast<std::size_t>(number)];
}

void InvariantChecker::violation(const std::string& what) {
    ++violations_;
    if (descriptions_.size() < kKeptDescriptions) {
        descriptions_.push_back("game " + std::to_string(game_) + ": " + what);
    }
}

} // namespace zandor
