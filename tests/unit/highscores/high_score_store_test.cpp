// The high-score store against real files: loading damaged tables, judging scores, inserting
// rows in order and writing the table back byte for byte.
#include "highscores/high_score_store.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace zandor {
namespace {

class RecordingDialog : public HighScoreDialog {
public:
    int shown = 0;
    void showModal(Module2&) override { ++shown; }
};

using Rows = std::vector<std::pair<std::string, std::int32_t>>;

class HighScoreStore : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("MYGAME.INI");
    RecordingDialog dialog;
    Module2 store{dialog};

    void load(const std::string& contents) {
        test::writeBytes(path, contents);
        store.ini_file = path;
        store.LoadHighScores(path);
    }
    Rows table() const {
        Rows rows;
        for (int i = 1; i <= store.hiscore_count; ++i) {
            rows.emplace_back(store.hiscores[i].name, store.hiscores[i].score);
        }
        return rows;
    }
};

TEST_F(HighScoreStore, MissingFileGivesFiveDaddyRowsAndWritesNothing) {
    store.LoadHighScores(path);
    EXPECT_EQ(table(), Rows(5, {"DADDY", 1234}));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(store.IsHighScore(1234));
    EXPECT_TRUE(store.IsHighScore(1235));
}

TEST_F(HighScoreStore, ScoreThatDoesNotQualifyOpensNothing) {
    store.pending_score = 7;
    store.ShowHighScores(1234, "PembyBingo", path, false);
    EXPECT_EQ(dialog.shown, 0);
    EXPECT_EQ(store.pending_score, 7);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(HighScoreStore, ViewOnlyShowsTheTableWithoutWritingOrTakingTheScore) {
    store.pending_score = 7;
    store.ShowHighScores(999999, "PembyBingo", path, true);
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_TRUE(store.view_only);
    EXPECT_EQ(store.pending_score, 7);
    EXPECT_EQ(store.dialog_title, "PembyBingo");
    EXPECT_EQ(store.ini_file, path);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(HighScoreStore, FullTableTakesOnlyScoresAboveItsLowestAndPlacesTiesBelow) {
    load("[HiScores]\nScore1=500;A\nScore2=400;B\nScore3=300;C\nScore4=300;D\nScore5=100;E\n");
    EXPECT_FALSE(store.IsHighScore(100));
    EXPECT_FALSE(store.IsHighScore(99));
    EXPECT_TRUE(store.IsHighScore(101));
    EXPECT_TRUE(store.IsHighScore(300));
    EXPECT_TRUE(store.AddHighScore("NEW", 300));
    EXPECT_EQ(table(), (Rows{{"A", 500}, {"B", 400}, {"C", 300}, {"D", 300}, {"NEW", 300}}));
    EXPECT_EQ(store.hiscores[6].name, "E");
    EXPECT_EQ(test::readBytes(path), "[HiScores]\nScore1=500;A\nScore2=400;B\nScore3=300;C\n"
                                     "Score4=300;D\nScore5=300;NEW\n");
}

TEST_F(HighScoreStore, HandEditedTableOutOfOrderIsJudgedAsWritten) {
    load("[HiScores]\nScore1=10;A\nScore2=50;B\nScore3=40;C\nScore4=30;D\nScore5=20;E\n");
    EXPECT_TRUE(store.IsHighScore(11)); // above row 1, though below most rows
    EXPECT_FALSE(store.IsHighScore(20));
}

TEST_F(HighScoreStore, EmptyValueEndsTheTableAndLaterKeysSurviveTheEntry) {
    const std::string rest = "Score4=9;OLD4\nScore5=8;OLD5\n\n[Other]\nkeep = me\n";
    load("; scores\n[HiScores]\nScore1=100;A\nScore2=50;B\nScore3=\n" + rest);
    EXPECT_EQ(store.hiscore_count, 2);
    EXPECT_TRUE(store.IsHighScore(-1000));
    EXPECT_TRUE(store.AddHighScore("C", 75));
    EXPECT_EQ(table(), (Rows{{"A", 100}, {"C", 75}, {"B", 50}}));
    EXPECT_EQ(test::readBytes(path),
              "; scores\n[HiScores]\nScore1=100;A\nScore2=75;C\nScore3=50;B\n" + rest);
}

TEST_F(HighScoreStore, EmptyFirstValueGivesAnEmptyTableThatTakesEvenANegativeScore) {
    load("[HiScores]\nScore1=\nScore2=5;B\n");
    EXPECT_EQ(store.hiscore_count, 0);
    EXPECT_TRUE(store.AddHighScore("Z", -3));
    EXPECT_EQ(table(), (Rows{{"Z", -3}}));
    EXPECT_EQ(test::readBytes(path), "[HiScores]\nScore1=-3;Z\nScore2=5;B\n");
    store.LoadHighScores(path);
    EXPECT_EQ(table(),
              (Rows{{"Z", -3}, {"B", 5}, {"DADDY", 1234}, {"DADDY", 1234}, {"DADDY", 1234}}));
}

TEST_F(HighScoreStore, DamagedValuesKeepWhatTheRowHeldBefore) {
    load("[HiScores]\nScore1=abc\nScore2=8;B\nScore3=7;C\n");
    EXPECT_EQ(table()[0], Rows::value_type("", 0));
    load("[HiScores]\nScore1=abc\nScore2=x1;ANN\nScore3= 6.5 ;C2\nScore4=;\nScore5=1;\n");
    EXPECT_EQ(table(), (Rows{{"", 0}, {"ANN", 8}, {"C2", 6}, {"", 1234}, {"", 1}}));
}

TEST_F(HighScoreStore, LongValuesReadCutTo253Characters) {
    load("[HiScores]\nScore1=1;" + std::string(300, 'N') + "\n");
    EXPECT_EQ(store.hiscores[1].name, std::string(251, 'N'));
}

TEST_F(HighScoreStore, NamesAreStoredTrimmedAndReadBackWhole) {
    store.ini_file = path;
    store.LoadHighScores(path);
    store.AddHighScore(" ANN ", 3000);
    store.AddHighScore("A;B;C", 2000);
    store.AddHighScore("NEG", -5);
    EXPECT_EQ(store.hiscores[1].name, " ANN ");
    store.LoadHighScores(path);
    EXPECT_EQ(
        table(),
        (Rows{{"ANN", 3000}, {"A;B;C", 2000}, {"DADDY", 1234}, {"DADDY", 1234}, {"DADDY", 1234}}));
    // -5 is below the whole full table: it sorts into the sixth slot and drops out.
    EXPECT_EQ(store.hiscores[6].name, "NEG");
}

TEST_F(HighScoreStore, LineBreaksInANameCannotAddKeysOrSections) {
    load("[HiScores]\nScore1=\n");
    store.AddHighScore(std::string("EVE\r\n[HiScores]\nScore1=9;X\0Z", 28), 10);
    EXPECT_EQ(test::readBytes(path), "[HiScores]\nScore1=10;EVE  [HiScores] Score1=9;X Z\n");
}

TEST_F(HighScoreStore, FailedWriteIsReportedAndTheTableIsStillUpdated) {
    test::writeBytes(dir.file("file"), "x");
    store.ini_file = dir.file("file/MYGAME.INI");
    store.LoadHighScores(store.ini_file);
    EXPECT_FALSE(store.AddHighScore("ANN", 5000));
    EXPECT_EQ(store.hiscores[1].name, "ANN");
    EXPECT_EQ(store.hiscore_count, 5);
}

TEST_F(HighScoreStore, EveryShowingRereadsTheFile) {
    load("[HiScores]\nScore1=\n");
    test::writeBytes(path, "[HiScores]\nScore1=77;NEWER\nScore2=\n");
    store.ShowHighScores(0, "PembyBingo", path, true);
    EXPECT_EQ(table(), (Rows{{"NEWER", 77}}));
}

} // namespace
} // namespace zandor
