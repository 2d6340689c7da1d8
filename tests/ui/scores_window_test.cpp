// The high-score dialog offscreen, opened through the store on real MYGAME.INI files.
#include "modal_closer.h"
#include "ui/look.h"
#include "ui/scores_dialog_factory.h"

using namespace zandor;

namespace {

const QString kNoFile = "(no file)";
const QString kFull = "Score1=500;A,Score2=400;B,Score3=300;C,Score4=200;D,Score5=100;E";
constexpr auto kRgb = QImage::Format_RGB32;

// The store on a MYGAME.INI of its own; `act` runs in the dialog it opens, then it is closed.
struct Showing {
    QTemporaryDir folder;
    ui::Pictures pictures{ZANDOR_PICTURES};
    ui::ScoresDialogFactory dialogs{pictures, nullptr};
    Module2 store{dialogs};

    QString ini() const { return folder.filePath("MYGAME.INI"); }
    void show(int score, bool viewOnly, const std::function<void(QDialog*)>& act) {
        QTimer::singleShot(0, [&] { // in the dialog's own event loop
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            act(dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        store.ShowHighScores(score, "PembyBingo", ini().toStdString(), viewOnly);
    }
};

// The file's rows as "Score1=score;name,...".
QString stored(const QString& path) {
    QFile file(path);
    const QString text = file.open(QIODevice::ReadOnly) ? file.readAll() : kNoFile;
    return text.trimmed().remove('\r').remove("[HiScores]\n").replace('\n', ',');
}

// The 3-D frames just outside the boxes: lists raised, text boxes sunken, none around hidden ones.
void checkFrames(QDialog* dialog) {
    const QImage shot = dialog->grab().toImage();
    for (const char* name : {"lstNames", "lstScores", "txtName", "txtScore"}) {
        const QWidget* box = dialog->findChild<QWidget*>(name);
        const QRect frame = box->geometry().adjusted(-1, -1, 1, 1);
        const bool raised = name[0] == 'l';
        const QRgb light = box->isHidden() ? 0xFFC0C0C0 : raised ? 0xFFFFFFFF : 0xFF808080;
        const QRgb dark = box->isHidden() ? 0xFFC0C0C0 : raised ? 0xFF808080 : 0xFFFFFFFF;
        QCOMPARE(shot.pixel(frame.topLeft()), light);
        QCOMPARE(shot.pixel(frame.bottomRight()), dark);
    }
}

// View mode: the entry controls gone, OK moved up to 2400 twips as the default, the dialog
// shortened to 3285 twips and the lists as `listed` ("name:score,..."); Enter closes it.
void checkViewModeThenEnter(QDialog* dialog, const QString& listed) {
    auto* ok = dialog->findChild<QPushButton*>("btnOK");
    QVERIFY(ok->isVisible() && ok->isDefault());
    QCOMPARE(ok->y() * 15, 2400);
    for (const char* name : {"lblInfo", "txtName", "txtScore", "btnNewScore"}) {
        QVERIFY2(!dialog->findChild<QWidget*>(name)->isVisible(), name);
    }
    QCOMPARE(dialog->frameGeometry().height() * 15, 3285);
    auto* names = dialog->findChild<QListWidget*>("lstNames");
    auto* scores = dialog->findChild<QListWidget*>("lstScores");
    QStringList rows;
    for (int i = 0; i < names->count() && i < scores->count(); ++i) {
        rows << names->item(i)->text() + ":" + scores->item(i)->text();
    }
    QCOMPARE(rows.join(','), listed);
    checkFrames(dialog);
    QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
}

} // namespace

class ScoresWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::applyApplicationLook(); }

    void viewModeOnAMissingFileShowsTheDefaultsSparklesAndWritesNothing() {
        QList<QImage> frames; // the pictures' files: rest, sparkle 1, 2
        for (const char* name : {"banner-rest", "banner-sparkle-1", "banner-sparkle-2"}) {
            frames << QImage(ZANDOR_PICTURES "/" + QString(name) + ".png").convertToFormat(kRgb);
        }
        Showing showing;
        showing.show(0, true, [&](QDialog* dialog) {
            auto* img = dialog->findChild<QLabel*>("imgMain");
            QString seen; // each change of the banner's picture
            const auto look = [&] {
                const auto frame =
                    QString::number(frames.indexOf(img->pixmap().toImage().convertToFormat(kRgb)));
                seen += seen.endsWith(frame) ? "" : frame;
            };
            // A run that sleeps between its frames wakes about 55 times, a polling one thousands.
            int wakes = 0;
            const auto counter =
                QObject::connect(QAbstractEventDispatcher::instance(),
                                 &QAbstractEventDispatcher::awake, [&] { ++wakes; });
            QTimer watch;
            watch.callOnTimeout(look);
            watch.start(20);
            look();
            QMetaObject::invokeMethod(dialog->findChild<QTimer*>("Timer1"), "timeout");
            QObject::disconnect(counter);
            look();
            QVERIFY2(wakes <= 100, qPrintable(QString("%1 wakes in a run").arg(wakes)));
            QCOMPARE(seen, "0121212120");
            checkViewModeThenEnter(dialog, QStringList(5, "DADDY:1234").join(','));
        });
        QCOMPARE(stored(showing.ini()), kNoFile);
    }

    void entryModeStoresWhatEnterConfirms_data() {
        QTest::addColumn<QString>("message"); // if set, the file is read-only and this shows
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");        // pressed in the name box; 0 for the close box
        QTest::addColumn<QString>("listed"); // "name:score,..." after it; empty once closed
        QTest::addColumn<QString>("after");
        QTest::newRow("a long name is cut at 15, stored trimmed below an equal score")
            << "" << 300 << " ABCDEFGHIJKLMNOPQRST" << int(Qt::Key_Return)
            << "A:500,B:400,C:300, ABCDEFGHIJKLMN:300,D:200"
            << "Score1=500;A,Score2=400;B,Score3=300;C,Score4=300;ABCDEFGHIJKLMN,Score5=200;D";
        QTest::newRow("close box") << "" << 9999 << "ZED" << 0 << "" << kFull;
        QTest::newRow("Escape") << "" << 9999 << "ZED" << int(Qt::Key_Escape) << "" << kFull;
        QTest::newRow("a read-only file keeps its table; the entry is listed for this run")
            << "The high-score table could not be saved to %1." << 600 << "ZED"
            << int(Qt::Key_Return) << "ZED:600,A:500,B:400,C:300,D:200" << kFull;
    }
    void entryModeStoresWhatEnterConfirms() {
        QFETCH(QString, message);
        QFETCH(int, score);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, listed);
        QFETCH(QString, after);
        Showing showing;
        QFile file(showing.ini());
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(("[HiScores]\n" + QString(kFull).replace(',', '\n')).toUtf8()) > 0);
        file.close();
        file.setPermissions(message.isEmpty() ? file.permissions() : QFile::ReadOwner);
        showing.show(score, false, [&](QDialog* dialog) {
            auto* txtName = dialog->findChild<QLineEdit*>("txtName");
            checkFrames(dialog);
            // A press waiting behind the key stores nothing: not twice, nor once it is closing.
            auto* add = dialog->findChild<QPushButton*>("btnNewScore");
            QMetaObject::invokeMethod(add, &QPushButton::click, Qt::QueuedConnection);
            QTest::keyClicks(txtName, typed);
            QCOMPARE(txtName->text(), typed.left(15));
            test::ModalCloser closer; // answers the message box
            key == 0 ? void(dialog->close()) : QTest::keyClick(txtName, Qt::Key(key));
            QCOMPARE(closer.messages.join('|'), message.replace("%1", showing.ini()));
            QCOMPARE(dialog->isVisible(), !listed.isEmpty());
            if (dialog->isVisible()) {
                checkViewModeThenEnter(dialog, listed);
            }
        });
        QCOMPARE(stored(showing.ini()), after);
    }
};

QTEST_MAIN(ScoresWindowTest)
#include "scores_window_test.moc"
