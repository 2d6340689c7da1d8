// The main window, Form1: every control of the game at its designed place, shown and read by
// the control names the game logic uses. It holds no rules: clicks go out as signals, and the
// logic answers through the shell's GameView over it.
#pragma once

#include "engine/game_state.h"
#include "engine/game_view.h"
#include "ui/framed_fit.h"
#include "ui/pictures.h"

#include <QMainWindow>
#include <array>

class QAction;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QSlider;

namespace zandor::ui {

class Announcer;
class CellLabel;
class FramePanel;
class StatusBar;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const Pictures& pictures, QWidget* parent = nullptr);

    static constexpr int kGameTypes = 9; // selgametype 0..8
    static constexpr int kCardGrids = 3; // Label3, Label4, Label5

    // The designed client area (menu bar excluded) in device-independent pixels.
    static QSize designedClientSize();

    // The controls by the game's names. These share names with QWidget's operations; keep
    // QWidget's reachable too.
    using QMainWindow::repaint;
    using QMainWindow::setEnabled;
    using QMainWindow::setFocus;
    using QMainWindow::setVisible;
    void setCaption(Ctl control, int index, std::string_view caption);
    std::string caption(Ctl control, int index) const;
    void setBackColor(Ctl control, int index, Rgb color);
    Rgb backColor(Ctl control, int index) const;
    void setVisible(Ctl control, bool visible);
    void setEnabled(Ctl control, bool enabled);
    bool isSelected(Ctl option, int index) const;
    int value(Ctl control) const;
    void setFocus(Ctl option, int index);
    void setStatusPanel(int panel, std::string_view text);
    void repaint();
    void processEvents();
    void messageBox(std::string_view text);
    void showWinnersCard(const WinnersCard& card);
    void announce(std::string_view text);

    // Says the message to a listening screen reader wherever the focus is, without moving it.
    void announce(const QString& message);

    // The picture printed: the client area as drawn now, status bar included.
    QImage clientAreaImage();

    // Gives the window this outer size (title bar and borders included) once the window
    // manager has framed it; until then the frame's size is not known.
    void setOuterSize(const QSize& outer);

signals:
    void startClicked();
    void pauseClicked();
    void printClicked();              // File, Print or the PrintButton
    void cardCountClicked(int cards); // sel0..sel3
    void autoManualClicked();
    void cellClicked(Ctl grid, int index); // Label3/4/5, cell 1..25
    void scoreClicked();                   // File, Hi-Scores or the scorebutton
    void pageSetupClicked();
    void helpContentsClicked();
    void helpAboutClicked();
    // The close box or File, Exit: the window stays until the program has ended.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildPicture(QWidget* client);
    void buildControlPanel(QWidget* picture);
    void buildCardCount(FramePanel* frame1);
    void buildButtons(FramePanel* frame1);
    void buildScoreBoard(QWidget* picture);
    void buildCards(QWidget* picture);
    void buildGameTypes(QWidget* client);
    void buildSpeed(QWidget* picture);
    struct PictureButtonDesign {
        const char* name;
        const char* toolTip;
        const char* spokenName;
    };
    QPushButton* pictureButton(const PictureButtonDesign& design, const QIcon& icon, int left,
                               QWidget* parent);
    // The button gives the menu's command: a click triggers it, and it is enabled as it is.
    void givesCommand(QPushButton* button, QAction* command);
    CellLabel* cellLabel(Ctl control, int index) const;
    FramePanel* frame(Ctl control) const;
    QRadioButton* option(Ctl option, int index) const;

    const Pictures& pictures_;
    StatusBar* status_ = nullptr;
    Announcer* announcer_ = nullptr;
    CellLabel* CalledNumberDisplay = nullptr;
    std::array<CellLabel*, kNumberCount + 1> Label1{};
    std::array<std::array<CellLabel*, kCellCount + 1>, kCardGrids> cards_{};
    std::array<FramePanel*, kCardGrids> cardFrames_{}; // GAME1, Game2, Game3
    FramePanel* SelectNoGames = nullptr;
    std::array<QRadioButton*, 4> sel_{}; // sel0..sel3, each index 1
    std::array<QRadioButton*, kGameTypes> selgametype{};
    QCheckBox* automancheck = nullptr;
    QSlider* Slider1 = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* pausebutton = nullptr;
    QAction* score = nullptr;
    QAction* mnuFilePrint = nullptr;
    FramedFit* outerSizeFit_ = new FramedFit(this);
};

} // namespace zandor::ui
