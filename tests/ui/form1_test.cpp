// The main window offscreen: every control where it was designed, the starting state, each
// event reaching the game, and whole games played through the real widgets.
#include "modal_closer.h"
#include "test_window.h"
#include "ui/frame_panel.h"
#include "ui/look.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QSlider>

using namespace zandor;

using Table = test::TestWindow;

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::applyApplicationLook(); }
    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void resizingMovesNothing();
    void startsInTheChoosingState();
    void menusHaveTheirAccessKeysAndNoShortcuts();
    void eventsReachTheGame();
    void printWithoutCardsIsRefused();
    void printWithoutPrinterSavesAPdf();
    void wholeGamesEndInTheChoosingState_data();
    void wholeGamesEndInTheChoosingState();
    void pauseHoldsTheGameUntilClosed();
    void closingMidGameStopsTheGame();
};

void Form1Test::controlsSitWhereDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    const QString cards = "Select the number of games to play";
    struct Row {
        const char* name;
        const char* parent;
        QRect twips;
        const char* caption;
        QString toolTip;
    };
    const Row rows[] = {
        {"Picture1", "client", {0, 0, 10215, 6675}, "", ""},
        {"Frame1", "Picture1", {420, 300, 7935, 915}, "", ""},
        {"SelectNoGames", "Frame1", {60, 180, 2535, 495}, "No of Games to play.", cards},
        {"sel0_1", "SelectNoGames", {360, 240, 495, 195}, "0", cards},
        {"sel1_1", "SelectNoGames", {880, 240, 495, 195}, "1", cards},
        {"sel2_1", "SelectNoGames", {1400, 240, 495, 195}, "2", cards},
        {"sel3_1", "SelectNoGames", {1920, 240, 435, 195}, "3", cards},
        {"automancheck", "Frame1", {2820, 360, 975, 255}, "Manual", "Auto / Manual Switch"},
        {"CalledNumberDisplay", "Frame1", {4020, 240, 915, 555}, "!!", "Called Number"},
        {"StartButton", "Frame1", {5100, 240, 555, 555}, "", "Start Game"},
        {"pausebutton", "Frame1", {5880, 240, 555, 555}, "", "Pause Game"},
        {"scorebutton", "Frame1", {6600, 240, 555, 555}, "", "High Scores"},
        {"PrintButton", "Frame1", {7320, 240, 555, 555}, "", "Print Cards"},
        {"ScoreBoard", "Picture1", {420, 1440, 7935, 2175}, "Scoreboard", ""},
        {"GAME1", "Picture1", {480, 3840, 2475, 2415}, "Game 1", ""},
        {"Game2", "Picture1", {3240, 3840, 2475, 2355}, "Game 2", ""},
        {"Game3", "Picture1", {5940, 3840, 2535, 2355}, "Game 3", ""},
        {"Frame3", "Picture1", {8640, 3660, 1455, 1095}, "Caller Speed", ""},
        {"Slider1", "Frame3", {120, 480, 1215, 390}, "", "Adjust Caller Speed"},
        {"Frame2", "client", {8640, 240, 1455, 3135}, "Game Type", ""},
        {"selgametype_0", "Frame2", {60, 300, 1275, 195}, "Random", ""},
        {"selgametype_3", "Frame2", {60, 1200, 1275, 195}, "Diagonal", ""},
        {"selgametype_8", "Frame2", {60, 2640, 1275, 195}, "Full House", ""},
        // Card cells run down the columns; 13 is the centre.
        {"Label3_1", "GAME1", {120, 600, 375, 255}, " ", ""},
        {"Label3_5", "GAME1", {120, 2040, 375, 255}, " ", ""},
        {"Label3_6", "GAME1", {600, 600, 375, 255}, " ", ""},
        {"Label3_13", "GAME1", {1080, 1320, 375, 255}, " ", ""},
        {"Label4_25", "Game2", {2040, 2040, 375, 255}, " ", ""},
        {"Label5_21", "Game3", {2040, 600, 375, 255}, " ", ""},
        // The scoreboard runs along rows of fifteen.
        {"Label1_1", "ScoreBoard", {660, 240, 375, 255}, "1", ""},
        {"Label1_15", "ScoreBoard", {7380, 240, 375, 255}, "15", ""},
        {"Label1_16", "ScoreBoard", {660, 600, 375, 255}, "16", ""},
        {"Label1_75", "ScoreBoard", {7380, 1680, 375, 255}, "75", ""},
        // The shared header array: the board's rows, then B..O of each card.
        {"Label2_0", "ScoreBoard", {180, 240, 375, 255}, "B", ""},
        {"Label2_4", "ScoreBoard", {180, 1680, 375, 255}, "O", ""},
        {"Label2_9", "GAME1", {120, 240, 375, 255}, "B", ""},
        {"Label2_5", "GAME1", {2040, 240, 375, 255}, "O", ""},
        {"Label2_10", "Game2", {120, 240, 375, 255}, "B", ""},
        {"Label2_14", "Game2", {2040, 240, 375, 255}, "O", ""},
        {"Label2_15", "Game3", {120, 240, 375, 255}, "B", ""},
        {"Label2_19", "Game3", {2040, 240, 375, 255}, "O", ""},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << row.name << row.parent << row.twips << row.caption
                                << row.toolTip;
    }
}

void Form1Test::controlsSitWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    Table table;
    QWidget* control = table.widget(name);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(),
             ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QString shown;
    if (auto* label = qobject_cast<ui::CellLabel*>(control)) {
        shown = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        shown = button->text();
    } else if (auto* panel = qobject_cast<ui::FramePanel*>(control)) {
        shown = panel->caption();
    }
    QCOMPARE(shown, caption);
    QCOMPARE(control->toolTip(), toolTip);
}

void Form1Test::resizingMovesNothing() {
    Table table;
    const auto controls = table.widget("client")->findChildren<QWidget*>();
    QList<QRect> before;
    for (QWidget* control : controls) {
        before << QRect(control->mapTo(&table.form, QPoint()), control->size());
    }
    for (QSize size : {QSize(300, 200), QSize(1400, 1000)}) {
        table.form.resize(size);
        QCoreApplication::processEvents();
        for (int i = 0; i < controls.size(); ++i) {
            QCOMPARE(QRect(controls[i]->mapTo(&table.form, QPoint()), controls[i]->size()),
                     before[i]);
        }
    }
}

void Form1Test::startsInTheChoosingState() {
    Table table;
    for (const char* frame : {"GAME1", "Game2", "Game3"}) {
        QVERIFY(table.widget(frame)->isHidden());
    }
    QVERIFY(!table.widget("StartButton")->isEnabled());
    QVERIFY(!table.widget("pausebutton")->isEnabled());
    QVERIFY(table.widget("SelectNoGames")->isEnabled());
    QVERIFY(table.widget<QAbstractButton>("sel0_1")->isChecked());
    QVERIFY(table.widget<QAbstractButton>("selgametype_0")->isChecked());
    QVERIFY(!table.widget<QAbstractButton>("automancheck")->isChecked());
    QCOMPARE(table.widget<QSlider>("Slider1")->value(), 5);
    QCOMPARE(table.widget<QSlider>("Slider1")->maximum(), 20);
    const QStringList panels = {"Game Type = ", "Balance $60.00", "Number", "Prize"};
    for (int i = 0; i < panels.size(); ++i) {
        QCOMPARE(table.panel(i + 1), panels[i]);
    }
    QVERIFY(!table.panel(5).isEmpty()); // the clock
    QCOMPARE(table.form.windowTitle(), QString("Zandor Bingo"));
    QVERIFY(!table.form.windowIcon().isNull());
}

void Form1Test::menusHaveTheirAccessKeysAndNoShortcuts() {
    Table table;
    const struct {
        const char* name;
        const char* caption;
    } items[] = {{"score", "&Hi-Scores"},          {"mnuFilePageSetup", "Page Set&up"},
                 {"mnuFilePrint", "&Print"},       {"mnuFileExit", "E&xit"},
                 {"mnuHelpContents", "&Contents"}, {"mnuHelpAbout", "&About"}};
    for (const auto& item : items) {
        auto* action = table.form.findChild<QAction*>(item.name);
        QVERIFY2(action != nullptr, item.name);
        QCOMPARE(action->text(), QString(item.caption));
        QVERIFY(action->isEnabled());
        QVERIFY(action->shortcut().isEmpty());
    }
    QStringList menus;
    for (QAction* menu : table.form.menuBar()->actions()) {
        menus << menu->text();
    }
    QCOMPARE(menus, QStringList({"&File", "&Help"}));
}

void Form1Test::eventsReachTheGame() {
    Table table;
    test::ModalCloser closer;
    table.click("sel2_1");
    QVERIFY(table.widget("GAME1")->isVisible() && table.widget("Game2")->isVisible());
    QVERIFY(table.widget("Game3")->isHidden());
    QVERIFY(table.widget("StartButton")->isEnabled());
    table.click("automancheck");
    QCOMPARE(table.widget<QAbstractButton>("automancheck")->text(), QString("Auto"));
    table.click("Label4_7");
    QCOMPARE(table.cell("Label4_7")->backColor(), kRed);
    table.click("Label4_7");
    QCOMPARE(table.cell("Label4_7")->backColor(), kWhite);
    table.click("sel0_1");
    QVERIFY(table.widget("GAME1")->isHidden());
    QVERIFY(!table.widget("StartButton")->isEnabled());
    table.controller.game().state().balance = 6;
    table.click("sel3_1");
    QTRY_COMPARE(closer.messages, QStringList{"You do not have enough cash to play three cards"});
}

void Form1Test::printWithoutCardsIsRefused() {
    Table table;
    test::ModalCloser closer;
    table.click("PrintButton");
    QCOMPARE(closer.messages, QStringList{"Please select number of cards before printing."});
    QCOMPARE(table.controller.game().state().balance, 60);
}

void Form1Test::printWithoutPrinterSavesAPdf() {
    Table table;
    test::ModalCloser closer;
    table.click("sel1_1");
    table.form.findChild<QAction*>("mnuFilePrint")->trigger();
    const QStringList pdfs = QDir(table.folder.path()).entryList({"*.pdf"});
    QCOMPARE(pdfs.size(), 1);
    QCOMPARE(closer.messages, QStringList{"No printer is installed, so the cards were saved as " +
                                          QDir(table.folder.path()).filePath(pdfs[0])});
    QVERIFY(QFileInfo(QDir(table.folder.path()).filePath(pdfs[0])).size() > 1000);
    QCOMPARE(table.panel(2), QString("Balance = $54"));
    QVERIFY(table.widget<QAbstractButton>("sel0_1")->isChecked());
    QVERIFY(table.widget("GAME1")->isHidden());
}

void Form1Test::wholeGamesEndInTheChoosingState_data() {
    QTest::addColumn<int>("seed");
    QTest::addColumn<QString>("cards");
    QTest::addColumn<bool>("autoMark");
    for (int seed = 1; seed <= 6; ++seed) {
        const QString cards = QString("sel%1_1").arg(1 + seed % 3);
        QTest::addRow("seed %d", seed) << seed << cards << (seed % 2 == 0);
    }
}

void Form1Test::wholeGamesEndInTheChoosingState() {
    QFETCH(int, seed);
    QFETCH(QString, cards);
    QFETCH(bool, autoMark);
    Table table(static_cast<std::uint64_t>(seed));
    test::ModalCloser closer;
    table.widget<QSlider>("Slider1")->setValue(0);
    if (autoMark) {
        table.click("automancheck");
    }
    table.click(cards);
    table.click("StartButton");

    const GameState& state = table.controller.game().state();
    QCOMPARE(closer.messages.size() + closer.winnersCards.size(), 1);
    if (state.whowon == "you") {
        QCOMPARE(
            closer.messages[0],
            QString("We have a winner and it was you, Your Balance is now $%1").arg(state.balance));
    } else {
        const QStringList shown = closer.winnersCards[0].split('|');
        QCOMPARE(shown[0], QString::fromStdString(state.whowon) + " is the winner.");
        QCOMPARE(shown[1].split(',')[12], QString("0"));
        QVERIFY(shown[2].split(',').contains("13"));
    }
    QCOMPARE(table.panel(1), QString("Game = "));
    QCOMPARE(table.panel(2), QString("Balance = $%1").arg(state.balance));
    QCOMPARE(table.panel(3), QString("Number = 1"));
    QCOMPARE(table.cell("CalledNumberDisplay")->text(), QString(" "));
    QVERIFY(table.widget<QAbstractButton>("sel0_1")->isChecked());
    QVERIFY(!table.widget("StartButton")->isEnabled() && !table.widget("pausebutton")->isEnabled());
    QVERIFY(table.widget("SelectNoGames")->isEnabled() && table.widget("PrintButton")->isEnabled());
    for (int n = 1; n <= kNumberCount; ++n) {
        QCOMPARE(table.cell(QString("Label1_%1").arg(n))->backColor(), kWhite);
    }
    for (const char* grid : {"Label3", "Label4", "Label5"}) {
        for (int i = 1; i <= kCellCount; ++i) {
            ui::CellLabel* cell = table.cell(QString("%1_%2").arg(grid).arg(i));
            QCOMPARE(cell->backColor(), kWhite);
            QCOMPARE(cell->text(), QString(" "));
        }
    }
    for (const char* frame : {"GAME1", "Game2", "Game3"}) {
        QVERIFY(table.widget(frame)->isHidden());
        QCOMPARE(table.widget<ui::FramePanel>(frame)->backColor(), kLightYellow);
    }
}

void Form1Test::pauseHoldsTheGameUntilClosed() {
    Table table;
    test::ModalCloser closer;
    table.widget<QSlider>("Slider1")->setValue(1);
    table.click("sel1_1");
    // Pause as soon as the game has begun; the pause message comes before the announcement.
    QTimer::singleShot(50, [&] { table.click("pausebutton"); });
    table.click("StartButton");
    QVERIFY(closer.messages.size() >= 1);
    QCOMPARE(closer.messages[0], QString("GAME PAUSED, Click to continue."));
    QVERIFY(!table.widget("pausebutton")->isEnabled());
}

void Form1Test::closingMidGameStopsTheGame() {
    Table table;
    test::ModalCloser closer;
    table.click("sel3_1");
    int calledBeforeClose = 0;
    QTimer::singleShot(150, [&] {
        calledBeforeClose = table.controller.game().state().maxrecord;
        table.form.close();
    });
    table.click("StartButton");
    QVERIFY(!table.form.isVisible());
    QVERIFY(closer.messages.isEmpty() && closer.winnersCards.isEmpty());
    // No number was called after the close.
    QCOMPARE(table.controller.game().state().maxrecord, calledBeforeClose);
    QVERIFY(!table.controller.game().isPlaying());
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
