// Waiting without freezing the window: the pause between two calls of a game, and the wait for
// a sound to be over.
#pragma once

#include "platform/holding_wait.h"

#include <functional>

namespace zandor {

// Waits in a local event loop that repaints and runs timers but holds user input back until it
// returns (the input is then handled by the loop below), until `milliseconds` have passed or
// `over()` says that what it waits for has happened; `over` is asked at the start and after
// every wakeHeldWaits(). Returns false when the wait was ended early: by endHeldWaits() or by
// the application quitting (a quit asked for before the wait ends it at once). Zero or a
// negative time returns at once.
bool waitHoldingInput(int milliseconds, const std::function<bool()>& over = {});

// Every wait in progress asks its `over()` again. For the main thread only.
void wakeHeldWaits();

// Ends every wait in progress at once: the program is closing and a game must unwind quickly.
void endHeldWaits();

// The game's pause as these waits: short waits holding input for the time, with the keys and
// clicks held back answered after each, so that navigation is answered within a few
// milliseconds (nothing runs in the middle of a call, whose sound holds input back for its
// whole length); endHeldWaits() to end.
class QtHoldingWait final : public HoldingWait {
public:
    void wait(int milliseconds) override;
    void endAll() override { endHeldWaits(); }
};

} // namespace zandor
