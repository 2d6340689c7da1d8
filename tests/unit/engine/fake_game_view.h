// A GameView for tests: keeps the state the game reads, records every operation in order, and
// lets a test run scripted clicks whenever the game yields or opens a modal box.
#pragma once

#include "engine/game_view.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zandor::test {

std::string controlName(Ctl control, int index);

class FakeGameView : public GameView {
public:
    void setCaption(Ctl control, int index, std::string_view caption) override;
    std::string caption(Ctl control, int index) const override;
    void setBackColor(Ctl control, int index, Rgb color) override;
    Rgb backColor(Ctl control, int index) const override;
    void setVisible(Ctl control, bool visible) override;
    void setEnabled(Ctl control, bool enabled) override;
    bool isSelected(Ctl option, int index) const override;
    int value(Ctl control) const override;
    void setFocus(Ctl option, int index) override;
    void setStatusPanel(int panel, std::string_view text) override;
    void repaint() override;
    void processEvents() override;
    void sleep(int milliseconds) override;
    void messageBox(std::string_view text) override;
    void showWinnersCard(const WinnersCard& card) override;
    void printWindow() override;

    // Selects an option button and deselects the others of its group, as a click would.
    void select(Ctl option, int index);
    void setValue(Ctl control, int value) { values_[control] = value; }

    bool visible(Ctl control) const { return flag(visible_, control); }
    bool enabled(Ctl control) const { return flag(enabled_, control); }
    std::string panel(int number) const;

    // Recorded operations, e.g. "caption CalledNumberDisplay B 7", "color Label1(7) FF0000".
    std::vector<std::string> log;
    bool recording = true;
    std::vector<std::string> messages;
    std::vector<WinnersCard> winnersCards;
    int printed = 0;
    int eventPumps = 0;

    // Run inside processEvents (with the pump's number, from 1) and inside message boxes.
    std::function<void(int)> onProcessEvents;
    std::function<void(const std::string&)> onMessage;

    // Index in the log of the first entry equal to text at or after start, or -1.
    int find(const std::string& text, int start = 0) const;
    int count(const std::string& prefix) const;

private:
    using Key = std::pair<Ctl, int>;
    void record(std::string entry);
    static bool flag(const std::map<Ctl, bool>& flags, Ctl control);

    std::map<Key, std::string> captions_;
    std::map<Key, Rgb> colors_;
    std::map<Ctl, bool> visible_;
    std::map<Ctl, bool> enabled_;
    std::map<Key, bool> selected_;
    std::map<Ctl, int> values_;
    std::map<int, std::string> panels_;
};

} // namespace zandor::test
