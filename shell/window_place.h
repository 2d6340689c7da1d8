// Where the main window was when the player last closed it: its outer frame in twips, kept in
// the settings store as text, and brought back onto a screen, within its area, when it opens.
#pragma once

#include <QList>
#include <QRect>
#include <optional>

class QSettings;

namespace zandor::ui {
class Form1;
}

namespace zandor {

// The outer frame (title bar and borders included) in twips. A width or height that is not
// stored has no value: the window keeps its designed size, which shows the whole client area.
struct WindowPlace {
    float left = 1000;
    float top = 1000;
    std::optional<float> width;
    std::optional<float> height;
};

// Reads MainLeft, MainTop, MainWidth and MainHeight of the group "Settings". A value that is
// missing, not a number, not finite or absurd gives that key's default.
WindowPlace readWindowPlace(QSettings& settings);

// Writes the four keys, each as a single-precision number in plain decimal. Where the
// windowing system keeps places to itself only the size is written: the place an X11 session
// stored stays.
void writeWindowPlace(QSettings& settings, const QRect& outerPixels);

// Gives the window, before it first shows, the stored place kept on a screen and the stored
// size fitted to that screen's area; where places are the windowing system's, the size only.
void restoreWindowPlace(QSettings& settings, ui::Form1& form);

// The frame moved onto the primary screen when it lies wholly off every screen or its title
// bar is above the top of every screen; as it is otherwise.
QRect keepOnAScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary);

// The frame fitted to the available area it overlaps most (the first when it overlaps none):
// a side longer than the area's becomes the area's, but never shorter than the smallest size
// (or the frame's own, if shorter), and starts where the area starts.
QRect fitToArea(const QRect& frame, const QSize& smallest, const QList<QRect>& areas);

} // namespace zandor
