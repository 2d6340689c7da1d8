// The high-score dialog's logic on a clock of its own: the banner's sparkle across midnight and
// a close during it; what the real window shows is checked in the window's own test.
#include "highscores/scores_dialog.h"
#include "support.h"

#include <cmath>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace zandor {
namespace {

using Steps = std::vector<std::string>;

// Logs what the logic does to the window and runs the test's events one at a time in
// processEvents() and waitForEvents(). A pass over the events takes a millisecond, a sleep ends
// a millisecond late, or 1/32 second in when an event is waiting.
class FakeView : public ScoresView {
public:
    Steps log;
    std::string frames;            // the banner's frames shown so far, by number
    bool shown = true;             // every control
    double clock = 86400.0 - 0.25; // seconds since midnight: the first run crosses midnight
    std::deque<std::function<void()>> events;

    int screenWidth() const override { return 0; }
    int screenHeight() const override { return 0; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 15; }
    int width() const override { return 0; }
    int height() const override { return 0; }
    void move(int, int) override { log.push_back("move"); }
    void setHeight(int) override { log.push_back("setHeight"); }
    void setCaption(const std::string&) override { log.push_back("setCaption"); }
    void refresh() override { log.push_back("refresh"); }
    void close() override { log.push_back("close"); }
    void setDrawPosition(int, int) override { log.push_back("setDrawPosition"); }
    void lineTo(int, int, std::uint32_t) override { log.push_back("lineTo"); }
    bool isVisible(const std::string&) const override { return shown; }
    void setVisible(const std::string&, bool) override { log.push_back("setVisible"); }
    TwipsRect geometry(const std::string&) const override { return {}; }
    void setTop(const std::string&, int) override { log.push_back("setTop"); }
    void setDefaultButton(const std::string&) override { log.push_back("setDefault"); }
    std::string text(const std::string&) const override { return ""; }
    void setText(const std::string&, const std::string&) override { log.push_back("setText"); }
    void setMaxLength(const std::string&, int) override { log.push_back("setMaxLength"); }
    void setReadOnly(const std::string&, bool) override { log.push_back("setReadOnly"); }
    void clearList(const std::string&) override { log.push_back("clear"); }
    void addItem(const std::string&, const std::string&) override { log.push_back("add"); }
    void copyPicture(const std::string& from, const std::string&) override {
        frames += from.back();
    }
    void setTimerEnabled(const std::string& t, bool on) override {
        log.push_back("timer " + t + " " + std::to_string(on));
    }
    void setTimerInterval(const std::string& t, int ms) override {
        log.push_back("interval " + t + " " + std::to_string(ms));
    }
    void processEvents() override {
        log.push_back("processEvents");
        runAnEvent(0.001);
    }
    void waitForEvents(double seconds) override {
        log.push_back("wait " + std::to_string(std::lround(seconds * 1000)));
        if (log.size() > 1000) {
            throw std::runtime_error("the dialog waits on and on");
        }
        runAnEvent(events.empty() ? seconds + 0.001 : 0.03125);
    }
    double secondsSinceMidnight() const override { return clock; }
    void showMessage(const std::string&) override { log.push_back("message"); }

private:
    void runAnEvent(double seconds) {
        clock = std::fmod(clock + seconds, 86400.0);
        if (!events.empty()) {
            const std::function<void()> event = std::move(events.front());
            events.pop_front();
            event();
        }
    }
};

// One banner run in the frames' numbers: the sparkle frames four times, then the resting frame.
const std::string kRun = "232323231";

TEST(ScoresDialog, TheSparkleSleepsATenthOfASecondAFrameAndAClosedDialogIsTouchedNoMore) {
    test::TempDir dir;
    const std::string path = dir.file("MYGAME.INI");
    test::NoDialog noDialog;
    Module2 store{noDialog};
    FakeView view;
    frmScores form{store, view};
    store.ShowHighScores(5000, "PembyBingo", path, false);
    form.Form_Load();
    // Two ticks wake the first frame's wait, which sleeps on for what is left; the run ignores
    // them, and every later frame is one sleep.
    view.events = {[&] { form.Timer1_Timer(); }, [&] { form.Timer1_Timer(); }};
    view.log.clear();
    form.Timer1_Timer();
    EXPECT_EQ(view.frames, kRun);
    Steps sleeps = {"wait 100", "wait 69", "wait 38"};
    sleeps.insert(sleeps.end(), 7, "wait 100");
    EXPECT_EQ(view.log, sleeps);
    // Closed during the next run, with a second close waiting in the events closing lets run.
    const auto close = [&] { form.windowCloseRequested(); };
    view.events = {[] {}, close, close};
    view.log.clear();
    form.Timer1_Timer();
    EXPECT_EQ(view.log, (Steps{"wait 100", "wait 69", "timer Timer1 0", "interval Timer1 0",
                               "processEvents", "close"}));
    form.Timer1_Timer();
    form.Form_Paint();
    form.btnNewScore_Click();
    form.btnOK_Click();
    view.shown = false;
    form.DrawFrame3D(view, "lstNames", 1);
    EXPECT_EQ(view.log.size(), 6u);
    EXPECT_EQ(view.frames, kRun + "2");
    EXPECT_FALSE(std::filesystem::exists(path)); // the entry was not stored
}

} // namespace
} // namespace zandor
