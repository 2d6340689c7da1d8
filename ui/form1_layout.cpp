// Form1's controls, menus and status bar, built at their designed places. Positions are the
// design's twips; nothing is laid out dynamically, so resizing the window moves nothing.
#include "ui/accessibility.h"
#include "ui/cell_grid.h"
#include "ui/cell_label.h"
#include "ui/form1.h"
#include "ui/frame_panel.h"
#include "ui/look.h"
#include "ui/picture_box.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace zandor::ui {

namespace {

constexpr int kClientWidth = 10455;
constexpr int kClientHeight = 7275;
constexpr int kPictureRect[] = {0, 0, 10215, 6675};

// Cells of a card and of the scoreboard: 375 x 255 twips on a 480 x 360 pitch.
constexpr int kCellWidth = 375;
constexpr int kCellHeight = 255;
constexpr int kColumnPitch = 480;
constexpr int kRowPitch = 360;

struct CardDesign {
    const char* frameName;
    const char* caption;
    int rect[4];
    const char* cellName;
    int firstHeader; // Label2 index of the B header; B..O run down (card 1) or up (2 and 3)
    int headerStep;
};

constexpr CardDesign kCardDesigns[Form1::kCardGrids] = {
    {"GAME1", "Game 1", {480, 3840, 2475, 2415}, "Label3", 9, -1},
    {"Game2", "Game 2", {3240, 3840, 2475, 2355}, "Label4", 10, 1},
    {"Game3", "Game 3", {5940, 3840, 2535, 2355}, "Label5", 15, 1},
};

struct GameTypeDesign {
    const char* caption;
    int top;
};

constexpr GameTypeDesign kGameTypeDesigns[Form1::kGameTypes] = {
    {"Random", 300},     {"Vertical", 585},   {"Horizontal", 885},
    {"Diagonal", 1200},  {"Inner H", 1470},   {"Outer H", 1755},
    {"Inner Sq.", 2055}, {"Outer Sq.", 2340}, {"Full House", 2640},
};

struct CardCountDesign {
    const char* name;
    const char* caption;
    int left;
    int width;
};

constexpr CardCountDesign kCardCountDesigns[] = {
    {"sel0_1", "0", 360, 495},
    {"sel1_1", "1", 880, 495},
    {"sel2_1", "2", 1400, 495},
    {"sel3_1", "3", 1920, 435},
};

void place(QWidget* widget, const int (&rect)[4]) {
    widget->setGeometry(twipsRect(rect[0], rect[1], rect[2], rect[3]));
}

} // namespace

QSize Form1::designedClientSize() {
    return QSize(px(kClientWidth), px(kClientHeight));
}

void Form1::buildMenus() {
    QMenu* mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    // File, Hi-Scores and File, Print are the commands the scorebutton and PrintButton give too.
    score = mnuFile->addAction("&Hi-Scores");
    score->setObjectName("score");
    connect(score, &QAction::triggered, this, &Form1::scoreClicked);
    mnuFile->addSeparator()->setObjectName("mnuFileBar2");
    QAction* mnuFilePageSetup = mnuFile->addAction("Page Set&up");
    mnuFilePageSetup->setObjectName("mnuFilePageSetup");
    connect(mnuFilePageSetup, &QAction::triggered, this, &Form1::pageSetupClicked);
    mnuFilePrint = mnuFile->addAction("&Print");
    mnuFilePrint->setObjectName("mnuFilePrint");
    connect(mnuFilePrint, &QAction::triggered, this, &Form1::printClicked);
    mnuFile->addSeparator()->setObjectName("mnuFileBar1");
    QAction* mnuFileExit = mnuFile->addAction("E&xit");
    mnuFileExit->setObjectName("mnuFileExit");
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);

    QMenu* mnuHelp = menuBar()->addMenu("&Help");
    mnuHelp->setObjectName("mnuHelp");
    QAction* mnuHelpContents = mnuHelp->addAction("&Contents");
    mnuHelpContents->setObjectName("mnuHelpContents");
    connect(mnuHelpContents, &QAction::triggered, this, &Form1::helpContentsClicked);
    QAction* mnuHelpAbout = mnuHelp->addAction("&About");
    mnuHelpAbout->setObjectName("mnuHelpAbout");
    connect(mnuHelpAbout, &QAction::triggered, this, &Form1::helpAboutClicked);
}

QWidget* Form1::buildPicture(QWidget* client) {
    auto* Picture1 = new PictureBox(pictures_.background(), client);
    Picture1->setObjectName("Picture1");
    place(Picture1, kPictureRect);
    return Picture1;
}

void Form1::buildControlPanel(QWidget* picture) {
    auto* Frame1 = new FramePanel("", kLightBlue, kWhite, FramePanel::Border::Flat, picture);
    Frame1->setObjectName("Frame1");
    Frame1->setAccessibleName("Game controls");
    Frame1->setFont(designFont(font(), kDefaultPointSize, true));
    place(Frame1, {420, 300, 7935, 915});
    buildCardCount(Frame1);

    automancheck = new QCheckBox("Manual", Frame1);
    automancheck->setObjectName("automancheck");
    automancheck->setToolTip("Auto / Manual Switch");
    // Its caption names the mode it is in; a listener hears one stable meaning with the state.
    automancheck->setAccessibleName("Automatic marking");
    automancheck->setAccessibleDescription("Checked: called numbers are marked on your cards");
    fixColours(automancheck, kLightBlue, kWhite);
    place(automancheck, {2820, 360, 975, 255});
    connect(automancheck, &QCheckBox::clicked, this, &Form1::autoManualClicked);

    CalledNumberDisplay = new CellLabel("!!", kYellow, kRed, true, Frame1);
    CalledNumberDisplay->setObjectName("CalledNumberDisplay");
    CalledNumberDisplay->setToolTip("Called Number");
    CalledNumberDisplay->setAccessibleDescription(CalledNumberDisplay->toolTip());
    CalledNumberDisplay->setFont(designFont(font(), 18, true));
    place(CalledNumberDisplay, {4020, 240, 915, 555});
    buildButtons(Frame1);
}

void Form1::buildCardCount(FramePanel* frame1) {
    const QString toolTip = "Select the number of games to play";
    SelectNoGames = new FramePanel("No of Games to play.", kLightBlue, kWhite,
                                   FramePanel::Border::Etched, frame1);
    SelectNoGames->setObjectName("SelectNoGames");
    SelectNoGames->setToolTip(toolTip);
    place(SelectNoGames, {60, 180, 2535, 495});
    for (int cards = 0; cards < 4; ++cards) {
        const CardCountDesign& design = kCardCountDesigns[cards];
        auto* button = new QRadioButton(design.caption, SelectNoGames);
        button->setObjectName(design.name);
        button->setToolTip(toolTip);
        button->setAccessibleName(cards == 1 ? "1 card" : QString("%1 cards").arg(cards));
        button->setAccessibleDescription(toolTip);
        fixColours(button, kLightBlue, kWhite);
        place(button, {design.left, 240, design.width, 195});
        connect(button, &QRadioButton::clicked, this,
                [this, cards] { emit cardCountClicked(cards); });
        sel_[cards] = button;
    }
    sel_[0]->setChecked(true);
}

QPushButton* Form1::pictureButton(const PictureButtonDesign& design, const QIcon& icon, int left,
                                  QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(design.name);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setToolTip(design.toolTip);
    button->setAccessibleName(design.spokenName);
    button->setAccessibleDescription(design.toolTip);
    fixColours(button, kLightBlue, kBlack);
    place(button, {left, 240, 555, 555});
    return button;
}

void Form1::buildButtons(FramePanel* frame1) {
    StartButton =
        pictureButton({"StartButton", "Start Game", "Start"}, pictures_.startIcon(), 5100, frame1);
    connect(StartButton, &QPushButton::clicked, this, &Form1::startClicked);
    pausebutton =
        pictureButton({"pausebutton", "Pause Game", "Pause"}, pictures_.pauseIcon(), 5880, frame1);
    connect(pausebutton, &QPushButton::clicked, this, &Form1::pauseClicked);
    givesCommand(pictureButton({"scorebutton", "High Scores", "High Scores"},
                               pictures_.scoresIcon(), 6600, frame1),
                 score);
    givesCommand(pictureButton({"PrintButton", "Print Cards", "Print"}, pictures_.printerIcon(),
                               7320, frame1),
                 mnuFilePrint);
}

void Form1::givesCommand(QPushButton* button, QAction* command) {
    connect(button, &QPushButton::clicked, command, &QAction::trigger);
    connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
    button->setEnabled(command->isEnabled());
}

void Form1::buildScoreBoard(QWidget* picture) {
    auto* ScoreBoard =
        new FramePanel("Scoreboard", kLightYellow, kBlack, FramePanel::Border::Flat, picture);
    ScoreBoard->setObjectName("ScoreBoard");
    place(ScoreBoard, {420, 1440, 7935, 2175});
    for (int row = 0; row < 5; ++row) {
        columnHeader(row, row, 180, 240 + kRowPitch * row, ScoreBoard);
    }
    std::vector<CellLabel*> inRowOrder;
    for (int n = 1; n <= kNumberCount; ++n) {
        const int row = (n - 1) / 15;
        const int column = (n - 1) % 15;
        auto* cell = new CellLabel(QString::number(n), kWhite, kBlack, true, ScoreBoard);
        cell->setObjectName(QString("Label1_%1").arg(n));
        cell->setGeometry(
            twipsRect(660 + kColumnPitch * column, 240 + kRowPitch * row, kCellWidth, kCellHeight));
        cell->setGridPlace("Scoreboard", QString("%1 row").arg(bingoLetter(row)), "called");
        Label1[n] = cell;
        inRowOrder.push_back(cell);
    }
    new CellGrid(
        std::move(inRowOrder), 15, [this](const QString& message) { announce(message); },
        ScoreBoard);
}

void Form1::buildCards(QWidget* picture) {
    constexpr Ctl kGrids[kCardGrids] = {Ctl::Label3, Ctl::Label4, Ctl::Label5};
    for (int card = 0; card < kCardGrids; ++card) {
        const CardDesign& design = kCardDesigns[card];
        auto* panel =
            new FramePanel(design.caption, kLightYellow, kBlack, FramePanel::Border::Flat, picture);
        panel->setObjectName(design.frameName);
        place(panel, design.rect);
        const QString cardName = QString("Card %1").arg(card + 1);
        panel->setAccessibleName(cardName); // its caption says "Game"; its cells say "Card"
        cardFrames_[card] = panel;
        for (int column = 0; column < 5; ++column) {
            columnHeader(design.firstHeader + design.headerStep * column, column,
                         120 + kColumnPitch * column, 240, panel);
        }
        std::vector<CellLabel*> inRowOrder(kCellCount);
        for (int i = 1; i <= kCellCount; ++i) {
            const int column = (i - 1) / 5;
            const int row = (i - 1) % 5;
            auto* cell = new CellLabel(" ", kWhite, kBlack, true, panel);
            cell->setGridPlace(cardName, cellPlace(i), "marked");
            if (i == kFreeCentre) {
                cell->setSpokenCaption("free");
            }
            inRowOrder[row * 5 + column] = cell;
            cell->setObjectName(QString("%1_%2").arg(design.cellName).arg(i));
            cell->setGeometry(twipsRect(120 + kColumnPitch * column, 600 + kRowPitch * row,
                                        kCellWidth, kCellHeight));
            const Ctl grid = kGrids[card];
            connect(cell, &CellLabel::clicked, this,
                    [this, grid, i] { emit cellClicked(grid, i); });
            cards_[card][i] = cell;
        }
        new CellGrid(
            std::move(inRowOrder), 5, [this](const QString& message) { announce(message); }, panel);
    }
}

void Form1::buildGameTypes(QWidget* client) {
    auto* Frame2 =
        new FramePanel("Game Type", kLightYellow, kBlack, FramePanel::Border::Etched, client);
    Frame2->setObjectName("Frame2");
    place(Frame2, {8640, 240, 1455, 3135});
    Frame2->raise(); // over the right-hand side of the background picture
    for (int i = 0; i < kGameTypes; ++i) {
        auto* button = new QRadioButton(kGameTypeDesigns[i].caption, Frame2);
        button->setObjectName(QString("selgametype_%1").arg(i));
        button->setAccessibleDescription("Game type");
        fixColours(button, kLightYellow, kBlack);
        place(button, {60, kGameTypeDesigns[i].top, 1275, 195});
        selgametype[i] = button;
    }
    selgametype[0]->setChecked(true);
}

void Form1::buildSpeed(QWidget* picture) {
    auto* Frame3 =
        new FramePanel("Caller Speed", kLightYellow, kBlack, FramePanel::Border::Flat, picture);
    Frame3->setObjectName("Frame3");
    place(Frame3, {8640, 3660, 1455, 1095});
    Slider1 = new QSlider(Qt::Horizontal, Frame3);
    readAsSeconds(Slider1, kPauseMillisecondsPerSpeedStep / 1000.0); // before it is ever read
    Slider1->setObjectName("Slider1");
    Slider1->setToolTip("Adjust Caller Speed");
    // Read as what it sets: 0 is the fastest caller, 20 the slowest.
    Slider1->setAccessibleName("Seconds between calls");
    Slider1->setAccessibleDescription(Slider1->toolTip());
    Slider1->setRange(0, 20);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(5);
    Slider1->setTickInterval(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setValue(5);
    place(Slider1, {120, 480, 1215, 390});
}

} // namespace zandor::ui
