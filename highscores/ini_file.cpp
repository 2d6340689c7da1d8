#include "highscores/ini_file.h"

#include "highscores/ini_text.h"

#include <algorithm>
#include <optional>

namespace zandor {

IniFile IniFile::open(std::string path, FileSystem& fs) {
    IniFile file(std::move(path), fs);
    if (fs.readFile(file.path_, file.text_) == ReadResult::Failed) {
        file.text_.clear();
        file.readable_ = false;
    }
    return file;
}

std::size_t IniFile::getString(std::string_view section, std::string_view key,
                               std::string_view defaultValue, char* buffer,
                               std::size_t size) const {
    if (size == 0) {
        return 0;
    }
    const std::optional<std::string> value = ini::findValue(text_, section, key);
    const std::string_view chosen =
        value ? std::string_view(*value) : ini::readDefault(defaultValue);
    const std::size_t count = std::min(chosen.size(), size - 1);
    std::copy_n(chosen.data(), count, buffer);
    buffer[count] = '\0';
    return count;
}

bool IniFile::setString(std::string_view section, std::string_view key, std::string_view value) {
    std::optional<std::string> edited = ini::setValue(text_, section, key, value);
    if (!edited) {
        return false;
    }
    text_ = std::move(*edited);
    return true;
}

bool IniFile::save() {
    if (!readable_) {
        return false;
    }
    const std::string temporary = fs_->writeTemporary(path_, text_);
    if (temporary.empty()) {
        return false;
    }
    if (!fs_->replace(temporary, path_)) {
        fs_->remove(temporary);
        return false;
    }
    return true;
}

} // namespace zandor
