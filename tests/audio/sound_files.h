// Test sounds made with sox at test time, in a folder that lives as long as the test.
#pragma once

#include <QProcess>

namespace zandor::audiotest {

// Writes a sine tone of `seconds` at `hertz` and half of full scale to `path` with sox; the
// options give the sample format, rate and channel count (the file's name gives the type).
inline bool makeTone(const QString& path, double seconds, const QStringList& options,
                     int hertz = 440) {
    QProcess sox;
    sox.start("sox", QStringList{"-n"} + options +
                         QStringList{path, "synth", QString::number(seconds), "sine",
                                     QString::number(hertz), "vol", "0.5"});
    return sox.waitForFinished() && sox.exitStatus() == QProcess::NormalExit && sox.exitCode() == 0;
}

} // namespace zandor::audiotest
