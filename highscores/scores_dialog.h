// The high-score dialog's logic (frmScores): lays the dialog out for showing the table or taking
// a new entry, stores the entry, draws the 3-D frames and runs the banner animation.
#pragma once

#include "highscores/high_score_store.h"
#include "highscores/scores_view.h"

#include <cstdint>
#include <string>

namespace zandor {

class frmScores {
public:
    frmScores(Module2& store, ScoresView& view) : store_(store), view_(view) {}

    void Form_Load();
    void Form_Paint();
    void Timer1_Timer();
    void btnNewScore_Click();
    void btnOK_Click();
    // The window system closes the dialog (its close control): the same as btnOK_Click, so in
    // entry mode nothing is stored.
    void windowCloseRequested();

    void FillLists();
    void DrawFrame3D(ScoresView& window, const std::string& control, std::int16_t style);
    void ShowViewMode();

private:
    // Lets events run for at least 0.1 second, sleeping while none come; false when the dialog
    // closed meanwhile.
    bool wait();

    Module2& store_;
    ScoresView& view_;
    bool busy = false;
    bool taking_entry_ = false; // entry mode, until the entry is stored
    bool closing_ = false;      // OK pressed, the dialog about to close
    bool closed_ = false;
};

} // namespace zandor
