#include "highscores/ini_file.h"
#include "highscores/ini_text.h"
#include "support.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sys/wait.h>
#include <tuple>
#include <utility>

namespace zandor {
namespace {

const std::string kBom = "\xEF\xBB\xBF";

TEST(IniText, FindsValuesByTheReadingRules) {
    const std::tuple<const char*, std::string, std::optional<std::string>> cases[] = {
        {"names ignore case and blanks", " [ hiscores ] \n\t SCORE1 \t=  7 x \t\n", "7 x"},
        {"missing section", "[Other]\nScore1=1\n", std::nullopt},
        {"VT, FF and ^Z are blanks around a value", "[HiScores]\nScore1=\v\f1;A \x1A\n", "1;A"},
        {"line without = is no key", "[HiScores]\nScore1\nScore1=2\n", "2"},
        {"first duplicate key wins", "[HiScores]\nScore1=1\nScore1=2\n", "1"},
        {"first duplicate section wins", "[HiScores]\na=1\n[HiScores]\nScore1=2\n", std::nullopt},
        {"CR endings", "[HiScores]\rx=1\rScore1=2\r", "2"},
        {"byte-order mark, no last ending", kBom + "[HiScores]\nScore1=1", "1"},
    };
    for (const auto& [what, text, expected] : cases) {
        EXPECT_EQ(ini::findValue(text, "HiScores", "Score1"), expected) << what;
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
}

std::string utf16Bytes(std::u16string_view units, bool littleEndian) {
    std::string bytes;
    for (const char16_t unit : units) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes.append({littleEndian ? low : high, littleEndian ? high : low});
    }
    return bytes;
}

TEST(IniFile, AUtf16FileIsReadAndWrittenInUtf16OfItsByteOrder) {
    test::TempDir dir;
    const std::string path = dir.file("MYGAME.INI");
    for (const bool littleEndian : {true, false}) {
        test::writeBytes(path,
                         utf16Bytes(u"\uFEFF[HiScores]\r\nScore1 = '10;Zoë 🎲'\r\n", littleEndian));
        IniFile file = IniFile::open(path);
        char buffer[16];
        const std::size_t n = file.getString("HiScores", "Score1", "", buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer, n), u8"10;Zoë 🎲");
        file.setString("HiScores", "Score1", u8"5;Ünal");
        EXPECT_TRUE(file.save());
        EXPECT_EQ(test::readBytes(path),
                  utf16Bytes(u"\uFEFF[HiScores]\r\nScore1 = 5;Ünal\r\n", littleEndian));
    }
}

// The real file system, with one step of a save made to fail.
struct FaultyFileSystem : PosixFileSystem {
    std::string fault;

    ReadResult readFile(const std::string& path, std::string& bytes) override {
        return fault == "unreadable" ? ReadResult::Failed : PosixFileSystem::readFile(path, bytes);
    }

protected:
    bool writeAll(int fd, const std::string& bytes) override { // a full disk stops it halfway
        const bool full = fault == "disk full";
        return PosixFileSystem::writeAll(fd, full ? bytes.substr(0, bytes.size() / 2) : bytes) &&
               !full;
    }
    bool rename(int folder, const std::string& from, const std::string& to) override {
        if (fault == "killed") {
            std::_Exit(0); // the program dies with the new file written, before the rename
        }
        return fault != "rename" && PosixFileSystem::rename(folder, from, to);
    }
};

using Names = std::set<std::string>;

Names filesIn(const std::filesystem::path& folder) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename());
    }
    return names;
}

class IniSave : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("MYGAME.INI");
    FaultyFileSystem fs;

    IniSave() { test::writeBytes(path, withScore("10;ANN")); }
    static std::string withScore(const std::string& value) {
        return "; keep me\r\n[HiScores]\r\nScore1 = " + value + "\r\n[Other]\r\nx=1";
    }
    bool save(const std::string& at, const std::string& value) {
        IniFile file = IniFile::open(at, fs);
        file.setString("HiScores", "Score1", value);
        return file.save();
    }
};

// A read-only file is refused in the window's test.
TEST_F(IniSave, AFailedSaveIsReportedAndLeavesTheOldFileAndItsModeAndNoTemporaryFile) {
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    for (const char* fault : {"unreadable", "disk full", "rename"}) {
        fs.fault = fault;
        EXPECT_FALSE(save(path, "99;NEW")) << fault;
        EXPECT_EQ(test::readBytes(path), withScore("10;ANN")) << fault;
        EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
        EXPECT_EQ(filesIn(dir.path), Names{"MYGAME.INI"}) << fault;
    }
}

TEST_F(IniSave, ASaveKeepsTheModeAndClearsWhatKilledSavesLeftBehind) {
    std::filesystem::permissions(path, std::filesystem::perms(0604));
    // Temporary files of earlier versions: of a program gone, and of one still saving.
    const std::string running = "MYGAME.INI.tmp-" + std::to_string(::getpid()) + "-1";
    test::writeBytes(dir.file("MYGAME.INI.tmp-999999999-1"), "x");
    test::writeBytes(dir.file(running), "x");
    if (::fork() == 0) { // a program killed with its new file written, before the rename
        fs.fault = "killed";
        save(path, "1;KILLED");
        std::_Exit(1);
    }
    ::wait(nullptr);
    EXPECT_EQ(test::readBytes(path), withScore("10;ANN"));
    EXPECT_EQ(filesIn(dir.path), (Names{"MYGAME.INI", "MYGAME.INI.tmp", running}));
    EXPECT_TRUE(save(path, "99;NEW"));
    EXPECT_EQ(test::readBytes(path), withScore("99;NEW"));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0604));
    EXPECT_EQ(filesIn(dir.path), (Names{"MYGAME.INI", running}));
}

TEST_F(IniSave, ASaveFollowsLinksToTheFileTheyLeadToAndKeepsThem) {
    namespace fs = std::filesystem;
    fs::create_directory(dir.path / "real");
    fs::rename(path, dir.path / "real/scores.ini");
    fs::create_symlink(dir.path / "real/scores.ini", dir.path / "second");
    fs::create_symlink("second", path);                       // a link to a link
    fs::create_symlink("real/new.ini", dir.path / "NEW.INI"); // a link to no file yet
    fs::create_symlink("LOOP.INI", dir.path / "LOOP.INI");
    EXPECT_TRUE(save(path, "99;NEW"));
    EXPECT_TRUE(save(dir.file("NEW.INI"), "1;A"));
    EXPECT_FALSE(save(dir.file("LOOP.INI"), "1;A"));
    EXPECT_EQ(test::readBytes(dir.file("real/scores.ini")), withScore("99;NEW"));
    EXPECT_EQ(test::readBytes(dir.file("real/new.ini")), "[HiScores]\nScore1=1;A\n");
    EXPECT_EQ(filesIn(dir.path), (Names{"LOOP.INI", "MYGAME.INI", "NEW.INI", "real", "second"}));
    EXPECT_EQ(filesIn(dir.path / "real"), (Names{"new.ini", "scores.ini"}));
}

TEST_F(IniSave, TwoProgramsSavingAtOnceTakeTurns) {
    const pid_t child = ::fork();
    const std::string who = child == 0 ? "CHILD" : "PARENT";
    int failed = 0;
    for (int i = 0; i < 20; ++i) {
        failed += save(path, std::to_string(i) + ";" + who) ? 0 : 1;
    }
    if (child == 0) {
        std::_Exit(failed);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(failed + status, 0);
    const std::string text = test::readBytes(path);
    EXPECT_TRUE(text == withScore("19;CHILD") || text == withScore("19;PARENT")) << text;
    EXPECT_EQ(filesIn(dir.path), Names{"MYGAME.INI"});
}

} // namespace
} // namespace zandor
