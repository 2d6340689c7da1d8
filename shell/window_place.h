// Where the main window was when the player last closed it: its outer frame in twips, kept in
// the settings store as text, and brought back onto a screen if it would show on none.
#pragma once

#include <QList>
#include <QRect>
#include <optional>

class QSettings;

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

// Writes the four keys, each as a single-precision number in plain decimal.
void writeWindowPlace(QSettings& settings, const QRect& outerPixels);

// The frame moved onto the primary screen when it lies wholly off every screen; as it is
// otherwise.
QRect keepOnAScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary);

} // namespace zandor
