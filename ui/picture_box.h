// A picture box: shows its picture at its top left corner and holds other controls.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace zandor::ui {

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
