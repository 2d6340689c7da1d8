// The program's window and its game, silent and seeded, with its files in a temporary folder.
#pragma once

#include "engine/random_source.h"
#include "modal_closer.h"
#include "platform/qt/held_input_wait.h"
#include "platform/qt/system_info_launcher.h"
#include "platform/qt/window_printer.h"
#include "shell/main_window_controller.h"
#include "shell/menu_commands.h"
#include "ui/cell_label.h"
#include "ui/form1.h"
#include "ui/scores_dialog_factory.h"
#include "ui/status_bar.h"

namespace zandor::test {

struct SilentSound final : SoundPlayer {
    void playSync(const std::string&) override {}
};

struct TestWindow {
    explicit TestWindow(const QString& help = ZANDOR_HELP)
        : pictures(ZANDOR_PICTURES), printer(folder.path()), random(1),
          settings(folder.filePath("settings.conf"), QSettings::IniFormat), helpFile(help),
          form(pictures), scoresDialogs(pictures, &form), scores(scoresDialogs),
          controller(form, {random, sound, "", scores, iniFile(), settings, printer, pause, [] {}}),
          menus({form, controller, scores, iniFile(), printer, pictures, launcher, helpFile}) {
        controller.Form_Load();
        form.show();
    }
    QString iniFile() const { return folder.filePath("MYGAME.INI"); }

    template <typename T = QWidget>
    T* widget(const QString& name) const {
        T* found = form.findChild<T*>(name);
        return found != nullptr ? found : (qFatal("no widget %s", qPrintable(name)), nullptr);
    }
    // A button's click or a menu command, as a player gives it.
    void click(const QString& name) const {
        if (auto* action = form.findChild<QAction*>(name)) {
            return action->trigger();
        }
        QWidget* target = widget(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }
    QString panel(int n) const {
        return widget<ui::StatusPanel>(QString("sbStatusBar_%1").arg(n))->text();
    }

    QTemporaryDir folder;
    ui::Pictures pictures;
    WindowPrinter printer;
    SeededRandom random;
    SilentSound sound;
    QSettings settings;
    QString helpFile;
    QtSystemInfoLauncher launcher{{{"zandor-no-such-program", {}}}};
    QtGamePause pause;
    ui::Form1 form;
    ui::ScoresDialogFactory scoresDialogs;
    Module2 scores;
    MainWindowController controller;
    MenuCommands menus;
};

} // namespace zandor::test
