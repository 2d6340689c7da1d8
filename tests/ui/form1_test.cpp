// The main window offscreen: a layout that resizing leaves alone, the starting state, events
// reaching the game, Page Setup's choice in the prints, and random whole games through every
// control.
#include "modal_closer.h"
#include "test_window.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QSlider>
#include <random>

using namespace zandor;

using Table = test::TestWindow;

namespace {

const QString kNoCash = "You do not have enough cash - try again";

// One window played from a timer by a seeded monkey, who goes on acting inside the games that
// Start runs within its click; every third round closes the window halfway through a game.
// After every game or print one winner or print must have been announced and the window be
// back in its choosing state.
struct Monkey {
    explicit Monkey(int seed) : window(seed), rng(seed), closeAt(seed % 3 ? 0 : 1 + pick(20)) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool playing() { return window.controller.game().isPlaying(); }
    QWidget* widget(const QString& name) { return window.widget(name); }
    void expect(bool ok, const QString& what) {
        if (!ok) {
            faults << QString("action %1: %2").arg(actions).arg(what);
        }
    }
    // Clicks a widget somewhere inside it, or triggers a menu command.
    void click(QObject* control) {
        auto* target = qobject_cast<QWidget*>(control);
        if (target == nullptr) {
            qobject_cast<QAction*>(control)->trigger();
        } else if (target->isVisible() && target->isEnabled()) {
            QTest::mouseClick(target, Qt::LeftButton, {},
                              QPoint(pick(target->width()), pick(target->height())));
        }
    }
    // Start and Print run a whole game inside their click: pressed from the event loop, so
    // that the timer goes on acting in the game.
    void later(QObject* control) {
        QTimer::singleShot(0, &window.form, [this, control] { press(control); });
    }

    void act() {
        // A modal window is answered by the closer, and a press settled, before acting again.
        const bool inGame = playing();
        if (QApplication::activeModalWidget() != nullptr || closed || (pressing && !inGame) ||
            actions >= 250) {
            return;
        }
        ++actions;
        // Only while refusing a stake may the balance be below $0, until it is reset.
        expect(window.state().balance >= 0 ||
                   closer.messages.value(closer.messages.size() - 1) == kNoCash,
               QString("balance %1").arg(window.state().balance));
        expect(!inGame || !(widget("PrintButton")->isEnabled() ||
                            window.widget<QAction>("mnuFilePrint")->isEnabled()),
               "Print is on during a game");
        auto* slider = window.widget<QSlider>("Slider1");
        const int roll = pick(100);
        if (inGame && ++inGameActions == closeAt) {
            closed = true; // by File, Exit or the close box
            roll < 50 ? window.widget<QAction>("mnuFileExit")->trigger()
                      : void(window.form.close());
        } else if (actions == 250) {
            slider->setValue(0); // the last game finishes quickly
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

    // Any reachable control or, between games, any menu command but Exit, which only the
    // closing rounds use.
    void anyControl(bool withMenus) {
        QObjectList reachable;
        for (QWidget* control : window.form.centralWidget()->findChildren<QWidget*>()) {
            if (control->isVisible() && control->isEnabled()) {
                reachable << control;
            }
        }
        for (QMenu* menu : window.form.menuBar()->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (withMenus && action->isEnabled() && !action->isSeparator() &&
                    action->objectName() != "mnuFileExit") {
                    reachable << action;
                }
            }
        }
        QObject* chosen = reachable[pick(static_cast<int>(reachable.size()))];
        const QString name = chosen->objectName();
        name == "StartButton" || name.contains("Print") ? later(chosen) : click(chosen);
    }

    void press(QObject* control) {
        const bool game = control->objectName() == "StartButton";
        if (closed || pressing || QApplication::activeModalWidget() != nullptr ||
            !widget(game ? "StartButton" : "PrintButton")->isEnabled()) {
            return;
        }
        int cards = 3;
        while (cards > 0 &&
               !window.widget<QAbstractButton>(QString("sel%1_1").arg(cards))->isChecked()) {
            --cards;
        }
        const int before = window.state().balance;
        const qsizetype messages = closer.messages.size(), centres = closer.winnersCentres.size();
        games += game ? 1 : 0;
        pressing = true;
        click(control);
        pressing = false;
        if (closed) {
            return; // stopped halfway: the round looks at what it left
        }
        const QStringList said = closer.messages.mid(messages);
        const QStringList shown = closer.winnersCentres.mid(centres);
        const QString at = QString("%1 from $%2 said %3 and showed winner's cards %4: ")
                               .arg(control->objectName())
                               .arg(before)
                               .arg(said.join(" / "), shown.join(" / "));
        if (!game && cards == 0) {
            return expect(said == QStringList{"Please select number of cards before printing."},
                          at + "printing without cards");
        }
        // The arithmetic is the engine's tests' business; here a stake beyond the balance must
        // be refused, and otherwise every game announce one winner and every print where it went.
        const bool refused = before < 6 * cards;
        const qsizetype announced =
            game ? said.filter("We have a winner and it was you").size() + shown.size()
                 : said.filter(" so the cards were saved as ").size();
        expect(refused ? said.contains(kNoCash) : announced == 1, at + "not one announcement");
        expect(shown.count("0 on red") == shown.size(), at + "a free centre not 0 on red");
        expect(closer.moreThanTitleAndClose.isEmpty(), at + "a box offers more than its title "
                                                            "and close box");
        expect(widget("GAME1")->isHidden() && widget("Game2")->isHidden() &&
                   widget("Game3")->isHidden() &&
                   window.widget<QAbstractButton>("sel0_1")->isChecked() &&
                   !widget("StartButton")->isEnabled() && !widget("pausebutton")->isEnabled() &&
                   widget("SelectNoGames")->isEnabled(),
               at + "not back in the choosing state");
    }

    Table window;
    test::ModalCloser closer;
    std::mt19937 rng;
    int closeAt; // the in-game action that closes the window, 0 for never
    QStringList faults;
    int actions = 0, inGameActions = 0, games = 0;
    bool pressing = false, closed = false;
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::applyApplicationLook(); }

    void resizingMovesNothing() {
        Table table;
        const auto controls = table.widget("client")->findChildren<QWidget*>();
        const auto places = [&] {
            QList<QRect> places;
            for (QWidget* w : controls) {
                places << QRect(w->mapTo(&table.form, QPoint()), w->size());
            }
            return places;
        };
        const QList<QRect> before = places();
        QWidget* status = table.widget("sbStatusBar");
        for (QSize size : {QSize(300, 200), QSize(1400, 1000)}) {
            table.form.resize(size);
            QCoreApplication::processEvents();
            QCOMPARE(places(), before);
            // The status bar stays docked along the bottom, across the whole width.
            QCOMPARE(status->geometry().bottomRight(),
                     status->parentWidget()->rect().bottomRight());
            QCOMPARE(status->width(), status->parentWidget()->width());
        }
    }

    void startsInTheChoosingStateWithItsMenus() {
        Table table;
        QVERIFY(table.widget<QAbstractButton>("sel0_1")->isChecked());
        QVERIFY(table.widget<QAbstractButton>("selgametype_0")->isChecked());
        QCOMPARE(table.widget<QAbstractButton>("automancheck")->text(), QString("Manual"));
        QCOMPARE(table.widget<QSlider>("Slider1")->value(), 5);
        QCOMPARE(QStringList({table.panel(1), table.panel(2), table.panel(3), table.panel(4)}),
                 QStringList({"Game Type = ", "Balance $60.00", "Number", "Prize"}));
        QVERIFY(!table.panel(5).isEmpty()); // the clock
        QCOMPARE(table.form.windowTitle(), QString("Zandor Bingo"));
        // Every menu and item has its access key, no item a shortcut.
        QStringList captions;
        for (QAction* menu : table.form.menuBar()->actions()) {
            captions << menu->text();
            for (QAction* item : menu->menu()->actions()) {
                if (!item->isSeparator()) {
                    captions << item->text();
                    QVERIFY(item->isEnabled() && item->shortcut().isEmpty());
                }
            }
        }
        QCOMPARE(captions, QStringList({"&File", "&Hi-Scores", "Page Set&up", "&Print", "E&xit",
                                        "&Help", "&Contents", "&About"}));
    }

    void eventsReachTheGame() {
        Table table;
        test::ModalCloser closer;
        table.click("sel2_1");
        QVERIFY(table.widget("GAME1")->isVisible() && table.widget("Game2")->isVisible());
        QVERIFY(table.widget("Game3")->isHidden() && table.widget("StartButton")->isEnabled());
        table.click("automancheck");
        QCOMPARE(table.widget<QAbstractButton>("automancheck")->text(), QString("Auto"));
        table.click("Label4_7");
        QCOMPARE(table.cell("Label4_7")->backColor(), kRed);
        table.click("Label4_7");
        QCOMPARE(table.cell("Label4_7")->backColor(), kWhite);
        // A double-click, out of habit, marks it once; another unmarks it. Sent to the window,
        // it comes as the system delivers it: press, release, press, double-click, release.
        const QPoint cell = table.cell("Label4_7")->mapTo(&table.form, QPoint(10, 8));
        for (Rgb colour : {kRed, kWhite}) {
            QTest::mouseDClick(table.form.windowHandle(), Qt::LeftButton, {}, cell);
            QCOMPARE(table.cell("Label4_7")->backColor(), colour);
        }
        // The keyboard marks it the same way from the grid's Tab stop (Up stops at the edge),
        // and a screen reader hears it marked.
        for (auto [cell, key] : {std::pair{"Label4_1", Qt::Key_Up},
                                 {"Label4_1", Qt::Key_Right},
                                 {"Label4_6", Qt::Key_Down},
                                 {"Label4_7", Qt::Key_Space}}) {
            QTest::keyClick(table.widget(cell), key);
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(table.widget("Label4_7"))
                     ->text(QAccessible::Name),
                 QString("Card 2, I column, row 2, blank, marked"));
        // Switch access and voice control choose by the option's Toggle action: as a click.
        QAccessible::queryAccessibleInterface(table.widget("sel0_1"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(table.widget("GAME1")->isHidden() && !table.widget("StartButton")->isEnabled());
        table.state().balance = 6;
        table.click("sel3_1");
        QTRY_COMPARE(closer.messages,
                     QStringList{"You do not have enough cash to play three cards"});
    }

    void pageSetupsChoiceReachesEachPrintWhichSaysWhereItWent() {
        Table table;
        const QString path = table.folder.filePath("cards.pdf");
        // Page Setup with "Print to file", a file name and landscape pages, as a player fills
        // it in (the page's orientation is in the dialog's printer properties).
        QTimer::singleShot(0, &table.form, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            auto* printers = dialog->findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->count() - 1); // Print to File (PDF)
            dialog->findChild<QLineEdit*>("filename")->setText(path);
            QTimer::singleShot(0, dialog, [] { // its Properties: landscape, OK
                QWidget* properties = QApplication::activeModalWidget();
                properties->findChild<QAbstractButton*>("landscape")->click();
                qobject_cast<QDialog*>(properties)->accept();
            });
            dialog->findChild<QAbstractButton*>("properties")->click();
            dialog->accept();
        });
        table.form.findChild<QAction*>("mnuFilePageSetup")->trigger();
        test::ModalCloser closer;
        for (int print = 1; print <= 2; ++print) {
            table.click("sel1_1");
            table.click("PrintButton");
            QCOMPARE(closer.messages.size(), print);
            QCOMPARE(closer.messages.back(),
                     "Page Setup prints to a file, so the cards were saved as " + path);
        }
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.size() > 1000);
        const QRegularExpression box("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]");
        const QRegularExpressionMatch page = box.match(QString::fromLatin1(pdf.readAll()));
        QVERIFY2(page.hasMatch(), "the PDF has no page size");
        QVERIFY2(page.captured(1).toDouble() > page.captured(2).toDouble(), "not landscape");
    }

    void randomPlayKeepsEveryGameConsistent() {
        // Every message box shown offscreen warns about size hints: thousands hide the report.
        static const QtMessageHandler defaultHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.contains("propagateSizeHints")) {
                    defaultHandler(type, context, message);
                }
            });
        int games = 0, closes = 0;
        for (int seed = 1; seed <= 12; ++seed) {
            Monkey monkey(seed);
            QTimer tick;
            connect(&tick, &QTimer::timeout, [&monkey] { monkey.act(); });
            QTest::keyClick(monkey.widget("Slider1"), Qt::Key_Home); // the fastest caller
            tick.start(1);
            QTRY_VERIFY_WITH_TIMEOUT(monkey.closed || (monkey.actions == 250 && !monkey.playing()),
                                     60000);
            tick.stop();
            QVERIFY2(monkey.faults.isEmpty(),
                     qPrintable(QString("seed %1, ").arg(seed) + monkey.faults.join('\n')));
            if (monkey.closed) { // mid-game: the game stops and nothing more happens
                QVERIFY(!monkey.window.form.isVisible() && !monkey.playing());
                const QStringList said = monkey.closer.messages + monkey.closer.winnersCentres;
                const int balance = monkey.window.state().balance;
                QTest::qWait(20);
                QCOMPARE(monkey.closer.messages + monkey.closer.winnersCentres, said);
                QVERIFY(monkey.window.state().balance == balance && balance >= 0);
            }
            games += monkey.games;
            closes += monkey.closed ? 1 : 0;
        }
        QVERIFY(games >= 12 && closes >= 2);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
