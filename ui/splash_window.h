// frmSplash: the borderless window with the game's title picture, shown for a moment while
// the program starts.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace zandor::ui {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(const QPixmap& picture);

    // Shows the splash centred on the primary screen and draws it at once.
    void showNow();
    // Shows the splash for the time given, or until the player (or the session) closes it;
    // false when it was closed.
    bool stayFor(int milliseconds);

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap picture_;
    bool closedByPlayer_ = false;
};

} // namespace zandor::ui
