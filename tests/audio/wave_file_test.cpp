// The decoder on sox-made files of every common wave layout, and on bad and cut files: each
// good one comes out at the device's channel count and rate, as long and as loud as it went in,
// at the same pitch; bad ones give no sound.
#include "platform/wave_file.h"
#include "sound_files.h"

#include <QtTest>
#include <cmath>

using namespace zandor::audiotest;

constexpr double toneSeconds = 0.5;

class WaveFileTest : public QObject {
    Q_OBJECT

private slots:
    void decodesToTheDeviceFormat_data() {
        QTest::addColumn<QStringList>("sox"); // none: a missing file
        QTest::addColumn<int>("outChannels");
        QTest::addColumn<int>("outRate");
        QTest::addColumn<double>("seconds"); // 0: no sound; under the tone's length: cut there
        const auto row = [](const char* tag, const QStringList& sox, int channels, int rate,
                            double seconds = toneSeconds) {
            QTest::newRow(tag) << sox << channels << rate << seconds;
        };
        const QStringList mono{"-r", "8000", "-b", "16", "-c", "1"};
        row("8-bit unsigned, 8000 to 48000 Hz",
            {"-r", "8000", "-b", "8", "-e", "unsigned", "-c", "1"}, 2, 48000);
        row("float, 44100 to 48000 Hz",
            {"-r", "44100", "-b", "32", "-e", "floating-point", "-c", "1"}, 2, 48000);
        row("stereo to stereo", {"-r", "22050", "-b", "16", "-c", "2"}, 2, 44100);
        row("stereo to mono, rate kept", {"-r", "44100", "-b", "16", "-c", "2"}, 1, 44100);
        row("24-bit, 48000 to 8000 Hz", {"-r", "48000", "-b", "24", "-c", "1"}, 1, 8000);
        row("6 channels to stereo", {"-r", "48000", "-b", "16", "-c", "6"}, 2, 48000);
        row("cut in its samples", mono, 1, 8000, 0.25);
        row("missing", {}, 2, 48000, 0.0);
        row("samples without a header", QStringList{"-t", "raw"} + mono, 2, 48000, 0.0);
        row("another type named .wav", QStringList{"-t", "au"} + mono, 2, 48000, 0.0);
    }

    void decodesToTheDeviceFormat() {
        QFETCH(QStringList, sox);
        QFETCH(int, outChannels);
        QFETCH(int, outRate);
        QFETCH(double, seconds);
        const QString path = dir.filePath(QTest::currentDataTag()) + ".wav";
        if (!sox.empty()) { // else missing
            QVERIFY2(makeTone(path, toneSeconds, sox), "sox could not write the file");
        }
        if (seconds > 0 && seconds < toneSeconds) { // cut the 16-bit samples after the header
            const qint64 samples = QFileInfo(path).size() - 44;
            QVERIFY(QFile::resize(path, 44 + qint64(seconds / toneSeconds * samples)));
        }

        const zandor::PcmSound sound =
            zandor::readWaveFile(path.toStdString(), outChannels, outRate);

        QCOMPARE(sound.empty(), seconds == 0);
        if (seconds == 0) {
            return;
        }
        QCOMPARE(sound.channels, outChannels);
        QCOMPARE(sound.sampleRate, outRate);
        QVERIFY2(std::abs(sound.frames() - qint64(std::lround(seconds * outRate))) <= 1,
                 qPrintable(QString("%1 frames").arg(sound.frames())));
        // As loud, and as many sign changes (twice the pitch times the length) as went in.
        for (int channel = 0; channel < outChannels; ++channel) {
            int peak = 0, crossings = 0;
            for (qint64 f = 0; f < sound.frames(); ++f) {
                const int now = sound.samples[f * outChannels + channel];
                peak = std::max(peak, std::abs(now));
                crossings +=
                    f > 0 && (now < 0) != (sound.samples[(f - 1) * outChannels + channel] < 0);
            }
            QVERIFY2(std::abs(peak - 16384) < 600 && std::abs(crossings - int(880 * seconds)) <= 4,
                     qPrintable(QString("peak %1, %2 zero crossings").arg(peak).arg(crossings)));
        }
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(WaveFileTest)
#include "wave_file_test.moc"
