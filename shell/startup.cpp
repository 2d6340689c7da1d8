#include "shell/startup.h"

#include "shell/data_folder.h"
#include "ui/pictures.h"
#include "ui/splash_window.h"

#include <QDir>
#include <QElapsedTimer>
#include <algorithm>

namespace zandor {

std::unique_ptr<Program> Main(const QString& programFolder, int splashMilliseconds) {
    const QString data = dataFolder(programFolder);
    auto splash =
        std::make_unique<ui::frmSplash>(ui::Pictures(QDir(data).filePath("pictures")).splash());
    splash->showNow();
    QElapsedTimer up;
    up.start();
    // The main window is made and loaded, hidden, while the splash is up: the player waits
    // for the splash alone, and the window shows the moment it goes.
    auto program = std::make_unique<Program>(programFolder, data);
    program->controller.Form_Load();
    program->form.ensurePolished(); // its style too, so that showing it is quick
    const bool closed =
        !splash->stayFor(std::max<int>(0, splashMilliseconds - static_cast<int>(up.elapsed())));
    splash.reset();
    if (closed) {
        program->controller.Form_Unload();
        return nullptr;
    }
    program->form.show();
    return program;
}

} // namespace zandor
