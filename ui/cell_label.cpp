#include "ui/cell_label.h"

#include "ui/twips.h"

#include <QMouseEvent>

namespace zandor::ui {

CellLabel::CellLabel(const QString& caption, Rgb back, Rgb fore, bool bordered, QWidget* parent)
    : QLabel(caption, parent), back_(back), fore_(fore) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    if (bordered) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    applyColours();
}

void CellLabel::setBackColor(Rgb colour) {
    if (colour == back_) {
        return;
    }
    back_ = colour;
    applyColours();
}

void CellLabel::applyColours() {
    QPalette colours = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Window, toQColor(back_));
        colours.setColor(group, QPalette::WindowText, toQColor(fore_));
    }
    setPalette(colours);
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
