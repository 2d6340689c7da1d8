#include "platform/qt/system_info_launcher.h"

#include <QProcess>
#include <QStandardPaths>

namespace zandor {

QList<SystemInfoProgram> QtSystemInfoLauncher::knownPrograms() {
    // HardInfo first: like the classic system-information tool it is a full report of the
    // hardware and software, and it runs on any desktop. Then each desktop's own page of
    // system details, for machines without it: GNOME 43's Settings names its page
    // "info-overview" (later versions renamed it), KDE's Info Center, Xfce's About dialog
    // (whose System tab shows the details since 4.18) and MATE's System Monitor on its
    // System tab.
    return {
        {"hardinfo", {}},    {"gnome-control-center", {"info-overview"}},    {"kinfocenter", {}},
        {"xfce4-about", {}}, {"mate-system-monitor", {"--show-system-tab"}},
    };
}

QtSystemInfoLauncher::QtSystemInfoLauncher(QList<SystemInfoProgram> programs,
                                           QStringList searchPath)
    : programs_(std::move(programs)), searchPath_(std::move(searchPath)) {}

bool QtSystemInfoLauncher::start() {
    for (const SystemInfoProgram& program : programs_) {
        const QString path = QStandardPaths::findExecutable(program.name, searchPath_);
        if (!path.isEmpty()) {
            return QProcess::startDetached(path, program.arguments);
        }
    }
    return false;
}

} // namespace zandor
