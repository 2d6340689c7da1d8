// The synchronous wave player: decode, play on a sink, wait in a local event loop.
#include "platform/qt/wave_player.h"

#include "platform/qt/sink_playback.h"
#include "platform/wave_file.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

namespace zandor {
namespace {

// Longer than any sound server's start-up and latency, short enough not to look hung.
constexpr qint64 guardMarginMs = 1500;

// 16-bit samples at the channel count and rate the device prefers, so the server has no
// conversion to do.
QAudioFormat outputFormat(const QAudioDevice& device) {
    const QAudioFormat preferred = device.preferredFormat();
    QAudioFormat format;
    format.setSampleRate(preferred.sampleRate() > 0 ? preferred.sampleRate() : 48000);
    format.setChannelCount(preferred.channelCount() > 0 ? preferred.channelCount() : 2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

QByteArray toBytes(const PcmSound& sound) {
    return QByteArray(reinterpret_cast<const char*>(sound.samples.data()),
                      qsizetype(sound.samples.size() * sizeof(sound.samples.front())));
}

// Runs `loop` until it is quit or `timeoutMs` pass; input events wait until it returns.
void runHoldingInput(QEventLoop& loop, qint64 timeoutMs) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(int(timeoutMs));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool applicationRunning() {
    return QCoreApplication::instance() != nullptr && !QCoreApplication::closingDown();
}

} // namespace

QtWavePlayer::~QtWavePlayer() {
    stop();
}

void QtWavePlayer::playSync(const std::string& path) {
    if (!applicationRunning() || QMediaDevices::audioOutputs().isEmpty() || !waitForTurn()) {
        return;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = outputFormat(device);
    if (device.isNull() || !device.isFormatSupported(format)) {
        return;
    }
    const PcmSound sound = readWaveFile(path, format.channelCount(), format.sampleRate());
    if (sound.empty()) {
        return;
    }
    SinkPlayback playback(device, format, toBytes(sound), sound.durationUs());
    QEventLoop loop;
    QObject::connect(&playback, &SinkPlayback::finished, &loop, &QEventLoop::quit);
    const QPointer<SinkPlayback> earlier = current;
    current = &playback;
    playback.start();
    if (!playback.isFinished()) {
        // Also returns at once when the application is quitting: its exit ends every loop.
        runHoldingInput(loop, sound.durationUs() / 1000 + guardMarginMs);
    }
    playback.stop();
    current = earlier;
}

void QtWavePlayer::stop() {
    ++stops;
    if (current) {
        current->stop();
    }
}

// A call made from inside another call's event loop waits here for the earlier sound to end.
// False when stop() was called or the application quit while waiting.
bool QtWavePlayer::waitForTurn() {
    const unsigned stopsAtEntry = stops;
    while (current && !current->isFinished()) {
        QEventLoop loop;
        QObject::connect(current, &SinkPlayback::finished, &loop, &QEventLoop::quit);
        QObject::connect(current, &QObject::destroyed, &loop, &QEventLoop::quit);
        if (loop.exec(QEventLoop::ExcludeUserInputEvents) != 0 || !applicationRunning()) {
            return false;
        }
    }
    return stops == stopsAtEntry && applicationRunning();
}

} // namespace zandor
