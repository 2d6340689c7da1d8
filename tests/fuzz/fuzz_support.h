// Shared by the fuzz targets: the check that stops a run, and a file system of one file in memory.
#pragma once

#include "highscores/file_system.h"

#include <cstdlib>
#include <string>

namespace zandor::fuzz {

inline void check(bool holds) {
    holds ? void() : std::abort();
}

struct MemoryFileSystem : FileSystem {
    std::string file; // at every path

    ReadResult readFile(const std::string&, std::string& bytes) override {
        bytes = file;
        return ReadResult::Read;
    }
    bool replaceFile(const std::string&, const std::string& bytes) override {
        file = bytes;
        return true;
    }
};

} // namespace zandor::fuzz
