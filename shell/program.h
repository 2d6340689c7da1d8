// The program's parts, built as zandor-bingo builds them: the main window over its pictures and
// printer, and the game with the clock-reseeded caller and the real wave player.
#pragma once

#include "engine/random_source.h"
#include "platform/qt/wave_player.h"
#include "platform/qt/window_printer.h"
#include "shell/main_window_controller.h"
#include "ui/form1.h"
#include "ui/pictures.h"

#include <QString>

namespace zandor {

struct Program {
    // dataFolder: the folder with sounds/ and pictures/ (see dataFolder()).
    explicit Program(const QString& dataFolder);

    ui::Pictures pictures;
    WindowPrinter printer;
    ui::Form1 form;
    ClockReseededRandom random;
    QtWavePlayer sound;
    MainWindowController controller;
};

} // namespace zandor
