// An in-memory file system for the fuzz targets: fast, and every save goes through the same
// temporary-file-then-replace steps as on disk.
#pragma once

#include "highscores/file_system.h"

#include <map>
#include <string>

namespace zandor::fuzz {

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;

    ReadResult readFile(const std::string& path, std::string& bytes) override {
        const auto found = files.find(path);
        if (found == files.end()) {
            return ReadResult::Missing;
        }
        bytes = found->second;
        return ReadResult::Read;
    }
    std::string writeTemporary(const std::string& target, const std::string& bytes) override {
        files[target + ".tmp"] = bytes;
        return target + ".tmp";
    }
    bool replace(const std::string& from, const std::string& to) override {
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    void remove(const std::string& path) override { files.erase(path); }
};

} // namespace zandor::fuzz
