// Zandor Bingo: builds the main window, the game and its sound, and runs the event loop.
#include "shell/data_folder.h"
#include "shell/program.h"
#include "ui/look.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zandor Bingo");
    QApplication::setOrganizationName("Zandor Bingo");
    QApplication::setApplicationVersion(ZANDOR_VERSION);
    zandor::ui::applyApplicationLook();

    zandor::Program program(zandor::dataFolder(QApplication::applicationDirPath()));
    program.controller.Form_Load();
    program.form.show();
    return QApplication::exec();
}
