// The number caller: one call draws an uncalled number, shows, lights, sounds and marks it,
// then has the cards checked for a win.
#include "engine/decimal_text.h"
#include "engine/game.h"

namespace zandor {

void Game::CallGame(std::int16_t& win) {
    view_.repaint();
    if (state_.paper_play == 1) {
        view_.printWindow();
        win = 1;
        return;
    }
    if (state_.maxrecord < 1) {
        return; // an exhausted pool has nothing to call; some card has won long before
    }
    random_.reseed();
    state_.indexcount = static_cast<std::int16_t>(drawPosition(random_, state_.maxrecord));
    state_.random_no_returned = state_.NumberPool[state_.indexcount];
    const int number = state_.random_no_returned;

    const DecimalText digits(number);
    char called[4] = {columnLetter(number), ' '};
    digits.view().copy(called + 2, 2);
    view_.setCaption(Ctl::CalledNumberDisplay, 0, " ");
    view_.setCaption(Ctl::CalledNumberDisplay, 0,
                     std::string_view(called, 2 + digits.view().size()));
    view_.setBackColor(Ctl::Label1, number, kRed);
    Wav(numberSound_[number]);
    if (ending_) {
        state_.random_no_returned = 0; // the call is abandoned, unmarked
        return;
    }
    if (view_.value(Ctl::automancheck) == 1) {
        markPlayersCells(number);
    }
    markCardRecords(number);
    state_.random_no_returned = 0;
    hasanyonewon(win);
    if (win == 1) {
        return;
    }
    removeFromPool(state_.indexcount);
}

void Game::markPlayersCells(int number) {
    const int cards = playerCardCount();
    for (int i = 1; i <= kCellCount; ++i) {
        for (int card = 0; card < cards; ++card) {
            if (captionNumber(view_.caption(kPlayersGrids[card], i)) == number) {
                view_.setBackColor(kPlayersGrids[card], i, kRed);
            }
        }
    }
}

void Game::indexNumbers() {
    for (auto& cells : cellOfNumber_) {
        cells.fill(0);
    }
    for (int card = 1; card <= kCardCount; ++card) {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            const std::int32_t number = state_.Cards[card].cell[cell].number;
            if (number >= 1 && number <= kNumberCount) {
                cellOfNumber_[number][card] = static_cast<std::uint8_t>(cell);
            }
        }
    }
    numbersIndexed_ = true;
}

// Marks the number on every card that holds it and lists those cards for the win check.
// Branch-free, since whether a card holds the number is a coin toss the processor cannot
// predict; a card without it ORs 0 into its unused cell 0. Marks are only ever 0 or 1.
void Game::markCardRecords(int number) {
    if (!numbersIndexed_) {
        indexNumbers(); // the first call after a deal
    }
    const std::array<std::uint8_t, kCardCount + 1>& cells = cellOfNumber_[number];
    int count = 0;
    for (int card = 1; card <= kCardCount; ++card) {
        const int cell = cells[card];
        const int holds = cell != 0 ? 1 : 0;
        state_.Cards[card].cell[cell].mark |= holds;
        callMarks_.card[count] = static_cast<std::uint8_t>(card);
        callMarks_.cell[count] = static_cast<std::uint8_t>(cell);
        count += holds;
    }
    callMarks_.count = count;
}

void Game::removeFromPool(int position) {
    for (state_.indexcount = static_cast<std::int16_t>(position);
         state_.indexcount < state_.maxrecord; ++state_.indexcount) {
        state_.NumberPool[state_.indexcount] = state_.NumberPool[state_.indexcount + 1];
    }
    --state_.maxrecord;
}

void Game::Wav(const std::string& file) {
    sound_.playSync(file);
}

} // namespace zandor
