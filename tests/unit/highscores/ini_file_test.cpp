// The INI file: the reading rules, byte-exact edits, and atomic saves that never
// damage the old file when a step fails.
#include "highscores/ini_file.h"
#include "highscores/ini_text.h"
#include "support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>

namespace zandor {
namespace {

const std::string kBom = "\xEF\xBB\xBF";

TEST(IniText, FindsValuesByTheReadingRules) {
    const std::tuple<const char*, std::string, std::optional<std::string>> cases[] = {
        {"names ignore case and blanks", " [ hiscores ] \n\t SCORE1 \t=  7 x \t\n", "7 x"},
        {"missing section", "[Other]\nScore1=1\n", std::nullopt},
        {"empty value", "[HiScores]\nScore1=\n", ""},
        {"one pair of quotes", "[HiScores]\nScore1= \"'a b'\" \n", "'a b'"},
        {"single quotes", "[HiScores]\nScore1='a'\n", "a"},
        {"mismatched quotes stay", "[HiScores]\nScore1=\"a'\n", "\"a'"},
        {"a lone quote stays", "[HiScores]\nScore1= \" \n", "\""},
        {"VT, FF and ^Z are blanks around a value", "[HiScores]\nScore1=\v\f1;A \x1A\n", "1;A"},
        {"^Z ending the file", "[HiScores]\r\nScore1=1;A\x1A", "1;A"},
        {"line without = is no key", "[HiScores]\nScore1\nScore1=2\n", "2"},
        {"first duplicate key wins", "[HiScores]\nScore1=1\nScore1=2\n", "1"},
        {"first duplicate section wins", "[HiScores]\na=1\n[HiScores]\nScore1=2\n", std::nullopt},
        {"; and = belong to the value", "[HiScores]\nScore1=1;a=b\n", "1;a=b"},
        {"CRLF endings", "[HiScores]\r\nx=1\r\nScore1=2\r\n", "2"},
        {"CR endings", "[HiScores]\rx=1\rScore1=2\r", "2"},
        {"byte-order mark, no last ending", kBom + "[HiScores]\nScore1=1", "1"},
    };
    for (const auto& [what, text, expected] : cases) {
        EXPECT_EQ(ini::findValue(text, "HiScores", "Score1"), expected) << what;
    }
    // Only ASCII letters match their other case, not the signs next to them in the code table.
    const std::tuple<const char*, const char*, bool> names[] = {
        {"z", "k", true}, {"Z", "K", true}, {"{", "k", false}, {"z", "k`", false}};
    for (const auto& [section, key, found] : names) {
        EXPECT_EQ(ini::findValue("[z]\nk@=0\nk=1\n[[]\nk=2\n", section, key).has_value(), found)
            << section << ' ' << key;
    }
}

TEST(IniText, SettingAKeyKeepsEveryOtherByte) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "[HiScores]\nScore1=9;NEW\n"},
        {"; t\n[hiscores]\n  SCORE1 =  1;OLD  \nScore2=2\n",
         "; t\n[hiscores]\n  SCORE1 =  9;NEW\nScore2=2\n"},
        {"; x\r[HiScores]\na=1\nb=2\n; c=d\n\n[t]\n", // after the last key, in its ending
         "; x\r[HiScores]\na=1\nb=2\nScore1=9;NEW\n; c=d\n\n[t]\n"},
        {"[HiScores]\ra=1", "[HiScores]\ra=1\rScore1=9;NEW\r"},
        {"[t]\r\nx=1", "[t]\r\nx=1\r\n\r\n[HiScores]\r\nScore1=9;NEW\r\n"},
        {"[HiScores]", "[HiScores]\nScore1=9;NEW\n"}, // no line ending anywhere: LF
        {kBom + "[HiScores]\nScore1=1\n", kBom + "[HiScores]\nScore1=9;NEW\n"},
    };
    for (const auto& [before, after] : cases) {
        EXPECT_EQ(ini::setValue(before, "HiScores", "Score1", "9;NEW"), after) << before;
    }
    // Nothing that would add or hide a line.
    for (const auto& [key, value] :
         {std::pair{"Score1", "1\n[t]"}, {"Score=1", "1"}, {";S", "1"}}) {
        EXPECT_FALSE(ini::setValue("[HiScores]\n", "HiScores", key, value)) << key << value;
    }
}

TEST(IniFile, ReadsADefaultWithoutTrailingSpacesAndOnePairOfQuotesCutToTheBuffer) {
    test::TempDir dir;
    const IniFile missing = IniFile::open(dir.file("MYGAME.INI"));
    const std::pair<std::string, std::string> defaults[] = {
        {"1;D  ", "1;D"}, {" 'a' ", " 'a'"}, {"'a b'  ", "a b"},
        {"a\t", "a\t"},   {"\"", "\""},      {"'12345678' ", "1234"}};
    for (const auto& [given, read] : defaults) {
        char buffer[8];
        std::fill(std::begin(buffer), std::end(buffer), '?');
        const std::size_t n = missing.getString("HiScores", "Score1", given, buffer, 5);
        EXPECT_EQ(std::string(buffer, n), read) << '"' << given << '"';
        EXPECT_EQ(buffer[n], '\0');
    }
}

// The real file system, with one step of a save made to fail.
struct FaultyFileSystem : PosixFileSystem {
    std::string fault;

    ReadResult readFile(const std::string& path, std::string& bytes) override {
        return fault == "read" ? ReadResult::Failed : PosixFileSystem::readFile(path, bytes);
    }
    std::string writeTemporary(const std::string& target, const std::string& bytes) override {
        return fault == "write" ? "" : PosixFileSystem::writeTemporary(target, bytes);
    }
    bool replace(const std::string& from, const std::string& to) override {
        return fault != "rename" && fault != "crash" && PosixFileSystem::replace(from, to);
    }
    void remove(const std::string& path) override {
        if (fault != "crash") { // a crashed program cleans nothing up
            PosixFileSystem::remove(path);
        }
    }
};

TEST(IniFile, AFailedSaveStepIsReportedAndLeavesTheOldFileUntouched) {
    test::TempDir dir;
    const std::string path = dir.file("MYGAME.INI");
    const std::string original = "; keep me\r\n[HiScores]\r\nScore1 = 10;ANN\r\n[Other]\r\nx=1";
    test::writeBytes(path, original);
    FaultyFileSystem fs;
    for (const char* fault : {"read", "write", "rename", "crash"}) {
        fs.fault = fault;
        IniFile file = IniFile::open(path, fs);
        file.setString("HiScores", "Score1", "99;NEW");
        EXPECT_FALSE(file.save()) << fault;
        EXPECT_EQ(test::readBytes(path), original) << fault;
        const auto files = std::filesystem::directory_iterator(dir.path);
        EXPECT_EQ(std::distance(begin(files), end(files)), fs.fault == "crash" ? 2 : 1) << fault;
    }
}

} // namespace
} // namespace zandor
