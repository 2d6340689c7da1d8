#include "ui/status_bar.h"

#include "ui/accessibility.h"
#include "ui/twips.h"

#include <QHBoxLayout>
#include <QLocale>
#include <QPainter>
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
constexpr int kTextMargin = 4;
constexpr int kClockTickMs = 1000;

} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), clock_(new QTimer(this)) {
    setObjectName("sbStatusBar");
    setFixedHeight(px(kHeightTwips));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(2);
    for (int i = 0; i < kPanels; ++i) {
        auto* panel = new StatusPanel(kPanelDesigns[i].text, this);
        panel->setObjectName(QString("sbStatusBar_%1").arg(i + 1));
        panel->setToolTip(kPanelDesigns[i].toolTip);
        // The first panel takes the width the others leave; the rest fit their text.
        panel->setSizePolicy(i == 0 ? QSizePolicy::Ignored : QSizePolicy::Fixed,
                             QSizePolicy::Preferred);
        row->addWidget(panel, i == 0 ? 1 : 0);
        panels_[i] = panel;
    }
    connect(clock_, &QTimer::timeout, this, &StatusBar::showTime);
    clock_->start(kClockTickMs);
    showTime();
}

void StatusBar::setPanelText(int panel, const QString& text) {
    if (panel >= 1 && panel <= kPanels) {
        panels_[panel - 1]->setText(text);
    }
}

void StatusBar::showTime() {
    panels_[kPanels - 1]->setText(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
}

StatusPanel::StatusPanel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {}

void StatusPanel::setText(const QString& text) {
    if (text != text_) {
        text_ = text;
        updateGeometry();
        update();
        tellNameChanged(this);
    }
}

QSize StatusPanel::sizeHint() const {
    // One pixel more than the rounded advance, so that the text is never elided at its own size.
    return QSize(fontMetrics().horizontalAdvance(text_) + 2 * kTextMargin + 1,
                 fontMetrics().height());
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect inside = rect().adjusted(kTextMargin, 0, -kTextMargin, 0);
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text_, Qt::ElideRight, inside.width()));
}

} // namespace zandor::ui
