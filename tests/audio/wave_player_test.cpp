// The wave player through real sound: run by run-audio-tests.sh against a private PulseAudio
// null sink whose monitor is recorded, so each case checks what was actually played and when
// the call returned. Run once with the server ("server") and once with no server reachable
// ("no-server"); cases for the other setting skip.
#include "bench/sound_recording.h"
#include "platform/qt/wave_player.h"
#include "sound_files.h"

#include <QTimer>
#include <QtTest>

using zandor::QtWavePlayer;
using zandor::audiotest::makeBadFiles;
using zandor::audiotest::makeTone;
using zandor::audiotest::Recording;
using zandor::audiotest::Span;
using zandor::audiotest::steadySeconds;

namespace {

// A call timed on the same clock as the recording.
struct Call {
    double start = 0.0;
    double returned = 0.0;
    double seconds() const { return returned - start; }
};

Call play(QtWavePlayer& player, const QString& path) {
    Call call;
    call.start = steadySeconds();
    player.playSync(path.toStdString());
    call.returned = steadySeconds();
    return call;
}

QString mode() {
    return qEnvironmentVariable("ZANDOR_AUDIO_MODE");
}

Recording recordingUpTo(double until) {
    return Recording::load(qEnvironmentVariable("ZANDOR_RECORDING_DIR").toStdString(),
                           qEnvironmentVariableIntValue("ZANDOR_RECORDING_RATE"), until);
}

QString describe(const std::vector<Span>& spans, double origin) {
    QStringList parts;
    for (const Span& span : spans) {
        parts << QString("%1..%2 s")
                     .arg(span.start - origin, 0, 'f', 3)
                     .arg(span.end - origin, 0, 'f', 3);
    }
    return "sound recorded at " + parts.join(", ");
}

} // namespace

class WavePlayerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(makeTone(longTone(), 0.8, {"-r", "22050", "-b", "16", "-c", "1"}));
        QVERIFY(makeTone(shortTone(), 0.3, {"-r", "44100", "-b", "16", "-c", "2"}, 660));
    }

    void init() {
        if (mode() != "server" && !QByteArray(QTest::currentTestFunction()).contains("Without")) {
            QSKIP("needs the test sound server (run through run-audio-tests.sh)");
        }
    }

    // The whole sound comes out, timers keep running (the window keeps painting), and the call
    // returns only after the last sample has been played.
    void returnsOnlyAfterTheSoundHasBeenHeard() {
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(50);

        const Call call = play(player, longTone());

        ticker.stop();
        QVERIFY2(call.seconds() >= 0.8, qPrintable(QString("%1 s").arg(call.seconds())));
        QVERIFY2(ticks >= 10, qPrintable(QString("%1 timer ticks").arg(ticks)));
        const auto spans =
            recordingUpTo(call.returned + 0.3).spans(call.start, call.returned + 0.3);
        QVERIFY2(spans.size() == 1, qPrintable(describe(spans, call.start)));
        QVERIFY2(spans[0].length() > 0.77, qPrintable(describe(spans, call.start)));
        QVERIFY2(spans[0].end <= call.returned,
                 qPrintable(QString("returned %1 ms before the end")
                                .arg((spans[0].end - call.returned) * 1000.0)));
    }

    void successiveCallsDoNotOverlap() {
        const Call first = play(player, shortTone());
        const Call second = play(player, longTone());

        const auto spans =
            recordingUpTo(second.returned + 0.3).spans(first.start, second.returned + 0.3);
        QVERIFY2(spans.size() == 2, qPrintable(describe(spans, first.start)));
        QVERIFY2(spans[0].length() > 0.27 && spans[1].length() > 0.77,
                 qPrintable(describe(spans, first.start)));
        QVERIFY(spans[0].end <= first.returned);
        QVERIFY(spans[1].end <= second.returned);
    }

    // A call made from a timer while a sound plays waits for that sound, then plays its own.
    void aCallMadeDuringASoundWaitsForIt() {
        Call inner;
        QTimer::singleShot(200, [this, &inner] { inner = play(player, shortTone()); });

        const Call outer = play(player, longTone());

        QVERIFY2(inner.start > 0.0, "the timer did not run during the sound");
        // The waiting call may start the moment the first sound ends, so the two can be heard
        // back to back as one stretch of sound; over each other they would be shorter.
        const auto spans =
            recordingUpTo(outer.returned + 0.3).spans(outer.start, outer.returned + 0.3);
        double heard = 0.0;
        for (const Span& span : spans) {
            heard += span.length();
        }
        QVERIFY2(!spans.empty() && spans.size() <= 2 && heard > 1.04,
                 qPrintable(describe(spans, outer.start)));
        QVERIFY(spans.back().end <= inner.returned);
    }

    void badFilesReturnAtOnceInSilence_data() {
        QTest::addColumn<QString>("path");
        for (const auto& [name, path] : makeBadFiles(QDir(dir.path()), longTone())) {
            QTest::newRow(qPrintable(name)) << path;
        }
    }

    void badFilesReturnAtOnceInSilence() {
        QFETCH(QString, path);
        const Call call = play(player, path);
        QVERIFY2(call.seconds() < 0.3, qPrintable(QString("%1 s").arg(call.seconds())));
        const auto spans =
            recordingUpTo(call.returned + 0.2).spans(call.start, call.returned + 0.2);
        QVERIFY2(spans.empty(), qPrintable(describe(spans, call.start)));
    }

    void stopEndsTheSoundAndLaterCallsStillPlay() {
        QTimer::singleShot(200, [this] { player.stop(); });
        const Call stopped = play(player, longTone());
        const Call next = play(player, shortTone());

        QVERIFY2(stopped.seconds() < 0.5, qPrintable(QString("%1 s").arg(stopped.seconds())));
        QVERIFY2(next.seconds() >= 0.3, qPrintable(QString("%1 s").arg(next.seconds())));
    }

    // Run with no sound server reachable: no output device at all.
    void returnsAtOnceWithoutAnOutputDevice() {
        if (mode() != "no-server") {
            QSKIP("needs a machine without a reachable sound server");
        }
        const Call call = play(player, longTone());
        QVERIFY2(call.seconds() < 0.3, qPrintable(QString("%1 s").arg(call.seconds())));
    }

    // Closing the window quits the application's event loop, which must end the sound at once.
    void quittingDuringASoundEndsIt() {
        Call call;
        QTimer::singleShot(0, [this, &call] {
            QTimer::singleShot(200, [] { QCoreApplication::quit(); });
            call = play(player, longTone());
            QCoreApplication::exit(); // in case the quit did not end the loop
        });
        QCoreApplication::exec();
        QVERIFY2(call.seconds() < 0.5, qPrintable(QString("%1 s").arg(call.seconds())));
    }

private:
    QString longTone() const { return dir.filePath("long.wav"); }
    QString shortTone() const { return dir.filePath("short.wav"); }

    QTemporaryDir dir;
    QtWavePlayer player;
};

QTEST_GUILESS_MAIN(WavePlayerTest)
#include "wave_player_test.moc"
