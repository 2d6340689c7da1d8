// Small text rules shared by the INI file and the score parser: what counts as a blank,
// trimming, and name comparison without regard to letter case.
#pragma once

#include <string_view>

namespace zandor {

// Blanks are spaces and tabs; line breaks are never blanks.
bool isBlank(char c);

// The text without leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

// Around a value in an INI file, vertical tab, form feed and ^Z (the old end-of-file mark) are
// blanks too, as the platform's profile functions take them.
bool isValueBlank(char c);
std::string_view trimValueBlanks(std::string_view text);

// True when both texts are equal, ASCII letters compared without regard to case.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

} // namespace zandor
