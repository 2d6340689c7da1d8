// Owns the game of the main window and wires every event of Form1 to its handler; loads the
// window and, when it closes, offers the final balance to the high-score table, saves where
// the window was and ends the program. The window only draws and forwards clicks; the rules
// stay in the game.
#pragma once

#include "engine/game.h"
#include "shell/main_window_view.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QSettings;

namespace zandor::ui {
class Form1;
}

namespace zandor {

class Module2;

class MainWindowController : public QObject {
    Q_OBJECT
public:
    struct Parts {
        RandomSource& random;
        SoundPlayer& sound;
        std::string dataFolder; // the folder that holds sounds/
        Module2& scores;
        QString highScoreFile; // MYGAME.INI's full path
        QSettings& settings;   // where the window's place is kept
        PagePrinter& printer;  // prints the window for the game
        GamePause& pause;      // the game's pause between calls
        // Ends the program once the window has closed; by default it leaves the event loop.
        std::function<void()> endProgram = defaultEndProgram;
    };

    MainWindowController(ui::Form1& form, Parts parts);

    static void defaultEndProgram();

    Game& game() { return game_; }

    // The window's place and starting state, before it is first shown.
    void Form_Load();
    // The window is closing (close box or File, Exit). A game in progress stops at once and
    // the rest of the sequence runs when it has unwound, so a win found by then is counted.
    void Form_Unload();
    bool unloaded() const { return unloaded_; }
    // The close has begun: no command or button runs any more, not even a click that was held
    // back during a call's sound and arrives after the close.
    bool closing() const { return unloading_; }

private:
    // Runs an event handler of the game unless the close has begun, counting the handlers
    // running (one may start another through the events it lets through): the close waits for
    // the outermost one to return.
    template <typename Handler>
    void runCountingHandlers(Handler handler);
    void finishUnload();
    void cardCountClicked(int cards);
    void cellClicked(Ctl grid, int index);

    ui::Form1& form_;
    Parts parts_;
    MainWindowView view_;
    Game game_;
    int handlersRunning_ = 0;
    bool unloading_ = false;
    bool unloaded_ = false;
};

} // namespace zandor
