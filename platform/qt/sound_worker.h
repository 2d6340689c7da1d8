// A thread of its own that talks to the sound server: it finds the output device, decodes a
// sound for it and plays it, one sound at a time. A server that stops answering holds this
// thread, never the window that waits for the sound.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>
#include <string>
#include <utility>

namespace zandor {

class SinkPlayback;

// One sound handed to a worker, shared by the main thread, which waits for it, and the worker.
struct SoundJob {
    explicit SoundJob(std::string path) : path(std::move(path)) {}
    const std::string path;
    std::atomic<bool> over{false};      // heard to its end, unplayable, refused or stopped
    std::atomic<bool> abandoned{false}; // nobody waits for it any more: stop, or never start
};

class SoundWorker {
public:
    SoundWorker();
    SoundWorker(const SoundWorker&) = delete;
    SoundWorker& operator=(const SoundWorker&) = delete;
    // Only once end() has ended the thread.
    ~SoundWorker();

    // No sound in hand: play() may be called.
    bool idle() const { return !busy_; }

    // Plays the file at `path` on the worker's thread. The job is over once the sound has been
    // heard to its end, or at once when there is no output device, the file cannot be played
    // or the device refuses it; wakeHeldWaits() then runs on the main thread.
    std::shared_ptr<SoundJob> play(const std::string& path);

    // Nobody waits for the sound in hand any more: it stops now or, when the server holds the
    // thread, as soon as the server lets go, without being played.
    void abandon();

    // Ends the thread, waiting at most `milliseconds`; false when the server still holds it
    // (the thread then ends by itself once the server lets go).
    bool end(int milliseconds);

private:
    // On the worker's thread.
    void start(const std::shared_ptr<SoundJob>& job);
    void finish(const std::shared_ptr<SoundJob>& job);

    QThread thread_;
    QObject* context_; // lives on thread_: what runs there runs in its name
    QObject waker_;    // on the main thread: where a job says it is over
    std::atomic<bool> busy_{false};
    std::shared_ptr<SoundJob> job_;   // the sound in hand; main thread only
    SinkPlayback* playing_ = nullptr; // worker's thread only
};

} // namespace zandor
