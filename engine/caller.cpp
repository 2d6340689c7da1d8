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

    std::string called{columnLetter(number), ' '};
    called += DecimalText(number).view();
    view_.setCaption(Ctl::CalledNumberDisplay, 0, " ");
    view_.setCaption(Ctl::CalledNumberDisplay, 0, called);
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
    hasanyonewon(win);
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

void Game::markCardRecords(int number) {
    for (int cell = 1; cell <= kCellCount; ++cell) {
        for (int card = 1; card <= kCardCount; ++card) {
            CardCell& c = state_.Cards[card].cell[cell];
            if (c.number == number) {
                c.mark = 1;
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
