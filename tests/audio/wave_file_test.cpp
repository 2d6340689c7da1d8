// The decoder on files of every common wave layout, made by sox: each comes out at the
// device's channel count and rate, as long and as loud as it went in, at the same pitch.
#include "platform/wave_file.h"
#include "sound_files.h"

#include <QtTest>
#include <cmath>

using zandor::PcmSound;
using zandor::readWaveFile;
using zandor::audiotest::makeBadFiles;
using zandor::audiotest::makeTone;
using zandor::audiotest::readBytes;
using zandor::audiotest::writeBytes;

namespace {

constexpr double toneSeconds = 0.5;

int peak(const PcmSound& sound, int channel) {
    int loudest = 0;
    for (qint64 f = 0; f < sound.frames(); ++f) {
        loudest = std::max(loudest, std::abs(int(sound.samples[f * sound.channels + channel])));
    }
    return loudest;
}

// Twice the tone's frequency times its length, whatever the rate: a wrong resampling ratio
// changes the pitch and shows here.
int zeroCrossings(const PcmSound& sound, int channel) {
    int crossings = 0;
    for (qint64 f = 1; f < sound.frames(); ++f) {
        const int before = sound.samples[(f - 1) * sound.channels + channel];
        const int now = sound.samples[f * sound.channels + channel];
        crossings += (before < 0) != (now < 0) ? 1 : 0;
    }
    return crossings;
}

} // namespace

class WaveFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void decodesEveryLayoutToTheDeviceFormat_data() {
        QTest::addColumn<QStringList>("soxOptions");
        QTest::addColumn<int>("outChannels");
        QTest::addColumn<int>("outRate");
        const QStringList mono16{"-b", "16", "-c", "1"};
        QTest::newRow("8-bit unsigned PCM 22050 Hz")
            << QStringList{"-r", "22050", "-b", "8", "-e", "unsigned", "-c", "1"} << 2 << 48000;
        QTest::newRow("16-bit PCM 44100 Hz") << (QStringList{"-r", "44100"} + mono16) << 2 << 48000;
        QTest::newRow("24-bit PCM 48000 Hz")
            << QStringList{"-r", "48000", "-b", "24", "-c", "1"} << 2 << 48000;
        QTest::newRow("32-bit PCM 48000 Hz")
            << QStringList{"-r", "48000", "-b", "32", "-e", "signed", "-c", "1"} << 2 << 44100;
        QTest::newRow("32-bit float 44100 Hz")
            << QStringList{"-r", "44100", "-b", "32", "-e", "floating-point", "-c", "1"} << 2
            << 48000;
        QTest::newRow("stereo 16-bit 44100 Hz to stereo")
            << QStringList{"-r", "44100", "-b", "16", "-c", "2"} << 2 << 48000;
        QTest::newRow("stereo 16-bit 44100 Hz to mono")
            << QStringList{"-r", "44100", "-b", "16", "-c", "2"} << 1 << 44100;
        QTest::newRow("8000 Hz up to 48000 Hz")
            << (QStringList{"-r", "8000"} + mono16) << 2 << 48000;
        QTest::newRow("48000 Hz down to 8000 Hz")
            << (QStringList{"-r", "48000"} + mono16) << 1 << 8000;
        QTest::newRow("44100 Hz kept") << (QStringList{"-r", "44100"} + mono16) << 1 << 44100;
        QTest::newRow("6 channels to stereo")
            << QStringList{"-r", "48000", "-b", "16", "-c", "6"} << 2 << 48000;
    }

    void decodesEveryLayoutToTheDeviceFormat() {
        QFETCH(QStringList, soxOptions);
        QFETCH(int, outChannels);
        QFETCH(int, outRate);
        const QString path = dir.filePath(QTest::currentDataTag() + QString(".wav"));
        QVERIFY2(makeTone(path, toneSeconds, soxOptions), "sox could not write the test file");

        const PcmSound sound = readWaveFile(path.toStdString(), outChannels, outRate);

        QCOMPARE(sound.channels, outChannels);
        QCOMPARE(sound.sampleRate, outRate);
        QVERIFY2(std::abs(sound.frames() - qint64(std::lround(toneSeconds * outRate))) <= 1,
                 qPrintable(QString("%1 frames").arg(sound.frames())));
        for (int channel = 0; channel < outChannels; ++channel) {
            QVERIFY2(std::abs(peak(sound, channel) - 16384) < 600,
                     qPrintable(QString("peak %1").arg(peak(sound, channel))));
            QVERIFY2(std::abs(zeroCrossings(sound, channel) - int(2 * 440 * toneSeconds)) <= 4,
                     qPrintable(QString("%1 zero crossings").arg(zeroCrossings(sound, channel))));
        }
    }

    void badFilesGiveNoSound_data() {
        QTest::addColumn<QString>("path");
        const QString tone = dir.filePath("good.wav");
        QVERIFY(makeTone(tone, toneSeconds, {"-r", "22050", "-b", "16", "-c", "1"}));
        for (const auto& [name, path] : makeBadFiles(QDir(dir.path()), tone)) {
            QTest::newRow(qPrintable(name)) << path;
        }
    }

    void badFilesGiveNoSound() {
        QFETCH(QString, path);
        QVERIFY(readWaveFile(path.toStdString(), 2, 48000).empty());
    }

    // A file cut short in its samples plays what is there, no more.
    void aFileCutInItsSamplesGivesWhatItHolds() {
        const QString tone = dir.filePath("whole.wav");
        QVERIFY(makeTone(tone, toneSeconds, {"-r", "8000", "-b", "16", "-c", "1"}));
        const QByteArray whole = readBytes(tone);
        const QString cut = dir.filePath("cut.wav");
        QVERIFY(writeBytes(cut, whole.left(whole.size() / 2)));

        const PcmSound sound = readWaveFile(cut.toStdString(), 1, 8000);

        QVERIFY(sound.frames() > 0);
        QVERIFY(sound.frames() <= (whole.size() / 2) / 2);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(WaveFileTest)
#include "wave_file_test.moc"
