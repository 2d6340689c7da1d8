// The window designs are measured in twips, 15 to a device-independent pixel; Qt's high-DPI
// scaling takes it from there.
#pragma once

#include "engine/game_view.h"

#include <QColor>
#include <QRect>

namespace zandor::ui {

constexpr int kTwipsPerPixel = 15;

// Twips to the nearest pixel, halves away from zero: places left of or above the origin round
// as those right of or below it do.
template <typename Twips>
constexpr int px(Twips twips) {
    const double pixels = static_cast<double>(twips) / kTwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

inline QColor toQColor(Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

inline Rgb toRgb(const QColor& colour) {
    return static_cast<Rgb>(colour.rgb() & 0xFFFFFFu);
}

} // namespace zandor::ui
