#include "ui/picture_box.h"

#include <QPainter>

namespace zandor::ui {

void drawPicture(QPainter& painter, const QPixmap& picture) {
    // A picture made for another pixel ratio (its sharp copy missing, or the window moved to
    // another screen) is resampled smoothly rather than with doubled pixels.
    painter.setRenderHint(
        QPainter::SmoothPixmapTransform,
        !qFuzzyCompare(picture.devicePixelRatio(), painter.device()->devicePixelRatio()));
    painter.drawPixmap(0, 0, picture);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawPicture(painter, picture_);
}

} // namespace zandor::ui
