#include "highscores/high_score_store.h"

#include "highscores/score_text.h"
#include "highscores/text_rules.h"

#include <utility>

namespace zandor {

namespace {

constexpr const char* kSection = "HiScores";
constexpr const char* kDefaultRow = "1234;DADDY";
constexpr std::int16_t kTableSize = 5;

std::string keyOf(std::int16_t row) {
    return "Score" + std::to_string(row);
}

// The name as the file keeps it: on one line (so it can never add a key or a section) and
// without the blanks a read would trim.
std::string storedName(std::string name) {
    for (char& c : name) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    return std::string(trimValueBlanks(name));
}

} // namespace

void Module2::ShowHighScores(std::int32_t score, const std::string& title, const std::string& path,
                             bool flag) {
    dialog_title = title;
    ini_file = path;
    LoadHighScores(ini_file);
    if (flag) {
        view_only = true;
    } else {
        view_only = false;
        if (!IsHighScore(score)) {
            return;
        }
        pending_score = score;
    }
    dialog_.showModal(*this);
}

void Module2::LoadHighScores(const std::string& path) {
    const IniFile file = IniFile::open(path, fs_);
    for (std::int16_t i = 1; i <= kTableSize; ++i) {
        // A 255-character buffer declared as 254: values of 253 characters and more read cut.
        char buffer[255];
        const std::size_t n = file.getString(kSection, keyOf(i), kDefaultRow, buffer, 254);
        if (n < 1) {
            hiscore_count = static_cast<std::int16_t>(i - 1);
            return;
        }
        const std::string_view value(buffer, n);
        const std::size_t semicolon = value.find(';');
        if (semicolon == std::string_view::npos) {
            continue; // the row keeps what it held
        }
        if (const auto score = parseScore(value.substr(0, semicolon))) {
            hiscores[i].score = *score;
        }
        hiscores[i].name = std::string(value.substr(semicolon + 1));
    }
    hiscore_count = kTableSize;
}

bool Module2::IsHighScore(std::int32_t score) const {
    if (hiscore_count == kTableSize && score == hiscores[kTableSize].score) {
        return false;
    }
    if (hiscore_count < kTableSize) {
        return true;
    }
    for (std::int16_t i = 1; i <= hiscore_count; ++i) {
        if (hiscores[i].score <= score) {
            return true;
        }
    }
    return false;
}

bool Module2::AddHighScore(const std::string& name, std::int32_t score) {
    const std::int16_t k = static_cast<std::int16_t>(hiscore_count + 1);
    hiscores[k] = HighScoreEntry{name, score};
    // Only strictly lower rows move down, so a new row ends below the rows of equal score.
    for (int pass = 0; pass < hiscore_count + 1; ++pass) {
        for (std::int16_t j = 2; j <= k; ++j) {
            if (hiscores[j - 1].score < hiscores[j].score) {
                std::swap(hiscores[j - 1], hiscores[j]);
            }
        }
    }
    if (hiscore_count < kTableSize) {
        ++hiscore_count;
    }
    IniFile file = IniFile::open(ini_file, fs_);
    bool written = true;
    for (std::int16_t i = 1; i <= hiscore_count; ++i) {
        const std::string value =
            std::to_string(hiscores[i].score) + ";" + storedName(hiscores[i].name);
        written = WriteHighScoreEntry(file, i, value) && written;
    }
    return file.save() && written;
}

bool Module2::WriteHighScoreEntry(IniFile& file, std::int16_t i, const std::string& value) {
    return file.setString(kSection, keyOf(i), value);
}

} // namespace zandor
