// The high-score dialog offscreen, opened through the store on real MYGAME.INI files: its
// layout in both modes, typing and storing a name, closing without storing, the banner's
// sparkle and a table that cannot be saved.
#include "modal_closer.h"
#include "ui/look.h"
#include "ui/scores_window.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace zandor;

namespace {

constexpr int kTwips = 15;
const QRgb kFrameColours[] = {0xFF102030, 0xFF405060, 0xFF708090}; // rest, sparkle 1, sparkle 2
const char* const kFullTable =
    "[HiScores]\nScore1=5000;A\nScore2=4000;B\nScore3=3000;C\nScore4=2000;D\nScore5=1000;E\n";

// The store and the dialog it opens, on a MYGAME.INI in a folder of its own.
struct Showing {
    explicit Showing(const QString& pictureFolder, const char* table = nullptr)
        : pictures(pictureFolder), window(pictures, nullptr) {
        QFile file(ini());
        if (table != nullptr && file.open(QIODevice::WriteOnly)) {
            file.write(table);
        }
    }
    QString ini() const { return folder.filePath("MYGAME.INI"); }
    // Runs `act` in the dialog this showing opens; closes the dialog after it if still open.
    void show(std::int32_t score, bool viewOnly, const std::function<void(QDialog*)>& act) {
        whileShown(act);
        store.ShowHighScores(score, "PembyBingo", ini().toStdString(), viewOnly);
    }
    static void whileShown(const std::function<void(QDialog*)>& act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || dialog->objectName() != "frmScores") {
                return whileShown(act);
            }
            act(dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
    }

    QTemporaryDir folder;
    ui::Pictures pictures;
    ui::ScoresWindow window;
    Module2 store{window};
};

template <typename T = QWidget>
T* child(QDialog* dialog, const QString& name) {
    return dialog->findChild<T*>(name);
}

QStringList items(QDialog* dialog, const char* list) {
    QStringList lines;
    auto* box = child<QListWidget>(dialog, list);
    for (int i = 0; i < box->count(); ++i) {
        lines << box->item(i)->text();
    }
    return lines;
}

QStringList scoreLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {"(no file)"};
    }
    QStringList lines = QString::fromUtf8(file.readAll()).remove('\r').split('\n');
    return lines.filter(QRegularExpression("^Score"));
}

void pressEnter(QDialog* dialog) {
    QTest::keyClick(dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog,
                    Qt::Key_Return);
}

// The view-mode layout: OK moved up to 2400 twips and the default, the dialog shorter.
void checkViewMode(QDialog* dialog) {
    auto* ok = child<QPushButton>(dialog, "btnOK");
    QVERIFY(ok->isVisible() && ok->isDefault());
    QCOMPARE(ok->y() * kTwips, 2400);
    for (const char* name : {"lblInfo", "txtName", "txtScore", "btnNewScore"}) {
        QVERIFY2(!child(dialog, name)->isVisible(), name);
    }
    QCOMPARE(dialog->frameGeometry().height() * kTwips, 3285);
}

} // namespace

class ScoresWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void viewModeOnAMissingFileShowsTheDefaults();
    void entryModeControlsSitWhereDesigned_data();
    void entryModeControlsSitWhereDesigned();
    void entryModeWaitsForTheName();
    void enterStoresTheEntryThenCloses_data();
    void enterStoresTheEntryThenCloses();
    void closingInEntryModeStoresNothing_data();
    void closingInEntryModeStoresNothing();
    void boxesHaveThreeDFrames_data();
    void boxesHaveThreeDFrames();
    void bannerSparklesFourTimesThenRests_data();
    void bannerSparklesFourTimesThenRests();
    void aTableThatCannotBeSavedIsReported();

private:
    QTemporaryDir pictures_; // three plain banner frames, told apart by colour
};

void ScoresWindowTest::initTestCase() {
    ui::applyApplicationLook();
    const char* names[] = {"banner-rest", "banner-sparkle-1", "banner-sparkle-2"};
    for (int frame = 0; frame < 3; ++frame) {
        QImage image(282, 48, QImage::Format_RGB32);
        image.fill(kFrameColours[frame]);
        QVERIFY(image.save(pictures_.filePath(QString(names[frame]) + ".png")));
    }
}

void ScoresWindowTest::viewModeOnAMissingFileShowsTheDefaults() {
    Showing showing(pictures_.path());
    showing.show(0, true, [](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), "PembyBingo");
        QCOMPARE(items(dialog, "lstNames"), QStringList(5, "DADDY"));
        QCOMPARE(items(dialog, "lstScores"), QStringList(5, "1234"));
        checkViewMode(dialog);
        // Centred on the screen with its designed height, then shortened from the bottom.
        const int screen = dialog->screen()->geometry().height() * kTwips;
        QVERIFY(qAbs(dialog->frameGeometry().top() * kTwips - (screen - 3765) / 2) <= 2 * kTwips);
        pressEnter(dialog);
        QVERIFY(!dialog->isVisible());
    });
    QVERIFY(!QFile::exists(showing.ini()));
}

void ScoresWindowTest::entryModeControlsSitWhereDesigned_data() {
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("points");
    QTest::newRow("imgMain") << QRect(0, 30, 4230, 720) << true << "" << 8.25;
    QTest::newRow("Label1") << QRect(120, 840, 1875, 195) << true << "PLAYERS" << 9.75;
    QTest::newRow("Label2") << QRect(2160, 840, 1875, 195) << true << "SCORES" << 9.75;
    QTest::newRow("lstNames") << QRect(120, 1080, 1905, 1230) << true << "" << 9.75;
    QTest::newRow("lstScores") << QRect(2160, 1080, 1965, 1230) << true << "" << 9.75;
    QTest::newRow("lblInfo") << QRect(180, 2400, 3765, 405) << true
                             << "Congatulations!  You've just achieved a New High Score!  "
                                "Enter your name below:"
                             << 8.25;
    QTest::newRow("txtName") << QRect(120, 2820, 1905, 360) << true << "" << 9.75;
    QTest::newRow("txtScore") << QRect(2130, 2820, 1965, 360) << true << "5000" << 9.75;
    QTest::newRow("btnNewScore") << QRect(1500, 3240, 1185, 375) << true << "&OK" << 8.25;
    QTest::newRow("btnOK") << QRect(1500, 3480, 1185, 375) << false << "&OK" << 8.25;
}

void ScoresWindowTest::entryModeControlsSitWhereDesigned() {
    QFETCH(QRect, twips);
    QFETCH(bool, shown);
    QFETCH(QString, caption);
    QFETCH(double, points);
    Showing showing(pictures_.path());
    showing.show(5000, false, [&](QDialog* dialog) {
        const QWidget* control = child(dialog, QTest::currentDataTag());
        QVERIFY(control != nullptr);
        const QRect r = control->geometry();
        QCOMPARE(QRect(r.topLeft() * kTwips, r.size() * kTwips), twips);
        QCOMPARE(control->isVisible(), shown);
        QCOMPARE(control->property("text").toString(), caption);
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label != nullptr && label->wordWrap()) {
            // Made smaller, if at all, only so far that every word of the caption shows.
            QVERIFY(label->font().pointSizeF() <= points);
            const int flags = Qt::TextWordWrap | static_cast<int>(label->alignment());
            QVERIFY(
                QFontMetrics(label->font()).boundingRect(label->rect(), flags, caption).height() <=
                label->height());
        } else {
            QCOMPARE(control->font().pointSizeF(), points);
        }
        QVERIFY(control->font().bold());
    });
}

void ScoresWindowTest::entryModeWaitsForTheName() {
    Showing showing(pictures_.path());
    showing.show(5000, false, [](QDialog* dialog) {
        QCOMPARE(dialog->size(), QSize(282, 251));
        QCOMPARE(dialog->palette().color(QPalette::Window), QColor(0xC0C0C0));
        QCOMPARE(child(dialog, "lstNames")->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(QApplication::focusWidget(), child(dialog, "txtName"));
        QVERIFY(child<QLineEdit>(dialog, "txtScore")->isReadOnly());
        QVERIFY(child<QPushButton>(dialog, "btnNewScore")->isDefault());
        QStringList order;
        for (QWidget* w = child(dialog, "txtName"); order.size() < 6; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) {
                order << w->objectName();
            }
        }
        QCOMPARE(order.join(","), "txtName,lstNames,lstScores,txtScore,btnOK,btnNewScore");
    });
}

void ScoresWindowTest::enterStoresTheEntryThenCloses_data() {
    QTest::addColumn<bool>("fullTable"); // else no file
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("listed"); // name:score per row
    QTest::addColumn<QString>("stored"); // the rows of the file
    QTest::newRow("a long name on a missing file is cut at 15")
        << false << 1235 << "ABCDEFGHIJKLMNOPQRST"
        << "ABCDEFGHIJKLMNO:1235,DADDY:1234,DADDY:1234,DADDY:1234,DADDY:1234"
        << "1235;ABCDEFGHIJKLMNO,1234;DADDY,1234;DADDY,1234;DADDY,1234;DADDY";
    QTest::newRow("blanks are listed, not stored; below an equal score")
        << true << 3000 << " ANN "
        << "A:5000,B:4000,C:3000, ANN :3000,D:2000"
        << "5000;A,4000;B,3000;C,3000;ANN,2000;D";
    QTest::newRow("an empty name") << true << 4500 << ""
                                   << "A:5000,:4500,B:4000,C:3000,D:2000"
                                   << "5000;A,4500;,4000;B,3000;C,2000;D";
}

void ScoresWindowTest::enterStoresTheEntryThenCloses() {
    QFETCH(bool, fullTable);
    QFETCH(int, score);
    QFETCH(QString, typed);
    QFETCH(QString, listed);
    QFETCH(QString, stored);
    Showing showing(pictures_.path(), fullTable ? kFullTable : nullptr);
    showing.show(score, false, [&](QDialog* dialog) {
        auto* txtName = child<QLineEdit>(dialog, "txtName");
        QTest::keyClicks(txtName, typed);
        QCOMPARE(txtName->text(), typed.left(15));
        pressEnter(dialog);
        QStringList rows;
        for (int i = 1; i <= 5; ++i) {
            rows << QString("Score%1=%2").arg(i).arg(stored.split(',')[i - 1]);
        }
        QCOMPARE(scoreLines(showing.ini()), rows);
        QStringList lines;
        const QStringList names = items(dialog, "lstNames"), scores = items(dialog, "lstScores");
        for (int i = 0; i < names.size() && i < scores.size(); ++i) {
            lines << names[i] + ":" + scores[i];
        }
        QCOMPARE(lines.join(","), listed);
        checkViewMode(dialog);
        pressEnter(dialog);
        QVERIFY(!dialog->isVisible());
    });
}

void ScoresWindowTest::closingInEntryModeStoresNothing_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("close box") << true;
    QTest::newRow("Escape") << false;
}

void ScoresWindowTest::closingInEntryModeStoresNothing() {
    QFETCH(bool, closeBox);
    Showing showing(pictures_.path());
    showing.show(9999, false, [&](QDialog* dialog) {
        QTest::keyClicks(child(dialog, "txtName"), "ZED");
        if (closeBox) {
            dialog->close();
        } else {
            QTest::keyClick(child(dialog, "txtName"), Qt::Key_Escape);
        }
        QVERIFY(!dialog->isVisible());
        QVERIFY(!child<QTimer>(dialog, "Timer1")->isActive());
    });
    QVERIFY(!QFile::exists(showing.ini()));
    QCOMPARE(QString::fromStdString(showing.store.hiscores[1].name), "DADDY");
}

void ScoresWindowTest::boxesHaveThreeDFrames_data() {
    QTest::addColumn<bool>("viewOnly");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");
    const QColor white(0xFFFFFF), grey(0x808080), background(0xC0C0C0);
    QTest::newRow("list raised") << false << "lstNames" << white << grey;
    QTest::newRow("text box sunken") << false << "txtScore" << grey << white;
    QTest::newRow("list raised in view mode") << true << "lstScores" << white << grey;
    QTest::newRow("no frame for a hidden box") << true << "txtName" << background << background;
}

void ScoresWindowTest::boxesHaveThreeDFrames() {
    QFETCH(bool, viewOnly);
    QFETCH(QString, control);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);
    Showing showing(pictures_.path());
    showing.show(5000, viewOnly, [&](QDialog* dialog) {
        const QImage shot = dialog->grab().toImage();
        const QRect box = child(dialog, control)->geometry();
        QCOMPARE(shot.pixelColor(box.topLeft() - QPoint(1, 1)), topLeft);
        QCOMPARE(shot.pixelColor(box.bottomRight() + QPoint(1, 1)), bottomRight);
    });
}

void ScoresWindowTest::bannerSparklesFourTimesThenRests_data() {
    QTest::addColumn<bool>("withPictures");
    QTest::addColumn<QString>("frames"); // each change of imgMain's picture; '-' for none
    QTest::newRow("banner pictures") << true << "0121212120";
    QTest::newRow("no banner pictures") << false << "-";
}

void ScoresWindowTest::bannerSparklesFourTimesThenRests() {
    QFETCH(bool, withPictures);
    QFETCH(QString, frames);
    Showing showing(withPictures ? pictures_.path() : pictures_.filePath("missing"));
    showing.show(0, true, [&](QDialog* dialog) {
        auto* timer = child<QTimer>(dialog, "Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 3000);
        auto* imgMain = child<QLabel>(dialog, "imgMain");
        QString seen;
        const auto look = [&] {
            const QImage image = imgMain->pixmap().toImage();
            QChar frame = '-';
            for (int i = 0; i < 3 && !image.isNull(); ++i) {
                frame = image.pixel(1, 1) == kFrameColours[i] ? QChar('0' + i) : frame;
            }
            if (seen.isEmpty() || seen.back() != frame) {
                seen += frame;
            }
        };
        look();
        QTimer watch; // the run lets events through between frames, so this sees each one
        QObject::connect(&watch, &QTimer::timeout, look);
        watch.start(0);
        QMetaObject::invokeMethod(timer, "timeout"); // one tick, run to its end
        look();
        QCOMPARE(seen, frames);
        child<QPushButton>(dialog, "btnOK")->click();
        QVERIFY(!timer->isActive());
    });
}

void ScoresWindowTest::aTableThatCannotBeSavedIsReported() {
    Showing showing(pictures_.path(), kFullTable);
    QFile::setPermissions(showing.ini(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    test::ModalCloser closer;
    showing.show(6000, false, [&](QDialog* dialog) {
        QTest::keyClicks(child(dialog, "txtName"), "ZED");
        pressEnter(dialog);
        QCOMPARE(closer.messages,
                 QStringList("The high-score table could not be saved to " + showing.ini() + "."));
        // The entry stays on screen for this run; the file keeps the old table.
        QCOMPARE(items(dialog, "lstNames").first(), "ZED");
        QCOMPARE(scoreLines(showing.ini()).first(), "Score1=5000;A");
        checkViewMode(dialog);
    });
}

QTEST_MAIN(ScoresWindowTest)
#include "scores_window_test.moc"
