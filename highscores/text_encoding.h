// How the bytes of an INI file encode its text. A file that starts with a UTF-16 byte-order mark
// is read and written in UTF-16 of that byte order, as the platform's profile functions do; any
// other file is taken byte for byte, without conversion.
#pragma once

#include <string>
#include <string_view>

namespace zandor {

enum class FileEncoding { Bytes, Utf16LE, Utf16BE };

struct FileText {
    FileEncoding encoding = FileEncoding::Bytes;
    // The bytes themselves, or for a UTF-16 file its text in UTF-8 from the byte-order mark on.
    std::string text;
    // The odd last byte of a UTF-16 file, written back as it was.
    std::string oddByte;
};

FileText decodeFile(std::string bytes);
// The bytes of the file: decodeFile(bytes) encodes back to exactly `bytes`.
std::string encodeFile(const FileText& file);

// UTF-16 code units to UTF-8 and back. A lone surrogate takes the three bytes UTF-8 would give
// its number, so that any code units come back as they were; a byte of `text` that is not part
// of such a sequence becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view units);
std::u16string utf8ToUtf16(std::string_view text);

} // namespace zandor
