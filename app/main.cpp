// Zandor Bingo: starts the program and runs its event loop until the main window closes.
#include "platform/qt/wave_player.h"
#include "program_info.h"
#include "shell/startup.h"
#include "ui/look.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The desktop file's name without .desktop, which is also the AppStream id: desktops match
// the program's windows to its menu entry and icon by it.
constexpr const char* kDesktopFileName = "io.github.zandorbingo.ZandorBingo";

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "A single-player Bingo game: buy up to three cards, pick a game type and play against\n"
        "nine computer players. High scores are kept in MYGAME.INI.");
    parser.addHelpOption();
    parser.addVersionOption();
}

// Whether the command line asks for --help or --version, which need no display (--help-all
// does: it lists the options of Qt's windowing too).
bool asksForInformation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--") == 0) {
            break;
        }
        for (const char* option : {"-h", "--help", "-?", "-v", "--version"}) {
            if (std::strcmp(argument, option) == 0) {
                return true;
            }
        }
    }
    return false;
}

// Answers --help and --version and refuses unknown options and arguments (a message on standard
// error, exit code 1); returns only when the program is to start. Messages name the program as
// its command is spelt: "zandor-bingo 2.0.0".
void handleCommandLine(const QCoreApplication& app) {
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(zandor::program::kCommand);
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: Unexpected argument '%s'.\n", zandor::program::kCommand,
                     qPrintable(parser.positionalArguments().constFirst()));
        std::exit(EXIT_FAILURE);
    }
    QCoreApplication::setApplicationName(name);
}

int run(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(zandor::program::kName);
    QCoreApplication::setOrganizationName(zandor::program::kName);
    QCoreApplication::setApplicationVersion(zandor::program::kVersion);

    // --help and --version are answered without a display, so they work on a text console too.
    // A command line that also holds one of Qt's own options (-style, -platform...) is left to
    // QApplication, which takes those away first.
    if (asksForInformation(argc, argv)) {
        QCoreApplication console(argc, argv);
        QCommandLineParser probe;
        describe(probe);
        if (probe.parse(QCoreApplication::arguments())) {
            handleCommandLine(console); // does not return
        }
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    handleCommandLine(app); // before any window
    // The program ends when the main window's shut-down sequence says so, not when the splash
    // or the last window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    zandor::ui::applyApplicationLook();

    const auto program = zandor::Main(QApplication::applicationDirPath());
    return program ? QApplication::exec() : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    return zandor::leaveProcess(run(argc, argv));
}
