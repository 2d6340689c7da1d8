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
#include <vector>

using namespace zandor;
using fuzz::check;

namespace {

// Lines with their endings, split independently of the code under test.
std::vector<std::string> rawLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0, end = 0; pos < text.size(); pos = end) {
        end = std::min(text.find_first_of("\r\n", pos), text.size());
        end += text.compare(end, 2, "\r\n") == 0 ? 2 : end < text.size() ? 1 : 0;
        lines.push_back(text.substr(pos, end - pos));
    }
    return lines;
}

// All old lines are in the new text in order, but for at most one key line whose value was
// replaced; an unended last line may gain an ending. A byte-order mark stays in front.
void checkUntouchedLines(const std::string& before, const std::string& after) {
    const bool bom = before.rfind("\xEF\xBB\xBF", 0) == 0;
    check(!bom || after.rfind("\xEF\xBB\xBF", 0) == 0);
    const std::vector<std::string> old = rawLines(before.substr(bom ? 3 : 0));
    const std::vector<std::string> now = rawLines(after.substr(bom ? 3 : 0));
    const auto same = [&](std::size_t i, std::size_t j) {
        const std::string& o = old[i];
        const bool unended = i + 1 == old.size() && o.back() != '\n' && o.back() != '\r';
        return o == now[j] || (unended && now[j].compare(0, o.size(), o) == 0 &&
                               now[j].find_first_not_of("\r\n", o.size()) == std::string::npos);
    };
    std::size_t head = 0, tail = 0;
    while (head < old.size() && head < now.size() && same(head, head)) {
        ++head;
    }
    while (head + tail < std::min(old.size(), now.size()) &&
           same(old.size() - 1 - tail, now.size() - 1 - tail)) {
        ++tail;
    }
    check(head + tail + 1 >= old.size());
    check(head + tail == old.size() || old[head].find('=') != std::string::npos);
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
    std::string& bytes = fs.files[fuzz::kPath] = in.ConsumeRandomLengthString(2048);
    check(encodeFile(decodeFile(bytes)) == bytes);
    while (in.remaining_bytes() > 0) {
        const FileText old = decodeFile(bytes);
        const std::string givenSection = in.ConsumeRandomLengthString(12);
        const std::string givenKey = in.ConsumeRandomLengthString(12);
        const std::string givenValue = in.ConsumeRandomLengthString(24);
        const std::string section = inFile(givenSection, old.encoding);
        const std::string key = inFile(givenKey, old.encoding);
        const std::string value = inFile(givenValue, old.encoding);
        const std::string other = key + "x"; // never the same key, even after trimming
        const std::string& before = old.text;
        IniFile file = IniFile::open(fuzz::kPath, fs);
        const bool valid = ini::isValidSectionName(section) && ini::isValidKeyName(key) &&
                           ini::isValidValue(value);
        check(file.setString(givenSection, givenKey, givenValue) == valid && file.save());
        const FileText now = decodeFile(bytes);
        const std::string& text = now.text;
        check(now.encoding == old.encoding && now.oddByte == old.oddByte);
        check(valid ? ini::findValue(text, section, key) == readBack(value) : text == before);
        check(ini::findValue(text, section, other) == ini::findValue(before, section, other));
        checkUntouchedLines(before, text);
    }
    return 0;
}
