#include "shell/window_place.h"

#include "ui/form1.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>
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

// On Wayland a program can neither know nor choose where its windows are: Qt reports each at
// (0, 0), so a place read there would be wrong and a place stored there would mislead X11.
bool placeIsKnown() {
    return !QGuiApplication::platformName().startsWith("wayland");
}

QList<QRect> screenAreas(QRect (QScreen::*area)() const) {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas << (screen->*area)();
    }
    return areas;
}

// One side of fitToArea: the start and length along an axis.
void fitSide(int& start, int& length, int areaStart, int areaLength, int smallest) {
    if (length > areaLength) {
        length = std::max(areaLength, std::min(length, smallest));
        start = areaStart;
    }
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
    const auto twips = [](int pixels) { return singleText(static_cast<float>(ui::twips(pixels))); };
    settings.beginGroup("Settings");
    if (placeIsKnown()) {
        settings.setValue("MainLeft", twips(outerPixels.left()));
        settings.setValue("MainTop", twips(outerPixels.top()));
    }
    settings.setValue("MainWidth", twips(outerPixels.width()));
    settings.setValue("MainHeight", twips(outerPixels.height()));
    settings.endGroup();
    settings.sync();
}

void restoreWindowPlace(QSettings& settings, ui::Form1& form) {
    const WindowPlace place = readWindowPlace(settings);
    using ui::px;
    const QScreen* primary = QGuiApplication::primaryScreen();
    const bool known = placeIsKnown(); // else the size is fitted to the primary screen
    QRect frame(known ? QPoint(px(place.left), px(place.top))
                      : primary->availableGeometry().topLeft(),
                form.size());
    if (place.width && place.height) {
        frame.setSize(QSize(px(*place.width), px(*place.height)));
    }
    if (known) {
        frame = keepOnAScreen(frame, screenAreas(&QScreen::geometry), primary->geometry());
    }
    frame = fitToArea(frame, form.size(), screenAreas(&QScreen::availableGeometry));
    if (known) {
        form.move(frame.topLeft());
    }
    if (place.width && place.height) {
        form.setOuterSize(frame.size());
    }
}

QRect keepOnAScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary) {
    const bool titleBarAboveAll = std::all_of(
        screens.begin(), screens.end(), [&](const QRect& s) { return frame.top() < s.top(); });
    const bool onAScreen = std::any_of(screens.begin(), screens.end(),
                                       [&](const QRect& s) { return s.intersects(frame); });
    if (onAScreen && !titleBarAboveAll) {
        return frame;
    }
    const int margin = ui::px(1000);
    return QRect(primary.topLeft() + QPoint(margin, margin), frame.size());
}

QRect fitToArea(const QRect& frame, const QSize& smallest, const QList<QRect>& areas) {
    if (areas.isEmpty()) {
        return frame;
    }
    const auto overlap = [&](const QRect& area) {
        const QRect common = area.intersected(frame);
        return common.isEmpty() ? 0LL : qint64(common.width()) * common.height();
    };
    const QRect area =
        *std::max_element(areas.begin(), areas.end(),
                          [&](const QRect& a, const QRect& b) { return overlap(a) < overlap(b); });
    int left = frame.left(), top = frame.top(), width = frame.width(), height = frame.height();
    fitSide(left, width, area.left(), area.width(), smallest.width());
    fitSide(top, height, area.top(), area.height(), smallest.height());
    return QRect(left, top, width, height);
}

} // namespace zandor
