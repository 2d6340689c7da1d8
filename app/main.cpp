// Zandor Bingo: builds the main window, the game and its sound, and runs the event loop.
#include "engine/random_source.h"
#include "platform/qt/wave_player.h"
#include "platform/qt/window_printer.h"
#include "shell/data_folder.h"
#include "shell/main_window_controller.h"
#include "ui/form1.h"
#include "ui/look.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zandor Bingo");
    QApplication::setOrganizationName("Zandor Bingo");
    QApplication::setApplicationVersion(ZANDOR_VERSION);
    zandor::ui::applyApplicationLook();

    const QString data = zandor::dataFolder(QApplication::applicationDirPath());
    const zandor::ui::Pictures pictures(QDir(data).filePath("pictures"));
    zandor::WindowPrinter printer;
    zandor::ui::Form1 form(pictures, printer);
    zandor::ClockReseededRandom random;
    zandor::QtWavePlayer sound;
    zandor::MainWindowController controller(form, random, sound, data.toStdString());
    controller.Form_Load();
    form.show();
    return QApplication::exec();
}
