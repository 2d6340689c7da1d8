#include "highscores/scores_dialog.h"

#include "highscores/score_text.h"

#include <cmath>

namespace zandor {

namespace {

constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kFrameSeconds = 0.1;

// Seconds from `start` to `now` on a clock that goes back to 0 at midnight.
double elapsedSince(double start, double now) {
    const double elapsed = now - start;
    return elapsed < 0 ? elapsed + kSecondsPerDay : elapsed;
}

} // namespace

void frmScores::Form_Load() {
    busy = false;
    closed_ = false;
    closing_ = false;
    taking_entry_ = !store_.view_only;
    view_.move((view_.screenWidth() - view_.width()) / 2,
               (view_.screenHeight() - view_.height()) / 2);
    view_.setCaption(store_.dialog_title);
    FillLists();
    if (store_.view_only) {
        ShowViewMode();
        return;
    }
    view_.setVisible("btnOK", false);
    view_.setDefaultButton("btnNewScore");
    view_.setText("txtName", "");
    view_.setMaxLength("txtName", 15);
    view_.setText("txtScore", std::to_string(store_.pending_score));
    view_.setReadOnly("txtScore", true);
    for (const char* control : {"lblInfo", "txtName", "txtScore", "btnNewScore"}) {
        view_.setVisible(control, true);
    }
}

void frmScores::FillLists() {
    if (store_.hiscore_count < 1) {
        return;
    }
    view_.clearList("lstNames");
    view_.clearList("lstScores");
    for (std::int16_t i = 1; i <= store_.hiscore_count; ++i) {
        view_.addItem("lstNames", store_.hiscores[i].name);
        view_.addItem("lstScores", std::to_string(store_.hiscores[i].score));
    }
}

void frmScores::btnNewScore_Click() {
    // Only once per showing: a second press queued behind the first must not add the row again,
    // nor a press queued behind a close (the close lets waiting events run) store the entry.
    if (!taking_entry_ || closing_ || closed_) {
        return;
    }
    taking_entry_ = false;
    const std::int32_t score = parseScore(view_.text("txtScore")).value_or(store_.pending_score);
    const bool stored = store_.AddHighScore(view_.text("txtName"), score);
    FillLists();
    ShowViewMode();
    if (!stored) {
        view_.showMessage("The high-score table could not be saved to " + store_.ini_file + ".");
    }
}

void frmScores::ShowViewMode() {
    for (const char* control : {"lblInfo", "txtName", "txtScore", "btnNewScore"}) {
        view_.setVisible(control, false);
    }
    view_.setVisible("btnOK", true);
    view_.setTop("btnOK", view_.geometry("lblInfo").top);
    view_.setDefaultButton("btnOK");
    view_.setHeight(view_.geometry("btnNewScore").top + 45);
    view_.refresh();
}

void frmScores::btnOK_Click() {
    // Once per showing: a press waiting in the events let run below must not close again.
    if (closed_ || closing_) {
        return;
    }
    closing_ = true;
    view_.setTimerEnabled("Timer1", false);
    view_.setTimerInterval("Timer1", 0);
    view_.processEvents();
    closed_ = true;
    view_.close();
}

void frmScores::windowCloseRequested() {
    btnOK_Click();
}

void frmScores::Form_Paint() {
    if (closed_) {
        return;
    }
    DrawFrame3D(view_, "lstNames", 1);
    DrawFrame3D(view_, "lstScores", 1);
    if (view_.isVisible("txtName")) {
        DrawFrame3D(view_, "txtName", 0);
        DrawFrame3D(view_, "txtScore", 0);
    }
}

void frmScores::DrawFrame3D(ScoresView& window, const std::string& control, std::int16_t style) {
    if (!window.isVisible(control)) {
        return;
    }
    const int px = static_cast<int>(std::nearbyint(window.twipsPerPixelX()));
    const int py = static_cast<int>(std::nearbyint(window.twipsPerPixelY()));
    const std::uint32_t a = style == 0 ? kGrey : kWhite;
    const std::uint32_t b = style == 0 ? kWhite : kGrey;
    const TwipsRect r = window.geometry(control);
    window.setDrawPosition(r.left - px, r.top - py);
    window.lineTo(r.left + r.width, r.top - py, a);
    window.lineTo(r.left + r.width, r.top + r.height, b);
    window.lineTo(r.left - px, r.top + r.height, b);
    window.lineTo(r.left - px, r.top - py, a);
}

void frmScores::Timer1_Timer() {
    if (busy || closed_) {
        return;
    }
    busy = true;
    for (int i = 0; i < 4; ++i) {
        view_.copyPicture("Image2", "imgMain");
        if (!wait()) {
            return;
        }
        view_.copyPicture("Image3", "imgMain");
        if (!wait()) {
            return;
        }
    }
    view_.copyPicture("Image1", "imgMain");
    busy = false;
}

bool frmScores::wait() {
    const double start = view_.secondsSinceMidnight();
    for (double elapsed = 0; elapsed < kFrameSeconds;
         elapsed = elapsedSince(start, view_.secondsSinceMidnight())) {
        view_.waitForEvents(kFrameSeconds - elapsed);
        if (closed_) {
            return false;
        }
    }
    return true;
}

} // namespace zandor
