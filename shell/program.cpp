#include "shell/program.h"

#include <QDir>

namespace zandor {

Program::Program(const QString& dataFolder)
    : pictures(QDir(dataFolder).filePath("pictures")), form(pictures, printer),
      controller(form, random, sound, dataFolder.toStdString()) {}

} // namespace zandor
