#include "ui/frame_panel.h"

#include "ui/twips.h"

#include <QPainter>

namespace zandor::ui {

namespace {
constexpr int kCaptionIndent = 6;
} // namespace

FramePanel::FramePanel(const QString& caption, Rgb back, Rgb fore, Border border, QWidget* parent)
    : QWidget(parent), caption_(caption), back_(back), fore_(fore), border_(border) {}

void FramePanel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void FramePanel::setBackColor(Rgb colour) {
    if (colour == back_) {
        return;
    }
    back_ = colour;
    update();
}

void FramePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(back_));
    const QFontMetrics metrics(font());
    const int captionWidth = caption_.isEmpty() ? 0 : metrics.horizontalAdvance(caption_) + 4;
    if (border_ == Border::Etched) {
        // A group box: the etched line runs through the middle of the caption's height.
        const int top = metrics.height() / 2;
        const QRect box = rect().adjusted(0, top, -2, -2);
        for (int shift : {1, 0}) {
            painter.setPen(shift == 1 ? QColor(Qt::white) : QColor(0x80, 0x80, 0x80));
            painter.drawRect(box.translated(shift, shift));
        }
        if (captionWidth > 0) {
            painter.fillRect(kCaptionIndent, 0, captionWidth, metrics.height(), toQColor(back_));
        }
    }
    if (captionWidth > 0) {
        painter.setPen(toQColor(fore_));
        painter.drawText(QRect(kCaptionIndent + 2, 0, captionWidth, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, caption_);
    }
}

} // namespace zandor::ui
