// The game's synchronous wave player: plays a wave file on the default audio output and
// returns once the sound has been heard to its end.
#pragma once

#include "engine/sound_player.h"

#include <QPointer>

namespace zandor {

class SinkPlayback;

class QtWavePlayer final : public SoundPlayer {
public:
    QtWavePlayer() = default;
    QtWavePlayer(const QtWavePlayer&) = delete;
    QtWavePlayer& operator=(const QtWavePlayer&) = delete;
    ~QtWavePlayer() override;

    // Plays the wave file at `path` and returns a few tens of milliseconds after its last
    // sample has come out of the device, never before. While waiting it runs a local event
    // loop that repaints and runs timers but holds user input back until the call is over.
    //
    // Returns at once, silently, when the file is missing, unreadable or not a wave file, when
    // the machine has no audio output, when the application is quitting, or when stop() is
    // called. A guard timer (the sound's length plus 1.5 s) ends the wait if the sound server
    // stops playing; a server that is frozen outright (not answering at all) still blocks
    // inside Qt's QAudioSink::start(), which has no time-out.
    //
    // Calls never overlap: a call made while another is playing (from a timer running inside
    // that call's event loop) first waits until the earlier sound has ended, then plays.
    void playSync(const std::string& path) override;

    // Ends the sound in progress at once: the playing call returns, and calls waiting for
    // their turn return without playing. Later calls play normally. For closing the program
    // during a sound: a window's close handler may run inside the call's event loop, so it
    // calls stop() there and never destroys the player while a call is in progress.
    void stop() override;

private:
    bool waitForTurn();

    QPointer<SinkPlayback> current; // the sound playing now, if any
    unsigned stops = 0;             // how many times stop() was called
};

} // namespace zandor
