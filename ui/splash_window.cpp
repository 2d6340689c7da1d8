#include "ui/splash_window.h"

#include "program_info.h"
#include "ui/picture_box.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace zandor::ui {

namespace {
constexpr int kClientWidth = 9060;
constexpr int kClientHeight = 6210;
} // namespace

frmSplash::frmSplash(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(picture) {
    setObjectName("frmSplash");
    setWindowTitle(program::kName);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(px(kClientWidth), px(kClientHeight));
}

void frmSplash::showNow() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    show();
    repaint();
    // Lets the window system map the window, so that it is on screen before the pause.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool frmSplash::stayFor(int milliseconds) {
    // A plain local loop: the close the window manager sends counts as user input, which a
    // wait holding input back would keep until the splash has gone. The splash has nothing
    // else a click or a key could reach.
    QEventLoop pause;
    QTimer::singleShot(milliseconds, &pause, &QEventLoop::quit);
    connect(this, &frmSplash::closed, &pause, &QEventLoop::quit);
    if (!closedByPlayer_) {
        pause.exec();
    }
    return !closedByPlayer_;
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawPicture(painter, picture_);
}

void frmSplash::closeEvent(QCloseEvent* event) {
    closedByPlayer_ = true;
    event->accept();
    emit closed();
}

} // namespace zandor::ui
