// Shared by the high-score tests: a temporary folder, whole files, a dialog that shows nothing.
#pragma once

#include "highscores/high_score_store.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zandor::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempDir {
    std::string pattern = std::filesystem::temp_directory_path() / "zandor-hs-XXXXXX";
    std::filesystem::path path = ::mkdtemp(pattern.data()); // a null result fails the test

    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct NoDialog : HighScoreDialog {
    void showModal(Module2&) override {}
};

} // namespace zandor::test
