#include "ui/cell_label.h"

#include "ui/look.h"
#include "ui/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace zandor::ui {

CellLabel::CellLabel(const QString& caption, Rgb back, Rgb fore, bool bordered, QWidget* parent)
    : QLabel(caption, parent), back_(back) {
    setAlignment(Qt::AlignCenter);
    if (bordered) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    // Most cells draw in their frame's text colour; giving each of the hundreds of cells its
    // own palette would slow the window's start noticeably.
    if (fore != kBlack) {
        QPalette colours = palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            colours.setColor(group, QPalette::WindowText, toQColor(fore));
        }
        setPalette(colours);
    }
}

void CellLabel::setBackColor(Rgb colour) {
    if (colour == back_) {
        return;
    }
    back_ = colour;
    update();
}

void CellLabel::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(rect(), toQColor(back_));
    QLabel::paintEvent(event);
}

// A click is a press and a release on the same cell, as on any button.
void CellLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CellLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

} // namespace zandor::ui
