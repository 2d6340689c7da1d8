// The few file operations the INI file needs, behind an interface so that tests can make any
// step fail (a full disk, a crash before the rename) without touching the real disk's rules.
#pragma once

#include <string>

namespace zandor {

enum class ReadResult {
    Read,    // the whole file is in the buffer
    Missing, // no file at that path (or no folder on the way to it)
    Failed,  // the file exists but could not be read
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual ReadResult readFile(const std::string& path, std::string& bytes) = 0;

    // Creates a new file in the folder of `target`, holding `bytes` and flushed to the disk.
    // Returns its path, or an empty text when it could not be written (nothing is left over).
    virtual std::string writeTemporary(const std::string& target, const std::string& bytes) = 0;

    // Puts `from` in the place of `to` in one step (a rename on the same file system).
    virtual bool replace(const std::string& from, const std::string& to) = 0;

    virtual void remove(const std::string& path) = 0;
};

// The real file system (POSIX calls).
class PosixFileSystem : public FileSystem {
public:
    ReadResult readFile(const std::string& path, std::string& bytes) override;
    std::string writeTemporary(const std::string& target, const std::string& bytes) override;
    bool replace(const std::string& from, const std::string& to) override;
    void remove(const std::string& path) override;
};

// One shared instance of the real file system.
FileSystem& systemFileSystem();

} // namespace zandor
