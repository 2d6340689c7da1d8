// What the simulator lets an observer see of a game: the hooks of the null view (called number,
// event processing between calls, the announcements) and the start and end of each game.
#pragma once

#include "engine/game_state.h"
#include "engine/game_view.h"

#include <string_view>

namespace zandor {

class GameObserver {
public:
    virtual ~GameObserver() = default;

    // Before Start is pressed; the state stays valid until gameFinished().
    virtual void gameStarting(const GameState& state) = 0;
    virtual void gameFinished() = 0;

    virtual void numberShown(std::string_view caption) = 0; // CalledNumberDisplay's caption
    virtual void eventsProcessed() = 0;                     // the game yields between calls
    virtual void messageShown(std::string_view text) = 0;
    virtual void winnersCardShown(const WinnersCard& card) = 0;
};

} // namespace zandor
