// The program's life around the main window, offscreen: its place, closing it, the menus' dialogs,
// the About box and the System Info program it starts, the help, and closing the splash.
#include "program_info.h"
#include "shell/startup.h"
#include "shell/window_place.h"
#include "test_window.h"
#include "ui/look.h"

using namespace zandor;

namespace {

const char* const kPlaceKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

QWidget* topLevel(const QString& name = "helpWindow") {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:

    void initTestCase() {
        ui::applyApplicationLook();
        qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8()); // the program's own settings
        QCoreApplication::setOrganizationName(program::kName);
        QCoreApplication::setApplicationName(program::kName);
    }

    // The help window goes with the window whose commands made it.
    void cleanup() { QVERIFY(topLevel() == nullptr); }

    void placeComesBackFromTheSettings_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QRect>("frame"); // an empty size: the designed size
        const auto row = [](const char* tag, const QStringList& stored, const QRect& frame) {
            QTest::newRow(tag) << stored << frame;
        };
        const QRect designed(67, 67, 0, 0), stored(200, 160, 750, 600), moved(67, 67, 750, 600);
        // A damaged file: the window fits the screen's area, so it can be seen and moved.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        row("fractions", {"3000.4", "2399.6", "11250.2", "9000"}, stored);
        row("not numbers", {"left", "", "1e400", "nan"}, designed); // as if none were stored
        row("absurd", {"3e9", "-3e9", "10", "9000"}, designed);
        row("off every screen", {"-60000", "150000", "11250", "9000"}, moved);
        row("title bar above every screen", {"3000", "-600", "11250", "9000"}, moved);
        row("beyond the screen", {"3000", "2400", "300000", "300000"}, area);
        row("wider than the screen", {"3000", "2400", "300000", "9000"},
            QRect(area.left(), 160, area.width(), 600));
    }

    void placeComesBackFromTheSettings() {
        QFETCH(QStringList, stored);
        QFETCH(QRect, frame);
        test::TestWindow window;
        const QSize designed = window.form.frameGeometry().size();
        for (int i = 0; i < stored.size(); ++i) {
            window.settings.setValue(QString("Settings/") + kPlaceKeys[i], stored[i]);
        }
        window.controller.Form_Load();
        QTRY_COMPARE(window.form.frameGeometry().topLeft(), frame.topLeft());
        QTRY_COMPARE(window.form.frameGeometry().size(), frame.isEmpty() ? designed : frame.size());
    }

    // On the second of two screens: too wide for it, then taller than it and than the design.
    void sizeFitsTheScreenItLandsOn() {
        const QList<QRect> areas{{0, 0, 1024, 768}, {1024, 0, 800, 500}};
        const QSize designed(700, 530);
        QCOMPARE(fitToArea({1100, 50, 2000, 400}, designed, areas), QRect(1024, 50, 800, 400));
        QCOMPARE(fitToArea({1100, 50, 900, 900}, designed, areas), QRect(1024, 0, 800, 530));
    }

    void closingOffersTheBalanceAndSavesThePlace_data() {
        QTest::addColumn<bool>("played"); // a game, then a balance that earns a place
        QTest::addColumn<Qt::WindowState>("state");
        QTest::newRow("after a game") << true << Qt::WindowNoState;
        QTest::newRow("maximised") << false << Qt::WindowMaximized; // $60 earns none
        QTest::newRow("minimised keeps the old place") << false << Qt::WindowMinimized;
    }

    void closingOffersTheBalanceAndSavesThePlace() {
        QFETCH(bool, played);
        QFETCH(Qt::WindowState, state);
        test::TestWindow window;
        for (const char* key : kPlaceKeys) {
            window.settings.setValue(QString("Settings/") + key, "1500");
        }
        window.menus.mnuHelpContents_Click(); // a window of its own, closed with the program
        QWidget* help = topLevel();
        QVERIFY(help->findChild<QTextBrowser*>()->toPlainText().contains("Contents"));
        // Not the game's child, so the keyboard goes back to the game when it is clicked.
        QVERIFY(!help->parentWidget() && !help->windowHandle()->transientParent());
        test::ModalCloser closer; // answers the game's announcement, cancels the offer
        QString score, offered;   // the score in the entry dialog; the balance shown
        closer.look = [&](QDialog* box) { score = box->findChild<QLineEdit*>("txtScore")->text(); };
        if (played) {
            QFile file(window.iniFile());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[HiScores]\nScore1=10;LOW\n") &&
                    file.flush());
            window.widget<QSlider>("Slider1")->setValue(0);
            window.click("sel1_1");
            window.click("StartButton");
            QVERIFY(window.panel(2).startsWith("Balance = $"));
            offered = window.panel(2).section('$', 1);
        }
        window.form.setWindowState(state);
        QTest::qWait(20);
        const QRect placed = window.form.frameGeometry();
        window.form.close();
        QCOMPARE(closer.dialogs, played ? QStringList{"frmScores|PembyBingo"} : QStringList());
        QCOMPARE(score, offered);
        QVERIFY(window.controller.unloaded() && !window.form.isVisible());
        QVERIFY(!help->isVisible());
        const QRect frame = state == Qt::WindowMinimized ? QRect(100, 100, 100, 100) : placed;
        const int expected[] = {frame.left(), frame.top(), frame.width(), frame.height()};
        for (int i = 0; i < 4; ++i) {
            const QVariant saved = window.settings.value(QString("Settings/") + kPlaceKeys[i]);
            QCOMPARE(saved.toString(), QString::number(expected[i] * 15));
        }
    }

    void menuCommandsOpenTheirDialogs_data() {
        QTest::addColumn<QString>("opened");
        QTest::newRow("scorebutton") << "frmScores|PembyBingo"; // gives File, Hi-Scores
        QTest::newRow("mnuFilePageSetup") << "pageSetupDialog|Page Setup";
        QTest::newRow("mnuHelpAbout") << "frmAbout|About Zandor Bingo";
    }

    void menuCommandsOpenTheirDialogs() {
        QFETCH(QString, opened);
        test::TestWindow window;
        test::ModalCloser closer;
        QStringList about; // its name, version and what System Info said
        closer.look = [&](QDialog* dialog) {
            if (dialog->objectName() == "frmAbout") { // no System Info program is found
                test::ModalCloser boxes;
                dialog->findChild<QAbstractButton*>("cmdSysInfo")->click();
                about << dialog->findChild<QLabel*>("lblTitle")->text()
                      << dialog->findChild<QLabel*>("lblVersion")->text() << boxes.messages;
                QVERIFY(dialog->isVisible()); // the box stays open
            }
        };
        window.click(QTest::currentDataTag());
        QCOMPARE(closer.dialogs + closer.messages, QStringList{opened}); // cancelling says nothing
        QCOMPARE(closer.moreThanTitleAndClose, QStringList());           // fixed-size: ours
        if (opened.startsWith("frmAbout")) {
            QCOMPARE(about, QStringList({"Zandor Bingo", QString("Version ") + program::kVersion,
                                         "System Information Is Unavailable At This Time"}));
        }
    }

    // The About box finds none of its programs; here "first" may not run, "second" may.
    void systemInfoStartsTheFirstRunnableProgramOnThePath() {
        QTemporaryDir folder;
        const QString marker = folder.filePath("marker");
        QList<SystemInfoProgram> programs;
        for (const QString name : {"first", "second"}) { // each writes its name to the marker
            QFile file(folder.filePath("zandor-" + name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\necho \"$2\" > \"$1.tmp\" && mv \"$1.tmp\" \"$1\"\n");
            file.setPermissions(file.permissions() |
                                (name == "second" ? QFile::ExeOwner : QFile::Permission{}));
            programs.append({"zandor-" + name, {marker, name}});
        }
        QVERIFY(QtSystemInfoLauncher(programs, {folder.path()}).start());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 30000);
        QFile written(marker);
        QVERIFY(written.open(QIODevice::ReadOnly) && written.readAll().trimmed() == "second");
    }

    void nothingRunsOnceTheCloseHasBegun_data() {
        QTest::addColumn<QString>("command");
        for (const char* command :
             {"score", "mnuFilePageSetup", "mnuHelpContents", "mnuHelpAbout", "Label3_7"}) {
            QTest::newRow(command) << QString(command);
        }
    }

    // A close clicked during a call's sound is held back with the clicks after it, and all
    // arrive together: the close ends the program and the later click does nothing.
    void nothingRunsOnceTheCloseHasBegun() {
        QFETCH(QString, command);
        test::TestWindow window;
        test::ModalCloser closer;
        window.click("sel1_1");
        QTimer::singleShot(150, [&] {
            window.form.close();
            window.click(command);
        });
        window.click("StartButton");
        // $54 earns no place in the empty table: no offer either.
        QCOMPARE(closer.dialogs + closer.messages, QStringList());
        QVERIFY(topLevel() == nullptr); // no help window opened
        QCOMPARE(window.widget<ui::CellLabel>("Label3_7")->backColor(), kWhite); // not marked
        QVERIFY(window.controller.unloaded() && !window.form.isVisible());
    }

    void helpContentsWithoutTheHelpFileSaysSo() {
        test::TestWindow window(ZANDOR_PICTURES); // a folder
        test::ModalCloser closer;
        window.click("mnuHelpContents");
        QCOMPARE(closer.messages, QStringList{"(i) Unable to display Help Contents. There is no "
                                              "Help associated with this project."});
        QVERIFY(topLevel() == nullptr);
    }

    void closingTheSplashRunsTheShutDownWithoutTheWindow() {
        QTemporaryDir programFolder;
        QTimer::singleShot(20, [] { topLevel("frmSplash")->close(); });
        QVERIFY(Main(programFolder.path(), 60000) == nullptr);
        QCOMPARE(QSettings().value("Settings/MainLeft").toString(), QString("1005"));
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

private:
    QTemporaryDir home_;
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
