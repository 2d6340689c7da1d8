// Zandor Bingo: starts the program and runs its event loop until the main window closes.
#include "shell/startup.h"
#include "ui/look.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zandor Bingo");
    QApplication::setOrganizationName("Zandor Bingo");
    QApplication::setApplicationVersion(ZANDOR_VERSION);
    // The program ends when the main window's shut-down sequence says so, not when the splash
    // or the last window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    zandor::ui::applyApplicationLook();

    const auto program = zandor::Main(QApplication::applicationDirPath());
    return program ? QApplication::exec() : 0;
}
