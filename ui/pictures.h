// The pictures of the game's windows, loaded from the program's pictures folder at the screen's
// device pixel ratio, and the icons, drawn from their SVG sources at whatever size and ratio
// they are shown. A missing or unreadable picture is an empty one: the window shows without it.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zandor::ui {

class Pictures {
public:
    explicit Pictures(QString folder) : folder_(std::move(folder)) {}

    QPixmap background() const { return load("background"); }
    // A waving chequered flag; also the icon the desktop shows for the window.
    QIcon windowIcon() const;
    QIcon startIcon() const { return buttonIcon("start"); }
    QIcon pauseIcon() const { return buttonIcon("pause"); }
    QIcon scoresIcon() const { return buttonIcon("scores"); }
    QIcon printerIcon() const { return buttonIcon("printer"); }
    // ImageList1: the computer players' photographs, 1 to 10.
    QPixmap portrait(int index) const;
    // frmSplash's whole content, 600 x 400.
    QPixmap splash() const { return load("splash"); }
    // frmAbout's picIcon, 134 x 176.
    QPixmap aboutPicture() const { return load("about"); }
    // frmScores' banner, 282 x 48: 0 the resting frame (Image1), 1 and 2 the sparkle frames
    // (Image2, Image3).
    QPixmap bannerFrame(int frame) const;

    static constexpr int kPortraits = 10;

private:
    // name.png on a normal screen; on a high-DPI screen name@2x.png, resampled to the screen's
    // ratio when that is not 2, so that it is drawn pixel for pixel.
    QPixmap load(const QString& name) const;
    // A button's icon, drawn from its SVG source (built into the program) at any size.
    QIcon buttonIcon(const QString& name) const;

    QString folder_;
};

} // namespace zandor::ui
