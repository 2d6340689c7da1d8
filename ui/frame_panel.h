// A frame of the main window: a coloured panel with an optional caption, either flat or with
// the etched border of a group box. Children are placed on it at fixed positions.
#pragma once

#include "engine/game_view.h"

#include <QWidget>

namespace zandor::ui {

class FramePanel : public QWidget {
    Q_OBJECT
public:
    enum class Border { Flat, Etched };

    FramePanel(const QString& caption, Rgb back, Rgb fore, Border border, QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    Rgb backColor() const { return back_; }
    void setBackColor(Rgb colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    Rgb back_;
    Rgb fore_;
    Border border_;
};

} // namespace zandor::ui
