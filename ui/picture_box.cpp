#include "ui/picture_box.h"

#include <QPainter>

namespace zandor::ui {

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

} // namespace zandor::ui
