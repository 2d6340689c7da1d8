#include "ui/status_bar.h"

#include "ui/twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTime>
#include <QTimer>

namespace zandor::ui {

namespace {

struct PanelDesign {
    const char* text;
    const char* toolTip;
};

constexpr PanelDesign kPanelDesigns[StatusBar::kPanels] = {
    {"Game Type = ", ""},
    {"Balance $60.00", "Current Balance"},
    {"Number", "Game Number"},
    {"Prize", "Jackpot amount for this game"},
    {"", ""},
};

constexpr int kHeightTwips = 270;
constexpr int kClockTickMs = 1000;

} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), clock_(new QTimer(this)) {
    setObjectName("sbStatusBar");
    setFixedHeight(px(kHeightTwips));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(2);
    for (int i = 0; i < kPanels; ++i) {
        auto* panel = new QLabel(kPanelDesigns[i].text, this);
        panel->setObjectName(QString("sbStatusBar_%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setToolTip(kPanelDesigns[i].toolTip);
        panel->setContentsMargins(2, 0, 2, 0);
        // The first panel takes the width the others leave; the rest fit their text.
        row->addWidget(panel, i == 0 ? 1 : 0);
        panels_[i] = panel;
    }
    connect(clock_, &QTimer::timeout, this, &StatusBar::showTime);
    clock_->start(kClockTickMs);
    showTime();
}

QString StatusBar::panelText(int panel) const {
    return panel >= 1 && panel <= kPanels ? panels_[panel - 1]->text() : QString();
}

void StatusBar::setPanelText(int panel, const QString& text) {
    if (panel >= 1 && panel <= kPanels) {
        panels_[panel - 1]->setText(text);
    }
}

void StatusBar::showTime() {
    panels_[kPanels - 1]->setText(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
}

} // namespace zandor::ui
