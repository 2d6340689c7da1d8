// An INI ("profile") file on disk: read keys with a default into a sized buffer, as the
// platform's private-profile functions do, set keys in memory, and save the file atomically in
// the encoding it was read in.
#pragma once

#include "highscores/file_system.h"
#include "highscores/text_encoding.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace zandor {

class IniFile {
public:
    // Reads the file at `path`. A missing file reads as an empty one; an unreadable one too,
    // but it is never saved over (its contents are unknown and would be lost).
    static IniFile open(std::string path, FileSystem& fs = systemFileSystem());

    // Copies the key's value (or `defaultValue`, read as ini::readDefault gives it, when the
    // section or key is missing) into `buffer`, cut to `size` - 1 characters and terminated;
    // returns the characters copied.
    std::size_t getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, char* buffer, std::size_t size) const;

    // Sets one key in memory. False, and nothing changed, when the names or the value would not
    // stay on one line of their own (see ini::setValue).
    bool setString(std::string_view section, std::string_view key, std::string_view value);

    // Replaces the file on disk with the text in memory, atomically (see FileSystem). False when
    // that failed; the old file is then untouched.
    bool save();

private:
    IniFile(std::string path, FileSystem& fs) : path_(std::move(path)), fs_(&fs) {}

    // The text as the file will hold it: in a UTF-16 file, bytes that are not UTF-8 become
    // U+FFFD, so that the text in memory is always what a save writes.
    std::string asInFile(std::string_view text) const;

    std::string path_;
    FileSystem* fs_;
    FileText file_;
    bool readable_ = true;
};

} // namespace zandor
