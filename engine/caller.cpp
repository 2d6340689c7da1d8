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
    callMarks_.active = true;
    hasanyonewon(win);
    callMarks_.active = false;
    if (win == 1) {
        return;
    }
    removeFromPool(state_.indexcount);
}

void Game::markPlayersCells(int number) {
    constexpr Ctl kGrids[] = {Ctl::Label3, Ctl::Label4, Ctl::Label5};
    const int cards = playerCardCount();
    for (int i = 1; i <= kCellCount; ++i) {
        for (int card = 0; card < cards; ++card) {
            if (captionNumber(view_.caption(kGrids[card], i)) == number) {
                view_.setBackColor(kGrids[card], i, kRed);
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
    std::array<std::uint8_t, kCardCount + 1> cells{};
    if (numbersIndexed_) {
        cells = cellOfNumber_[number];
    } else {
        for (int card = 1; card <= kCardCount; ++card) {
            cells[card] = static_cast<std::uint8_t>(cellHolding(card, number));
        }
    }
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

// The cell of the card that holds the number, or 0. A dealt number sits only in its own
// column, at most once per card.
int Game::cellHolding(int card, int number) const {
    const int first = (number - 1) / 15 * 5 + 1;
    const CardRecord& record = state_.Cards[card];
    unsigned hits = 0;
    for (int row = 0; row < 5; ++row) {
        hits |= static_cast<unsigned>(record.cell[first + row].number == number) << row;
    }
    return hits != 0 ? first + __builtin_ctz(hits) : 0;
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
