// The high-score dialog's logic on a clock of its own: the banner's sparkle across midnight and
// a close during it; what the real window shows is checked in the window's own test.
#include "highscores/scores_dialog.h"
#include "support.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

namespace zandor {
namespace {

// Shows nothing and logs the sleeps and the closing. A sleep ends a millisecond late, or at once
// to run the test's event when one is waiting.
class FakeView : public ScoresView {
public:
    std::vector<std::string> log;
    std::string frames;            // the banner's frames shown so far, by number
    double clock = 86400.0 - 0.25; // seconds since midnight: the first run crosses midnight
    std::function<void()> event;

    int screenWidth() const override { return 0; }
    int screenHeight() const override { return 0; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 15; }
    int width() const override { return 0; }
    int height() const override { return 0; }
    void move(int, int) override {}
    void setHeight(int) override {}
    void setCaption(const std::string&) override {}
    void refresh() override {}
    void close() override { log.push_back("close"); }
    void setDrawPosition(int, int) override {}
    void lineTo(int, int, std::uint32_t) override {}
    bool isVisible(const std::string&) const override { return true; }
    void setVisible(const std::string&, bool) override {}
    TwipsRect geometry(const std::string&) const override { return {}; }
    void setTop(const std::string&, int) override {}
    void setDefaultButton(const std::string&) override {}
    std::string text(const std::string&) const override { return ""; }
    void setText(const std::string&, const std::string&) override {}
    void setMaxLength(const std::string&, int) override {}
    void setReadOnly(const std::string&, bool) override {}
    void clearList(const std::string&) override {}
    void addItem(const std::string&, const std::string&) override {}
    void copyPicture(const std::string& from, const std::string&) override {
        frames += from.back();
    }
    void setTimerEnabled(const std::string&, bool) override {}
    void setTimerInterval(const std::string&, int) override {}
    void processEvents() override {}
    void waitForEvents(double seconds) override {
        log.push_back("wait " + std::to_string(std::lround(seconds * 1000)));
        if (log.size() > 1000) {
            throw std::runtime_error("the dialog waits on and on");
        }
        clock = std::fmod(clock + (event ? 0 : seconds + 0.001), 86400.0);
        if (event) {
            std::exchange(event, nullptr)();
        }
    }
    double secondsSinceMidnight() const override { return clock; }
    void showMessage(const std::string&) override {}
};

TEST(ScoresDialog, TheSparkleSleepsATenthOfASecondAFrameAcrossMidnightAndStopsOnAClose) {
    test::TempDir dir;
    test::NoDialog noDialog;
    Module2 store{noDialog};
    FakeView view;
    frmScores form{store, view};
    store.ShowHighScores(5000, "PembyBingo", dir.file("MYGAME.INI"), false);
    form.Form_Load();
    form.Timer1_Timer();
    EXPECT_EQ(view.frames, "232323231"); // the sparkle frames four times, then the resting one
    EXPECT_EQ(view.log, std::vector<std::string>(8, "wait 100"));
    // Closed during the next run, and a New Score press waiting behind the close.
    view.event = [&] { form.windowCloseRequested(); };
    view.log.clear();
    form.Timer1_Timer();
    form.btnNewScore_Click();
    EXPECT_EQ(view.frames, "2323232312");
    EXPECT_EQ(view.log, (std::vector<std::string>{"wait 100", "close"}));
    EXPECT_FALSE(std::filesystem::exists(store.ini_file)); // the entry was not stored
}

} // namespace
} // namespace zandor
