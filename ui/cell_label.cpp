#include "ui/cell_label.h"

#include "ui/accessibility.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zandor::ui {

CellLabel::CellLabel(const QString& caption, Rgb back, Rgb fore, bool bordered, QWidget* parent)
    : QWidget(parent), text_(caption), back_(back), fore_(fore), bordered_(bordered) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellLabel::setText(const QString& text) {
    if (text != text_) {
        text_ = text;
        update();
        tellScreenReaders();
    }
}

void CellLabel::setBackColor(Rgb colour) {
    if (colour != back_) {
        back_ = colour;
        update();
        tellScreenReaders();
    }
}

void CellLabel::setGridPlace(const QString& grid, const QString& line, const QString& stateWord) {
    grid_ = grid;
    line_ = line;
    stateWord_ = stateWord;
}

QString CellLabel::spokenText() const {
    const QString caption = spokenCaption_.isEmpty() ? text_.trimmed() : spokenCaption_;
    if (!isGridCell()) {
        return caption;
    }
    return QString("%1, %2, %3, %4")
        .arg(grid_, line_, caption.isEmpty() ? "blank" : caption, spokenState());
}

// Only while an assistive technology listens, and only of what it can reach: the window
// changes hundreds of cells a game, and a flood of events makes Orca drop the calls it should
// say. Orca reads a cell's state as its name; only the focused cell reports its state apart.
void CellLabel::tellScreenReaders() {
    if (!QAccessible::isActive() || !isVisible()) {
        return;
    }
    tellNameChanged(this);
    if (isGridCell() && hasFocus()) {
        QAccessible::State marked;
        marked.checked = true;
        QAccessibleStateChangeEvent changed(this, marked);
        QAccessible::updateAccessibility(&changed);
    }
}

void CellLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (bordered_) {
        // A border of whole device pixels, alike on every side at any scale (a one-pixel pen
        // at a ratio of 1.5 would draw some sides one device pixel wide and others two).
        const qreal ratio = devicePixelRatioF();
        const qreal width = std::max(1.0, std::floor(ratio)) / ratio;
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(QRectF(rect()).adjusted(width, width, -width, -width), toQColor(back_));
    } else {
        painter.fillRect(rect(), toQColor(back_));
    }
    painter.setPen(toQColor(fore_));
    painter.drawText(rect(), Qt::AlignCenter, text_);
    if (hasFocus() && ringShown_) {
        // The keyboard's place in a grid: a dashed ring just inside the border. A grid that has
        // the focus because its window opened (the winner's card) shows none until a key moves.
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
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

// A double-click comes as one click followed by this event, which does nothing: the cell
// toggles once. (Qt's default would take it for a second press, and so a second click.)
void CellLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CellLabel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    ringShown_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    update();
}

void CellLabel::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace zandor::ui
