#include "sim/null_view.h"

namespace zandor {

void NullView::select(Ctl option, int index) {
    switch (option) {
    case Ctl::sel0:
    case Ctl::sel1:
    case Ctl::sel2:
    case Ctl::sel3:
        cardCount_ = option;
        break;
    case Ctl::selgametype:
        gameType_ = index;
        break;
    default:
        break;
    }
}

bool NullView::isSelected(Ctl option, int index) const {
    if (option == Ctl::selgametype) {
        return index == gameType_;
    }
    return option == cardCount_;
}

void NullView::setCaption(Ctl control, int, std::string_view caption) {
    if (control == Ctl::CalledNumberDisplay && observer_ != nullptr) {
        observer_->numberShown(caption);
    }
}

// Only the player's grids are ever read back, and only in Auto mode, which this view never is.
std::string NullView::caption(Ctl, int) const {
    return {};
}

void NullView::processEvents() {
    if (observer_ != nullptr) {
        observer_->eventsProcessed();
    }
}

void NullView::messageBox(std::string_view text) {
    if (observer_ != nullptr) {
        observer_->messageShown(text);
    }
}

void NullView::showWinnersCard(const WinnersCard& card) {
    if (observer_ != nullptr) {
        observer_->winnersCardShown(card);
    }
}

} // namespace zandor
