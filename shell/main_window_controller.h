// Owns the game of the main window and wires every event of Form1 to its handler. The window
// only draws and forwards clicks; the rules stay in the game.
#pragma once

#include "engine/game.h"

#include <QObject>
#include <string>

namespace zandor::ui {
class Form1;
}

namespace zandor {

class MainWindowController : public QObject {
    Q_OBJECT
public:
    // dataFolder: the folder that holds sounds/ (beside the program, or its installed data).
    MainWindowController(ui::Form1& form, RandomSource& random, SoundPlayer& sound,
                         const std::string& dataFolder);

    Game& game() { return game_; }

    // The window's starting state, before it is first shown.
    void Form_Load();
    // The window is closing: a game in progress stops at once and the program ends.
    void Form_Unload();

private:
    void cardCountClicked(int cards);
    void cellClicked(Ctl grid, int index);

    ui::Form1& form_;
    Game game_;
};

} // namespace zandor
