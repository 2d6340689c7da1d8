// The table of the five best scores (module Module2): loaded from MYGAME.INI, judged, extended
// with a new row and written back; and the entry point that opens the high-score dialog.
#pragma once

#include "highscores/file_system.h"
#include "highscores/ini_file.h"

#include <array>
#include <cstdint>
#include <string>

namespace zandor {

// The file name of the table; the caller puts it in the folder it chooses.
inline constexpr const char* kHighScoreFileName = "MYGAME.INI";
// The high-score dialog's title, from the menu and from closing the game alike.
inline constexpr const char* kHighScoreTitle = "PembyBingo";

struct HighScoreEntry {
    std::string name;
    std::int32_t score = 0;
};

class Module2;

// Shows the high-score dialog modally over the store; returns when the dialog has closed.
class HighScoreDialog {
public:
    virtual ~HighScoreDialog() = default;
    virtual void showModal(Module2& store) = 0;
};

class Module2 {
public:
    explicit Module2(HighScoreDialog& dialog, FileSystem& fs = systemFileSystem())
        : dialog_(dialog), fs_(fs) {}

    void ShowHighScores(std::int32_t score, const std::string& title, const std::string& path,
                        bool flag);
    void LoadHighScores(const std::string& path);
    bool IsHighScore(std::int32_t score) const;
    // Returns whether the table reached the file; the table in memory is updated either way.
    bool AddHighScore(const std::string& name, std::int32_t score);
    // Sets row i's key in the file held in memory; AddHighScore saves all rows in one go, so
    // that a failure never leaves a table half old and half new on disk.
    bool WriteHighScoreEntry(IniFile& file, std::int16_t i, const std::string& value);

    // Slots 1 to 6 (slot 0 is unused); slots 1 to hiscore_count are the table, highest first,
    // and slot 6 holds the row that drops out of a full table.
    std::array<HighScoreEntry, 7> hiscores{};
    std::int16_t hiscore_count = 0;
    std::int32_t pending_score = 0;
    std::string ini_file;
    bool view_only = false;
    std::string dialog_title;

private:
    HighScoreDialog& dialog_;
    FileSystem& fs_;
};

} // namespace zandor
