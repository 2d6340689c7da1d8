// Plain decimal text of a number without a heap allocation, and the reverse for captions.
#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace zandor {

class DecimalText {
public:
    explicit DecimalText(long long value) {
        const auto result = std::to_chars(buffer_, buffer_ + sizeof buffer_, value);
        length_ = static_cast<std::size_t>(result.ptr - buffer_);
    }
    std::string_view view() const { return {buffer_, length_}; }

private:
    char buffer_[24];
    std::size_t length_;
};

// "prefix" followed by value in plain decimal, as the status bar and messages show numbers.
inline std::string withNumber(std::string_view prefix, long long value) {
    std::string text(prefix);
    text += DecimalText(value).view();
    return text;
}

// The whole number a caption shows (surrounding blanks allowed), or nothing.
inline std::optional<long> captionNumber(std::string_view caption) {
    const auto first = caption.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto last = caption.find_last_not_of(' ');
    const char* begin = caption.data() + first;
    const char* end = caption.data() + last + 1;
    long value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace zandor
