// Checks a game as it is played against the rules it must keep: a fair deal, each number called
// once and gone from the pool, no unannounced complete line, the right winner and owner, a clean
// board afterwards and the exact change of the balance. Counts and describes each violation.
#pragma once

#include "sim/bingo_lines.h"
#include "sim/game_observer.h"

#include <string>
#include <vector>

namespace zandor {

class InvariantChecker final : public GameObserver {
public:
    static constexpr std::size_t kKeptDescriptions = 10;

    explicit InvariantChecker(int playerCards) : playerCards_(playerCards) {}

    void gameStarting(const GameState& state) override;
    void gameFinished() override;
    void numberShown(std::string_view caption) override;
    void eventsProcessed() override;
    void messageShown(std::string_view text) override;
    void winnersCardShown(const WinnersCard& card) override;

    long long violations() const { return violations_; }
    // The first kKeptDescriptions violations, each naming its game.
    const std::vector<std::string>& descriptions() const { return descriptions_; }

private:
    void violation(const std::string& what);
    void announced(std::string_view name);
    void checkDeal();
    void checkPool();
    void checkMarks();
    void checkMarksCleared();
    void checkBalance();
    bool isCalled(int number) const;

    const int playerCards_;
    const GameState* state_ = nullptr; // the running game's state; null between games
    long long game_ = 0;
    std::int32_t balanceBefore_ = 0;
    CalledNumbers called_;
    int calls_ = 0;
    bool callUnchecked_ = false;
    int announcements_ = 0;
    bool playerWon_ = false;
    long long violations_ = 0;
    std::vector<std::string> descriptions_;
};

} // namespace zandor
