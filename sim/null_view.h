// A view with no screen for headless play: it keeps only what the game reads back (the selected
// options and Start's enabled state; slider and Auto/Manual read 0) and hands the called number,
// event processing and announcements to an optional observer.
#pragma once

#include "engine/game_view.h"
#include "sim/game_observer.h"

#include <array>

namespace zandor {

class NullView final : public GameView {
public:
    void setObserver(GameObserver* observer) { observer_ = observer; }

    // Selects an option as a player's click would: sel0..sel3 form one group, selgametype another.
    void select(Ctl option, int index);
    bool isEnabled(Ctl control) const { return enabled_[slot(control)]; }

    void setCaption(Ctl control, int index, std::string_view caption) override;
    std::string caption(Ctl control, int index) const override;
    void setBackColor(Ctl, int, Rgb) override {}
    Rgb backColor(Ctl, int) const override { return kWhite; }
    void setVisible(Ctl, bool) override {}
    void setEnabled(Ctl control, bool enabled) override { enabled_[slot(control)] = enabled; }

    bool isSelected(Ctl option, int index) const override;
    int value(Ctl) const override { return 0; }
    void setFocus(Ctl option, int index) override { select(option, index); }

    void setStatusPanel(int, std::string_view) override {}
    void repaint() override {}
    void processEvents() override;
    void sleep(int) override {}
    void messageBox(std::string_view text) override;
    void showWinnersCard(const WinnersCard& card) override;
    void announce(std::string_view) override {}
    void printWindow() override {}

private:
    static constexpr std::size_t kControls = static_cast<std::size_t>(Ctl::Slider1) + 1;
    static std::size_t slot(Ctl control) { return static_cast<std::size_t>(control); }

    GameObserver* observer_ = nullptr;
    Ctl cardCount_ = Ctl::sel0;
    int gameType_ = 0;
    std::array<bool, kControls> enabled_{};
};

} // namespace zandor
