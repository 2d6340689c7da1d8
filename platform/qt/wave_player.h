// The game's synchronous wave player: plays a wave file on the default audio output and
// returns once the sound has been heard to its end.
#pragma once

#include "engine/sound_player.h"

#include <QDeadlineTimer>
#include <memory>
#include <vector>

namespace zandor {

class SoundWorker;
struct SoundJob;

class QtWavePlayer final : public SoundPlayer {
public:
    QtWavePlayer();
    QtWavePlayer(const QtWavePlayer&) = delete;
    QtWavePlayer& operator=(const QtWavePlayer&) = delete;
    ~QtWavePlayer() override;

    // Plays the wave file at `path` and returns a few tens of milliseconds after its last
    // sample has come out of the device, never before. While waiting it runs the held-input
    // wait (platform/qt/held_input_wait.h): the window repaints and timers run, user input
    // waits until the call is over, and endHeldWaits() ends the call at once.
    //
    // The device is driven from a worker thread, so a sound server that stops answering never
    // holds the window: after the sound's length plus a margin the call returns in silence.
    // Later calls try again on another worker; while every worker (two at most) is held by the
    // server, they return at once in silence. Also returns at once, silently, when the file is
    // missing, unreadable or not a wave file, when the machine has no audio output, or when
    // the application is quitting.
    //
    // Calls never overlap: a call made while another is playing (from a timer running inside
    // that call's wait) first waits until the earlier sound has ended, then plays.
    void playSync(const std::string& path) override;

private:
    struct Call {
        std::shared_ptr<SoundJob> job;
        QDeadlineTimer deadline; // when the caller stops waiting for it
    };

    bool waitForTurn();
    SoundWorker* freeWorker();

    std::vector<std::unique_ptr<SoundWorker>> workers;
    Call* current = nullptr; // the call whose sound is playing now, if any
};

// What main() returns, once the application is gone. When a sound server that stopped
// answering still holds a sound thread inside Qt Multimedia, whose clean-up at the process's
// exit would wait for that thread for ever, the process ends here, with `code`, without it.
int leaveProcess(int code);

} // namespace zandor
