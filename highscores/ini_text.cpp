#include "highscores/ini_text.h"

#include "highscores/text_rules.h"

#include <vector>

namespace zandor::ini {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line of the text as offsets: its text runs from begin to end, its line ending from end
// to next. The last line of a text without a final line ending has end == next.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

enum class Kind { Other, Section, Key };

struct ParsedLine {
    Kind kind = Kind::Other;
    std::string_view name;
    std::size_t valueBegin = 0; // offset in the text of a key's value, after the blanks
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    // A byte-order mark belongs to no line, so the first line reads as if it were not there.
    std::size_t pos = text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? 3 : 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.push_back({pos, text.size(), text.size()});
            break;
        }
        std::size_t next = end + 1;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n') {
            ++next;
        }
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

std::string_view lineText(std::string_view text, const Line& line) {
    return text.substr(line.begin, line.end - line.begin);
}

// A section header starts with "[" and has a "]" (the last one closes the name); a comment
// starts with ";"; any other line with "=" is a key; everything else is ignored.
ParsedLine parseLine(std::string_view text, const Line& line) {
    const std::string_view content = lineText(text, line);
    const std::string_view trimmed = trimBlanks(content);
    if (trimmed.empty() || trimmed.front() == ';') {
        return {};
    }
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos) {
            return {Kind::Section, trimBlanks(trimmed.substr(1, close - 1)), 0};
        }
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    std::size_t valueBegin = equals + 1;
    while (valueBegin < content.size() && isValueBlank(content[valueBegin])) {
        ++valueBegin;
    }
    return {Kind::Key, trimBlanks(content.substr(0, equals)), line.begin + valueBegin};
}

// Where a key lives: the first section of that name, the first key of that name in it, and
// the line after which a new key of the section goes (its last key, or the header).
struct Location {
    std::optional<std::size_t> section;
    std::optional<std::size_t> key;
    std::size_t insertAfter = 0;
};

Location locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
    Location at;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = parseLine(text, lines[i]);
        if (!at.section) {
            if (parsed.kind == Kind::Section && equalsIgnoreCase(parsed.name, section)) {
                at.section = i;
                at.insertAfter = i;
            }
            continue;
        }
        if (parsed.kind == Kind::Section) {
            break;
        }
        if (parsed.kind == Kind::Key) {
            at.insertAfter = i;
            if (!at.key && equalsIgnoreCase(parsed.name, key)) {
                at.key = i;
            }
        }
    }
    return at;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string_view lineEnding(std::string_view text, const Line& line) {
    return text.substr(line.end, line.next - line.end);
}

// The ending for lines added after `line`: its own, or the text's first one when it has none
// (the last line may lack one). Another ending than its own could merge with the next line's
// (CR followed by LF) and swallow a line.
std::string_view endingAfter(std::string_view text, const std::vector<Line>& lines,
                             const Line& line) {
    if (line.next > line.end) {
        return lineEnding(text, line);
    }
    for (const Line& other : lines) {
        if (other.next > other.end) {
            return lineEnding(text, other);
        }
    }
    return "\n";
}

std::string replaceValue(std::string_view text, const Line& line, std::string_view value) {
    std::string out(text.substr(0, parseLine(text, line).valueBegin));
    out.append(value);
    out.append(text.substr(line.end));
    return out;
}

std::string insertKeyLine(std::string_view text, const std::vector<Line>& lines, const Line& after,
                          const std::string& keyLine) {
    const std::string_view eol = endingAfter(text, lines, after);
    std::string out(text.substr(0, after.next));
    if (after.next == after.end) {
        out.append(eol);
    }
    out.append(keyLine).append(eol);
    out.append(text.substr(after.next));
    return out;
}

std::string appendSection(std::string_view text, const std::vector<Line>& lines,
                          const std::string& header, const std::string& keyLine) {
    std::string out(text);
    if (lines.empty()) {
        return out.append(header).append("\n").append(keyLine).append("\n");
    }
    const std::string_view eol = endingAfter(text, lines, lines.back());
    if (lines.back().next == lines.back().end) {
        out.append(eol);
    }
    if (!trimBlanks(lineText(text, lines.back())).empty()) {
        out.append(eol); // a blank line between the last section and the new one
    }
    return out.append(header).append(eol).append(keyLine).append(eol);
}

} // namespace

std::optional<std::string> findValue(std::string_view text, std::string_view section,
                                     std::string_view key) {
    const std::vector<Line> lines = splitLines(text);
    const Location at = locate(text, lines, trimBlanks(section), trimBlanks(key));
    if (!at.key) {
        return std::nullopt;
    }
    const Line& line = lines[*at.key];
    const std::size_t valueBegin = parseLine(text, line).valueBegin;
    return std::string(unquote(trimValueBlanks(text.substr(valueBegin, line.end - valueBegin))));
}

std::string_view readDefault(std::string_view defaultValue) {
    while (!defaultValue.empty() && defaultValue.back() == ' ') {
        defaultValue.remove_suffix(1);
    }
    return unquote(defaultValue);
}

bool isValidSectionName(std::string_view section) {
    return !trimBlanks(section).empty() && !hasLineBreakOrNul(section);
}

bool isValidKeyName(std::string_view key) {
    const std::string_view trimmed = trimBlanks(key);
    return !trimmed.empty() && !hasLineBreakOrNul(key) && key.find('=') == std::string_view::npos &&
           trimmed.front() != '[' && trimmed.front() != ';';
}

bool isValidValue(std::string_view value) {
    return !hasLineBreakOrNul(value);
}

std::optional<std::string> setValue(std::string_view text, std::string_view section,
                                    std::string_view key, std::string_view value) {
    if (!isValidSectionName(section) || !isValidKeyName(key) || !isValidValue(value)) {
        return std::nullopt;
    }
    section = trimBlanks(section);
    key = trimBlanks(key);
    const std::vector<Line> lines = splitLines(text);
    const Location at = locate(text, lines, section, key);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    if (at.key) {
        return replaceValue(text, lines[*at.key], value);
    }
    if (at.section) {
        return insertKeyLine(text, lines, lines[at.insertAfter], keyLine);
    }
    return appendSection(text, lines, "[" + std::string(section) + "]", keyLine);
}

} // namespace zandor::ini
