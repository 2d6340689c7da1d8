// The pictures of the game's windows, loaded from the program's pictures
// folder. A missing or unreadable picture is an empty one: the window shows without it.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zandor::ui {

class Pictures {
public:
    explicit Pictures(QString folder) : folder_(std::move(folder)) {}

    QPixmap background() const { return load("background"); }
    QIcon windowIcon() const;
    QIcon startIcon() const { return QIcon(load("start")); }
    QIcon pauseIcon() const { return QIcon(load("pause")); }
    QIcon scoresIcon() const { return QIcon(load("scores")); }
    QIcon printerIcon() const { return QIcon(load("printer")); }
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
    QPixmap load(const QString& name) const;

    QString folder_;
};

} // namespace zandor::ui
