#include "fake_game_view.h"

#include <cstdio>

namespace zandor::test {
namespace {

const char* baseName(Ctl control) {
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
    return kNames[static_cast<int>(control)];
}

bool isCardCountOption(Ctl control) {
    return control == Ctl::sel0 || control == Ctl::sel1 || control == Ctl::sel2 ||
           control == Ctl::sel3;
}

std::string hex(Rgb color) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(color));
    return text;
}

} // namespace

std::string controlName(Ctl control, int index) {
    std::string name = baseName(control);
    const bool isArray = control == Ctl::Label1 || control == Ctl::Label3 ||
                         control == Ctl::Label4 || control == Ctl::Label5 ||
                         control == Ctl::selgametype || isCardCountOption(control);
    if (isArray) {
        name += "(" + std::to_string(index) + ")";
    }
    return name;
}

void FakeGameView::record(std::string entry) {
    if (recording) {
        log.push_back(std::move(entry));
    }
}

bool FakeGameView::flag(const std::map<Ctl, bool>& flags, Ctl control) {
    const auto found = flags.find(control);
    return found != flags.end() && found->second;
}

void FakeGameView::setCaption(Ctl control, int index, std::string_view caption) {
    captions_[{control, index}] = std::string(caption);
    record("caption " + controlName(control, index) + " " + std::string(caption));
}

std::string FakeGameView::caption(Ctl control, int index) const {
    const auto found = captions_.find({control, index});
    return found == captions_.end() ? std::string(" ") : found->second;
}

void FakeGameView::setBackColor(Ctl control, int index, Rgb color) {
    colors_[{control, index}] = color;
    record("color " + controlName(control, index) + " " + hex(color));
}

Rgb FakeGameView::backColor(Ctl control, int index) const {
    const auto found = colors_.find({control, index});
    return found == colors_.end() ? kWhite : found->second;
}

void FakeGameView::setVisible(Ctl control, bool visible) {
    visible_[control] = visible;
    record("visible " + controlName(control, 0) + (visible ? " 1" : " 0"));
}

void FakeGameView::setEnabled(Ctl control, bool enabled) {
    enabled_[control] = enabled;
    record("enabled " + controlName(control, 0) + (enabled ? " 1" : " 0"));
}

bool FakeGameView::isSelected(Ctl option, int index) const {
    const auto found = selected_.find({option, index});
    return found != selected_.end() && found->second;
}

int FakeGameView::value(Ctl control) const {
    const auto found = values_.find(control);
    return found == values_.end() ? 0 : found->second;
}

void FakeGameView::select(Ctl option, int index) {
    for (auto& [key, selected] : selected_) {
        const bool sameGroup =
            key.first == option || (isCardCountOption(key.first) && isCardCountOption(option));
        if (sameGroup) {
            selected = false;
        }
    }
    selected_[{option, index}] = true;
}

void FakeGameView::setFocus(Ctl option, int index) {
    select(option, index);
    record("focus " + controlName(option, index));
}

void FakeGameView::setStatusPanel(int panel, std::string_view text) {
    panels_[panel] = std::string(text);
    record("panel " + std::to_string(panel) + " " + std::string(text));
}

std::string FakeGameView::panel(int number) const {
    const auto found = panels_.find(number);
    return found == panels_.end() ? std::string() : found->second;
}

void FakeGameView::repaint() {
    record("repaint");
}

void FakeGameView::processEvents() {
    record("events");
    ++eventPumps;
    if (onProcessEvents) {
        onProcessEvents(eventPumps);
    }
}

void FakeGameView::sleep(int milliseconds) {
    record("sleep " + std::to_string(milliseconds));
}

void FakeGameView::messageBox(std::string_view text) {
    messages.emplace_back(text);
    record("message " + std::string(text));
    if (onMessage) {
        onMessage(messages.back());
    }
}

void FakeGameView::showWinnersCard(const WinnersCard& card) {
    winnersCards.push_back(card);
    record("winners " + card.winnerLine);
}

void FakeGameView::printWindow() {
    ++printed;
    record("print");
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
