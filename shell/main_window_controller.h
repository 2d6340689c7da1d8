// Owns the game of the main window and wires every event of Form1 to its handler. The window
// only draws and forwards clicks; the rules stay in the game.
#pragma once

#include "engine/game.h"

#include <QObject>
#include <functional>
#include <string>

namespace zandor::ui {
class Form1;
}

namespace zandor {

class MainWindowController : public QObject {
    Q_OBJECT
public:
    // dataFolder: the folder that holds sounds/ (beside the program, or its installed data).
    // endProgram: ends the program once the window has closed; by default it leaves every
    // event loop, the nested ones of a running game, a sound or a pause included.
    MainWindowController(ui::Form1& form, RandomSource& random, SoundPlayer& sound,
                         const std::string& dataFolder,
                         std::function<void()> endProgram = defaultEndProgram);

    static void defaultEndProgram();

    Game& game() { return game_; }

    // The window's starting state, before it is first shown.
    void Form_Load();
    // The window is closing: a game in progress stops at once and the program ends.
    void Form_Unload();

private:
    void cardCountClicked(int cards);
    void cellClicked(Ctl grid, int index);

    Game game_;
    std::function<void()> endProgram_;
};

} // namespace zandor
