// Finds a system-information program on the search path and starts it detached. Linux has no
// single such tool, so a short list of well-known ones is tried in order.
#pragma once

#include "platform/system_info.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zandor {

struct SystemInfoProgram {
    QString name; // the executable's file name
    QStringList arguments;
};

class QtSystemInfoLauncher final : public SystemInfoLauncher {
public:
    // The programs tried by default, best first.
    static QList<SystemInfoProgram> knownPrograms();

    // searchPath: the folders to look in; empty means the PATH environment variable.
    explicit QtSystemInfoLauncher(QList<SystemInfoProgram> programs = knownPrograms(),
                                  QStringList searchPath = {});

    // Starts the first of the programs that is found; false when none is found or the one
    // found does not start.
    bool start() override;

private:
    QList<SystemInfoProgram> programs_;
    QStringList searchPath_;
};

} // namespace zandor
