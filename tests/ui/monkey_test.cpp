// Random play through the real window, offscreen: every control, the menus, Start, Pause and the
// speed slider, over seeded rounds, some closed in the middle of a game. After every game or print
// one winner must have been announced and the window be ready to choose.
#include "modal_closer.h"
#include "test_window.h"
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
constexpr int kActionsPerRound = 250;
constexpr int kInGamePace = 5; // milliseconds between actions during a game
const QString kNoCash = "You do not have enough cash - try again";

// One window played by a seeded monkey; every third round closes it halfway through a game.
class Round : public QObject {
public:
    Round(int seed, QStringList& faults)
        : window_(static_cast<std::uint64_t>(seed)), rng_(seed), seed_(seed),
          closeAt_(seed % 3 == 0 ? 1 + pick(20) : 0), faults_(faults) {}

    void play() {
        connect(&tick_, &QTimer::timeout, this, &Round::act);
        QTest::keyClick(widget("Slider1"), Qt::Key_Home); // the fastest caller
        sinceAction_.start();
        tick_.start(1);
        QTRY_VERIFY_WITH_TIMEOUT(closed_ || (actions_ >= kActionsPerRound && !playing()), 60000);
        tick_.stop();
        if (closed_) { // mid-game: the game has stopped and nothing more happens
            QVERIFY(!window_.form.isVisible());
            QVERIFY(!playing());
            const QStringList said = closer_.messages + closer_.winnersCards;
            const int balance = state().balance;
            QTest::qWait(20);
            QCOMPARE(closer_.messages + closer_.winnersCards, said);
            QCOMPARE(state().balance, balance);
            QVERIFY(balance >= 0);
        }
    }

    int games_ = 0;
    bool closed_ = false;

private:
    GameState& state() { return window_.state(); }
    bool playing() { return window_.controller.game().isPlaying(); }
    template <typename T = QWidget>
    T* widget(const QString& name) {
        return window_.widget<T>(name);
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    void expect(bool ok, const QString& what) {
        if (!ok && faults_.size() < 20) {
            faults_ << QString("seed %1, action %2: %3").arg(seed_).arg(actions_).arg(what);
        }
    }
    // Clicks a widget somewhere inside it, or triggers a menu command.
    void click(QObject* control) {
        if (auto* action = qobject_cast<QAction*>(control)) {
            return action->trigger();
        }
        auto* target = static_cast<QWidget*>(control);
        if (target->isVisible() && target->isEnabled()) {
            QTest::mouseClick(target, Qt::LeftButton, {},
                              QPoint(pick(target->width()), pick(target->height())));
        }
    }
    // Start runs the whole game inside its click: pressed from the event loop, the monkey goes on
    // acting in the game.
    void later(QObject* control) {
        QTimer::singleShot(0, this, [this, control] { press(control); });
    }

    void act() {
        auto* slider = widget<QSlider>("Slider1");
        if (actions_ >= kActionsPerRound) {
            slider->setValue(0); // let the last game finish quickly
        }
        // A modal window is answered by the closer, and a press is settled, before the monkey
        // goes on; it only acts inside a press while a game runs.
        const bool inGame = playing();
        if (QApplication::activeModalWidget() != nullptr || closed_ || (pressing_ && !inGame) ||
            actions_ >= kActionsPerRound || (inGame && sinceAction_.elapsed() < kInGamePace)) {
            return;
        }
        sinceAction_.restart();
        ++actions_;
        // Only while refusing a stake may the balance be below $0, until it is reset.
        expect(state().balance >= 0 ||
                   closer_.messages.value(closer_.messages.size() - 1) == kNoCash,
               QString("balance %1").arg(state().balance));
        const int roll = pick(100);
        if (inGame && ++inGameActions_ == closeAt_) {
            closed_ = true;
            // by File, Exit or the close box
            roll < 50 ? widget<QAction>("mnuFileExit")->trigger() : void(window_.form.close());
        } else if (roll < (inGame ? 5 : 25)) {
            later(widget("StartButton")); // in a game it is disabled and nothing happens
        } else if (roll < (inGame ? 15 : 50)) {
            click(widget(inGame ? QString("pausebutton") : QString("sel%1_1").arg(pick(4))));
        } else if (roll < (inGame ? 19 : 55)) {
            slider->setValue(pick(20) == 0 ? pick(21) : pick(4) == 0 ? 1 + pick(2) : 0);
        } else if (inGame && roll < 50) {
            click(widget(QString("Label%1_%2").arg(3 + pick(3)).arg(1 + pick(25))));
        } else if (roll < 58) {
            later(widget("PrintButton"));
        } else {
            anyControl(!inGame);
        }
    }

    // A click on any reachable control or, between games, any enabled menu command but Exit,
    // which only the closing rounds use.
    void anyControl(bool withMenus) {
        QObjectList reachable;
        for (QWidget* control : window_.form.centralWidget()->findChildren<QWidget*>()) {
            if (control->isVisible() && control->isEnabled()) {
                reachable << control;
            }
        }
        for (QMenu* menu : window_.form.menuBar()->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (withMenus && action->isEnabled() && !action->isSeparator() &&
                    action->objectName() != "mnuFileExit") {
                    reachable << action;
                }
            }
        }
        QObject* chosen = reachable[pick(static_cast<int>(reachable.size()))];
        const QString name = chosen->objectName();
        if (name == "StartButton" || name == "PrintButton" || name == "mnuFilePrint") {
            later(chosen);
        } else {
            click(chosen);
        }
    }

    // Presses Start or Print and checks the refused stake, the one winner, and the window back in
    // its choosing state.
    void press(QObject* control) {
        const bool game = control->objectName() == "StartButton";
        if (closed_ || pressing_ || QApplication::activeModalWidget() != nullptr ||
            !widget(game ? "StartButton" : "PrintButton")->isEnabled()) {
            return;
        }
        int cards = 3;
        while (cards > 0 && !widget<QAbstractButton>(QString("sel%1_1").arg(cards))->isChecked()) {
            --cards;
        }
        const int before = state().balance;
        const qsizetype messages = closer_.messages.size();
        const qsizetype winnersCards = closer_.winnersCards.size();
        games_ += game ? 1 : 0;
        pressing_ = true;
        click(control);
        pressing_ = false;
        if (closed_) {
            return; // stopped halfway: play() looks at what it left
        }
        const QStringList said = closer_.messages.mid(messages);
        const QString at = QString("%1 from $%2: ").arg(control->objectName()).arg(before);
        if (!game && cards == 0) {
            return expect(said == QStringList{"Please select number of cards before printing."},
                          at + "without cards said " + said.join(" / "));
        }
        // The stake and jackpot arithmetic is the engine's tests' business; here every game must
        // announce exactly one winner, unless the stake was refused.
        const bool refused = before < 6 * cards;
        expect(!refused || said.contains(kNoCash), at + "a stake beyond the balance not refused");
        if (game && !refused) {
            const qsizetype announced = said.filter("We have a winner and it was you").size() +
                                        closer_.winnersCards.size() - winnersCards;
            expect(announced == 1, at + QString("%1 winners announced").arg(announced));
            // A winner's card shows its free centre as 0 on red.
            for (const QString& card : closer_.winnersCards.mid(winnersCards)) {
                expect(card.split('|')[1].split(',')[12] == "0" &&
                           card.split('|')[2].split(',').contains("13"),
                       at + "the winner's card shows " + card);
            }
        }
        expect(closer_.moreThanTitleAndClose.isEmpty(),
               at + "a box offers more than its title and close button");
        expect(widget("GAME1")->isHidden() && widget("Game2")->isHidden() &&
                   widget("Game3")->isHidden() && widget<QAbstractButton>("sel0_1")->isChecked() &&
                   !widget("StartButton")->isEnabled() && !widget("pausebutton")->isEnabled() &&
                   widget("SelectNoGames")->isEnabled(),
               at + "not back in the choosing state");
    }

    test::TestWindow window_;
    test::ModalCloser closer_;
    std::mt19937 rng_;
    int seed_;
    int closeAt_; // the in-game action that closes the window, 0 for never
    QStringList& faults_;
    QTimer tick_;
    QElapsedTimer sinceAction_;
    int inGameActions_ = 0;
    int actions_ = 0;
    bool pressing_ = false;
};

// Every message box shown offscreen warns about size hints; thousands of them hide the report.
QtMessageHandler defaultHandler = nullptr;

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomPlayKeepsEveryGameConsistent() {
        ui::applyApplicationLook();
        defaultHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.contains("propagateSizeHints")) {
                    defaultHandler(type, context, message);
                }
            });
        QStringList faults;
        int games = 0;
        int closes = 0;
        for (int seed = 1; seed <= kRounds && !QTest::currentTestFailed(); ++seed) {
            Round round(seed, faults);
            round.play();
            games += round.games_;
            closes += round.closed_ ? 1 : 0;
        }
        qInfo("%d games, %d windows closed mid-game", games, closes);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(games >= kRounds);
        QVERIFY(closes >= 2);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
