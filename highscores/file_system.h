// The few file operations the INI file needs, behind an interface so that the fuzz targets can
// keep the file in memory and tests can make a step of a save fail.
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

    // Replaces the file at `path` with `bytes` in one step, so that a crash or a full disk never
    // leaves a half-written file. False when that failed; the old file is then as it was.
    virtual bool replaceFile(const std::string& path, const std::string& bytes) = 0;
};

// The real file system (POSIX calls). A save follows symbolic links to the file they lead to,
// writes "<file>.tmp" beside that file, flushes it and renames it over the file, keeping the
// file's permissions; the links stay. A file without write permission is not replaced: its
// read-only setting is the player's wish. Saves into one folder take turns, so two programs
// saving at once never share the temporary file, and each save first removes what a killed one
// left behind: at most one temporary file can ever remain.
class PosixFileSystem : public FileSystem {
public:
    ReadResult readFile(const std::string& path, std::string& bytes) override;
    bool replaceFile(const std::string& path, const std::string& bytes) override;

protected:
    // The steps that a full disk or a crash interrupts, apart so that tests can make them fail.
    virtual bool writeAll(int fd, const std::string& bytes);
    virtual bool rename(int folder, const std::string& from, const std::string& to);
};

// One shared instance of the real file system.
FileSystem& systemFileSystem();

} // namespace zandor
