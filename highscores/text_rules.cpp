#include "highscores/text_rules.h"

namespace zandor {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view trim(std::string_view text, bool (*blank)(char)) {
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isValueBlank(char c) {
    return isBlank(c) || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view trimBlanks(std::string_view text) {
    return trim(text, isBlank);
}

std::string_view trimValueBlanks(std::string_view text) {
    return trim(text, isValueBlank);
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace zandor
