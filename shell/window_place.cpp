#include "shell/window_place.h"

#include "ui/twips.h"

#include <QSettings>
#include <cmath>

namespace zandor {

namespace {

// Positions and sizes beyond these are no screen's: a hand-edited or damaged value.
constexpr float kFarthest = 1.0e6F; // twips, about 66,000 pixels
constexpr float kSmallest = 1500;   // twips, 100 pixels

std::optional<float> readSingle(QSettings& settings, const char* key) {
    bool ok = false;
    const float value = settings.value(key).toString().toFloat(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > kFarthest) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> readSize(QSettings& settings, const char* key) {
    const std::optional<float> size = readSingle(settings, key);
    return size && *size >= kSmallest ? size : std::nullopt;
}

// A single-precision number as text: no grouping, no exponent, a fraction only when it has one.
QString singleText(float value) {
    // Seven significant digits are what a single-precision number holds; beyond them only
    // the whole part is worth writing, and never as an exponent.
    const QString text = QString::number(static_cast<double>(value), 'g', 7);
    return text.contains('e') ? QString::number(static_cast<double>(value), 'f', 0) : text;
}

} // namespace

WindowPlace readWindowPlace(QSettings& settings) {
    settings.beginGroup("Settings");
    WindowPlace place;
    place.left = readSingle(settings, "MainLeft").value_or(place.left);
    place.top = readSingle(settings, "MainTop").value_or(place.top);
    place.width = readSize(settings, "MainWidth");
    place.height = readSize(settings, "MainHeight");
    settings.endGroup();
    return place;
}

void writeWindowPlace(QSettings& settings, const QRect& outerPixels) {
    const auto twips = [](int pixels) {
        return singleText(static_cast<float>(pixels) * ui::kTwipsPerPixel);
    };
    settings.beginGroup("Settings");
    settings.setValue("MainLeft", twips(outerPixels.left()));
    settings.setValue("MainTop", twips(outerPixels.top()));
    settings.setValue("MainWidth", twips(outerPixels.width()));
    settings.setValue("MainHeight", twips(outerPixels.height()));
    settings.endGroup();
    settings.sync();
}

QRect keepOnAScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary) {
    for (const QRect& screen : screens) {
        if (screen.intersects(frame)) {
            return frame;
        }
    }
    const int margin = ui::px(1000);
    return QRect(primary.topLeft() + QPoint(margin, margin), frame.size());
}

} // namespace zandor
