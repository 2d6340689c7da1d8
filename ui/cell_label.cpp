#include "ui/cell_label.h"

#include "ui/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace zandor::ui {

CellLabel::CellLabel(const QString& caption, Rgb back, Rgb fore, bool bordered, QWidget* parent)
    : QWidget(parent), text_(caption), back_(back), fore_(fore), bordered_(bordered) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellLabel::setText(const QString& text) {
    if (text != text_) {
        text_ = text;
        update();
    }
}

void CellLabel::setBackColor(Rgb colour) {
    if (colour != back_) {
        back_ = colour;
        update();
    }
}

void CellLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(back_));
    if (bordered_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setPen(toQColor(fore_));
    painter.drawText(rect(), Qt::AlignCenter, text_);
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
