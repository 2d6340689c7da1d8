#include "sim/players.h"

namespace zandor {

int computerPlayerIndex(std::string_view name) {
    for (std::size_t i = 0; i < kComputerPlayers.size(); ++i) {
        if (kComputerPlayers[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace zandor
