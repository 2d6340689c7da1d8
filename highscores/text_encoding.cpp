#include "highscores/text_encoding.h"

#include <utility>

namespace zandor {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t u) {
    return u >= 0xD800 && u < 0xDC00;
}

bool isLowSurrogate(char32_t u) {
    return u >= 0xDC00 && u < 0xE000;
}

void appendUtf8(std::string& out, char32_t code) {
    const auto byte = [&](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

// The length of the UTF-8 sequence that `lead` starts, 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead < 0xC0) {
        return 0;
    }
    return lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 0;
}

} // namespace

std::string utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t code = units[i];
        if (isHighSurrogate(code) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
        }
        appendUtf8(out, code);
    }
    return out;
}

std::u16string utf8ToUtf16(std::string_view text) {
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000}; // shortest form only
    std::u16string units;
    units.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        bool valid = length > 0 && i + length <= text.size();
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid || code < kLeast[length] || code > 0x10FFFF) {
            units.push_back(static_cast<char16_t>(kReplacement));
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            code = 0xDC00 + (code & 0x3FF);
        }
        units.push_back(static_cast<char16_t>(code));
        i += length;
    }
    return units;
}

FileText decodeFile(std::string bytes) {
    FileText file;
    if (bytes.rfind("\xFF\xFE", 0) == 0) {
        file.encoding = FileEncoding::Utf16LE;
    } else if (bytes.rfind("\xFE\xFF", 0) == 0) {
        file.encoding = FileEncoding::Utf16BE;
    } else {
        file.text = std::move(bytes);
        return file;
    }
    const bool little = file.encoding == FileEncoding::Utf16LE;
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(little ? first | second << 8 : first << 8 | second));
    }
    if (bytes.size() % 2 != 0) {
        file.oddByte = bytes.back();
    }
    file.text = utf16ToUtf8(units);
    return file;
}

std::string encodeFile(const FileText& file) {
    if (file.encoding == FileEncoding::Bytes) {
        return file.text;
    }
    const bool little = file.encoding == FileEncoding::Utf16LE;
    const std::u16string units = utf8ToUtf16(file.text);
    std::string bytes;
    bytes.reserve(units.size() * 2 + file.oddByte.size());
    for (const char16_t unit : units) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes.push_back(little ? low : high);
        bytes.push_back(little ? high : low);
    }
    return bytes.append(file.oddByte);
}

} // namespace zandor
