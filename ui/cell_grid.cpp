#include "ui/cell_grid.h"

#include "ui/cell_label.h"

#include <QKeyEvent>

namespace zandor::ui {

CellGrid::CellGrid(std::vector<CellLabel*> cells, int columns, Say say, QObject* parent,
                   bool pressable)
    : QObject(parent), cells_(std::move(cells)), columns_(columns), say_(std::move(say)),
      pressable_(pressable) {
    // Only the current cell takes Tab; a click never moves the focus.
    for (CellLabel* cell : cells_) {
        cell->setFocusPolicy(Qt::NoFocus);
        cell->installEventFilter(this);
    }
    cells_[current_]->setFocusPolicy(Qt::TabFocus);
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != cells_[current_]) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Left:
        moveBy(0, -1);
        return true;
    case Qt::Key_Right:
        moveBy(0, 1);
        return true;
    case Qt::Key_Up:
        moveBy(-1, 0);
        return true;
    case Qt::Key_Down:
        moveBy(1, 0);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!pressable_) {
            return false;
        }
        if (!key->isAutoRepeat()) {
            CellLabel* cell = cells_[current_];
            cell->click();
            say_(cell->spokenState()); // the cell keeps the focus, so nothing else says it
        }
        return true;
    default:
        return false;
    }
}

// Stops at the grid's edges rather than wrapping, so the player always knows where they are,
// and says which edge was met.
void CellGrid::moveBy(int rows, int columns) {
    const int row = current_ / columns_ + rows;
    const int column = current_ % columns_ + columns;
    const int rowCount = static_cast<int>(cells_.size()) / columns_;
    if (row < 0 || row >= rowCount || column < 0 || column >= columns_) {
        say_(row < 0           ? "top edge"
             : row >= rowCount ? "bottom edge"
             : column < 0      ? "left edge"
                               : "right edge");
        return;
    }
    cells_[current_]->setFocusPolicy(Qt::NoFocus);
    current_ = row * columns_ + column;
    cells_[current_]->setFocusPolicy(Qt::TabFocus);
    cells_[current_]->setFocus(Qt::TabFocusReason);
}

} // namespace zandor::ui
