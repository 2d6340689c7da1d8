// A recording stand-in for the high-score dialog's window: keeps the controls' state, logs
// every operation in order, runs a fake clock and lets a test script events into the waits.
#pragma once

#include "highscores/scores_view.h"

#include <deque>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace zandor::test {

class FakeScoresView : public ScoresView {
public:
    FakeScoresView() {
        // The designed layout in twips.
        geometry_ = {
            {"imgMain", {0, 30, 4230, 720}},          {"lstNames", {120, 1080, 1905, 1230}},
            {"lstScores", {2160, 1080, 1965, 1230}},  {"lblInfo", {180, 2400, 3765, 405}},
            {"txtName", {120, 2820, 1905, 360}},      {"txtScore", {2130, 2820, 1965, 360}},
            {"btnNewScore", {1500, 3240, 1185, 375}}, {"btnOK", {1500, 3480, 1185, 375}}};
        for (const auto& entry : geometry_) {
            visible_[entry.first] = true;
        }
    }

    std::vector<std::string> log;
    std::map<std::string, std::vector<std::string>> lists;
    std::map<std::string, std::string> texts;
    std::vector<std::string> messages;
    bool closed = false;
    int screen_width = 19200;
    int screen_height = 14400;
    mutable double clock = 1000.0; // seconds since midnight
    double clock_step = 0.03125;   // advanced by every reading
    // Called with every logged operation, to look at the world at that moment.
    std::function<void(const std::string&)> onRecord;
    // Scripted events: processEvents() runs the next one, if any.
    std::deque<std::function<void()>> events;

    int screenWidth() const override { return screen_width; }
    int screenHeight() const override { return screen_height; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 15; }
    int width() const override { return 4320; }
    int height() const override { return 4260; }
    void move(int left, int top) override { record("move", left, top); }
    void setHeight(int height) override { record("setHeight", height); }
    void setCaption(const std::string& caption) override { record("setCaption", caption); }
    void refresh() override { record("refresh"); }
    void close() override {
        closed = true;
        record("close");
    }
    void setDrawPosition(int x, int y) override { record("setDrawPosition", x, y); }
    void lineTo(int x, int y, std::uint32_t colour) override {
        std::ostringstream hex;
        hex << std::hex << std::uppercase << colour;
        record("lineTo", x, y, hex.str());
    }
    bool isVisible(const std::string& control) const override { return visible_.at(control); }
    void setVisible(const std::string& control, bool visible) override {
        visible_.at(control) = visible;
        record("setVisible", control, visible);
    }
    TwipsRect geometry(const std::string& control) const override { return geometry_.at(control); }
    void setTop(const std::string& control, int top) override {
        geometry_.at(control).top = top;
        record("setTop", control, top);
    }
    void setDefaultButton(const std::string& button) override { record("setDefault", button); }
    std::string text(const std::string& textBox) const override {
        const auto found = texts.find(textBox);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(const std::string& textBox, const std::string& text) override {
        texts[textBox] = text;
        record("setText", textBox, text);
    }
    void setMaxLength(const std::string& textBox, int length) override {
        record("setMaxLength", textBox, length);
    }
    void setReadOnly(const std::string& textBox, bool readOnly) override {
        record("setReadOnly", textBox, readOnly);
    }
    void clearList(const std::string& list) override {
        lists[list].clear();
        record("clear", list);
    }
    void addItem(const std::string& list, const std::string& item) override {
        lists[list].push_back(item);
        record("addItem", list, item);
    }
    void copyPicture(const std::string& from, const std::string& to) override {
        record("picture", to, from);
    }
    void setTimerEnabled(const std::string& timer, bool enabled) override {
        record("setTimerEnabled", timer, enabled);
    }
    void setTimerInterval(const std::string& timer, int milliseconds) override {
        record("setTimerInterval", timer, milliseconds);
    }
    void processEvents() override {
        record("processEvents");
        if (!events.empty()) {
            const std::function<void()> event = std::move(events.front());
            events.pop_front();
            event();
        }
    }
    double secondsSinceMidnight() const override {
        const double now = clock;
        clock += clock_step;
        if (clock >= 86400.0) {
            clock -= 86400.0;
        }
        return now;
    }
    void showMessage(const std::string& text) override {
        messages.push_back(text);
        record("message", text);
    }

private:
    template <typename... Args>
    void record(const std::string& what, const Args&... args) {
        std::ostringstream line;
        line << what;
        ((line << ' ' << args), ...);
        log.push_back(line.str());
        if (onRecord) {
            onRecord(log.back());
        }
    }

    std::map<std::string, TwipsRect> geometry_;
    std::map<std::string, bool> visible_;
};

} // namespace zandor::test
