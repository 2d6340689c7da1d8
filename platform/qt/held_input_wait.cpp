// A timed local event loop that excludes user input.
#include "platform/qt/held_input_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <vector>

namespace zandor {

namespace {

// The waits in progress, innermost last (a timer inside one wait may start another).
std::vector<QEventLoop*>& waitsInProgress() {
    static std::vector<QEventLoop*> loops;
    return loops;
}

} // namespace

void waitHoldingInput(int milliseconds) {
    if (milliseconds <= 0 || QCoreApplication::instance() == nullptr ||
        QCoreApplication::closingDown()) {
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    waitsInProgress().push_back(&loop);
    // QCoreApplication::exit() ends every running event loop, and a loop started after it
    // returns at once, so a quit requested before or during the wait ends it early.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    waitsInProgress().pop_back();
}

void endHeldWaits() {
    for (QEventLoop* loop : waitsInProgress()) {
        loop->quit();
    }
}

} // namespace zandor
