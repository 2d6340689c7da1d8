// The sound device driven from a worker thread, with queued calls in both directions.
#include "platform/qt/sound_worker.h"

#include "platform/qt/held_input_wait.h"
#include "platform/qt/sink_playback.h"
#include "platform/wave_file.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QDeadlineTimer>
#include <QMediaDevices>

namespace zandor {
namespace {

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

// The default output when there is one that takes outputFormat(); the first question to the
// server connects to it, and waits for its answer.
QAudioDevice outputDevice() {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        return {};
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    return device.isFormatSupported(outputFormat(device)) ? device : QAudioDevice();
}

QByteArray toBytes(const PcmSound& sound) {
    return QByteArray(reinterpret_cast<const char*>(sound.samples.data()),
                      qsizetype(sound.samples.size() * sizeof(sound.samples.front())));
}

} // namespace

SoundWorker::SoundWorker() : context_(new QObject) {
    context_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, context_, &QObject::deleteLater);
    thread_.setObjectName("sound");
    thread_.start();
}

SoundWorker::~SoundWorker() = default;

std::shared_ptr<SoundJob> SoundWorker::play(const std::string& path) {
    busy_ = true;
    job_ = std::make_shared<SoundJob>(path);
    QMetaObject::invokeMethod(
        context_, [this, job = job_] { start(job); }, Qt::QueuedConnection);
    return job_;
}

void SoundWorker::abandon() {
    if (job_ == nullptr) {
        return;
    }
    job_->abandoned = true;
    QMetaObject::invokeMethod(
        context_,
        [this, job = std::move(job_)] {
            if (!job->over && playing_ != nullptr) {
                playing_->stop();
            }
        },
        Qt::QueuedConnection);
}

bool SoundWorker::end(int milliseconds) {
    // Queued behind what was asked before, such as stopping a sound.
    QMetaObject::invokeMethod(
        context_, [this] { thread_.quit(); }, Qt::QueuedConnection);
    return thread_.wait(QDeadlineTimer(milliseconds));
}

void SoundWorker::start(const std::shared_ptr<SoundJob>& job) {
    const QAudioDevice device = job->abandoned ? QAudioDevice() : outputDevice();
    const QAudioFormat format = outputFormat(device);
    const PcmSound sound =
        device.isNull() || job->abandoned
            ? PcmSound()
            : readWaveFile(job->path, format.channelCount(), format.sampleRate());
    if (sound.empty()) {
        finish(job);
        return;
    }
    playing_ = new SinkPlayback(device, format, toBytes(sound), sound.durationUs(), context_);
    QObject::connect(playing_, &SinkPlayback::finished, context_, [this, job] { finish(job); });
    playing_->start([job] { return job->abandoned.load(); });
}

void SoundWorker::finish(const std::shared_ptr<SoundJob>& job) {
    if (playing_ != nullptr) {
        playing_->deleteLater();
        playing_ = nullptr;
    }
    job->over = true;
    busy_ = false;
    QMetaObject::invokeMethod(
        &waker_, [] { wakeHeldWaits(); }, Qt::QueuedConnection);
}

} // namespace zandor
