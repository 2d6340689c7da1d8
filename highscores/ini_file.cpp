#include "highscores/ini_file.h"

#include "highscores/ini_text.h"

#include <algorithm>
#include <optional>

namespace zandor {

IniFile IniFile::open(std::string path, FileSystem& fs) {
    IniFile file(std::move(path), fs);
    std::string bytes;
    if (fs.readFile(file.path_, bytes) == ReadResult::Failed) {
        file.readable_ = false;
    } else {
        file.file_ = decodeFile(std::move(bytes));
    }
    return file;
}

std::size_t IniFile::getString(std::string_view section, std::string_view key,
                               std::string_view defaultValue, char* buffer,
                               std::size_t size) const {
    if (size == 0) {
        return 0;
    }
    const std::optional<std::string> value =
        ini::findValue(file_.text, asInFile(section), asInFile(key));
    const std::string_view chosen =
        value ? std::string_view(*value) : ini::readDefault(defaultValue);
    const std::size_t count = std::min(chosen.size(), size - 1);
    std::copy_n(chosen.data(), count, buffer);
    buffer[count] = '\0';
    return count;
}

bool IniFile::setString(std::string_view section, std::string_view key, std::string_view value) {
    std::optional<std::string> edited =
        ini::setValue(file_.text, asInFile(section), asInFile(key), asInFile(value));
    if (!edited) {
        return false;
    }
    file_.text = std::move(*edited);
    return true;
}

std::string IniFile::asInFile(std::string_view text) const {
    return file_.encoding == FileEncoding::Bytes ? std::string(text)
                                                 : utf16ToUtf8(utf8ToUtf16(text));
}

bool IniFile::save() {
    return readable_ && fs_->replaceFile(path_, encodeFile(file_));
}

} // namespace zandor
