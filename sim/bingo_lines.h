// An independent reckoning of complete lines for checking the engine: a card's lines are worked
// out from row and column arithmetic and the numbers called so far, not from the engine's marks.
#pragma once

#include "engine/game_state.h"

#include <bitset>
#include <optional>
#include <string_view>

namespace zandor {

enum class LineKind { Vertical, Horizontal, Diagonal };

// The kind named by a game-type word ("vertical", "horizontal", "diagonal"), or nothing.
std::optional<LineKind> lineKindOf(std::string_view gametype);

// The jackpot in dollars a game of this kind pays the player.
int jackpotOf(LineKind kind);

using CalledNumbers = std::bitset<kNumberCount + 1>; // bit n set once n has been called

// The lowest-numbered card (1..10) with a complete line, or 0 when none has one.
int firstCardWithLine(const GameState& state, LineKind kind, const CalledNumbers& called);

} // namespace zandor
