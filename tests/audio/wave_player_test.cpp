// The wave player through real sound: tests/support/with-null-sink.sh records a private PulseAudio
// null sink, so cases check what was played and when the call returned; then it runs with no
// server.
#include "bench/sound_recording.h"
#include "platform/qt/held_input_wait.h"
#include "platform/qt/wave_player.h"
#include "sound_files.h"

#include <QtTest>
#include <numeric>
#include <signal.h>
#include <thread>

using namespace zandor::audiotest;

namespace {

// A call timed on the same clock as the recording.
struct Call {
    double start = 0.0, returned = 0.0;
    double seconds() const { return returned - start; }
};

// The stretches of sound recorded from `from` to a little after `until`, and where they were.
std::pair<std::vector<Span>, QByteArray> heard(double from, double until) {
    const auto spans =
        Recording::load(qEnvironmentVariable("ZANDOR_RECORDING_DIR").toStdString(),
                        qEnvironmentVariableIntValue("ZANDOR_RECORDING_RATE"), until + 0.3)
            .spans(from, until + 0.3);
    QString where = "sound recorded at";
    for (const Span& span : spans) {
        where += QString(" %1..%2 s").arg(span.start - from).arg(span.end - from);
    }
    return {spans, where.toUtf8()};
}

} // namespace

class WavePlayerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(makeTone(longTone(), 0.8, {"-r", "22050", "-b", "16", "-c", "1"}));
        QVERIFY(makeTone(shortTone(), 0.3, {"-r", "44100", "-b", "16", "-c", "2"}, 660));
    }

    void init() {
        const bool alone = QByteArray(QTest::currentTestFunction()).endsWith("OutputDevice");
        if (qEnvironmentVariable("ZANDOR_AUDIO_MODE") != (alone ? "no-server" : "server")) {
            QSKIP("needs the sound setting its ctest entry gives");
        }
    }

    // Each whole sound comes out and its call returns only after its last sample has played; a
    // call made from a timer (timers keep running: the window keeps painting) while a sound
    // plays waits for that sound, then plays its own.
    void aCallMadeDuringASoundWaitsForItThenReturnsAfterItsOwn() {
        Call inner;
        QTimer::singleShot(200, [this, &inner] { inner = play(shortTone()); });
        const Call outer = play(longTone());
        QVERIFY2(inner.start > 0.0, "the timer did not run during the sound");
        // Back to back the two may be recorded as one stretch; over each other they are shorter.
        const auto [spans, message] = heard(outer.start, outer.returned);
        const double length =
            std::accumulate(spans.begin(), spans.end(), 0.0,
                            [](double sum, const Span& s) { return sum + s.length(); });
        QVERIFY2(!spans.empty() && spans.size() <= 2 && length > 1.04, message);
        QVERIFY2(spans.back().end <= inner.returned, message);
    }

    // No sound to play, as for a bad file (wave_file_test), returns at once.
    void returnsAtOnceWithoutAnOutputDevice() {
        const Call call = play(longTone());
        QVERIFY2(call.seconds() < 0.3, qPrintable(QString("%1 s").arg(call.seconds())));
    }

    // Ending the held waits, as closing the window does, ends the sound at once and later calls
    // still play; so does quitting the event loop.
    void endingTheWaitsAndQuittingEndTheSound() {
        QTimer::singleShot(200, [] { zandor::endHeldWaits(); });
        const Call stopped = play(longTone()), next = play(shortTone());
        QVERIFY2(stopped.seconds() < 0.5 && next.seconds() >= 0.3,
                 qPrintable(QString("%1 s, then %2 s").arg(stopped.seconds()).arg(next.seconds())));
        Call quit;
        QTimer::singleShot(0, [this, &quit] {
            QTimer::singleShot(200, [] { QCoreApplication::quit(); });
            quit = play(longTone());
            QCoreApplication::exit(); // in case the quit did not end the loop
        });
        QCoreApplication::exec();
        QVERIFY2(quit.seconds() < 0.5, qPrintable(QString("%1 s").arg(quit.seconds())));
    }

    // A server that stops answering (kill -STOP) holds the sound's worker thread, never the
    // caller's event loop: the call returns in silence after the sound's length and a margin,
    // ending the held waits still ends a call at once, and calls return at once once the
    // server holds every worker. When the server answers again, the sound comes back, and
    // nothing of the abandoned calls is played.
    void aStoppedServerNeverFreezesTheCaller() {
        play(shortTone()); // connected to the server
        QTimer heartbeat;  // the longest time between two of its ticks: the event loop stood still
        double last = steadySeconds(), stood = 0.0;
        connect(&heartbeat, &QTimer::timeout, [&] {
            stood = std::max(stood, steadySeconds() - last);
            last = steadySeconds();
        });
        heartbeat.start(10);
        // Stopped, with a watchdog that lets it go after 10 s: a frozen caller fails, not hangs.
        const pid_t server = qEnvironmentVariableIntValue("ZANDOR_SERVER_PID");
        QVERIFY(server > 0 && kill(server, SIGSTOP) == 0);
        std::thread([server] {
            std::this_thread::sleep_for(std::chrono::seconds(10));
            kill(server, SIGCONT);
        }).detach();
        const Call timedOut = play(longTone());
        QTimer::singleShot(200, [] { zandor::endHeldWaits(); });
        const Call ended = play(longTone()), held = play(longTone());
        stood = std::max(stood, steadySeconds() - last);
        QVERIFY2(stood < 1.0 && timedOut.seconds() >= 0.8 && timedOut.seconds() < 5.0 &&
                     ended.seconds() < 0.5 && held.seconds() < 0.2,
                 qPrintable(QString::asprintf("calls of %.2f, %.2f, %.2f s; loop still %.2f s",
                                              timedOut.seconds(), ended.seconds(), held.seconds(),
                                              stood)));
        kill(server, SIGCONT);
        const double resumed = steadySeconds();
        QTest::qWait(500); // the server lets the workers go
        const Call back = play(shortTone());
        const auto [spans, message] = heard(timedOut.start, back.returned);
        QVERIFY2(spans.size() == 1 && spans[0].start > resumed && spans[0].length() > 0.27,
                 message + QByteArray(" (resumed at ") +
                     QByteArray::number(resumed - timedOut.start) + " s)");
    }

private:
    Call play(const QString& path) {
        Call call{steadySeconds()};
        player.playSync(path.toStdString());
        call.returned = steadySeconds();
        return call;
    }
    QString longTone() const { return dir.filePath("long.wav"); }
    QString shortTone() const { return dir.filePath("short.wav"); }

    QTemporaryDir dir;
    zandor::QtWavePlayer player;
};

QTEST_GUILESS_MAIN(WavePlayerTest)
#include "wave_player_test.moc"
