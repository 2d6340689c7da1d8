// The About box offscreen: its title and version, and the search for the System Info program on
// a path of our own. (Its System Info button is pressed in shell_test.)
#include "platform/qt/system_info_launcher.h"
#include "program_info.h"
#include "ui/about_dialog.h"
#include "ui/look.h"
#include "ui/pictures.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace zandor;

namespace {
struct AboutBox {
    AboutBox() { about.show(); }
    ui::Pictures pictures{ZANDOR_PICTURES};
    ui::frmAbout about{pictures, nullptr};
};
} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::applyApplicationLook(); }

    void showsTheProgramsNameAndVersion() {
        AboutBox box;
        const auto text = [&](const char* name) {
            return box.about.findChild<QLabel*>(name)->text();
        };
        QCOMPARE(text("lblTitle"), QString("Zandor Bingo"));
        QCOMPARE(text("lblVersion"), QString("Version ") + program::kVersion);
    }

    void launcherStartsTheFirstRunnableProgramOnThePath_data() {
        // Each program writes its name to the marker in one step; "first" may never run.
        QTest::addColumn<bool>("runnable"); // whether "second" may
        QTest::newRow("found") << true;
        QTest::newRow("none found") << false;
    }
    void launcherStartsTheFirstRunnableProgramOnThePath() {
        QFETCH(bool, runnable);
        QTemporaryDir folder;
        const QString marker = folder.filePath("marker");
        QList<SystemInfoProgram> programs;
        for (const QString name : {"first", "second"}) {
            QFile file(folder.filePath("zandor-" + name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\necho \"$2\" > \"$1.tmp\" && mv \"$1.tmp\" \"$1\"\n");
            if (runnable && name == "second") {
                file.setPermissions(file.permissions() | QFile::ExeOwner);
            }
            programs.append({"zandor-" + name, {marker, name}});
        }
        QCOMPARE(QtSystemInfoLauncher(programs, {folder.path()}).start(), runnable);
        const auto written = [&] {
            QFile file(marker);
            return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
        };
        QTRY_COMPARE_WITH_TIMEOUT(written(), QByteArray(runnable ? "second" : ""), 30000);
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
