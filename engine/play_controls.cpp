// The player's own controls: marking cells by hand, the Auto/Manual switch and Pause. None of
// them touches the card records, so none of them decides who wins.
#include "engine/game.h"

namespace zandor {

void Game::Label3_Click(int index) {
    toggleMark(Ctl::Label3, index);
}

void Game::Label4_Click(int index) {
    toggleMark(Ctl::Label4, index);
}

void Game::Label5_Click(int index) {
    toggleMark(Ctl::Label5, index);
}

void Game::toggleMark(Ctl grid, int index) {
    if (index < 1 || index > kCellCount) {
        return;
    }
    view_.setBackColor(grid, index, view_.backColor(grid, index) == kRed ? kWhite : kRed);
}

void Game::automancheck_Click() {
    view_.setCaption(Ctl::automancheck, 0, view_.value(Ctl::automancheck) == 0 ? "Manual" : "Auto");
}

void Game::pausebutton_Click() {
    if (ending_) {
        return; // no message box on a closing window
    }
    view_.messageBox("GAME PAUSED, Click to continue.");
}

} // namespace zandor
