#include "shell/main_window_controller.h"

#include "ui/form1.h"

#include <QCoreApplication>

namespace zandor {

MainWindowController::MainWindowController(ui::Form1& form, RandomSource& random,
                                           SoundPlayer& sound, const std::string& dataFolder,
                                           std::function<void()> endProgram)
    : game_(form, random, sound, dataFolder), endProgram_(std::move(endProgram)) {
    using ui::Form1;
    connect(&form, &Form1::startClicked, this, [this] { game_.StartButton_Click(); });
    connect(&form, &Form1::pauseClicked, this, [this] { game_.pausebutton_Click(); });
    connect(&form, &Form1::printClicked, this, [this] { game_.mnuFilePrint_Click(); });
    connect(&form, &Form1::autoManualClicked, this, [this] { game_.automancheck_Click(); });
    connect(&form, &Form1::cardCountClicked, this, &MainWindowController::cardCountClicked);
    connect(&form, &Form1::cellClicked, this, &MainWindowController::cellClicked);
    connect(&form, &Form1::closing, this, &MainWindowController::Form_Unload);
}

void MainWindowController::Form_Load() {
    game_.loadStartingState();
}

void MainWindowController::Form_Unload() {
    // The game unwinds from wherever it is without touching the window again.
    game_.programEnding();
    endProgram_();
}

void MainWindowController::defaultEndProgram() {
    QCoreApplication::quit();
}

void MainWindowController::cardCountClicked(int cards) {
    switch (cards) {
    case 0:
        game_.sel0_Click();
        break;
    case 1:
        game_.sel1_Click();
        break;
    case 2:
        game_.sel2_Click();
        break;
    default:
        game_.sel3_Click();
        break;
    }
}

void MainWindowController::cellClicked(Ctl grid, int index) {
    if (grid == Ctl::Label3) {
        game_.Label3_Click(index);
    } else if (grid == Ctl::Label4) {
        game_.Label4_Click(index);
    } else if (grid == Ctl::Label5) {
        game_.Label5_Click(index);
    }
}

} // namespace zandor
