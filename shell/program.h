// The program's parts, built as zandor-bingo builds them: the main window over its pictures and
// printer, the game with the clock-reseeded caller and the real wave player, the high-score
// table with its dialog, and the commands of the menus.
#pragma once

#include "engine/random_source.h"
#include "highscores/high_score_store.h"
#include "platform/qt/held_input_wait.h"
#include "platform/qt/system_info_launcher.h"
#include "platform/qt/wave_player.h"
#include "platform/qt/window_printer.h"
#include "shell/main_window_controller.h"
#include "shell/menu_commands.h"
#include "ui/form1.h"
#include "ui/pictures.h"
#include "ui/scores_dialog_factory.h"

#include <QSettings>
#include <QString>

namespace zandor {

struct Program {
    // programFolder: the binary's folder; dataFolder: the folder with sounds/, pictures/ and
    // help/ (see dataFolder()).
    Program(const QString& programFolder, const QString& dataFolder);

    ui::Pictures pictures;
    WindowPrinter printer;
    ui::Form1 form;
    ClockReseededRandom random;
    QtWavePlayer sound;
    ui::ScoresDialogFactory scoresDialogs;
    Module2 scores;
    QSettings settings;
    QtSystemInfoLauncher launcher;
    QtGamePause pause;
    QString highScoreFile;
    MainWindowController controller;
    MenuCommands menus;
};

} // namespace zandor
