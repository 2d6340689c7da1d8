// The INI file on disk: sized reads with defaults, and atomic saves that never damage the old
// file when a step fails.
#include "highscores/ini_file.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zandor {
namespace {

// The real file system with switches that make a step of a save fail.
class FaultyFileSystem : public PosixFileSystem {
public:
    bool failTemporary = false;
    bool failReplace = false;
    bool crashBeforeReplace = false; // the process "dies": nothing is cleaned up

    std::string writeTemporary(const std::string& target, const std::string& bytes) override {
        return failTemporary ? std::string() : PosixFileSystem::writeTemporary(target, bytes);
    }
    bool replace(const std::string& from, const std::string& to) override {
        if (failReplace || crashBeforeReplace) {
            return false;
        }
        return PosixFileSystem::replace(from, to);
    }
    void remove(const std::string& path) override {
        if (!crashBeforeReplace) {
            PosixFileSystem::remove(path);
        }
    }
};

int filesIn(const test::TempDir& dir) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++count;
    }
    return count;
}

class IniFileTest : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("MYGAME.INI");
    FaultyFileSystem fs;
    const std::string original = "; keep me\r\n[HiScores]\r\nScore1 = 10;ANN\r\n";
};

TEST_F(IniFileTest, ReadCopiesTheValueAndCountsItsCharacters) {
    test::writeBytes(path, original);
    const IniFile file = IniFile::open(path, fs);
    char buffer[32] = "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx";
    EXPECT_EQ(file.getString("HiScores", "Score1", "d", buffer, sizeof buffer), 6u);
    EXPECT_STREQ(buffer, "10;ANN");
}

TEST_F(IniFileTest, ReadCutsToOneLessThanTheDeclaredSize) {
    test::writeBytes(path, "[s]\nk=" + std::string(300, 'v') + "\n");
    const IniFile file = IniFile::open(path, fs);
    char buffer[255];
    EXPECT_EQ(file.getString("s", "k", "d", buffer, 254), 253u);
    EXPECT_EQ(std::string(buffer), std::string(253, 'v'));
    EXPECT_EQ(file.getString("s", "k", "d", buffer, 1), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(file.getString("s", "k", "d", buffer, 0), 0u);
}

TEST_F(IniFileTest, ReadGivesTheDefaultWhenTheFileSectionOrKeyIsMissing) {
    char buffer[16];
    EXPECT_EQ(IniFile::open(path, fs).getString("s", "k", "1234;DADDY", buffer, 16), 10u);
    EXPECT_STREQ(buffer, "1234;DADDY");
    test::writeBytes(path, "[s]\nk=\n");
    EXPECT_EQ(IniFile::open(path, fs).getString("s", "k", "1234;DADDY", buffer, 16), 0u);
    EXPECT_EQ(IniFile::open(path, fs).getString("t", "k", "dflt", buffer, 3), 2u);
    EXPECT_STREQ(buffer, "df");
}

TEST_F(IniFileTest, SaveCreatesTheFileAndLeavesNoTemporaryFile) {
    IniFile file = IniFile::open(path, fs);
    ASSERT_TRUE(file.setString("HiScores", "Score1", "5;A"));
    EXPECT_TRUE(file.save());
    EXPECT_EQ(test::readBytes(path), "[HiScores]\nScore1=5;A\n");
    EXPECT_EQ(filesIn(dir), 1);
}

TEST_F(IniFileTest, SaveReplacesOneValueAndKeepsEveryOtherByte) {
    test::writeBytes(path, original + "[Other]\r\nx=1");
    IniFile file = IniFile::open(path, fs);
    file.setString("HiScores", "Score1", "20;BOB");
    file.setString("HiScores", "Score2", "5;CY");
    ASSERT_TRUE(file.save());
    EXPECT_EQ(test::readBytes(path),
              "; keep me\r\n[HiScores]\r\nScore1 = 20;BOB\r\nScore2=5;CY\r\n[Other]\r\nx=1");
}

TEST_F(IniFileTest, SaveKeepsTheFilePermissions) {
    test::writeBytes(path, original);
    ::chmod(path.c_str(), 0640);
    IniFile file = IniFile::open(path, fs);
    file.setString("HiScores", "Score1", "1;A");
    ASSERT_TRUE(file.save());
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 0777, 0640u);
}

TEST_F(IniFileTest, CrashBeforeTheRenameLeavesTheOldFileUntouched) {
    test::writeBytes(path, original);
    fs.crashBeforeReplace = true;
    IniFile file = IniFile::open(path, fs);
    file.setString("HiScores", "Score1", "99;NEW");
    EXPECT_FALSE(file.save());
    EXPECT_EQ(test::readBytes(path), original);
}

TEST_F(IniFileTest, FailedRenameIsReportedAndCleansUp) {
    test::writeBytes(path, original);
    fs.failReplace = true;
    IniFile file = IniFile::open(path, fs);
    file.setString("HiScores", "Score1", "99;NEW");
    EXPECT_FALSE(file.save());
    EXPECT_EQ(test::readBytes(path), original);
    EXPECT_EQ(filesIn(dir), 1);
}

TEST_F(IniFileTest, FailedTemporaryWriteIsReported) {
    test::writeBytes(path, original);
    fs.failTemporary = true;
    IniFile file = IniFile::open(path, fs);
    file.setString("HiScores", "Score1", "99;NEW");
    EXPECT_FALSE(file.save());
    EXPECT_EQ(test::readBytes(path), original);
}

TEST_F(IniFileTest, UnwritableFolderReadsDefaultsAndReportsTheSave) {
    // A folder that is a regular file cannot hold files, not even for root.
    test::writeBytes(dir.file("notafolder"), "x");
    IniFile file = IniFile::open(dir.file("notafolder/MYGAME.INI"), fs);
    char buffer[8];
    EXPECT_EQ(file.getString("s", "k", "d", buffer, 8), 1u);
    file.setString("s", "k", "v");
    EXPECT_FALSE(file.save());
    EXPECT_EQ(test::readBytes(dir.file("notafolder")), "x");
}

TEST_F(IniFileTest, UnreadableFileIsNeverSavedOver) {
    std::filesystem::create_directory(path); // exists, cannot be read as a file
    IniFile file = IniFile::open(path, fs);
    char buffer[8];
    EXPECT_EQ(file.getString("s", "k", "d", buffer, 8), 1u);
    file.setString("s", "k", "v");
    EXPECT_FALSE(file.save());
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(filesIn(dir), 1);
}

} // namespace
} // namespace zandor
