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

// Marks the number on every card that holds it, noting the cell for the win check. A dealt
// number can only sit in its own column, and at most once per card.
void Game::markCardRecords(int number) {
    const int first = (number - 1) / 15 * 5 + 1;
    for (int card = 1; card <= kCardCount; ++card) {
        callMarks_.cell[card] = 0;
        for (int cell = first; cell < first + 5; ++cell) {
            CardCell& c = state_.Cards[card].cell[cell];
            if (c.number == number) {
                c.mark = 1;
                callMarks_.cell[card] = static_cast<std::uint8_t>(cell);
                break;
            }
        }
    }
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
