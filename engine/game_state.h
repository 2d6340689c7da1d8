// The play state of the main window: every variable and array of a game under its own name,
// plus the ten card records. Plain data; the Game class is the only writer during play.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace zandor {

constexpr int kCardCount = 10;   // cards dealt and played in every game
constexpr int kCellCount = 25;   // cells per card, numbered down the columns
constexpr int kFreeCentre = 13;  // the centre cell, marked at the start of every game
constexpr int kNumberCount = 75; // callable numbers 1..75
constexpr int kStakePerCard = 6; // dollars
// The pause between calls grows by this much for each step of the caller's speed slider.
constexpr int kPauseMillisecondsPerSpeedStep = 200;

// One cell of a card record: field 0 is the number, field 1 the mark (1 = covered).
struct CardCell {
    std::int32_t number = 0;
    std::int32_t mark = 0;
};

// A card record; cells 1..25 (index 0 unused so cell numbers read as in the design).
struct CardRecord {
    std::array<CardCell, kCellCount + 1> cell{};
};

// One cell of the card just dealt; only field 0, the number, is used.
struct DealtCell {
    std::int16_t number = 0;
    std::int16_t unused = 0;
};

struct GameState {
    std::int32_t balance = 60; // widened so that a long winning run never wraps
    std::string gametype;      // "vertical", "horizontal" or "diagonal" during a game
    std::string whowon;        // "you" or a computer player's name
    std::int16_t jackpot = 0;
    std::int32_t no_of_games = 0; // widened like balance
    std::int16_t paper_play = 0;
    std::int16_t lookup = 0;
    std::int16_t indexcount = 0;
    std::int16_t maxrecord = 0;
    std::int16_t generated_number = 0;
    std::int16_t random_no_returned = 0;
    std::int16_t win = 0;

    std::array<std::int16_t, kNumberCount + 1> NumberPool{}; // positions 1..maxrecord
    std::array<DealtCell, kCellCount + 1> DealtCard{};       // cells 1..25
    std::array<std::int16_t, 6> ColumnPicks{};               // rows 1..5
    CardRecord CardTemplate{};                               // all zeros, never written

    std::array<CardRecord, kCardCount + 1> Cards{}; // cards 1..10
};

// Adds a non-negative amount to a widened counter, stopping at its largest value.
inline void addSaturating(std::int32_t& value, std::int32_t amount) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    value = value > kMax - amount ? kMax : value + amount;
}

// Column letter of a callable number: B 1-15, I 16-30, N 31-45, G 46-60, O 61-75.
inline char columnLetter(int number) {
    if (number <= 15) {
        return 'B';
    }
    if (number <= 30) {
        return 'I';
    }
    if (number <= 45) {
        return 'N';
    }
    if (number <= 60) {
        return 'G';
    }
    return 'O';
}

} // namespace zandor
