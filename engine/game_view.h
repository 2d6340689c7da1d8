// The only way from the game logic to the screen: a few operations keyed by the main window's
// control names and control-array indexes. The shell implements it over the Qt window; tests
// record it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zandor {

using Rgb = std::uint32_t;

constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kLightYellow = 0xFFFF80;
constexpr Rgb kLightBlue = 0x8080FF;

// Controls of the main window the game logic touches. Arrays take an index (Label1 1..75,
// Label3/4/5 1..25, selgametype 0..8, sel0..sel3 1); single controls take index 0.
enum class Ctl : std::uint8_t {
    CalledNumberDisplay,
    Label1,
    Label3,
    Label4,
    Label5,
    GAME1,
    Game2,
    Game3,
    SelectNoGames,
    StartButton,
    pausebutton,
    PrintButton,
    mnuFilePrint,
    sel0,
    sel1,
    sel2,
    sel3,
    selgametype,
    automancheck,
    Slider1,
};

// What the winner's-card dialog shows for a computer player's win (cells 1..25).
struct WinnersCard {
    std::string winnerLine = "The Winner"; // caption of Label3b
    std::array<int, 26> cellNumber{};      // every caption is a number: the centre shows 0
    std::array<Rgb, 26> cellColor{};
    int picture = 0; // index into ImageList1, 1..10
};

class GameView {
public:
    virtual ~GameView() = default;

    virtual void setCaption(Ctl control, int index, std::string_view caption) = 0;
    virtual std::string caption(Ctl control, int index) const = 0;
    virtual void setBackColor(Ctl control, int index, Rgb color) = 0;
    virtual Rgb backColor(Ctl control, int index) const = 0;
    virtual void setVisible(Ctl control, bool visible) = 0;
    virtual void setEnabled(Ctl control, bool enabled) = 0;

    // Whether an option button is selected; value of automancheck (0/1) or Slider1.
    virtual bool isSelected(Ctl option, int index) const = 0;
    virtual int value(Ctl control) const = 0;

    // Focuses an option button, which selects it. The view does not report this as a click:
    // the game runs the option's handler itself.
    virtual void setFocus(Ctl option, int index) = 0;

    virtual void setStatusPanel(int panel, std::string_view text) = 0;

    virtual void repaint() = 0;
    virtual void processEvents() = 0; // handlers of pending user events run in here
    virtual void sleep(int milliseconds) = 0;

    // Modal: each returns when the player has closed it.
    virtual void messageBox(std::string_view text) = 0;
    virtual void showWinnersCard(const WinnersCard& card) = 0;

    // Tells a listening screen reader a game's result; nothing shows. The view says it
    // wherever the player's focus is.
    virtual void announce(std::string_view text) = 0;

    // Prints the window's client area as it is drawn now.
    virtual void printWindow() = 0;
};

} // namespace zandor
