// Random score texts: a score reads back from its decimal and lies within a half of the text's
// number. Random tables: a new entry reads back as written (trimmed, on one line, cut to 253;
// in a UTF-16 file, bytes that are not UTF-8 read back as U+FFFD).
#include "fuzz_support.h"
#include "highscores/high_score_store.h"
#include "highscores/score_text.h"
#include "highscores/text_encoding.h"
#include "highscores/text_rules.h"

#include <algorithm>
#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>

using namespace zandor;
using fuzz::check;

struct NoDialog : HighScoreDialog {
    void showModal(Module2&) override {}
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string text = in.ConsumeRandomLengthString(24);
    if (const std::optional<std::int32_t> score = parseScore(text)) {
        check(parseScore(std::to_string(*score)) == score);
        const std::string meant(trimBlanks(text)); // a double holds up to 12 characters exactly
        check(meant.size() > 12 || std::fabs(std::strtod(meant.c_str(), nullptr) - *score) <= 0.5);
    }

    fuzz::MemoryFileSystem fs;
    fs.file = in.ConsumeRandomLengthString(1024);
    const bool utf16 = decodeFile(fs.file).encoding != FileEncoding::Bytes;
    NoDialog dialog;
    Module2 store(dialog, fs), reread(dialog, fs);
    store.ini_file = "MYGAME.INI";
    store.LoadHighScores(store.ini_file);
    const std::string name = in.ConsumeRandomLengthString(40);
    check(store.AddHighScore(name, in.ConsumeIntegral<std::int32_t>()));
    reread.LoadHighScores(store.ini_file);
    for (int i = 1; i <= store.hiscore_count; ++i) {
        const HighScoreEntry& row = store.hiscores[i];
        check(i == 1 || store.hiscores[i - 1].score >= row.score);
        std::string oneLine = row.name;
        std::replace_if(
            oneLine.begin(), oneLine.end(), [](char c) { return c == '\r' || c == '\n' || !c; },
            ' ');
        std::string value = std::to_string(row.score) + ";" + std::string(trimValueBlanks(oneLine));
        value = (utf16 ? utf16ToUtf8(utf8ToUtf16(value)) : value).substr(0, 253);
        check(reread.hiscores[i].score == row.score);
        check(reread.hiscores[i].name == value.substr(value.find(';') + 1));
    }
    return 0;
}
