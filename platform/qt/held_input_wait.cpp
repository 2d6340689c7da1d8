// A local event loop, holding user input back or answering it, run until its time is up, what
// it waits for has happened, or it is ended.
#include "platform/qt/held_input_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace zandor {

namespace {

struct HeldWait {
    QEventLoop loop;
    bool woken = false; // quit by its timer or wakeHeldWaits(): look again
    bool ended = false;
};

// The waits in progress, innermost last (a timer inside one wait may start another).
std::vector<HeldWait*>& waitsInProgress() {
    static std::vector<HeldWait*> waits;
    return waits;
}

void wake(HeldWait& wait) {
    wait.woken = true;
    wait.loop.quit();
}

bool waitInLoop(int milliseconds, const std::function<bool()>& over,
                QEventLoop::ProcessEventsFlags input) {
    if (QCoreApplication::instance() == nullptr || QCoreApplication::closingDown()) {
        return false;
    }
    const QDeadlineTimer deadline(std::max(0, milliseconds), Qt::PreciseTimer);
    HeldWait wait;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&wait] { wake(wait); });
    waitsInProgress().push_back(&wait);
    while (!wait.ended && !deadline.hasExpired() && !(over && over())) {
        wait.woken = false;
        timer.start(static_cast<int>(deadline.remainingTime())); // rounded up
        wait.loop.exec(input);
        // Ended by nothing of ours: QCoreApplication::exit() ends every running event loop, and
        // a loop started after it returns at once.
        wait.ended = wait.ended || !wait.woken;
    }
    waitsInProgress().pop_back();
    return !wait.ended;
}

} // namespace

bool waitHoldingInput(int milliseconds, const std::function<bool()>& over) {
    return waitInLoop(milliseconds, over, QEventLoop::ExcludeUserInputEvents);
}

bool waitAnsweringInput(int milliseconds) {
    return waitInLoop(milliseconds, {}, QEventLoop::AllEvents);
}

void wakeHeldWaits() {
    for (HeldWait* wait : waitsInProgress()) {
        wake(*wait);
    }
}

void endHeldWaits() {
    for (HeldWait* wait : waitsInProgress()) {
        wait->ended = true;
        wait->loop.quit();
    }
}

} // namespace zandor
