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

    // A cell of a card or of the scoreboard: where it sits ("Card 1", "B column, row 2"), for
    // screen readers, and the word its coloured state is read as ("marked", "called").
    void setGridPlace(const QString& grid, const QString& line, const QString& stateWord);
    bool isGridCell() const { return !grid_.isEmpty(); }
    // A cell whose caption is not what it means (a card's free centre shows 0) reads as `word`.
    void setSpokenCaption(const QString& word) { spokenCaption_ = word; }
    // Anything but the resting white counts as marked.
    bool isMarked() const { return back_ != kWhite; }
    // What a screen reader says of the cell, e.g. "Card 1, B column, row 2, 12, marked".
    QString spokenText() const;
    // Its state alone: "marked" or "not marked".
    QString spokenState() const { return (isMarked() ? "" : "not ") + stateWord_; }
    // A click by keyboard or by a screen reader's action: the same handler as the mouse's.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void tellScreenReaders();

    QString text_;
    Rgb back_;
    Rgb fore_;
    bool bordered_;
    bool pressed_ = false;
    bool ringShown_ = false; // the focus came by the keyboard: Tab or an arrow key
    QString grid_;
    QString line_;
    QString stateWord_;
    QString spokenCaption_;
};

} // namespace zandor::ui
