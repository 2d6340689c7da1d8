// A cell of the game's grids: a card cell, a scoreboard cell, a column header or the
// called-number display. It paints its own background, border and centred caption, and reports
// clicks. A plain widget rather than a QLabel: the window has hundreds of them, and labels would
// make its start noticeably slower.
#pragma once

#include "engine/game_view.h"

#include <QWidget>

namespace zandor::ui {

class CellLabel : public QWidget {
    Q_OBJECT
public:
    CellLabel(const QString& caption, Rgb back, Rgb fore, bool bordered, QWidget* parent);

    QString text() const { return text_; }
    void setText(const QString& text);
    Rgb backColor() const { return back_; }
    void setBackColor(Rgb colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString text_;
    Rgb back_;
    Rgb fore_;
    bool bordered_;
    bool pressed_ = false;
};

} // namespace zandor::ui
