// The synchronous wave player: a worker thread plays, the caller waits holding input back.
#include "platform/qt/wave_player.h"

#include "platform/qt/held_input_wait.h"
#include "platform/qt/sound_worker.h"
#include "platform/wave_file.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace zandor {
namespace {

// Longer than any sound server's start-up and latency, short enough not to look hung.
constexpr qint64 guardMarginMs = 1500;
// Workers a stalled server may hold before calls stop trying: the server holds every one
// that asks it something, so more would only pile up.
constexpr std::size_t maxWorkers = 2;
// How long the end of the program waits for a worker to stop its sound and end.
constexpr int workerEndMs = 250;

// Workers still held by a stalled server when their player went; they end with the process.
std::vector<SoundWorker*>& heldByTheServer() {
    static auto* workers = new std::vector<SoundWorker*>;
    return *workers;
}

} // namespace

QtWavePlayer::QtWavePlayer() = default;

QtWavePlayer::~QtWavePlayer() {
    for (auto& worker : workers) {
        worker->abandon();
        if (!worker->end(workerEndMs)) {
            heldByTheServer().push_back(worker.release());
        }
    }
}

void QtWavePlayer::playSync(const std::string& path) {
    if (QCoreApplication::instance() == nullptr || QCoreApplication::closingDown()) {
        return;
    }
    const std::int64_t lengthUs = waveFileDurationUs(path);
    if (lengthUs <= 0 || !waitForTurn()) {
        return;
    }
    SoundWorker* const worker = freeWorker();
    if (worker == nullptr) {
        return; // the server holds every worker: no sound this time
    }
    Call call{worker->play(path),
              QDeadlineTimer(lengthUs / 1000 + guardMarginMs, Qt::PreciseTimer)};
    Call* const earlier = std::exchange(current, &call);
    const SoundJob& job = *call.job;
    waitHoldingInput(static_cast<int>(call.deadline.remainingTime()),
                     [&job] { return job.over.load(); });
    if (!job.over) {
        worker->abandon(); // the server is too slow, or the wait was ended
    }
    current = earlier;
}

// A call made from inside another call's wait waits here for the earlier sound to end, or for
// the time the earlier call waits for it. False when the wait was ended.
bool QtWavePlayer::waitForTurn() {
    if (current == nullptr) {
        return true;
    }
    const std::shared_ptr<SoundJob> earlier = current->job;
    return waitHoldingInput(static_cast<int>(current->deadline.remainingTime()),
                            [&earlier] { return earlier->over.load(); });
}

SoundWorker* QtWavePlayer::freeWorker() {
    for (const auto& worker : workers) {
        if (worker->idle()) {
            return worker.get();
        }
    }
    if (workers.size() < maxWorkers) {
        return workers.emplace_back(std::make_unique<SoundWorker>()).get();
    }
    return nullptr;
}

int leaveProcess(int code) {
    if (!heldByTheServer().empty()) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}

} // namespace zandor
