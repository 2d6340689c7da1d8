// A GameView and sound player that logs every operation as text ("color Label1(7) FF0000"),
// keeps what the game reads back and runs a test's clicks at a yield or at any entry it logs.
#pragma once

#include "engine/game_view.h"
#include "engine/sound_player.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace zandor::test {

// "Label3(4)" for a member of a control array, "StartButton" for a single control (index 0).
inline std::string controlName(Ctl control, int index) {
    std::istringstream names("CalledNumberDisplay Label1 Label3 Label4 Label5 GAME1 Game2 Game3 "
                             "SelectNoGames StartButton pausebutton PrintButton mnuFilePrint sel0 "
                             "sel1 sel2 sel3 selgametype automancheck Slider1");
    std::string name;
    for (int i = 0; i <= static_cast<int>(control); ++i) {
        names >> name;
    }
    return index == 0 ? name : name + "(" + std::to_string(index) + ")";
}

class FakeGameView : public GameView, public SoundPlayer {
public:
    void setCaption(Ctl c, int i, std::string_view text) override { set("caption", c, i, text); }
    std::string caption(Ctl c, int i) const override { return get("caption", c, i, " "); }
    void setBackColor(Ctl c, int i, Rgb color) override {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(color));
        set("color", c, i, hex);
    }
    Rgb backColor(Ctl c, int i) const override {
        return static_cast<Rgb>(std::stoul(get("color", c, i, "FFFFFF"), nullptr, 16));
    }
    void setVisible(Ctl c, bool on) override { set("visible", c, 0, on ? "1" : "0"); }
    void setEnabled(Ctl c, bool on) override { set("enabled", c, 0, on ? "1" : "0"); }
    bool isSelected(Ctl option, int i) const override {
        const auto found = selected_.find(group(option));
        return found != selected_.end() && found->second == std::make_pair(option, i);
    }
    int value(Ctl c) const override { return values.count(c) != 0 ? values.at(c) : 0; }
    void setFocus(Ctl option, int i) override {
        select(option, i);
        record("focus " + controlName(option, i));
    }
    void setStatusPanel(int panel, std::string_view text) override {
        record("panel " + std::to_string(panel) + " " + std::string(text));
    }
    void repaint() override { record("repaint"); }
    void processEvents() override {
        record("events");
        onProcessEvents(++pumps_);
    }
    void sleep(int ms) override { record("sleep " + std::to_string(ms)); }
    void messageBox(std::string_view text) override { record("message " + std::string(text)); }
    void showWinnersCard(const WinnersCard& card) override {
        winnersCards.push_back(card);
        record("winners " + card.winnerLine);
    }
    void announce(std::string_view text) override { record("announce " + std::string(text)); }
    void printWindow() override { record("print"); }
    void playSync(const std::string& path) override { record("sound " + path); }

    void select(Ctl option, int i) { selected_[group(option)] = {option, i}; }
    bool visible(Ctl c) const { return get("visible", c, 0, "0") == "1"; }
    bool enabled(Ctl c) const { return get("enabled", c, 0, "0") == "1"; }

    // The first entry equal to text (or -1); the entries starting with prefix.
    int find(const std::string& text) const {
        const auto found = std::find(log.begin(), log.end(), text);
        return found == log.end() ? -1 : static_cast<int>(found - log.begin());
    }
    int count(const std::string& prefix) const {
        return static_cast<int>(std::count_if(
            log.begin(), log.end(), [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }));
    }

    std::vector<std::string> log;
    std::vector<WinnersCard> winnersCards;
    std::map<Ctl, int> values;                                  // automancheck, Slider1
    std::function<void(int pump)> onProcessEvents = [](int) {}; // pumps are numbered from 1
    std::function<void(const std::string& entry)> onEntry = [](const std::string&) {};

private:
    // The four card-count options form one group; every other option array is its own.
    static Ctl group(Ctl option) {
        return option >= Ctl::sel0 && option <= Ctl::sel3 ? Ctl::sel0 : option;
    }
    void record(std::string entry) {
        log.push_back(std::move(entry));
        onEntry(log.back());
    }
    void set(const std::string& what, Ctl c, int i, std::string_view value) {
        const std::string key = what + " " + controlName(c, i);
        state_[key] = value;
        record(key + " " + std::string(value));
    }
    std::string get(const std::string& what, Ctl c, int i, const std::string& otherwise) const {
        const auto found = state_.find(what + " " + controlName(c, i));
        return found == state_.end() ? otherwise : found->second;
    }

    std::map<std::string, std::string> state_; // "caption Label3(4)" -> "7"
    std::map<Ctl, std::pair<Ctl, int>> selected_;
    int pumps_ = 0;
};

} // namespace zandor::test
