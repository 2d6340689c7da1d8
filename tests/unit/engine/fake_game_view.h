// A GameView for tests: records every operation in order as text ("caption Label3(4) 7",
// "color Label1(7) FF0000"), keeps what the game reads back, and runs a test's scripted clicks
// whenever the game yields, or at any entry it records (a modal one while it is open).
#pragma once

#include "engine/game_view.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zandor::test {

std::string controlName(Ctl control, int index);

class FakeGameView : public GameView {
public:
    void setCaption(Ctl c, int i, std::string_view text) override {
        set("caption", c, i, std::string(text));
    }
    std::string caption(Ctl c, int i) const override { return get("caption", c, i, " "); }
    void setBackColor(Ctl c, int i, Rgb color) override;
    Rgb backColor(Ctl c, int i) const override;
    void setVisible(Ctl c, bool on) override { set("visible", c, 0, on ? "1" : "0"); }
    void setEnabled(Ctl c, bool on) override { set("enabled", c, 0, on ? "1" : "0"); }
    bool isSelected(Ctl option, int i) const override;
    int value(Ctl c) const override { return values_.count(c) != 0 ? values_.at(c) : 0; }
    void setFocus(Ctl option, int i) override;
    void setStatusPanel(int panel, std::string_view text) override;
    void repaint() override { record("repaint"); }
    void processEvents() override;
    void sleep(int ms) override { record("sleep " + std::to_string(ms)); }
    void messageBox(std::string_view text) override;
    void showWinnersCard(const WinnersCard& card) override;
    void announce(std::string_view text) override { record("announce " + std::string(text)); }
    void printWindow() override { record("print"); }

    // Logs an entry, then runs onEntry: for a message, the winner's card, a print or a sound,
    // that is while it is still open or playing.
    void record(std::string entry);

    // Selects an option button and deselects the rest of its group, as a click would.
    void select(Ctl option, int index);
    void setValue(Ctl c, int v) { values_[c] = v; }
    bool visible(Ctl c) const { return get("visible", c, 0, "0") == "1"; }
    bool enabled(Ctl c) const { return get("enabled", c, 0, "0") == "1"; }

    // Index of the first log entry equal to text at or after start, or -1; entries by prefix.
    int find(const std::string& text, int start = 0) const;
    int count(const std::string& prefix) const;

    std::vector<std::string> log;
    std::vector<std::string> messages;
    std::vector<WinnersCard> winnersCards;
    std::function<void(int pump)> onProcessEvents; // pumps are numbered from 1
    std::function<void(const std::string& entry)> onEntry;

private:
    void set(const std::string& what, Ctl c, int i, const std::string& value);
    std::string get(const std::string& what, Ctl c, int i, const std::string& otherwise) const;

    std::map<std::string, std::string> state_; // "caption Label3(4)" -> "7"
    std::map<Ctl, int> values_;
    std::map<Ctl, int> selected_; // option group (by its first member) -> selected index + 1
    int pumps_ = 0;
};

} // namespace zandor::test
