#include "ui/framed_fit.h"

#include <QEvent>
#include <QWidget>

namespace zandor::ui {

FramedFit::FramedFit(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
}

QSize FramedFit::frameOf(const QWidget* window) {
    return window->frameGeometry().size() - window->size();
}

void FramedFit::run(Fit fit) {
    waiting_ = std::move(fit);
    fitNow();
}

bool FramedFit::eventFilter(QObject* watched, QEvent* event) {
    // The frame shows as a move of the client area within it.
    if (watched == window_ && waiting_ &&
        (event->type() == QEvent::Show || event->type() == QEvent::Move)) {
        fitNow();
    }
    return false;
}

void FramedFit::fitNow() {
    const QSize frame = frameOf(window_);
    const Fit fit = waiting_;
    if (!frame.isNull()) {
        waiting_ = nullptr; // fitted for good: the fit may move the window again
    }
    fit(frame);
}

} // namespace zandor::ui
