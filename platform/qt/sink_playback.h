// One sound played on one QAudioSink, watched until the listener has heard its last sample. It
// talks to the sound server, which may stop answering: it lives on a thread of its own.
//
// QAudioSink reports Idle as soon as the server has taken the last byte, which is before the
// sound has come out of the device. So the sound is followed by silence, and the end is taken
// from the sink's playback clock (processedUSecs, which counts what has been played, not what
// has been written): once it passes the sound's length, the sound has been heard.
#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <functional>

class QAudioSink;
class QIODevice;

namespace zandor {

class SinkPlayback final : public QObject {
    Q_OBJECT

public:
    // `pcm` holds whole frames in `format`; `soundUs` is how long they play.
    SinkPlayback(const QAudioDevice& device, const QAudioFormat& format, QByteArray pcm,
                 qint64 soundUs, QObject* parent = nullptr);
    ~SinkPlayback() override;

    // Opens the stream, which waits for the server's answer, and starts playing unless
    // `abandoned()` says that nobody waits for the sound any more. finished() follows once the
    // sound has been heard to its end, or at once when abandoned or refused.
    void start(const std::function<bool()>& abandoned);
    // Ends the sound now (finished() is emitted if it was still playing).
    void stop();

signals:
    void finished();

private:
    void tick();
    void feed();
    bool heardToTheEnd() const;
    bool failed() const;
    void finish();

    QAudioDevice device;
    QAudioFormat format;
    QByteArray data; // the sound followed by its trailing silence
    qint64 soundUs;
    qsizetype written = 0;
    QAudioSink* sink = nullptr;
    QIODevice* input = nullptr;
    QTimer ticker;
    bool done = false;
};

} // namespace zandor
