#include "fake_game_view.h"

#include <cstdio>
#include <utility>

namespace zandor::test {
namespace {

bool isCardCount(Ctl c) {
    return c == Ctl::sel0 || c == Ctl::sel1 || c == Ctl::sel2 || c == Ctl::sel3;
}

// The four card-count options form one group; every other option array is its own.
Ctl groupOf(Ctl option) {
    return isCardCount(option) ? Ctl::sel0 : option;
}

std::string hex(Rgb color) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(color));
    return text;
}

} // namespace

std::string controlName(Ctl control, int index) {
    static const char* const kNames[] = {"CalledNumberDisplay",
                                         "Label1",
                                         "Label3",
                                         "Label4",
                                         "Label5",
                                         "GAME1",
                                         "Game2",
                                         "Game3",
                                         "SelectNoGames",
                                         "StartButton",
                                         "pausebutton",
                                         "PrintButton",
                                         "mnuFilePrint",
                                         "sel0",
                                         "sel1",
                                         "sel2",
                                         "sel3",
                                         "selgametype",
                                         "automancheck",
                                         "Slider1"};
    std::string name = kNames[static_cast<int>(control)];
    const bool isArray = control == Ctl::Label1 || control == Ctl::Label3 ||
                         control == Ctl::Label4 || control == Ctl::Label5 ||
                         control == Ctl::selgametype || isCardCount(control);
    return isArray ? name + "(" + std::to_string(index) + ")" : name;
}

void FakeGameView::set(const std::string& what, Ctl c, int i, const std::string& value) {
    const std::string key = what + " " + controlName(c, i);
    state_[key] = value;
    record(key + " " + value);
}

std::string FakeGameView::get(const std::string& what, Ctl c, int i,
                              const std::string& otherwise) const {
    const auto found = state_.find(what + " " + controlName(c, i));
    return found == state_.end() ? otherwise : found->second;
}

void FakeGameView::setBackColor(Ctl c, int i, Rgb color) {
    set("color", c, i, hex(color));
}

Rgb FakeGameView::backColor(Ctl c, int i) const {
    return static_cast<Rgb>(std::stoul(get("color", c, i, "FFFFFF"), nullptr, 16));
}

bool FakeGameView::isSelected(Ctl option, int i) const {
    const auto found = selected_.find(groupOf(option));
    const int want = isCardCount(option) ? static_cast<int>(option) : i;
    return found != selected_.end() && found->second == want + 1;
}

void FakeGameView::select(Ctl option, int index) {
    selected_[groupOf(option)] = (isCardCount(option) ? static_cast<int>(option) : index) + 1;
}

void FakeGameView::setFocus(Ctl option, int i) {
    select(option, i);
    record("focus " + controlName(option, i));
}

void FakeGameView::setStatusPanel(int panel, std::string_view text) {
    record("panel " + std::to_string(panel) + " " + std::string(text));
}

void FakeGameView::record(std::string entry) {
    log.push_back(std::move(entry));
    if (onEntry) {
        onEntry(log.back());
    }
}

void FakeGameView::processEvents() {
    record("events");
    if (onProcessEvents) {
        onProcessEvents(++pumps_);
    }
}

void FakeGameView::messageBox(std::string_view text) {
    messages.emplace_back(text);
    record("message " + messages.back());
}

void FakeGameView::showWinnersCard(const WinnersCard& card) {
    winnersCards.push_back(card);
    record("winners " + card.winnerLine);
}

int FakeGameView::find(const std::string& text, int start) const {
    for (int i = start; i < static_cast<int>(log.size()); ++i) {
        if (log[i] == text) {
            return i;
        }
    }
    return -1;
}

int FakeGameView::count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& entry : log) {
        n += entry.rfind(prefix, 0) == 0 ? 1 : 0;
    }
    return n;
}

} // namespace zandor::test
