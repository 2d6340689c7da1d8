// Push-mode playing on a heap QAudioSink, fed and watched from a short timer.
#include "platform/qt/sink_playback.h"

#include <QAudioSink>
#include <QIODevice>
#include <utility>

namespace zandor {
namespace {

// Silence after the sound keeps the stream running until its end has passed the device's
// latency, so the playback clock keeps moving through the end instead of stopping at an
// underrun. Longer than any latency a desktop sound server asks for.
constexpr qint64 trailingSilenceUs = 500000;
// How often the sink is fed and its clock read: the return lags the end by at most this.
constexpr int tickMs = 4;
// Returning this much after the clock says the end has played absorbs the clock's jitter.
constexpr qint64 safetyUs = 8000;

} // namespace

SinkPlayback::SinkPlayback(const QAudioDevice& device, const QAudioFormat& format, QByteArray pcm,
                           qint64 soundUs, QObject* parent)
    : QObject(parent), device(device), format(format), data(std::move(pcm)), soundUs(soundUs) {
    data.append(QByteArray(format.bytesForDuration(trailingSilenceUs), '\0'));
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(tickMs);
    connect(&ticker, &QTimer::timeout, this, &SinkPlayback::tick);
}

SinkPlayback::~SinkPlayback() {
    if (sink != nullptr) {
        // The sink's destructor processes events; deleting it later keeps that out of here.
        sink->stop();
        sink->deleteLater();
    }
}

void SinkPlayback::start(const std::function<bool()>& abandoned) {
    sink = new QAudioSink(device, format);
    input = sink->start();
    if (failed() || abandoned()) {
        finish();
        return;
    }
    feed();
    ticker.start();
}

void SinkPlayback::stop() {
    if (!done) {
        finish();
    }
}

void SinkPlayback::tick() {
    if (failed() || heardToTheEnd()) {
        finish();
        return;
    }
    feed();
}

void SinkPlayback::feed() {
    const qsizetype room = std::min(sink->bytesFree(), data.size() - written);
    if (room > 0) {
        const qint64 accepted = input->write(data.constData() + written, room);
        written += accepted > 0 ? qsizetype(accepted) : 0;
    }
}

bool SinkPlayback::heardToTheEnd() const {
    return sink->processedUSecs() >= soundUs + safetyUs;
}

bool SinkPlayback::failed() const {
    return input == nullptr || sink->error() == QAudio::OpenError ||
           sink->error() == QAudio::FatalError || sink->state() == QAudio::StoppedState;
}

void SinkPlayback::finish() {
    done = true;
    ticker.stop();
    if (sink != nullptr) {
        sink->stop();
    }
    emit finished();
}

} // namespace zandor
