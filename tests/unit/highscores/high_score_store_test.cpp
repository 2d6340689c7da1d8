// The high-score table against real files: loading damaged tables, judging scores, inserting
// rows in order and writing the table back byte for byte; and reading a score from text.
#include "highscores/high_score_store.h"
#include "highscores/score_text.h"
#include "support.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <tuple>

namespace zandor {
namespace {

TEST(ScoreText, ReadsTheNumberOrNothing) {
    const std::pair<const char*, std::int32_t> numbers[] = {
        {" \t 42 ", 42},  {"-60", -60}, {"2.4", 2},   {"2147483647", INT32_MAX},
        {"2.6", 3},       {"2.5", 2},   {"3.5", 4},   {"-2147483648", INT32_MIN},
        {"2.5000001", 3}, {"-0.5", 0},  {"-1.7", -2}, {"-2147483647.5", INT32_MIN},
        {".6", 1},        {"5.", 5}};
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
    test::NoDialog dialog;
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

// The file of `rows` ("score;name ..."), as the table writes it.
std::string ini(const std::string& rows) {
    std::istringstream in(rows);
    std::string text = "[HiScores]\n", row;
    for (int i = 1; in >> row; ++i) {
        text += "Score" + std::to_string(i) + "=" + row + "\n";
    }
    return text;
}

// A full table takes a score unless it equals the last row's or is below every row, even when a
// hand edit left the rows out of order; a new row goes below equal ones, a table ended by an
// empty value takes any score, and the file keeps every other line.
TEST_F(HighScoreStore, AScoreThatEarnsAPlaceIsInsertedAndTheTableWritten) {
    const std::string rest = "Score4=9;OLD4\nScore5=8;OLD5\n\n[Other]\nkeep = me\n";
    const std::string ended = "; scores\n" + ini("100;A 50;B");
    const std::tuple<std::string, std::vector<std::int32_t>, std::int32_t, std::string> cases[] = {
        {"", {1234}, 1235, ini("1235;N 1234;DADDY 1234;DADDY 1234;DADDY 1234;DADDY")},
        {ini("50;A 40;B 30;C 30;D 10;E"), {10, 9}, 30, ini("50;A 40;B 30;C 30;D 30;N")},
        {ini("100;A 500;B 300;C 50;D 200;E"), {200, 49}, 60, ini("500;B 300;C 200;E 100;A 60;N")},
        {ended + "Score3=\n" + rest, {}, INT32_MIN, ended + "Score3=-2147483648;N\n" + rest},
    };
    for (const auto& [before, rejected, added, after] : cases) {
        std::filesystem::remove(path);
        if (!before.empty()) {
            test::writeBytes(path, before);
        }
        store.LoadHighScores(path);
        for (const std::int32_t score : rejected) {
            EXPECT_FALSE(store.IsHighScore(score)) << score << " in " << before;
        }
        ASSERT_TRUE(store.IsHighScore(added)) << added << " in " << before;
        EXPECT_TRUE(store.AddHighScore("N", added));
        EXPECT_EQ(test::readBytes(path), after);
    }
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
