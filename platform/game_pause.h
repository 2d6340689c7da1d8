// The game's pause between two calls: the window keeps drawing and the player's clicks and keys
// are answered as they come. Closing the program ends every pause at once.
#pragma once

namespace zandor {

class GamePause {
public:
    virtual ~GamePause() = default;
    virtual void wait(int milliseconds) = 0;
    // Ends every wait in progress: the program is closing and a game must unwind quickly.
    virtual void endAll() = 0;
};

} // namespace zandor
