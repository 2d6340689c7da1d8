// The high-score dialog's logic over a recording view: layouts in both modes, storing an
// entry, the 3-D frames, and the banner animation with events running inside its waits.
#include "fake_scores_view.h"
#include "highscores/scores_dialog.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zandor {
namespace {

using Steps = std::vector<std::string>;

class NoDialog : public HighScoreDialog {
public:
    void showModal(Module2&) override {}
};

class ScoresDialog : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("MYGAME.INI");
    NoDialog noDialog;
    Module2 store{noDialog};
    test::FakeScoresView view;
    frmScores form{store, view};

    void open(bool viewOnly, std::int32_t score = 0, const std::string& contents = "") {
        if (!contents.empty()) {
            test::writeBytes(path, contents);
        }
        store.ShowHighScores(score, "PembyBingo", path, viewOnly);
        form.Form_Load();
    }
    std::vector<std::string> pictures() const {
        std::vector<std::string> shown;
        for (const std::string& step : view.log) {
            if (step.rfind("picture imgMain ", 0) == 0) {
                shown.push_back(step.substr(16));
            }
        }
        return shown;
    }
    static Steps oneRun() {
        Steps run;
        for (int i = 0; i < 4; ++i) {
            run.insert(run.end(), {"Image2", "Image3"});
        }
        run.push_back("Image1");
        return run;
    }
};

const Steps kViewMode = {
    "setVisible lblInfo 0",     "setVisible txtName 0", "setVisible txtScore 0",
    "setVisible btnNewScore 0", "setVisible btnOK 1",   "setTop btnOK 2400",
    "setDefault btnOK",         "setHeight 3285",       "refresh"};

Steps concat(Steps a, const Steps& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(ScoresDialog, ViewModeOnAMissingFileListsFiveDefaultRowsAndWritesNothing) {
    open(true);
    Steps expected = {"move 7440 5070", "setCaption PembyBingo", "clear lstNames",
                      "clear lstScores"};
    for (int i = 0; i < 5; ++i) {
        expected.insert(expected.end(), {"addItem lstNames DADDY", "addItem lstScores 1234"});
    }
    EXPECT_EQ(view.log, concat(expected, kViewMode));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ScoresDialog, CentringTruncatesTowardZero) {
    view.screen_width = 4320 + 15;
    view.screen_height = 4260 - 1; // a screen smaller than the dialog
    open(true);
    EXPECT_EQ(view.log.front(), "move 7 0");
}

TEST_F(ScoresDialog, EntryModeShowsTheNameBoxAndTheScoreAndDefaultsToStoring) {
    open(false, 1235);
    const Steps steps(view.log.begin() + 14, view.log.end());
    EXPECT_EQ(steps,
              (Steps{"setVisible btnOK 0", "setDefault btnNewScore", "setText txtName ",
                     "setMaxLength txtName 15", "setText txtScore 1235", "setReadOnly txtScore 1",
                     "setVisible lblInfo 1", "setVisible txtName 1", "setVisible txtScore 1",
                     "setVisible btnNewScore 1"}));
}

TEST_F(ScoresDialog, StoringTheEntryWritesTheFileBeforeSwitchingToViewMode) {
    open(false, 1500, "[HiScores]\nScore1=2000;TOP\nScore2=\n");
    view.texts["txtName"] = " ANN ";
    std::string fileAtSwitch;
    view.onRecord = [&](const std::string& step) {
        if (step == "setVisible lblInfo 0") {
            fileAtSwitch = test::readBytes(path);
        }
    };
    view.log.clear();
    form.btnNewScore_Click();
    EXPECT_EQ(fileAtSwitch, "[HiScores]\nScore1=2000;TOP\nScore2=1500;ANN\n");
    EXPECT_EQ(view.log,
              concat({"clear lstNames", "clear lstScores", "addItem lstNames TOP",
                      "addItem lstScores 2000", "addItem lstNames  ANN ", "addItem lstScores 1500"},
                     kViewMode));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(ScoresDialog, AnEmptyNameIsStoredAndListedAsAnEmptyLine) {
    open(false, 5000);
    form.btnNewScore_Click();
    EXPECT_EQ(view.lists["lstNames"].front(), "");
    EXPECT_EQ(view.lists["lstScores"].front(), "5000");
    EXPECT_NE(test::readBytes(path).find("Score1=5000;\n"), std::string::npos);
}

TEST_F(ScoresDialog, ASecondPressDoesNotStoreTheEntryTwice) {
    open(false, 5000);
    form.btnNewScore_Click();
    form.btnNewScore_Click();
    EXPECT_EQ(std::count(view.lists["lstScores"].begin(), view.lists["lstScores"].end(), "5000"),
              1);
}

TEST_F(ScoresDialog, AFailedWriteIsToldToThePlayerAndTheEntryStaysListed) {
    test::writeBytes(dir.file("file"), "x");
    path = dir.file("file/MYGAME.INI");
    open(false, 5000);
    view.texts["txtName"] = "ANN";
    form.btnNewScore_Click();
    EXPECT_EQ(view.messages, Steps{"The high-score table could not be saved to " + path + "."});
    EXPECT_EQ(view.lists["lstNames"].front(), "ANN");
    EXPECT_EQ(view.log.back(), "message " + view.messages.front());
}

TEST_F(ScoresDialog, AnEmptyFirstRowShowsEmptyListsAndTakesAnyScoreAsTheOnlyRow) {
    open(true, 0, "[HiScores]\nScore1=\n");
    EXPECT_TRUE(view.lists.empty());
    open(false, -40);
    form.btnNewScore_Click();
    EXPECT_EQ(view.lists["lstScores"], Steps{"-40"});
}

TEST_F(ScoresDialog, OkStopsTheTimerLetsEventsRunAndCloses) {
    open(true);
    view.log.clear();
    form.btnOK_Click();
    EXPECT_EQ(view.log, (Steps{"setTimerEnabled Timer1 0", "setTimerInterval Timer1 0",
                               "processEvents", "close"}));
}

TEST_F(ScoresDialog, ClosingTheWindowInEntryModeStoresNothing) {
    open(false, 5000);
    view.texts["txtName"] = "ANN";
    form.windowCloseRequested();
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(std::filesystem::exists(path));
    form.btnNewScore_Click();
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ScoresDialog, PaintFramesTheListsRaisedAndVisibleTextBoxesSunken) {
    open(false, 5000);
    view.log.clear();
    form.Form_Paint();
    ASSERT_EQ(view.log.size(), 20u);
    EXPECT_EQ(
        Steps(view.log.begin(), view.log.begin() + 5),
        (Steps{"setDrawPosition 105 1065", "lineTo 2025 1065 FFFFFF", "lineTo 2025 2310 808080",
               "lineTo 105 2310 808080", "lineTo 105 1065 FFFFFF"}));
    EXPECT_EQ(
        Steps(view.log.begin() + 10, view.log.begin() + 15),
        (Steps{"setDrawPosition 105 2805", "lineTo 2025 2805 808080", "lineTo 2025 3180 FFFFFF",
               "lineTo 105 3180 FFFFFF", "lineTo 105 2805 808080"}));
}

TEST_F(ScoresDialog, OneAnimationRunTwinklesFourTimesAndEndsOnTheRestingFrame) {
    open(true);
    form.Timer1_Timer();
    EXPECT_EQ(pictures(), oneRun());
    // Every frame stays up for at least 0.1 second of events.
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "processEvents"), 8 * 3);
    form.Timer1_Timer();
    EXPECT_EQ(pictures(), concat(oneRun(), oneRun()));
}

TEST_F(ScoresDialog, ATickDuringARunDoesNotStartASecondRun) {
    open(true);
    view.events = {[&] { form.Timer1_Timer(); }, [&] { form.Timer1_Timer(); }};
    form.Timer1_Timer();
    EXPECT_EQ(pictures(), oneRun());
}

TEST_F(ScoresDialog, OkDuringARunAbandonsItWithoutTouchingTheDialogAgain) {
    open(true);
    view.events = {[] {}, [&] { form.btnOK_Click(); }};
    form.Timer1_Timer();
    EXPECT_EQ(pictures(), Steps{"Image2"});
    EXPECT_EQ(view.log.back(), "close");
    form.Timer1_Timer();
    form.Form_Paint();
    form.btnOK_Click();
    EXPECT_EQ(view.log.back(), "close");
}

TEST_F(ScoresDialog, StoringDuringARunLetsTheRunFinish) {
    open(false, 5000);
    view.events = {[&] { form.btnNewScore_Click(); }};
    form.Timer1_Timer();
    EXPECT_EQ(pictures(), oneRun());
    EXPECT_EQ(view.lists["lstScores"].front(), "5000");
}

TEST_F(ScoresDialog, AWaitAcrossMidnightEndsAfterATenthOfASecond) {
    open(true);
    view.clock = 86400.0 - 0.25;
    form.Timer1_Timer();
    EXPECT_EQ(pictures(), oneRun());
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "processEvents"), 8 * 3);
}

// The whole road through the store: a qualifying score, a name typed, Enter, then OK.
class DialogOverFakeView : public HighScoreDialog {
public:
    test::FakeScoresView view;
    void showModal(Module2& store) override {
        frmScores form(store, view);
        form.Form_Load();
        view.texts["txtName"] = "ZED";
        form.btnNewScore_Click();
        form.btnOK_Click();
    }
};

TEST(ScoresDialogWithStore, EnteredScoreReachesTheFileAndTheDialogCloses) {
    test::TempDir dir;
    DialogOverFakeView dialog;
    Module2 store{dialog};
    store.ShowHighScores(1300, "PembyBingo", dir.file("MYGAME.INI"), false);
    EXPECT_TRUE(dialog.view.closed);
    EXPECT_EQ(test::readBytes(dir.file("MYGAME.INI")),
              "[HiScores]\nScore1=1300;ZED\nScore2=1234;DADDY\nScore3=1234;DADDY\n"
              "Score4=1234;DADDY\nScore5=1234;DADDY\n");
}

} // namespace
} // namespace zandor
