// The game's pause between two calls: the window keeps drawing, and the player's clicks and keys
// run between the short waits the pause is made of. Closing the program ends every pause at
// once.
#pragma once

namespace zandor {

class HoldingWait {
public:
    virtual ~HoldingWait() = default;
    virtual void wait(int milliseconds) = 0;
    // Ends every wait in progress: the program is closing and a game must unwind quickly.
    virtual void endAll() = 0;
};

} // namespace zandor
