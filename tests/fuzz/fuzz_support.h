// Shared by the fuzz targets: the check that stops a run, and an in-memory file system.
#pragma once

#include "highscores/file_system.h"

#include <cstdlib>
#include <map>
#include <string>

namespace zandor::fuzz {

inline const std::string kPath = "MYGAME.INI";

inline void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

struct MemoryFileSystem : FileSystem {
    std::map<std::string, std::string> files;

    ReadResult readFile(const std::string& path, std::string& bytes) override {
        const auto found = files.find(path);
        bytes = found == files.end() ? "" : found->second;
        return found == files.end() ? ReadResult::Missing : ReadResult::Read;
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
