// The text of an INI ("profile") file: looking a key up and setting one key, with the rules of
// the platform's private-profile functions, while keeping every other byte of the text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zandor::ini {

// The value of `key` in the first section called `section`, both matched without regard to
// case and surrounding blanks. The value is trimmed of value blanks and loses one matching pair
// of surrounding double or single quotes. Nothing when the section or the key is missing.
std::optional<std::string> findValue(std::string_view text, std::string_view section,
                                     std::string_view key);

// A read's default as the platform's profile read returns it: without trailing spaces (tabs
// stay) and without one matching pair of surrounding double or single quotes.
std::string_view readDefault(std::string_view defaultValue);

// Names and values that can be written without changing the meaning of other lines.
bool isValidSectionName(std::string_view section);
bool isValidKeyName(std::string_view key);
bool isValidValue(std::string_view value);

// The text with `key` of `section` set to `value`: the key's value is replaced in place, or the
// key is added after the last key of its section, or the section is added at the end. Every
// other byte stays as it was. New lines take the ending of the line they follow, or the text's
// first line ending when that line has none (LF when the text has none at all).
// Nothing when a name or the value is not valid.
std::optional<std::string> setValue(std::string_view text, std::string_view section,
                                    std::string_view key, std::string_view value);

} // namespace zandor::ini
