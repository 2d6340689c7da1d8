// The view the game drives: Form1 shows and reads the controls, while printing the window's
// picture and the pause between calls are the program's, through the platform's printer and
// held wait.
#pragma once

#include "engine/game_view.h"

namespace zandor {

class GamePause;
class PagePrinter;

namespace ui {
class Form1;
}

class MainWindowView final : public GameView {
public:
    MainWindowView(ui::Form1& form, PagePrinter& printer, GamePause& pause);

    void setCaption(Ctl control, int index, std::string_view caption) override;
    std::string caption(Ctl control, int index) const override;
    void setBackColor(Ctl control, int index, Rgb color) override;
    Rgb backColor(Ctl control, int index) const override;
    void setVisible(Ctl control, bool visible) override;
    void setEnabled(Ctl control, bool enabled) override;
    bool isSelected(Ctl option, int index) const override;
    int value(Ctl control) const override;
    void setFocus(Ctl option, int index) override;
    void setStatusPanel(int panel, std::string_view text) override;
    void repaint() override;
    void processEvents() override;
    void sleep(int milliseconds) override;
    void messageBox(std::string_view text) override;
    void showWinnersCard(const WinnersCard& card) override;
    void announce(std::string_view text) override;
    // Prints the client area and tells the player where a page went that did not reach the
    // printer.
    void printWindow() override;

private:
    ui::Form1& form_;
    PagePrinter& printer_;
    GamePause& pause_;
};

} // namespace zandor
