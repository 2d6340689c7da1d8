// Synchronous playing of a wave file: returns when the sound has been heard to the end, and
// quietly at once when the file is missing or cannot be played.
#pragma once

#include <string>

namespace zandor {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playSync(const std::string& path) = 0;
};

} // namespace zandor
