// A picture box: shows its picture at its top left corner and holds other controls.
#pragma once

#include <QPixmap>
#include <QWidget>

class QPainter;

namespace zandor::ui {

// Draws the picture at the painter's origin, at its size in device-independent pixels.
void drawPicture(QPainter& painter, const QPixmap& picture);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace zandor::ui
