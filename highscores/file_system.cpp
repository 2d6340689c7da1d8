#include "highscores/file_system.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zandor {

namespace {

constexpr int kMostLinks = 40; // as many as the kernel follows in one path

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// The file that `path` leads to through its symbolic links: `path` itself when it is none, the
// place a new file goes when a link leads nowhere. False for a loop or an unreadable link.
bool followLinks(std::string path, std::string& file) {
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            file = path;
            return true;
        }
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n <= 0 || static_cast<std::size_t>(n) == sizeof target) {
            return false;
        }
        const std::string link(target, static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    return false;
}

// A file the player made read-only (no write bit at all) is refused even where the system would
// let us write it (as root), as is one that this user may not write.
bool mayWrite(const std::string& file, const struct stat& st) {
    return (st.st_mode & 0222) != 0 && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

// Waits for another program's save into the same folder to end. A save takes milliseconds, so a
// few seconds are plenty, and a program stuck in the middle of one cannot block us for good.
// Where the file system has no such locks, the save goes ahead without one.
bool takeTurn(int folder) {
    const timespec pause{0, 2'000'000};
    for (int attempt = 0; attempt < 2500; ++attempt) {
        if (::flock(folder, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return true;
        }
        ::nanosleep(&pause, nullptr);
    }
    return false;
}

// Removes the temporary file of a killed save, and those that earlier versions named
// "<name>.tmp-<process>-<count>" once their process is gone. Called while it is our turn.
void removeLeftovers(int folder, const std::string& name) {
    ::unlinkat(folder, (name + ".tmp").c_str(), 0);
    const int copy = ::dup(folder);
    DIR* dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (dir == nullptr) {
        if (copy >= 0) {
            ::close(copy);
        }
        return;
    }
    const std::string prefix = name + ".tmp-";
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view entryName(entry->d_name);
        if (entryName.substr(0, prefix.size()) != prefix) {
            continue;
        }
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name + prefix.size(), &end, 10);
        if (*end == '-' && pid > 0 && pid <= INT_MAX && ::kill(static_cast<pid_t>(pid), 0) != 0 &&
            errno == ESRCH) {
            stale.emplace_back(entryName);
        }
    }
    ::closedir(dir);
    for (const std::string& file : stale) {
        ::unlinkat(folder, file.c_str(), 0);
    }
}

} // namespace

ReadResult PosixFileSystem::readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::Missing : ReadResult::Failed;
    }
    char chunk[4096];
    ReadResult result = ReadResult::Read;
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            result = ReadResult::Failed;
        }
        if (n <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return result;
}

bool PosixFileSystem::replaceFile(const std::string& path, const std::string& bytes) {
    std::string file;
    if (!followLinks(path, file)) {
        return false;
    }
    struct stat old {};
    const bool exists = ::stat(file.c_str(), &old) == 0;
    if (exists ? !S_ISREG(old.st_mode) || !mayWrite(file, old) : errno != ENOENT) {
        return false;
    }
    const int folder = ::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        return false;
    }
    bool saved = false;
    if (takeTurn(folder)) {
        const std::string name = nameOf(file);
        const std::string temporary = name + ".tmp";
        removeLeftovers(folder, name);
        const int fd = ::openat(folder, temporary.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            const bool written = (!exists || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                                 writeAll(fd, bytes) && ::fsync(fd) == 0;
            saved = ::close(fd) == 0 && written && rename(folder, temporary, name);
            if (saved) {
                ::fsync(folder); // makes the rename itself survive a power cut
            } else {
                ::unlinkat(folder, temporary.c_str(), 0);
            }
        }
    }
    ::close(folder); // ends our turn
    return saved;
}

bool PosixFileSystem::writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool PosixFileSystem::rename(int folder, const std::string& from, const std::string& to) {
    return ::renameat(folder, from.c_str(), folder, to.c_str()) == 0;
}

FileSystem& systemFileSystem() {
    static PosixFileSystem instance;
    return instance;
}

} // namespace zandor
