// Keyboard play on a grid of cells: the grid is one Tab stop, the arrow keys move within it,
// and Space or Enter clicks the cell in focus, exactly as the mouse does.
#pragma once

#include <QObject>
#include <vector>

namespace zandor::ui {

class CellLabel;

class CellGrid : public QObject {
    Q_OBJECT
public:
    // The cells row by row, `columns` to a row.
    CellGrid(std::vector<CellLabel*> cells, int columns, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveBy(int rows, int columns);

    std::vector<CellLabel*> cells_;
    int columns_;
    int current_ = 0; // the cell Tab comes back to
};

} // namespace zandor::ui
