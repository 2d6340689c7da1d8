// The high-score table against real files: loading damaged tables, judging scores, inserting
// rows in order and writing the table back byte for byte; and reading a score from text.
#include "highscores/high_score_store.h"
#include "highscores/score_text.h"
#include "support.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>

namespace zandor {
namespace {

TEST(ScoreText, ReadsTheNumberOrNothing) {
    const std::pair<const char*, std::int32_t> numbers[] = {{" \t 42 ", 42},
                                                            {"-60", -60},
                                                            {"2.4", 2},
                                                            {"2.6", 3},
                                                            {"2.5", 2},
                                                            {"3.5", 4},
                                                            {"2.5000001", 3},
                                                            {"-0.5", 0},
                                                            {"-1.7", -2},
                                                            {".6", 1},
                                                            {"5.", 5},
                                                            {"2147483647", INT32_MAX},
                                                            {"-2147483648", INT32_MIN},
                                                            {"-2147483647.5", INT32_MIN}};
    for (const auto& [text, expected] : numbers) {
        EXPECT_EQ(parseScore(text), expected) << '"' << text << '"';
    }
    for (const char* junk : {"2147483648", "-2147483649", "2147483647.5", "99999999999999999999",
                             "", "  ", "-", ".", "x1", "12ab", "+5", "- 5", "1.2.3", "1e3"}) {
        EXPECT_EQ(parseScore(junk), std::nullopt) << '"' << junk << '"';
    }
}

using Rows = std::vector<std::pair<std::string, std::int32_t>>;

class HighScoreStore : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("MYGAME.INI");
    test::CountingDialog dialog;
    Module2 store{dialog};

    HighScoreStore() { store.ini_file = path; }
    void load(const std::string& contents) {
        test::writeBytes(path, contents);
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

TEST_F(HighScoreStore, MissingFileGivesFiveDaddyRowsThatOnlyAHigherScoreBeats) {
    store.ShowHighScores(999999, "PembyBingo", path, true);
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_FALSE(std::filesystem::exists(path)); // viewing never writes
    store.ShowHighScores(1234, "PembyBingo", path, false);
    EXPECT_EQ(dialog.shown, 1); // 1234 does not qualify
    EXPECT_EQ(table(), Rows(5, {"DADDY", 1234}));
    ASSERT_TRUE(store.IsHighScore(1235));
    EXPECT_TRUE(store.AddHighScore("NEW", 1235));
    EXPECT_EQ(test::readBytes(path), "[HiScores]\nScore1=1235;NEW\nScore2=1234;DADDY\n"
                                     "Score3=1234;DADDY\nScore4=1234;DADDY\nScore5=1234;DADDY\n");
}

TEST_F(HighScoreStore, FullTableTakesOnlyScoresAboveItsLowestAndPlacesTiesBelow) {
    load("[HiScores]\nScore1=500;A\nScore2=400;B\nScore3=300;C\nScore4=300;D\nScore5=100;E\n");
    for (const std::int32_t low : {100, 99, INT32_MIN}) {
        EXPECT_FALSE(store.IsHighScore(low)) << low;
    }
    EXPECT_TRUE(store.IsHighScore(101));
    EXPECT_TRUE(store.AddHighScore("NEW", 300));
    EXPECT_EQ(table(), (Rows{{"A", 500}, {"B", 400}, {"C", 300}, {"D", 300}, {"NEW", 300}}));
    EXPECT_EQ(test::readBytes(path), "[HiScores]\nScore1=500;A\nScore2=400;B\nScore3=300;C\n"
                                     "Score4=300;D\nScore5=300;NEW\n");
}

TEST_F(HighScoreStore, HandEditedTableOutOfOrderIsJudgedAndListedAsWritten) {
    load("[HiScores]\nScore1=100;A\nScore2=500;B\nScore3=300;C\nScore4=50;D\nScore5=200;E\n");
    EXPECT_EQ(table(), (Rows{{"A", 100}, {"B", 500}, {"C", 300}, {"D", 50}, {"E", 200}}));
    EXPECT_FALSE(store.IsHighScore(200)); // the score of the last row, though row 4 is lower
    EXPECT_FALSE(store.IsHighScore(49));
    ASSERT_TRUE(store.IsHighScore(60)); // above row 4, below the last row
    EXPECT_TRUE(store.AddHighScore("NEW", 60));
    EXPECT_EQ(table(), (Rows{{"B", 500}, {"C", 300}, {"E", 200}, {"A", 100}, {"NEW", 60}}));
    EXPECT_EQ(store.hiscores[6].name, "D");
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

TEST_F(HighScoreStore, DamagedValuesKeepWhatTheRowHeldAndLongOnesReadCut) {
    load("[HiScores]\nScore1=9;A\nScore2=8;B\nScore3=7;C\n");
    load("[HiScores]\nScore1=abc\nScore2=x1;ANN\nScore3= 6.5 ;C2\nScore4=1;" +
         std::string(300, 'N') + "\n");
    EXPECT_EQ(table(),
              (Rows{{"A", 9}, {"ANN", 8}, {"C2", 6}, {std::string(251, 'N'), 1}, {"DADDY", 1234}}));
}

TEST_F(HighScoreStore, NamesAreStoredTrimmedOnOneLineAndReadBackWhole) {
    load("[HiScores]\nScore1=\n");
    store.AddHighScore(" ANN ", 30);
    store.AddHighScore("A;B\f", 20); // a blank a read would trim
    store.AddHighScore(std::string("EVE\r\n[HiScores]\nScore1=9;X\0Z", 28), -5);
    const std::string eve = "EVE  [HiScores] Score1=9;X Z";
    EXPECT_EQ(test::readBytes(path),
              "[HiScores]\nScore1=30;ANN\nScore2=20;A;B\nScore3=-5;" + eve + "\n");
    store.LoadHighScores(path);
    EXPECT_EQ(table(),
              (Rows{{"ANN", 30}, {"A;B", 20}, {eve, -5}, {"DADDY", 1234}, {"DADDY", 1234}}));
}

} // namespace
} // namespace zandor
