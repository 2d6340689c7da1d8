// Random INI text with random reads and writes. Checks that nothing crashes, that a read fills
// the buffer by the size rules, that a written key reads back as written (trimmed and
// unquoted), that no other key changes its value and that every line the write did not touch
// is unchanged.
#include "fuzz_support.h"
#include "highscores/ini_file.h"
#include "highscores/ini_text.h"
#include "highscores/text_rules.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace zandor;

using fuzz::check;
using fuzz::kPath;

struct RawLine {
    std::string text;
    std::string ending;
    bool operator==(const RawLine& other) const {
        return text == other.text && ending == other.ending;
    }
};

// Lines with their endings, split independently of the code under test.
std::vector<RawLine> rawLines(const std::string& text) {
    std::vector<RawLine> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        std::size_t next = end;
        if (next < text.size()) {
            next +=
                (text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n') ? 2 : 1;
        }
        lines.push_back({text.substr(pos, end - pos), text.substr(end, next - end)});
        pos = next;
    }
    return lines;
}

// Old lines must all be in the new text in order, except at most one: the key line whose value
// was replaced, or the last line, which may only have gained a line ending.
void checkUntouchedLines(const std::string& before, const std::string& after) {
    // A byte-order mark belongs to no line; it must stay in front.
    const std::string bom = "\xEF\xBB\xBF";
    const std::size_t skip = before.compare(0, 3, bom) == 0 ? 3 : 0;
    check(after.compare(0, skip, bom, 0, skip) == 0);
    const std::vector<RawLine> old = rawLines(before.substr(skip));
    const std::vector<RawLine> now = rawLines(after.substr(skip));
    std::size_t head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < old.size() - head && tail < now.size() - head &&
           old[old.size() - 1 - tail] == now[now.size() - 1 - tail]) {
        ++tail;
    }
    const std::size_t changed = old.size() - head - tail;
    check(changed <= 1);
    if (changed == 1) {
        const RawLine& line = old[head];
        const bool lastGainedEnding = head + 1 == old.size() && line.ending.empty() &&
                                      now[head].text == line.text && !now[head].ending.empty();
        check(lastGainedEnding || line.text.find('=') != std::string::npos);
    }
}

bool sameName(const std::string& a, const std::string& b) {
    return equalsIgnoreCase(trimBlanks(a), trimBlanks(b));
}

std::string readBack(const std::string& value) {
    std::string_view v = trimBlanks(value);
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'')) {
        v = v.substr(1, v.size() - 2);
    }
    return std::string(v);
}

void fuzzRead(FuzzedDataProvider& in, fuzz::MemoryFileSystem& fs, const std::string& section,
              const std::string& key) {
    const std::string fallback = in.ConsumeRandomLengthString(8);
    const std::size_t size = in.ConsumeIntegralInRange<std::size_t>(0, 300);
    std::vector<char> buffer(size);
    const std::size_t n =
        IniFile::open(kPath, fs).getString(section, key, fallback, buffer.data(), size);
    if (size == 0) {
        check(n == 0);
        return;
    }
    const std::string expected = ini::findValue(fs.files[kPath], section, key).value_or(fallback);
    check(n == std::min(expected.size(), size - 1));
    check(std::memcmp(buffer.data(), expected.data(), n) == 0 && buffer[n] == '\0');
}

void fuzzWrite(FuzzedDataProvider& in, fuzz::MemoryFileSystem& fs, const std::string& section,
               const std::string& key, const std::string& probeSection,
               const std::string& probeKey) {
    const std::string value = in.ConsumeRandomLengthString(24);
    const std::string before = fs.files[kPath];
    const std::optional<std::string> probeBefore = ini::findValue(before, probeSection, probeKey);

    IniFile file = IniFile::open(kPath, fs);
    const bool valid =
        ini::isValidSectionName(section) && ini::isValidKeyName(key) && ini::isValidValue(value);
    check(file.setString(section, key, value) == valid);
    check(file.save());
    const std::string after = fs.files[kPath];
    if (!valid) {
        check(after == before);
        return;
    }
    check(ini::findValue(after, section, key) == readBack(value));
    if (!(sameName(section, probeSection) && sameName(key, probeKey))) {
        check(ini::findValue(after, probeSection, probeKey) == probeBefore);
    }
    checkUntouchedLines(before, after);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    fuzz::MemoryFileSystem fs;
    fs.files[kPath] = in.ConsumeRandomLengthString(2048);
    const int steps = in.ConsumeIntegralInRange(1, 8);
    for (int i = 0; i < steps && in.remaining_bytes() > 0; ++i) {
        const std::string section = in.ConsumeRandomLengthString(12);
        const std::string key = in.ConsumeRandomLengthString(12);
        if (in.ConsumeBool()) {
            fuzzRead(in, fs, section, key);
        } else {
            const std::string probeSection = in.ConsumeBool() ? section : "HiScores";
            const std::string probeKey = in.ConsumeRandomLengthString(12);
            fuzzWrite(in, fs, section, key, probeSection, probeKey);
        }
    }
    return 0;
}
