// Waiting without freezing the window: the pause between two calls of a game, and the wait for
// a sound to be over.
#pragma once

#include "platform/game_pause.h"

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

// The same wait, but the player's keys and clicks are answered as they come: the game's pause
// between calls, in which navigation is heard at once and the Pause button and manual marking
// work (nothing runs in the middle of a call, whose sound holds input back for its whole
// length). endHeldWaits() ends it too.
bool waitAnsweringInput(int milliseconds);

// The game's pause as such a wait.
class QtGamePause final : public GamePause {
public:
    void wait(int milliseconds) override { waitAnsweringInput(milliseconds); }
    void endAll() override { endHeldWaits(); }
};

} // namespace zandor
