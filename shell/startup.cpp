#include "shell/startup.h"

#include "shell/data_folder.h"
#include "ui/pictures.h"
#include "ui/splash_window.h"

#include <QDir>

namespace zandor {

std::unique_ptr<Program> Main(const QString& programFolder, int splashMilliseconds) {
    const QString data = dataFolder(programFolder);
    auto splash =
        std::make_unique<ui::frmSplash>(ui::Pictures(QDir(data).filePath("pictures")).splash());
    splash->showNow();
    const bool closed = !splash->stayFor(splashMilliseconds);

    auto program = std::make_unique<Program>(programFolder, data);
    program->controller.Form_Load();
    splash.reset();
    if (closed) {
        program->controller.Form_Unload();
        return nullptr;
    }
    program->form.show();
    return program;
}

} // namespace zandor
