// The INI file on disk: sized reads with defaults, and atomic saves that never damage the old
// file when a step fails.
#include "highscores/ini_file.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zandor {
namespace {

enum class Fault { None, TemporaryWrite, Rename, CrashBeforeRename };

// The real file system, with one step of a save made to fail.
class FaultyFileSystem : public PosixFileSystem {
public:
    Fault fault = Fault::None;

    std::string writeTemporary(const std::string& target, const std::string& bytes) override {
        return fault == Fault::TemporaryWrite ? std::string()
                                              : PosixFileSystem::writeTemporary(target, bytes);
    }
    bool replace(const std::string& from, const std::string& to) override {
        return (fault == Fault::Rename || fault == Fault::CrashBeforeRename)
                   ? false
                   : PosixFileSystem::replace(from, to);
    }
    void remove(const std::string& path) override {
        if (fault != Fault::CrashBeforeRename) { // a crashed program cleans nothing up
            PosixFileSystem::remove(path);
        }
    }
};

class IniFileTest : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("MYGAME.INI");
    FaultyFileSystem fs;
    const std::string original = "; keep me\r\n[HiScores]\r\nScore1 = 10;ANN\r\n[Other]\r\nx=1";

    int filesInFolder() const {
        const auto entries = std::filesystem::directory_iterator(dir.path());
        return static_cast<int>(std::distance(begin(entries), end(entries)));
    }
};

TEST_F(IniFileTest, ReadCutsToOneLessThanTheDeclaredSizeAndCountsTheCharacters) {
    test::writeBytes(path, "[s]\nk=" + std::string(300, 'v') + "\n");
    const IniFile file = IniFile::open(path, fs);
    char buffer[255];
    EXPECT_EQ(file.getString("s", "k", "d", buffer, 254), 253u);
    EXPECT_EQ(std::string(buffer), std::string(253, 'v'));
    EXPECT_EQ(file.getString("s", "k", "d", buffer, 1), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(file.getString("s", "k", "d", buffer, 0), 0u);
    EXPECT_EQ(file.getString("s", "missing", "dflt", buffer, 3), 2u);
    EXPECT_STREQ(buffer, "df");
}

TEST_F(IniFileTest, SaveCreatesTheFileAndLeavesNoTemporaryFile) {
    IniFile file = IniFile::open(path, fs);
    ASSERT_TRUE(file.setString("HiScores", "Score1", "5;A"));
    EXPECT_TRUE(file.save());
    EXPECT_EQ(test::readBytes(path), "[HiScores]\nScore1=5;A\n");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(IniFileTest, SaveKeepsEveryOtherByteAndThePermissions) {
    test::writeBytes(path, original);
    ::chmod(path.c_str(), 0640);
    IniFile file = IniFile::open(path, fs);
    file.setString("HiScores", "Score1", "20;BOB");
    file.setString("HiScores", "Score2", "5;CY");
    ASSERT_TRUE(file.save());
    EXPECT_EQ(test::readBytes(path),
              "; keep me\r\n[HiScores]\r\nScore1 = 20;BOB\r\nScore2=5;CY\r\n[Other]\r\nx=1");
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 0777, 0640u);
}

void PrintTo(Fault fault, std::ostream* out);

class IniFileFault : public IniFileTest, public testing::WithParamInterface<Fault> {};

TEST_P(IniFileFault, FailedSaveIsReportedAndLeavesTheOldFileUntouched) {
    test::writeBytes(path, original);
    fs.fault = GetParam();
    IniFile file = IniFile::open(path, fs);
    file.setString("HiScores", "Score1", "99;NEW");
    EXPECT_FALSE(file.save());
    EXPECT_EQ(test::readBytes(path), original);
    if (GetParam() != Fault::CrashBeforeRename) {
        EXPECT_EQ(filesInFolder(), 1);
    }
}

std::string faultName(Fault fault) {
    switch (fault) {
    case Fault::TemporaryWrite:
        return "TemporaryWrite";
    case Fault::Rename:
        return "Rename";
    default:
        return "CrashBeforeRename";
    }
}

void PrintTo(Fault fault, std::ostream* out) {
    *out << faultName(fault);
}

INSTANTIATE_TEST_SUITE_P(Steps, IniFileFault,
                         testing::Values(Fault::TemporaryWrite, Fault::Rename,
                                         Fault::CrashBeforeRename),
                         [](const testing::TestParamInfo<Fault>& info) {
                             return faultName(info.param);
                         });

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
    std::filesystem::create_directory(path); // exists, but cannot be read as a file
    IniFile file = IniFile::open(path, fs);
    file.setString("s", "k", "v");
    EXPECT_FALSE(file.save());
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(filesInFolder(), 1);
}

} // namespace
} // namespace zandor
