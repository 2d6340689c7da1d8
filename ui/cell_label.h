// A bordered label with its own fixed background colour that reports clicks: a card cell, a
// scoreboard cell, a column header or the called-number display.
#pragma once

#include "engine/game_view.h"

#include <QLabel>

namespace zandor::ui {

class CellLabel : public QLabel {
    Q_OBJECT
public:
    CellLabel(const QString& caption, Rgb back, Rgb fore, bool bordered, QWidget* parent);

    Rgb backColor() const { return back_; }
    void setBackColor(Rgb colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Rgb back_;
    bool pressed_ = false;
};

} // namespace zandor::ui
