// Who holds each of the ten cards: the player holds cards 1 up to the number bought, the nine
// computer players the rest, in a fixed order.
#pragma once

#include <array>
#include <string_view>

namespace zandor {

constexpr std::string_view kPlayerName = "you"; // the winner's name when the player wins

// The computer players in card order: Fred holds card 2, Bink card 3, ..., Pemby card 10.
constexpr std::array<std::string_view, 9> kComputerPlayers = {
    "Fred", "Bink", "Kaper", "Tron", "Lute", "Rucky", "Broed", "Sugar", "Pemby"};

// The owner of card 1..10 when the player holds playerCards cards (1..3).
constexpr std::string_view ownerOfCard(int card, int playerCards) {
    return card <= playerCards ? kPlayerName : kComputerPlayers[card - 2];
}

// Index of a computer player in kComputerPlayers, or -1 for any other name.
int computerPlayerIndex(std::string_view name);

} // namespace zandor
