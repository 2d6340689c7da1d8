// Figures for the window: start-up to the first painted window (the splash's pause left out),
// shut-down from the close to the process's exit, opening the high-score dialog and the processor
// time it uses while open, the longest time the event loop is blocked during a game, resident
// memory after a game, and printing one page to PDF. Each run measures one thing and prints one
// line; bench/window-figures.sh runs them side by side.
#include "program_info.h"
#include "shell/data_folder.h"
#include "shell/startup.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Resident set size in KiB.
long residentKiB() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// Prints the time from the program's launch (LAUNCH_NS, wall-clock nanoseconds set by the
// script that starts it) to the window's first paint, less the splash's pause, then quits:
// tear-down is not start-up.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            const qint64 launched = qEnvironmentVariable("LAUNCH_NS").toLongLong();
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            std::printf("first_paint_ms %lld\n",
                        static_cast<long long>(now - launched / 1000000 - pause));
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

    qint64 pause = 0; // the splash's time on screen, left out of the figure

private:
    bool painted_ = false;
};

// Records the worst lateness of a 10 ms heartbeat: how long the event loop was blocked.
class Heartbeat : public QObject {
public:
    Heartbeat() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            const qint64 gap = clock_.restart();
            worst = std::max(worst, gap - kPeriod);
        });
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.start(kPeriod);
        clock_.start();
    }
    static constexpr int kPeriod = 10;
    qint64 worst = 0;

private:
    QTimer timer_;
    QElapsedTimer clock_;
};

// Closes each announcement after a short look, as a quick player would.
void answerAnnouncements() {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    poll->start(50);
}

int startup(bool bare, const QString& folder) {
    FirstPaint firstPaint;
    if (bare) {
        QMainWindow window;
        window.installEventFilter(&firstPaint);
        window.show();
        QApplication::exec();
        std::printf("rss_kib %ld\n", residentKiB());
        return 0;
    }
    firstPaint.pause = zandor::kSplashMilliseconds;
    const auto program = zandor::Main(folder);
    program->form.installEventFilter(&firstPaint);
    QApplication::exec();
    return 0;
}

// Closes the main window once it is up and idle, and prints the wall-clock time of the close
// in nanoseconds; the script notes when the process has exited.
int shutdown(const QString& folder) {
    const auto program = zandor::Main(folder, 0);
    QTimer::singleShot(300, [&] {
        std::printf("close_ns %lld\n",
                    static_cast<long long>(QDateTime::currentMSecsSinceEpoch() * 1000000));
        std::fflush(stdout);
        program->form.close();
    });
    return QApplication::exec();
}

// From File, Hi-Scores to the high-score dialog's first paint.
class DialogOpened : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->objectName() == "frmScores" &&
            clock.isValid()) {
            std::printf("scores_open_ms %.1f\n", static_cast<double>(clock.nsecsElapsed()) / 1e6);
            clock.invalidate();
            QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        }
        return false;
    }
    QElapsedTimer clock;
};

int scores(const QString& folder) {
    const auto program = zandor::Main(folder, 0);
    DialogOpened opened;
    qApp->installEventFilter(&opened);
    QTimer::singleShot(300, [&] {
        opened.clock.start();
        program->menus.score_Click();
        QApplication::quit();
    });
    return QApplication::exec();
}

// Processor time (user and system) the process has used so far, in seconds.
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The processor time used while the high-score dialog stands open for 10 s (its banner
// sparkling every 3 s), as a share of one core.
int scoresCpu(const QString& folder) {
    const auto program = zandor::Main(folder, 0);
    QTimer::singleShot(300, [&] {
        QTimer::singleShot(500, [] {
            const double cpu = cpuSeconds();
            QElapsedTimer clock;
            clock.start();
            QTimer::singleShot(10000, Qt::PreciseTimer, [cpu, clock] {
                const double used = cpuSeconds() - cpu;
                std::printf("scores_cpu_ms %.0f wall_ms %lld core_percent %.2f\n", used * 1000,
                            static_cast<long long>(clock.elapsed()),
                            100.0 * used * 1000 / static_cast<double>(clock.elapsed()));
                QApplication::activeModalWidget()->close();
            });
        });
        program->menus.score_Click();
        QApplication::quit();
    });
    return QApplication::exec();
}

int game(int speed, const QString& folder, const QString& data) {
    zandor::Program program(folder, data);
    program.controller.Form_Load();
    zandor::ui::Form1& form = program.form;
    form.show();
    form.findChild<QSlider*>("Slider1")->setValue(speed);
    form.findChild<QAbstractButton*>("sel3_1")->click();
    answerAnnouncements();
    Heartbeat heartbeat;
    QElapsedTimer clock;
    clock.start();
    form.findChild<QAbstractButton*>("StartButton")->click();
    std::printf("speed %d calls %d game_ms %lld worst_block_ms %lld rss_kib %ld\n", speed,
                75 - program.controller.game().state().maxrecord + 1,
                static_cast<long long>(clock.elapsed()), static_cast<long long>(heartbeat.worst),
                residentKiB());
    return 0;
}

int print(const QString& programFolder, const QString& data) {
    QTemporaryDir folder;
    zandor::Program program(programFolder, data);
    program.form.show();
    QCoreApplication::processEvents();
    const QString path = folder.filePath("page.pdf");
    program.printer.printer().setOutputFileName(path);
    QElapsedTimer clock;
    clock.start();
    const auto outcome = program.printer.print(program.form.clientAreaImage());
    const qint64 ms = clock.elapsed();
    std::printf("print_ms %lld pdf_kib %lld ok %d\n", static_cast<long long>(ms),
                QFileInfo(path).size() / 1024,
                outcome.kind == zandor::PrintOutcome::Kind::PrintedToFile ? 1 : 0);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(zandor::program::kName);
    QApplication::setOrganizationName(zandor::program::kName);
    QApplication::setQuitOnLastWindowClosed(false);
    zandor::ui::applyApplicationLook();
    const QStringList args = QApplication::arguments();
    const QString mode = args.value(1);
    // The program's folder: the build folder, one up from bench/.
    const QString folder = QDir(QApplication::applicationDirPath() + "/..").absolutePath();
    const QString data = zandor::dataFolder(folder);
    if (mode == "startup-bare" || mode == "startup") {
        return startup(mode == "startup-bare", folder);
    }
    if (mode == "shutdown") {
        return shutdown(folder);
    }
    if (mode == "scores") {
        return scores(folder);
    }
    if (mode == "scores-cpu") {
        return scoresCpu(folder);
    }
    if (mode == "game") {
        return game(args.value(2).toInt(), folder, data);
    }
    if (mode == "print") {
        return print(folder, data);
    }
    std::fprintf(
        stderr,
        "usage: window-bench startup|startup-bare|shutdown|scores|scores-cpu|game SPEED|print\n");
    return 2;
}
