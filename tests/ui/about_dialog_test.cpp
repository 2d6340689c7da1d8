// The About box offscreen: its controls and etched separator where they were designed, the
// version line, the keys that close it, System Info with and without a program to start, and
// the search for that program on a path of our own.
#include "modal_closer.h"
#include "platform/qt/system_info_launcher.h"
#include "ui/about_dialog.h"
#include "ui/look.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zandor;

namespace {
struct FakeLauncher final : SystemInfoLauncher {
    bool found = true;
    int calls = 0;
    bool start() override { return ++calls, found; }
};

struct AboutBox {
    explicit AboutBox(const QString& folder = ZANDOR_PICTURES)
        : pictures(folder), about(pictures, launcher, nullptr) {
        about.show();
    }
    template <typename T = QWidget>
    T* widget(const QString& name) const {
        T* found = about.findChild<T*>(name);
        return found != nullptr ? found : (qFatal("no widget %s", qPrintable(name)), nullptr);
    }
    FakeLauncher launcher;
    ui::Pictures pictures;
    ui::frmAbout about;
};
} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::applyApplicationLook(); }
    void controlsSitWhereDesignedWithTheirTextsWhole_data();
    void controlsSitWhereDesignedWithTheirTextsWhole();
    void separatorIsEtchedAndTheMissingPictureLeavesGrey_data();
    void separatorIsEtchedAndTheMissingPictureLeavesGrey();
    void showsTitleAndVersion_data();
    void showsTitleAndVersion();
    void keysCloseItLikeOK_data();
    void keysCloseItLikeOK();
    void systemInfoStartsTheProgramOrSaysItIsUnavailable_data();
    void systemInfoStartsTheProgramOrSaysItIsUnavailable();
    void opensModallyCentredOnItsOwner();
    void launcherStartsTheFirstProgramOnThePath_data();
    void launcherStartsTheFirstProgramOnThePath();
};

void AboutDialogTest::controlsSitWhereDesignedWithTheirTextsWhole_data() {
    QTest::addColumn<QRect>("twips");
    QTest::newRow("picIcon") << QRect(120, 240, 2010, 2640);
    QTest::newRow("lblTitle") << QRect(2490, 240, 3135, 360);
    QTest::newRow("lblVersion") << QRect(2520, 600, 2775, 225);
    QTest::newRow("lblDescription") << QRect(2280, 960, 3375, 690);
    QTest::newRow("Label1") << QRect(2280, 1800, 3375, 615);
    // The lines from their left to their right ends, one and two pixels thick.
    QTest::newRow("Line1_1") << QRect(225, 2430, 5657 - 225, 15);
    QTest::newRow("Line1_0") << QRect(240, 2445, 5657 - 240, 30);
    QTest::newRow("lblDisclaimer") << QRect(255, 3000, 3630, 585);
    QTest::newRow("cmdOK") << QRect(4080, 2880, 1467, 345);
    QTest::newRow("cmdSysInfo") << QRect(4080, 3360, 1452, 345);
}

void AboutDialogTest::controlsSitWhereDesignedWithTheirTextsWhole() {
    QFETCH(QRect, twips);
    AboutBox box;
    QCOMPARE(box.about.windowTitle(), QString("About Zandor Bingo"));
    QCOMPARE(box.about.size(), QSize(ui::px(5805), ui::px(3765)));
    QCOMPARE(box.about.minimumSize(), box.about.maximumSize());
    QVERIFY(!(box.about.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QWidget* control = box.widget(QTest::currentDataTag());
    QCOMPARE(control->geometry(),
             ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const QRect needed = label->fontMetrics().boundingRect(
            label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY(!label->text().isEmpty());
        QVERIFY2(label->contentsRect().contains(needed), qPrintable(label->text()));
    }
}

void AboutDialogTest::separatorIsEtchedAndTheMissingPictureLeavesGrey_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    const int x = ui::px(4000);
    const int y = ui::px(2430);
    QTest::newRow("face above") << QPoint(x, y - 1) << QColor(0xF0F0F0);
    QTest::newRow("grey line") << QPoint(x, y) << QColor(0x808080);
    QTest::newRow("white line") << QPoint(x, y + 1) << QColor(0xFFFFFF);
    QTest::newRow("white line, second row") << QPoint(x, y + 2) << QColor(0xFFFFFF);
    QTest::newRow("face below") << QPoint(x, y + 3) << QColor(0xF0F0F0);
    QTest::newRow("picture box over the line") << QPoint(ui::px(1000), y) << QColor(0xC0C0C0);
}

void AboutDialogTest::separatorIsEtchedAndTheMissingPictureLeavesGrey() {
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QTemporaryDir noPictures;
    AboutBox box(noPictures.path());
    QCOMPARE(box.about.grab().toImage().pixelColor(pixel), colour);
}

void AboutDialogTest::showsTitleAndVersion_data() {
    QTest::addColumn<QString>("applicationVersion");
    QTest::addColumn<QString>("versionLine");
    QTest::newRow("the game's own numbers") << ""
                                            << "Version 2.0.0";
    QTest::newRow("the application's version") << "3.1.4"
                                               << "Version 3.1.4";
    QTest::newRow("a short one") << "3"
                                 << "Version 3.0.0";
    QTest::newRow("an unreadable one") << "beta"
                                       << "Version 2.0.0";
}

void AboutDialogTest::showsTitleAndVersion() {
    QFETCH(QString, applicationVersion);
    QFETCH(QString, versionLine);
    QCoreApplication::setApplicationVersion(applicationVersion);
    AboutBox box;
    QCoreApplication::setApplicationVersion("");
    QCOMPARE(box.widget<QLabel>("lblVersion")->text(), versionLine);
    QCOMPARE(box.widget<QLabel>("lblTitle")->text(), QString("Zandor Bingo"));
}

void AboutDialogTest::keysCloseItLikeOK_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void AboutDialogTest::keysCloseItLikeOK() {
    QFETCH(int, key);
    AboutBox box;
    QVERIFY(QTest::qWaitForWindowActive(&box.about));
    QCOMPARE(QApplication::focusWidget(), box.widget("cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(!box.about.isVisible());
    QCOMPARE(box.about.result(), int(QDialog::Accepted));
}

void AboutDialogTest::systemInfoStartsTheProgramOrSaysItIsUnavailable_data() {
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("found") << true << QStringList();
    QTest::newRow("none found") << false
                                << QStringList{"System Information Is Unavailable At This Time"};
}

void AboutDialogTest::systemInfoStartsTheProgramOrSaysItIsUnavailable() {
    QFETCH(bool, found);
    QFETCH(QStringList, messages);
    test::ModalCloser closer;
    AboutBox box;
    box.launcher.found = found;
    box.widget<QPushButton>("cmdSysInfo")->click();
    QCOMPARE(box.launcher.calls, 1);
    QCOMPARE(closer.messages, messages);
    QVERIFY(box.about.isVisible());
}

void AboutDialogTest::opensModallyCentredOnItsOwner() {
    QWidget owner;
    owner.setGeometry(60, 40, 600, 500);
    owner.show();
    FakeLauncher launcher;
    QString shown; // the modal window's name and place while it is up
    QRect place;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        shown = modal->objectName();
        place = modal->geometry();
        modal->findChild<QPushButton*>("cmdOK")->click();
    });
    ui::frmAbout::showModal(ui::Pictures(ZANDOR_PICTURES), launcher, &owner);
    QCOMPARE(shown, QString("frmAbout"));
    QVERIFY((place.center() - owner.geometry().center()).manhattanLength() <= 2);
}

void AboutDialogTest::launcherStartsTheFirstProgramOnThePath_data() {
    QTest::addColumn<QStringList>("executables");
    QTest::addColumn<QString>("started"); // "" when none starts
    QTest::newRow("the second of three") << QStringList{"second", "third"} << "second";
    QTest::newRow("the last") << QStringList{"third"} << "third";
    QTest::newRow("none") << QStringList() << "";
}

void AboutDialogTest::launcherStartsTheFirstProgramOnThePath() {
    QFETCH(QStringList, executables);
    QFETCH(QString, started);
    QTemporaryDir folder;
    const QString marker = folder.filePath("marker");
    // Each fake program writes its name to the marker in one step. "first" is there but
    // cannot run, so it is not found.
    for (const QString& name : executables + QStringList{"first"}) {
        QFile file(folder.filePath("zandor-" + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho \"$2\" > \"$1.part\" && mv \"$1.part\" \"$1\"\n");
        file.setPermissions(file.permissions() |
                            (name == "first" ? QFile::Permissions() : QFile::ExeOwner));
    }
    QList<SystemInfoProgram> programs;
    for (const char* name : {"first", "second", "third"}) {
        programs.append({QString("zandor-") + name, {marker, name}});
    }
    QCOMPARE(QtSystemInfoLauncher(programs, {folder.path()}).start(), !started.isEmpty());
    if (!started.isEmpty()) {
        QTRY_VERIFY(QFile::exists(marker));
        QFile written(marker);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().trimmed(), started.toUtf8());
    }
}

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
