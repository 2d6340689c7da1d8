// The HighScoreDialog the store opens: a fresh ScoresForm, frmScores's Qt window, built, shown
// modally over the owner and destroyed for every showing.
#pragma once

#include "highscores/high_score_store.h"
#include "ui/pictures.h"

class QWidget;

namespace zandor::ui {

class ScoresDialogFactory final : public HighScoreDialog {
public:
    ScoresDialogFactory(const Pictures& pictures, QWidget* owner);

    // Builds a fresh dialog in its designed state, loads it, shows it modally over the owner
    // and destroys it once it has closed.
    void showModal(Module2& store) override;

private:
    Pictures pictures_;
    QWidget* owner_;
};

} // namespace zandor::ui
