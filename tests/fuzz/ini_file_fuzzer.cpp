// Random INI text with random writes: a written key reads back as written (trimmed and
// unquoted), another key keeps its value, every line the write did not touch stays as it was,
// and a UTF-16 file stays UTF-16 of its byte order.
#include "fuzz_support.h"
#include "highscores/ini_file.h"
#include "highscores/ini_text.h"
#include "highscores/text_encoding.h"
#include "highscores/text_rules.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

using namespace zandor;
using fuzz::check;

namespace {

// The old text is the new one with at most the part of one key line changed, or lines added (an
// unended last line may gain its ending). A byte-order mark stays in front.
void checkUntouchedLines(const std::string& before, const std::string& after) {
    check(before.rfind("\xEF\xBB\xBF", 0) != 0 || after.rfind("\xEF\xBB\xBF", 0) == 0);
    const std::size_t head =
        std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first -
        before.begin();
    std::size_t tail = 0;
    while (head + tail < std::min(before.size(), after.size()) &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    const std::string changed = before.substr(head, before.size() - head - tail);
    const std::size_t lineStart = head == 0 ? 0 : before.find_last_of("\r\n", head - 1) + 1;
    const std::string line =
        before.substr(lineStart, before.find_first_of("\r\n", head) - lineStart);
    check(changed.empty() || (changed.find_first_of("\r\n") == std::string::npos &&
                              line.find('=') != std::string::npos));
}

// A text as a file in `encoding` holds it: in UTF-16, bytes that are not UTF-8 become U+FFFD.
std::string inFile(const std::string& text, FileEncoding encoding) {
    return encoding == FileEncoding::Bytes ? text : utf16ToUtf8(utf8ToUtf16(text));
}

std::string readBack(const std::string& value) {
    std::string_view v = trimValueBlanks(value);
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'')) {
        v = v.substr(1, v.size() - 2);
    }
    return std::string(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    fuzz::MemoryFileSystem fs;
    fs.file = in.ConsumeRandomLengthString(2048);
    check(encodeFile(decodeFile(fs.file)) == fs.file);
    while (in.remaining_bytes() > 0) {
        const FileText old = decodeFile(fs.file);
        const std::string givenSection = in.ConsumeRandomLengthString(12);
        const std::string givenKey = in.ConsumeRandomLengthString(12);
        const std::string givenValue = in.ConsumeRandomLengthString(24);
        const std::string section = inFile(givenSection, old.encoding);
        const std::string key = inFile(givenKey, old.encoding);
        const std::string value = inFile(givenValue, old.encoding);
        const std::string other = key + "x"; // never the same key, even after trimming
        const std::string& before = old.text;
        IniFile file = IniFile::open("MYGAME.INI", fs);
        const bool valid = ini::isValidSectionName(section) && ini::isValidKeyName(key) &&
                           ini::isValidValue(value);
        check(file.setString(givenSection, givenKey, givenValue) == valid && file.save());
        const FileText now = decodeFile(fs.file);
        const std::string& text = now.text;
        check(now.encoding == old.encoding && now.oddByte == old.oddByte);
        check(valid ? ini::findValue(text, section, key) == readBack(value) : text == before);
        check(ini::findValue(text, section, other) == ini::findValue(before, section, other));
        checkUntouchedLines(before, text);
    }
    return 0;
}
