#include "highscores/scores_dialog.h"
#include "support.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <utility>

namespace zandor {
namespace {

using Steps = std::vector<std::string>;

// Logs every change to the window as a line of text, and runs the test's scripted events one at
// a time in processEvents() and waitForEvents(). Its clock moves as events are run and sleeps
// end: a pass over the waiting events takes a millisecond, a sleep ends a millisecond late.
class FakeView : public ScoresView {
public:
    Steps log;
    std::string frames; // the banner's frames shown so far, by number
    mutable std::map<std::string, std::string> texts;
    mutable std::map<std::string, bool> hidden;
    mutable double clock = 1000.0; // seconds since midnight
    std::deque<std::function<void()>> events;
    std::function<void(const std::string&)> onRecord;

    int screenWidth() const override { return 19215; }
    int screenHeight() const override { return 14399; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 15; }
    int width() const override { return 4320; }
    int height() const override { return 4260; }
    void move(int left, int top) override { record("move", left, top); }
    void setHeight(int height) override { record("setHeight", height); }
    void setCaption(const std::string& caption) override { record("setCaption", caption); }
    void refresh() override { record("refresh"); }
    void close() override { record("close"); }
    void setDrawPosition(int x, int y) override { record("setDrawPosition", x, y); }
    void lineTo(int x, int y, std::uint32_t colour) override {
        record("lineTo", x, y, colour == 0xFFFFFF ? "white" : colour == 0x808080 ? "grey" : "?");
    }
    bool isVisible(const std::string& c) const override { return !hidden[c]; }
    void setVisible(const std::string& c, bool shown) override {
        hidden[c] = !shown;
        record("setVisible", c, shown);
    }
    TwipsRect geometry(const std::string& c) const override { return layout.at(c); }
    void setTop(const std::string& c, int top) override { record("setTop", c, top); }
    void setDefaultButton(const std::string& c) override { record("setDefault", c); }
    std::string text(const std::string& box) const override { return texts[box]; }
    void setText(const std::string& box, const std::string& text) override {
        texts[box] = text;
        record("setText", box, text);
    }
    void setMaxLength(const std::string& box, int n) override { record("setMaxLength", box, n); }
    void setReadOnly(const std::string& box, bool on) override { record("setReadOnly", box, on); }
    void clearList(const std::string& list) override { record("clear", list); }
    void addItem(const std::string& l, const std::string& item) override { record("add", l, item); }
    void copyPicture(const std::string& from, const std::string&) override {
        frames += from.back();
    }
    void setTimerEnabled(const std::string& t, bool on) override { record("timer", t, on); }
    void setTimerInterval(const std::string& t, int ms) override { record("interval", t, ms); }
    void processEvents() override {
        record("processEvents");
        advance(0.001);
        runAnEvent();
    }
    // An event waiting wakes the sleep 1/32 second in; otherwise it sleeps the whole time.
    void waitForEvents(double seconds) override {
        record("wait", std::lround(seconds * 1000));
        advance(events.empty() ? seconds + 0.001 : 0.03125);
        runAnEvent();
    }
    double secondsSinceMidnight() const override { return clock; }
    void showMessage(const std::string& text) override { record("message", text); }

private:
    void advance(double seconds) { clock = std::fmod(clock + seconds, 86400.0); }
    void runAnEvent() {
        if (!events.empty()) {
            const std::function<void()> event = std::move(events.front());
            events.pop_front();
            event();
        }
    }

    template <typename... Args>
    void record(const char* what, const Args&... args) {
        std::ostringstream line;
        line << what;
        ((line << ' ' << args), ...);
        log.push_back(line.str());
        if (onRecord) {
            onRecord(log.back());
        }
    }

    std::map<std::string, TwipsRect> layout = {
        {"lstNames", {120, 1080, 1905, 1230}}, {"lstScores", {2160, 1080, 1965, 1230}},
        {"lblInfo", {180, 2400, 3765, 405}},   {"txtName", {120, 2820, 1905, 360}},
        {"txtScore", {2130, 2820, 1965, 360}}, {"btnNewScore", {1500, 3240, 1185, 375}}};
};

// The first step of the switch to view mode.
const std::string kSwitchToView = "setVisible lblInfo 0";

// One banner run in the frames' numbers: the sparkle frames four times, then the resting frame.
const std::string kRun = "232323231";

class ScoresDialog : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("MYGAME.INI");
    test::CountingDialog noDialog;
    Module2 store{noDialog};
    FakeView view;
    frmScores form{store, view};

    void open(bool viewOnly, std::int32_t score = 0) {
        store.ShowHighScores(score, "PembyBingo", path, viewOnly);
        form.Form_Load();
    }
};

// The lists, the view-mode layout and a failed write are checked through the real dialog.
TEST_F(ScoresDialog, OkStopsTheTimerAndLetsEventsRunBeforeClosingOnce) {
    open(true);
    view.log.clear();
    // A second press waiting in the events that OK lets run closes nothing more.
    view.onRecord = [&](const std::string& step) {
        if (step == "processEvents") {
            form.btnOK_Click();
        }
    };
    form.btnOK_Click();
    EXPECT_EQ(view.log, (Steps{"timer Timer1 0", "interval Timer1 0", "processEvents", "close"}));
}

TEST_F(ScoresDialog, TheEntryIsStoredOnceBeforeTheDialogSwitchesToView) {
    test::writeBytes(path, "[HiScores]\nScore1=2000;TOP\nScore2=\n");
    open(false, 1500);
    view.texts["txtName"] = "ANN";
    const std::string stored = "[HiScores]\nScore1=2000;TOP\nScore2=1500;ANN\n";
    view.onRecord = [&](const std::string& step) {
        if (step == kSwitchToView) {
            EXPECT_EQ(test::readBytes(path), stored);
        }
    };
    form.btnNewScore_Click();
    form.btnNewScore_Click(); // a second press queued behind the first
    EXPECT_EQ(test::readBytes(path), stored);
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), kSwitchToView), 1);
}

TEST_F(ScoresDialog, PaintFramesListsRaisedAndTextBoxesSunkenAndSkipsHiddenControls) {
    open(false, 5000);
    view.log.clear();
    form.Form_Paint();
    ASSERT_EQ(view.log.size(), 20u); // the two lists, then the two text boxes
    EXPECT_EQ(Steps(view.log.begin(), view.log.begin() + 5),
              (Steps{"setDrawPosition 105 1065", "lineTo 2025 1065 white", "lineTo 2025 2310 grey",
                     "lineTo 105 2310 grey", "lineTo 105 1065 white"}));
    EXPECT_EQ(view.log[11], "lineTo 2025 2805 grey");
    view.hidden["lstNames"] = true;
    view.log.clear();
    form.DrawFrame3D(view, "lstNames", 1);
    EXPECT_TRUE(view.log.empty());
}

// Each frame's wait sleeps until an event comes or its 0.1 second is over: two ticks wake the
// first wait, which sleeps on for what is left; every later frame is one sleep.
TEST_F(ScoresDialog, AnimationSleepsATenthOfASecondAFrameAndIgnoresTicksDuringARun) {
    open(true);
    view.clock = 86400.0 - 0.25; // the run crosses midnight
    view.events = {[&] { form.Timer1_Timer(); }, [&] { form.Timer1_Timer(); }};
    view.log.clear();
    form.Timer1_Timer();
    EXPECT_EQ(view.frames, kRun);
    Steps sleeps = {"wait 100", "wait 69", "wait 38"};
    sleeps.insert(sleeps.end(), 7, "wait 100");
    EXPECT_EQ(view.log, sleeps);
    form.Timer1_Timer();
    EXPECT_EQ(view.frames, kRun + kRun);
}

TEST_F(ScoresDialog, ClosingDuringARunAbandonsItStoresNothingAndTouchesTheViewNoMore) {
    open(false, 5000);
    view.events = {[] {}, [&] { form.windowCloseRequested(); }};
    form.Timer1_Timer();
    EXPECT_EQ(view.log.back(), "close");
    const std::size_t steps = view.log.size();
    form.Timer1_Timer();
    form.Form_Paint();
    form.btnNewScore_Click();
    form.btnOK_Click();
    EXPECT_EQ(view.log.size(), steps);
    EXPECT_EQ(view.frames, "2");
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
} // namespace zandor
