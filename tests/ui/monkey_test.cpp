// Random play through the real window, offscreen: clicks on every control a player can reach,
// Start and Pause presses, speed changes and the File menu, over rounds with different seeds,
// some of them closed in the middle of a game. After every game the window and the game must be
// back where a new game starts, and the balance must add up from the stakes and jackpots shown.
#include "modal_closer.h"
#include "test_window.h"
#include "ui/cell_label.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTimer>
#include <random>

using namespace zandor;

namespace {

constexpr int kRounds = 12;
constexpr int kActionsPerRound = 250; // 3000 actions in all
constexpr int kInGamePace = 5;        // milliseconds between actions during a game
const QString kNoCash = "You do not have enough cash - try again";
const QString kPlayerWon = "We have a winner and it was you, Your Balance is now $";

// One window with its game, played by a seeded monkey until its actions run out or it closes
// the window halfway through a game.
class Round : public QObject {
public:
    Round(int seed, bool closeMidGame, QStringList& faults)
        : window_(static_cast<std::uint64_t>(seed)), rng_(seed), seed_(seed),
          closeMidGame_(closeMidGame), faults_(faults) {
        connect(&tick_, &QTimer::timeout, this, &Round::act);
    }

    // Plays until the actions are spent and no game is running, or the window has closed.
    void play() {
        QTest::keyClick(widget("Slider1"), Qt::Key_Home); // the fastest caller to begin with
        sinceAction_.start();
        tick_.start(1);
        QTRY_VERIFY_WITH_TIMEOUT(closed_ || (actions_ >= kActionsPerRound && !playing()), 60000);
        tick_.stop();
        if (closed_) {
            checkClosed();
        } else {
            QCOMPARE(state().no_of_games, games_);
        }
    }

    int games() const { return games_; }
    bool closed() const { return closed_; }

private:
    GameState& state() { return window_.state(); }
    bool playing() { return window_.controller.game().isPlaying(); }
    template <typename T = QWidget>
    T* widget(const QString& name) {
        return window_.widget<T>(name);
    }
    QString panel(int n) { return window_.panel(n); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    void fault(const QString& what) {
        if (faults_.size() < 20) {
            faults_ << QString("seed %1, action %2: %3").arg(seed_).arg(actions_).arg(what);
        }
    }
    int cardsBought() {
        for (int cards = 3; cards >= 1; --cards) {
            if (widget<QAbstractButton>(QString("sel%1_1").arg(cards))->isChecked()) {
                return cards;
            }
        }
        return 0;
    }

    void act() {
        // While a window is modal the player can only answer it: the closer does.
        if (QApplication::activeModalWidget() != nullptr) {
            return;
        }
        if (closed_ || actions_ >= kActionsPerRound) {
            if (!closed_ && widget<QSlider>("Slider1")->value() != 0) {
                widget<QSlider>("Slider1")->setValue(0); // let the last game finish quickly
            }
            return;
        }
        // In a game the player acts every few milliseconds, between games as fast as can be.
        if (playing() && sinceAction_.elapsed() < kInGamePace) {
            return;
        }
        sinceAction_.restart();
        ++actions_;
        if (state().balance < 0) {
            fault(QString("balance %1").arg(state().balance));
        }
        const int roll = pick(100);
        if (!playing()) {
            // Between games: buy cards and start more often than anything else.
            if (roll < 25) {
                // Start runs the whole game inside its click; the monkey goes on acting in it.
                QTimer::singleShot(0, this, &Round::pressStart);
            } else if (roll < 50) {
                click(widget(QString("sel%1_1").arg(pick(4))));
            } else if (roll < 53) {
                print(false);
            } else if (roll < 55) {
                menuCommand();
            } else if (roll < 60) {
                moveSlider();
            } else {
                clickAnyControl();
            }
        } else if (closeMidGame_ && ++inGameActions_ == closeAt_) {
            closed_ = true;
            if (roll < 50) {
                window_.form.findChild<QAction*>("mnuFileExit")->trigger();
            } else {
                window_.form.close();
            }
        } else if (roll < 10) {
            click(widget("pausebutton"));
        } else if (roll < 15) {
            QTimer::singleShot(0, this, &Round::pressStart); // disabled: nothing happens
        } else if (roll < 19) {
            moveSlider();
        } else if (roll < 50) {
            click(widget(QString("Label%1_%2").arg(3 + pick(3)).arg(1 + pick(25))));
        } else {
            clickAnyControl();
        }
    }

    void click(QWidget* target) {
        if (target->isVisible() && target->isEnabled()) {
            const QPoint at(pick(target->width()), pick(target->height()));
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
        }
    }

    void clickAnyControl() {
        QList<QWidget*> reachable;
        for (QWidget* control : window_.form.centralWidget()->findChildren<QWidget*>()) {
            if (control->isVisible() && control->isEnabled()) {
                reachable << control;
            }
        }
        QWidget* chosen = reachable[pick(static_cast<int>(reachable.size()))];
        if (chosen->objectName() == "StartButton") {
            QTimer::singleShot(0, this, &Round::pressStart); // counted and checked there
        } else {
            click(chosen);
        }
    }

    // Any enabled command of the File and Help menus but Exit, which only closes rounds.
    void menuCommand() {
        QList<QAction*> enabled;
        for (QMenu* menu : window_.form.menuBar()->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (action->isEnabled() && !action->isSeparator() &&
                    action->objectName() != "mnuFileExit") {
                    enabled << action;
                }
            }
        }
        QAction* chosen = enabled[pick(static_cast<int>(enabled.size()))];
        if (chosen->objectName() == "mnuFilePrint") {
            print(true);
        } else {
            chosen->trigger();
        }
    }

    void moveSlider() {
        auto* slider = widget<QSlider>("Slider1");
        const int how = pick(20);
        if (how < 13) {
            slider->setValue(0);
        } else if (how < 16) {
            slider->setValue(1 + pick(2));
        } else if (how < 19) {
            QTest::keyClick(slider, pick(2) == 0 ? Qt::Key_Home : Qt::Key_Right);
        } else {
            slider->setValue(pick(21)); // now and then a slow caller
        }
    }

    void print(bool fromMenu) {
        if (!widget("PrintButton")->isEnabled()) {
            return;
        }
        const int cards = cardsBought();
        const int before = state().balance;
        const qsizetype messages = closer_.messages.size();
        if (fromMenu) {
            window_.form.findChild<QAction*>("mnuFilePrint")->trigger();
        } else {
            click(widget("PrintButton"));
        }
        if (closed_) {
            return;
        }
        const QStringList said = closer_.messages.mid(messages);
        if (cards == 0) {
            if (said != QStringList{"Please select number of cards before printing."}) {
                fault("print without cards: " + said.join(" / "));
            }
            return;
        }
        checkSettled("print", before, before - 6 * cards, said);
    }

    void pressStart() {
        if (closed_ || !widget("StartButton")->isEnabled() ||
            QApplication::activeModalWidget() != nullptr) {
            return;
        }
        const int cards = cardsBought();
        const int before = state().balance;
        const qsizetype messages = closer_.messages.size();
        const qsizetype cardsShown = closer_.winnersCards.size();
        ++games_;
        click(widget("StartButton"));
        if (closed_) {
            return; // the game stopped halfway; checkClosed() looks at what it left
        }
        const QStringList said = closer_.messages.mid(messages);
        int expected = before - 6 * cards;
        if (expected >= 0) {
            const bool playerWon = !said.filter(kPlayerWon).isEmpty();
            const qsizetype announcements =
                said.filter(kPlayerWon).size() + closer_.winnersCards.size() - cardsShown;
            if (announcements != 1) {
                fault(QString("a game with %1 announcements").arg(announcements));
            }
            if (playerWon) {
                expected += panel(4).mid(QString("Jackpot = $").size()).toInt();
                if (panel(4) != QString("Jackpot = $%1").arg(state().jackpot)) {
                    fault("jackpot shown as " + panel(4));
                }
            }
        }
        checkSettled("game", before, expected, said);
        if (state().no_of_games != games_) {
            fault(QString("%1 Start presses counted as %2").arg(games_).arg(state().no_of_games));
        }
    }

    // After a game or a print: the stake and any jackpot settled, and the window ready for the
    // next game.
    void checkSettled(const char* what, int before, int expected, const QStringList& said) {
        const QString game = QString("%1 from $%2: ").arg(what).arg(before);
        if (expected < 0) {
            expected = 60;
            if (!said.contains(kNoCash)) {
                fault(game + "beyond the balance, not refused");
            }
        } else if (panel(2) != QString("Balance = $%1").arg(expected)) {
            fault(game + QString("balance shown as %1, expected $%2").arg(panel(2)).arg(expected));
        }
        if (state().balance != expected) {
            fault(game + QString("balance %1, expected %2").arg(state().balance).arg(expected));
        }
        for (int card = 1; card <= kCardCount; ++card) {
            for (int cell = 1; cell <= kCellCount; ++cell) {
                if (state().Cards[card].cell[cell].mark != 0) {
                    return fault(game +
                                 QString("card %1 cell %2 still marked").arg(card).arg(cell));
                }
            }
        }
        for (int n = 1; n <= kNumberCount; ++n) {
            if (widget<ui::CellLabel>(QString("Label1_%1").arg(n))->backColor() != kWhite) {
                fault(game + QString("scoreboard cell %1 not white").arg(n));
            }
        }
        const bool choosing =
            widget("GAME1")->isHidden() && widget("Game2")->isHidden() &&
            widget("Game3")->isHidden() && widget<QAbstractButton>("sel0_1")->isChecked() &&
            !widget("StartButton")->isEnabled() && !widget("pausebutton")->isEnabled() &&
            widget("SelectNoGames")->isEnabled();
        if (!choosing) {
            fault(game + "the window is not back in the choosing state");
        }
    }

    void checkClosed() {
        QVERIFY(!window_.form.isVisible());
        QVERIFY(!playing());
        const qsizetype said = closer_.messages.size() + closer_.winnersCards.size();
        QTest::qWait(20);
        QCOMPARE(closer_.messages.size() + closer_.winnersCards.size(), said);
        QVERIFY(state().balance >= 0);
    }

    test::TestWindow window_;
    test::ModalCloser closer_;
    std::mt19937 rng_;
    QTimer tick_;
    QElapsedTimer sinceAction_;
    int seed_;
    bool closeMidGame_;
    QStringList& faults_;
    int closeAt_ = 1 + pick(20); // the in-game action that closes the window, if this round does
    int inGameActions_ = 0;
    int actions_ = 0;
    int games_ = 0;
    bool closed_ = false;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomPlayKeepsEveryGameConsistent();
};

// Every message box shown offscreen warns about size hints; thousands of them hide the report.
QtMessageHandler defaultHandler = nullptr;

void MonkeyTest::initTestCase() {
    ui::applyApplicationLook();
    defaultHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains("propagateSizeHints")) {
                defaultHandler(type, context, message);
            }
        });
}

void MonkeyTest::randomPlayKeepsEveryGameConsistent() {
    QStringList faults;
    int games = 0;
    int closes = 0;
    for (int seed = 1; seed <= kRounds; ++seed) {
        Round round(seed, seed % 3 == 0, faults);
        round.play();
        if (QTest::currentTestFailed()) {
            return;
        }
        games += round.games();
        closes += round.closed() ? 1 : 0;
    }
    qInfo("%d games, %d windows closed mid-game", games, closes);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY(games >= kRounds);
    QVERIFY(closes >= 2);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
