// Random score texts and random high-score files. Checks that score parsing agrees with plain
// arithmetic, that loading any file keeps the table's bounds, and that a new entry is written
// so that the table reads back as it stands in memory (names trimmed, on one line).
#include "fuzz_support.h"
#include "highscores/high_score_store.h"
#include "highscores/score_text.h"
#include "highscores/text_rules.h"

#include <cmath>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

using namespace zandor;

using fuzz::check;
using fuzz::kPath;

class NoDialog : public HighScoreDialog {
public:
    void showModal(Module2&) override {}
};

// A parsed score is within half of the number the text means (checked where a double holds the
// text exactly enough), and the plain decimal of a score reads back as itself.
void fuzzScoreText(const std::string& text) {
    const std::optional<std::int32_t> score = parseScore(text);
    if (!score) {
        return;
    }
    check(parseScore(std::to_string(*score)) == score);
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.size() <= 12) {
        const double meant = std::strtod(std::string(trimmed).c_str(), nullptr);
        check(std::fabs(meant - *score) <= 0.5);
    }
}

std::string expectedName(const std::string& name) {
    std::string oneLine = name;
    for (char& c : oneLine) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    return std::string(trimBlanks(oneLine));
}

void fuzzTable(FuzzedDataProvider& in) {
    fuzz::MemoryFileSystem fs;
    fs.files[kPath] = in.ConsumeRandomLengthString(1024);
    NoDialog dialog;
    Module2 store(dialog, fs);
    store.ini_file = kPath;
    store.LoadHighScores(kPath);
    check(store.hiscore_count >= 0 && store.hiscore_count <= 5);

    const std::string name = in.ConsumeRandomLengthString(40);
    const std::int32_t score = in.ConsumeIntegral<std::int32_t>();
    check(store.AddHighScore(name, score));
    for (int i = 2; i <= store.hiscore_count; ++i) {
        check(store.hiscores[i - 1].score >= store.hiscores[i].score);
    }
    Module2 reread(dialog, fs);
    reread.LoadHighScores(kPath);
    check(reread.hiscore_count >= store.hiscore_count);
    for (int i = 1; i <= store.hiscore_count; ++i) {
        // The reader keeps at most 253 characters of the value.
        const std::string value =
            (std::to_string(store.hiscores[i].score) + ";" + expectedName(store.hiscores[i].name))
                .substr(0, 253);
        check(reread.hiscores[i].score == store.hiscores[i].score);
        check(reread.hiscores[i].name == value.substr(value.find(';') + 1));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    fuzzScoreText(in.ConsumeRandomLengthString(24));
    fuzzTable(in);
    return 0;
}
