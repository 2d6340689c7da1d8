// A sound player that plays nothing and returns at once, for headless play.
#pragma once

#include "engine/sound_player.h"

namespace zandor {

class NullSoundPlayer final : public SoundPlayer {
public:
    void playSync(const std::string&) override {}
};

} // namespace zandor
