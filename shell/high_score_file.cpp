#include "shell/high_score_file.h"

#include "highscores/high_score_store.h"

#include <QDir>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zandor {

namespace {

bool inOurGroups(gid_t group) {
    if (group == getegid()) {
        return true;
    }
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (count > 0 && getgroups(count, groups.data()) == count) {
        for (gid_t g : groups) {
            if (g == group) {
                return true;
            }
        }
    }
    return false;
}

// Whether this user may write in the folder, judged by its permission bits as well as by the
// system: a folder made read-only stays read-only even for root.
bool folderIsWritable(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat info {};
    if (stat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        access(path.constData(), W_OK | X_OK) != 0) {
        return false;
    }
    const mode_t bit = info.st_uid == geteuid()   ? S_IWUSR
                       : inOurGroups(info.st_gid) ? S_IWGRP
                                                  : S_IWOTH;
    return (info.st_mode & bit) != 0;
}

} // namespace

QString highScoreFilePath(const QString& programFolder, bool installed,
                          const QString& userDataFolder) {
    if (!installed && folderIsWritable(programFolder)) {
        return QDir(programFolder).filePath(kHighScoreFileName);
    }
    QDir().mkpath(userDataFolder);
    return QDir(userDataFolder).filePath(kHighScoreFileName);
}

} // namespace zandor
