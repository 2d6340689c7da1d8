// Keyboard play on a grid of cells: the grid is one Tab stop, the arrow keys move within it,
// and Space or Enter clicks the cell in focus, exactly as the mouse does. A screen reader is
// told what each key did where the focus alone says nothing: the new state after a click, and
// an arrow that met the grid's edge.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

namespace zandor::ui {

class CellLabel;

class CellGrid : public QObject {
    Q_OBJECT
public:
    using Say = std::function<void(const QString&)>;

    // The cells row by row, `columns` to a row. `say` speaks to a screen reader. A grid that is
    // only read (not pressable) leaves Space and Enter to its window.
    CellGrid(std::vector<CellLabel*> cells, int columns, Say say, QObject* parent,
             bool pressable = true);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveBy(int rows, int columns);

    std::vector<CellLabel*> cells_;
    int columns_;
    Say say_;
    bool pressable_;
    int current_ = 0; // the cell Tab comes back to
};

} // namespace zandor::ui
