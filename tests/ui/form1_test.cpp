// The main window offscreen: a layout that resizing leaves alone, the starting state, events
// reaching the game, and printing. (Whole games are played by monkey_test.)
#include "modal_closer.h"
#include "test_window.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QSlider>

using namespace zandor;

using Table = test::TestWindow;

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::applyApplicationLook(); }

    void resizingMovesNothing() {
        Table table;
        const auto controls = table.widget("client")->findChildren<QWidget*>();
        const auto place = [&](QWidget* w) {
            return QRect(w->mapTo(&table.form, QPoint()), w->size());
        };
        QList<QRect> before;
        for (QWidget* control : controls) {
            before << place(control);
        }
        QWidget* status = table.widget("sbStatusBar");
        for (QSize size : {QSize(300, 200), QSize(1400, 1000)}) {
            table.form.resize(size);
            QCoreApplication::processEvents();
            for (int i = 0; i < controls.size(); ++i) {
                QCOMPARE(place(controls[i]), before[i]);
            }
            // The status bar stays docked along the bottom, across the whole width.
            QCOMPARE(status->geometry().bottomRight(),
                     status->parentWidget()->rect().bottomRight());
            QCOMPARE(status->width(), status->parentWidget()->width());
        }
    }

    void startsInTheChoosingState() {
        Table table;
        QVERIFY(table.widget<QAbstractButton>("sel0_1")->isChecked());
        QVERIFY(table.widget<QAbstractButton>("selgametype_0")->isChecked());
        QCOMPARE(table.widget<QAbstractButton>("automancheck")->text(), QString("Manual"));
        QCOMPARE(table.widget<QSlider>("Slider1")->value(), 5);
        QCOMPARE(QStringList({table.panel(1), table.panel(2), table.panel(3), table.panel(4)}),
                 QStringList({"Game Type = ", "Balance $60.00", "Number", "Prize"}));
        QVERIFY(!table.panel(5).isEmpty()); // the clock
        QCOMPARE(table.form.windowTitle(), QString("Zandor Bingo"));
    }

    void menusHaveTheirAccessKeysAndNoShortcuts() {
        Table table;
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
        // Switch access and voice control choose by the option's Toggle action: the same as a
        // click.
        QAccessible::queryAccessibleInterface(table.widget("sel0_1"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(table.widget("GAME1")->isHidden() && !table.widget("StartButton")->isEnabled());
        table.state().balance = 6;
        table.click("sel3_1");
        QTRY_COMPARE(closer.messages,
                     QStringList{"You do not have enough cash to play three cards"});
    }

    void printingIsRefusedWithoutCardsAndFallsBackToPdf() {
        Table table;
        test::ModalCloser closer;
        table.click("PrintButton");
        QCOMPARE(table.state().balance, 60);
        table.click("sel1_1");
        table.form.findChild<QAction*>("mnuFilePrint")->trigger();
        const QDir folder(table.folder.path());
        const QStringList pdfs = folder.entryList({"*.pdf"});
        QCOMPARE(pdfs.size(), 1);
        QVERIFY(QFileInfo(folder.filePath(pdfs[0])).size() > 1000);
        QCOMPARE(closer.messages,
                 QStringList({"Please select number of cards before printing.",
                              "No printer is installed, so the cards were saved as " +
                                  folder.filePath(pdfs[0])}));
        QCOMPARE(table.panel(2), QString("Balance = $54"));
        QVERIFY(table.widget<QAbstractButton>("sel0_1")->isChecked());
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

    void printIsOffDuringAGame() {
        Table table;
        test::ModalCloser closer;
        table.click("sel1_1");
        bool printOff = false; // the button and the menu item alike
        QTimer::singleShot(150, [&] {
            printOff = !table.widget("PrintButton")->isEnabled() &&
                       !table.form.findChild<QAction*>("mnuFilePrint")->isEnabled();
            table.form.close(); // ends the game
        });
        table.click("StartButton");
        QVERIFY(printOff);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
