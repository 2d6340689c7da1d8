// The look shared by the game's windows: fixed colours that no desktop theme changes, the
// design's fonts, and the red B-I-N-G-O headers.
#pragma once

#include "engine/game_view.h"

#include <QFont>

class QWidget;

namespace zandor::ui {

class CellLabel;

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kYellow = 0xFFFF00;
constexpr Rgb kLightGrey = 0xC0C0C0;
constexpr double kDefaultPointSize = 8.25;

// The frame of a fixed-size dialog (the About box, the winner's card, the high scores, the
// messages): a title and a close box only. Minimising one would hide it while the window it
// holds stays blocked, and there is nothing to maximise.
constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                              Qt::MSWindowsFixedSizeDialogHint;

// Application-wide settings of the game's look, made before its first window: the Fusion
// style, compact and alike on every desktop, with its light colours whatever the desktop's
// theme, and the menu bar kept inside the window, where the fixed layout has room for it (a
// desktop's global menu would take it away; looking for one also slows the start).
void applyApplicationLook();

// Gives the widget a fixed background and text colour, and paints its background.
void fixColours(QWidget* widget, Rgb back, Rgb fore);

// The window's own face at a design size.
QFont designFont(const QFont& base, double points, bool bold);

// The letter over a card's column, or beside a scoreboard row: 0..4 is B..O.
inline char bingoLetter(int column) {
    return "BINGO"[column];
}

// Where a card cell (1..25, down the columns) sits, as a screen reader says it: "B column, row 2".
QString cellPlace(int cell);

// A header of the Label2 array: index is its array index, letter 0..4 is B..O.
CellLabel* columnHeader(int index, int letter, int left, int top, QWidget* parent);

} // namespace zandor::ui
