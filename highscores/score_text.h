// Reading a score from the text of the high-score file or of the dialog's score box.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zandor {

// Blanks around it allowed, an optional minus sign, digits, and optionally a decimal point with
// more digits: a fraction rounds to the nearest whole number, halves to even. Nothing for any
// other text or for a number outside signed 32 bits.
std::optional<std::int32_t> parseScore(std::string_view text);

} // namespace zandor
