// Test sounds made with sox at test time, in a folder that lives as long as the test.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

namespace zandor::audiotest {

// Writes a sine tone of `seconds` at `hertz` and half of full scale to `path` with sox; the
// options give the sample format, rate and channel count (the file's name gives the type).
inline bool makeTone(const QString& path, double seconds, const QStringList& options,
                     int hertz = 440) {
    QStringList arguments{"-n"};
    arguments << options << path << "synth" << QString::number(seconds) << "sine"
              << QString::number(hertz) << "vol"
              << "0.5";
    QProcess sox;
    sox.start("sox", arguments);
    return sox.waitForFinished() && sox.exitStatus() == QProcess::NormalExit && sox.exitCode() == 0;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bad files every reader must shrug off, made from a good 16-bit mono wave `tone`; returns
// the name and path of each.
inline QList<QPair<QString, QString>> makeBadFiles(const QDir& dir, const QString& tone) {
    const QByteArray good = readBytes(tone);
    writeBytes(dir.filePath("empty.wav"), {});
    writeBytes(dir.filePath("garbage.wav"), QByteArray(4096, '\x5a'));
    writeBytes(dir.filePath("cut-in-header.wav"), good.left(30));
    writeBytes(dir.filePath("header-only.wav"), good.left(44));
    QByteArray wrongMagic = good;
    wrongMagic.replace(0, 4, "RIFX");
    writeBytes(dir.filePath("wrong-magic.wav"), wrongMagic);
    makeTone(dir.filePath("not-wave.au"), 0.3, {"-r", "8000", "-b", "16", "-c", "1"});
    QFile::rename(dir.filePath("not-wave.au"), dir.filePath("not-wave.wav"));
    dir.mkdir("folder.wav");
    QList<QPair<QString, QString>> files;
    for (const char* name : {"missing.wav", "empty.wav", "garbage.wav", "cut-in-header.wav",
                             "header-only.wav", "wrong-magic.wav", "not-wave.wav", "folder.wav"}) {
        files.append({QString(name), dir.filePath(name)});
    }
    return files;
}

} // namespace zandor::audiotest
