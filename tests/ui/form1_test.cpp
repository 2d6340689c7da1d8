// The main window offscreen: its layout and starting state, events, Page Setup, whole games.
#include "test_window.h"
#include "ui/look.h"

#include <QPrintDialog>

using namespace zandor;

using Table = test::TestWindow;

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::applyApplicationLook(); }

    void startsInTheChoosingStateAndResizingMovesNothing() {
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
                QVERIFY(item->isEnabled() && item->shortcut().isEmpty());
                captions << item->text();
            }
        }
        captions.removeAll(QString()); // the separators
        QCOMPARE(captions, QStringList({"&File", "&Hi-Scores", "Page Set&up", "&Print", "E&xit",
                                        "&Help", "&Contents", "&About"}));
        // Resizing the window moves no control.
        const auto places = [&] {
            QList<QRect> places;
            for (QWidget* w : table.widget("client")->findChildren<QWidget*>()) {
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

    void eventsReachTheGame() {
        Table table;
        test::ModalCloser closer;
        table.click("PrintButton"); // without cards
        table.click("sel2_1");
        QVERIFY(table.widget("GAME1")->isVisible() && table.widget("Game2")->isVisible());
        QVERIFY(table.widget("Game3")->isHidden() && table.widget("StartButton")->isEnabled());
        table.click("automancheck");
        QCOMPARE(table.widget<QAbstractButton>("automancheck")->text(), QString("Auto"));
        // A click marks a cell, and a screen reader hears it marked (play-game.py unmarks it).
        table.click("Label4_7");
        QCOMPARE(table.widget<ui::CellLabel>("Label4_7")->backColor(), kRed);
        QCOMPARE(QAccessible::queryAccessibleInterface(table.widget("Label4_7"))
                     ->text(QAccessible::Name),
                 QString("Card 2, I column, row 2, blank, marked"));
        // Switch access and voice control choose by the option's Toggle action: as a click.
        QAccessible::queryAccessibleInterface(table.widget("sel0_1"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(table.widget("GAME1")->isHidden() && !table.widget("StartButton")->isEnabled());
        table.controller.game().state().balance = 6;
        table.click("sel3_1");
        QTRY_COMPARE(closer.messages,
                     QStringList({"Please select number of cards before printing.",
                                  "You do not have enough cash to play three cards"}));
    }

    void pageSetupsChoiceReachesEachPrintWhichSaysWhereItWent() {
        Table table;
        const QString path = table.folder.filePath("cards.pdf");
        // Page Setup as a player fills it in: Print to File, a file name, landscape pages.
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
        table.click("mnuFilePageSetup");
        test::ModalCloser closer;
        for (int print = 1; print <= 2; ++print) {
            table.click("sel1_1");
            table.click("PrintButton");
        }
        QCOMPARE(closer.messages,
                 QStringList(2, "Page Setup prints to a file, so the cards were saved as " + path));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.size() > 1000);
        const QRegularExpression box("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]");
        const QRegularExpressionMatch page = box.match(QString::fromLatin1(pdf.readAll()));
        QVERIFY2(page.hasMatch() && page.captured(1).toDouble() > page.captured(2).toDouble(),
                 "no landscape page size");
    }

    // Whole games at full speed, a print among them, with clicks during the calls: each announces
    // one winner or where the print went, and the window comes back to its choosing state.
    void wholeGamesThroughTheWindow() {
        Table table;
        test::ModalCloser closer;
        table.widget<QSlider>("Slider1")->setValue(0);
        bool printOn = false;
        int clicks = 0;
        QTimer player; // between calls: Pause, a card cell, Start (off) and the high scores
        connect(&player, &QTimer::timeout, [&] {
            if (!table.controller.game().isPlaying() || QApplication::activeModalWidget()) {
                return;
            }
            printOn = printOn || table.widget("PrintButton")->isEnabled() ||
                      table.widget<QAction>("mnuFilePrint")->isEnabled();
            const QStringList targets{"pausebutton", "Label3_7", "StartButton", "scorebutton"};
            table.click(targets[++clicks % targets.size()]);
        });
        player.start(2);
        int games = 0;
        for (; games < 40 && (games < 6 || closer.winnersCentres.isEmpty()); ++games) {
            const bool print = games == 4;
            const qsizetype said = closer.messages.size(), shown = closer.winnersCentres.size();
            table.click(QString("sel%1_1").arg(1 + games % 3));
            table.click(print ? "PrintButton" : "StartButton");
            const QStringList told = closer.messages.mid(said);
            const QString pdf = QDir(table.folder.path()).entryList({"*.pdf"}).value(0);
            const qsizetype announced =
                print ? told.count("No printer is installed, so the cards were saved as " +
                                   table.folder.filePath(pdf))
                      : told.filter("We have a winner and it was you").size() +
                            closer.winnersCentres.size() - shown;
            QVERIFY2(announced == 1, qPrintable(told.join(" / ")));
            QVERIFY(table.widget("GAME1")->isHidden() && table.widget("Game2")->isHidden() &&
                    table.widget("Game3")->isHidden() &&
                    !table.widget("StartButton")->isEnabled() &&
                    !table.widget("pausebutton")->isEnabled() &&
                    table.widget("SelectNoGames")->isEnabled() &&
                    table.widget<QAbstractButton>("sel0_1")->isChecked());
        }
        QVERIFY2(!printOn, "Print is on during a game");
        QVERIFY(clicks > games && !closer.winnersCentres.isEmpty());
        QCOMPARE(closer.winnersCentres.count("0 on red"), closer.winnersCentres.size());
        QCOMPARE(closer.moreThanTitleAndClose, QStringList());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
