// The pictures of the main window and the winner's card, loaded from the program's pictures
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

    static constexpr int kPortraits = 10;

private:
    QPixmap load(const QString& name) const;

    QString folder_;
};

} // namespace zandor::ui
