#include "shell/program.h"

#include "shell/high_score_file.h"

#include <QDir>
#include <QStandardPaths>

namespace zandor {

Program::Program(const QString& programFolder, const QString& dataFolder)
    : pictures(QDir(dataFolder).filePath("pictures")), form(pictures),
      scoresDialogs(pictures, &form), scores(scoresDialogs),
      highScoreFile(
          highScoreFilePath(programFolder, QDir(dataFolder) != QDir(programFolder),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))),
      controller(form, {random, sound, dataFolder.toStdString(), scores, highScoreFile, settings,
                        printer, pause}),
      menus({form, controller, scores, highScoreFile, printer, pictures, launcher,
             QDir(dataFolder).filePath("help/index.html")}) {}

} // namespace zandor
