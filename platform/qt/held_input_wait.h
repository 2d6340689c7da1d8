// Waiting without freezing the window: the pause between two calls of a game.
#pragma once

namespace zandor {

// Waits `milliseconds` in a local event loop that repaints and runs timers but holds user
// input back until it returns (the input is then handled by the loop below). Returns early
// when the application is closing down or has been asked to quit, and at once for zero or a
// negative time.
void waitHoldingInput(int milliseconds);

// Ends every wait in progress at once: the program is closing and a game must unwind quickly.
void endHeldWaits();

} // namespace zandor
