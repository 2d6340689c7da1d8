// The program's life around the main window, offscreen: the window's place restored from the
// settings and saved on closing, the high-score offer on closing, and the commands of the File
// and Help menus that open dialogs and the help.
#include "shell/startup.h"
#include "test_window.h"
#include "ui/look.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

using namespace zandor;

namespace {

// The last modal window the action opened, as "objectName|title"; each is cancelled once seen.
QString modalOpenedBy(const std::function<void()>& action) {
    QString seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen = dialog->objectName() + "|" + dialog->windowTitle();
            dialog->reject();
        }
    });
    poll.start(5);
    action();
    return seen;
}

void store(QSettings& settings, const QStringList& values) {
    const char* keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
    for (int i = 0; i < values.size(); ++i) {
        settings.setValue(QString("Settings/") + keys[i], values[i]);
    }
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void placeComesBackFromTheSettings_data();
    void placeComesBackFromTheSettings();
    void closingOffersTheBalanceAndSavesThePlace_data();
    void closingOffersTheBalanceAndSavesThePlace();
    void menuCommandsOpenTheirDialogs_data();
    void menuCommandsOpenTheirDialogs();
    void helpContents_data();
    void helpContents();
    void closingTheSplashRunsTheShutDownWithoutTheWindow();

private:
    QTemporaryDir home_;
};

void ShellTest::initTestCase() {
    ui::applyApplicationLook();
    // The program's own settings store, here in a temporary folder.
    qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
    QCoreApplication::setOrganizationName("Zandor Bingo");
    QCoreApplication::setApplicationName("Zandor Bingo");
}

void ShellTest::placeComesBackFromTheSettings_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QRect>("frame"); // an empty size: the designed size
    QTest::newRow("nothing stored") << QStringList{} << QRect(67, 67, 0, 0);
    QTest::newRow("stored") << QStringList{"3000", "2400", "11250", "9000"}
                            << QRect(200, 160, 750, 600);
    QTest::newRow("fractions") << QStringList{"3000.4", "2399.6", "11250.2", "9000"}
                               << QRect(200, 160, 750, 600);
    QTest::newRow("not numbers") << QStringList{"left", "", "1e400", "nan"} << QRect(67, 67, 0, 0);
    QTest::newRow("absurd") << QStringList{"3e9", "-3e9", "10", "9000"} << QRect(67, 67, 0, 0);
    QTest::newRow("off every screen")
        << QStringList{"-60000", "150000", "11250", "9000"} << QRect(67, 67, 750, 600);
}

void ShellTest::placeComesBackFromTheSettings() {
    QFETCH(QStringList, stored);
    QFETCH(QRect, frame);
    test::TestWindow window;
    const QSize designed = window.form.size();
    store(window.settings, stored);
    window.controller.Form_Load();
    QTRY_COMPARE(window.form.frameGeometry().topLeft(), frame.topLeft());
    if (frame.isEmpty()) {
        QCOMPARE(window.form.size(), designed);
    } else {
        QTRY_COMPARE(window.form.frameGeometry().size(), frame.size());
    }
}

void ShellTest::closingOffersTheBalanceAndSavesThePlace_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<Qt::WindowState>("state");
    QTest::addColumn<QString>("offered"); // the score shown in the entry dialog, if any
    const QString low = "[HiScores]\nScore1=10;LOW\n";
    QTest::newRow("balance earns a place") << low << Qt::WindowNoState << "60";
    QTest::newRow("balance earns none") << QString() << Qt::WindowNoState << "";
    QTest::newRow("maximised") << QString() << Qt::WindowMaximized << "";
    QTest::newRow("minimised keeps the old place") << QString() << Qt::WindowMinimized << "";
}

void ShellTest::closingOffersTheBalanceAndSavesThePlace() {
    QFETCH(QString, table);
    QFETCH(Qt::WindowState, state);
    QFETCH(QString, offered);
    test::TestWindow window;
    if (!table.isEmpty()) {
        QFile file(window.iniFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(table.toUtf8());
    }
    const QStringList old = {"1500", "1500", "12000", "9000"};
    store(window.settings, old);
    window.form.setWindowState(state);
    QTest::qWait(20);
    const QRect frame = window.form.frameGeometry();
    QString score;
    const QString opened = modalOpenedBy([&] {
        QTimer::singleShot(0, &window.form, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                score = dialog->findChild<QLineEdit*>("txtScore")->text();
            }
        });
        window.form.close();
    });
    QCOMPARE(opened, offered.isEmpty() ? QString() : QString("frmScores|PembyBingo"));
    QCOMPARE(score, offered);
    QVERIFY(window.controller.unloaded() && !window.form.isVisible());
    QStringList saved;
    for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) {
        saved << window.settings.value(QString("Settings/") + key).toString();
    }
    const QStringList expected =
        state == Qt::WindowMinimized
            ? old
            : QStringList{QString::number(frame.left() * 15), QString::number(frame.top() * 15),
                          QString::number(frame.width() * 15),
                          QString::number(frame.height() * 15)};
    QCOMPARE(saved, expected);
}

void ShellTest::menuCommandsOpenTheirDialogs_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("opened");
    QTest::newRow("File, Hi-Scores") << "score"
                                     << "frmScores|PembyBingo";
    QTest::newRow("High Scores button") << "scorebutton"
                                        << "frmScores|PembyBingo";
    QTest::newRow("File, Page Setup") << "mnuFilePageSetup"
                                      << "pageSetupDialog|Page Setup";
    QTest::newRow("Help, About") << "mnuHelpAbout"
                                 << "frmAbout|About Zandor Bingo";
}

void ShellTest::menuCommandsOpenTheirDialogs() {
    QFETCH(QString, command);
    QFETCH(QString, opened);
    test::TestWindow window;
    QPrinter* dialogPrinter = nullptr;
    const QString seen = modalOpenedBy([&] {
        QTimer::singleShot(0, &window.form, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                dialogPrinter = dialog->printer();
            }
        });
        if (auto* action = window.form.findChild<QAction*>(command)) {
            action->trigger();
        } else {
            window.click(command);
        }
    });
    QCOMPARE(seen, opened); // the last window seen: cancelling says nothing
    if (command == "mnuFilePageSetup") {
        QCOMPARE(dialogPrinter, &window.printer.printer()); // the printer prints use
    }
}

void ShellTest::helpContents_data() {
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("message"); // "icon|title|text", or empty when the help shows
    QTest::newRow("no help file set")
        << ""
        << "1|Zandor Bingo|Unable to display Help Contents. There is no Help associated "
           "with this project.";
    QTest::newRow("help file missing")
        << "/nowhere/index.html"
        << "0|Zandor Bingo|The help file /nowhere/index.html is missing or cannot be read.";
    QTest::newRow("help file present") << ZANDOR_HELP << "";
}

void ShellTest::helpContents() {
    QFETCH(QString, helpFile);
    QFETCH(QString, message);
    test::TestWindow window;
    MenuCommands menus({window.form, window.scores, window.iniFile(), window.printer,
                        window.pictures, window.launcher, helpFile});
    QString seen;
    QTimer::singleShot(0, &window.form, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = QString("%1|%2|%3").arg(box->icon()).arg(box->windowTitle(), box->text());
            box->accept();
        }
    });
    menus.mnuHelpContents_Click();
    QCOMPARE(seen, message);
    auto* help = window.form.findChild<QWidget*>("helpWindow");
    QCOMPARE(help != nullptr && help->isVisible(), message.isEmpty());
    if (help != nullptr) {
        auto* browser = help->findChild<QTextBrowser*>("helpBrowser");
        QCOMPARE(browser->source(), QUrl::fromLocalFile(helpFile));
        QVERIFY(browser->toPlainText().contains("Contents"));
    }
}

void ShellTest::closingTheSplashRunsTheShutDownWithoutTheWindow() {
    QTemporaryDir programFolder;
    QTimer::singleShot(20, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "frmSplash") {
                window->close();
            }
        }
    });
    QVERIFY(Main(programFolder.path(), 60000) == nullptr);
    QSettings settings;
    QCOMPARE(settings.value("Settings/MainLeft").toString(), QString("1005"));
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
