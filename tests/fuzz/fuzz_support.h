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
    bool replaceFile(const std::string& path, const std::string& bytes) override {
        files[path] = bytes;
        return true;
    }
};

} // namespace zandor::fuzz
