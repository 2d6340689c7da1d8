#include "shell/main_window_controller.h"

#include "highscores/high_score_store.h"
#include "platform/game_pause.h"
#include "shell/window_place.h"
#include "ui/form1.h"

#include <QApplication>

namespace zandor {

MainWindowController::MainWindowController(ui::Form1& form, Parts parts)
    : form_(form), parts_(std::move(parts)), view_(form, parts_.printer, parts_.pause),
      game_(view_, parts_.random, parts_.sound, parts_.dataFolder) {
    using ui::Form1;
    connect(&form, &Form1::startClicked, this,
            [this] { runCountingHandlers([this] { game_.StartButton_Click(); }); });
    connect(&form, &Form1::pauseClicked, this,
            [this] { runCountingHandlers([this] { game_.pausebutton_Click(); }); });
    connect(&form, &Form1::printClicked, this,
            [this] { runCountingHandlers([this] { game_.mnuFilePrint_Click(); }); });
    connect(&form, &Form1::autoManualClicked, this,
            [this] { runCountingHandlers([this] { game_.automancheck_Click(); }); });
    connect(&form, &Form1::cardCountClicked, this,
            [this](int cards) { runCountingHandlers([this, cards] { cardCountClicked(cards); }); });
    connect(&form, &Form1::cellClicked, this, [this](Ctl grid, int index) {
        runCountingHandlers([this, grid, index] { cellClicked(grid, index); });
    });
    connect(&form, &Form1::closing, this, &MainWindowController::Form_Unload);
}

template <typename Handler>
void MainWindowController::runCountingHandlers(Handler handler) {
    if (unloading_) {
        return;
    }
    ++handlersRunning_;
    handler();
    if (--handlersRunning_ == 0 && unloading_ && !unloaded_) {
        finishUnload();
    }
}

void MainWindowController::Form_Load() {
    restoreWindowPlace(parts_.settings, form_);
    game_.loadStartingState();
}

void MainWindowController::Form_Unload() {
    if (unloading_) {
        return;
    }
    unloading_ = true;
    // The game unwinds from wherever it is without touching the window again.
    game_.programEnding();
    parts_.pause.endAll();
    if (handlersRunning_ == 0) {
        finishUnload();
    }
}

void MainWindowController::finishUnload() {
    unloaded_ = true;
    parts_.scores.ShowHighScores(game_.state().balance, kHighScoreTitle,
                                 parts_.highScoreFile.toStdString(), false);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &form_ && window->isVisible()) {
            window->close();
        }
    }
    if (!form_.isMinimized()) {
        writeWindowPlace(parts_.settings, form_.frameGeometry());
    }
    form_.hide();
    parts_.endProgram();
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
