// The window, its game and a seeded caller, built as the program builds them but silent, with
// prints going to a temporary folder; closing the window ends the game but not the test program.
#pragma once

#include "engine/random_source.h"
#include "platform/qt/window_printer.h"
#include "shell/main_window_controller.h"
#include "ui/cell_label.h"
#include "ui/form1.h"
#include "ui/status_bar.h"

#include <QTemporaryDir>
#include <QTest>

namespace zandor::test {

class SilentSound final : public SoundPlayer {
public:
    void playSync(const std::string&) override {}
};

struct TestWindow {
    explicit TestWindow(std::uint64_t seed = 1)
        : pictures(ZANDOR_PICTURES), printer(pdfFolder.path()), random(seed),
          form(pictures, printer), controller(form, random, sound, "", [] {}) {
        controller.Form_Load();
        form.show();
    }

    template <typename T = QWidget>
    T* widget(const QString& name) const {
        T* found = form.findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no widget %s", qPrintable(name));
        }
        return found;
    }
    void click(const QString& name) const {
        QWidget* target = widget(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }
    ui::CellLabel* cell(const QString& name) const { return widget<ui::CellLabel>(name); }
    QString panel(int n) const {
        return widget<ui::StatusPanel>(QString("sbStatusBar_%1").arg(n))->text();
    }
    GameState& state() { return controller.game().state(); }

    QTemporaryDir pdfFolder;
    ui::Pictures pictures;
    WindowPrinter printer;
    SeededRandom random;
    SilentSound sound;
    ui::Form1 form;
    MainWindowController controller;
};

} // namespace zandor::test
