// The pause between calls: it lasts its time while timers (and so painting) go on, and it
// ends early when the program is quitting.
#include "platform/qt/held_input_wait.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

using zandor::waitHoldingInput;

class HeldInputWaitTest : public QObject {
    Q_OBJECT

private slots:
    void lastsItsTimeWhileTimersRun() {
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(20);
        QElapsedTimer clock;
        clock.start();

        waitHoldingInput(300);

        QVERIFY(clock.elapsed() >= 300);
        QVERIFY2(ticks >= 5, qPrintable(QString("%1 timer ticks").arg(ticks)));
    }

    void noTimeMeansNoWait() {
        QElapsedTimer clock;
        clock.start();
        waitHoldingInput(0);
        waitHoldingInput(-5);
        QVERIFY(clock.elapsed() < 50);
    }

    // Closing the window quits the application's event loop, which must end the wait at once.
    void aQuitEndsTheWait() {
        qint64 waited = -1;
        QTimer::singleShot(0, [&waited] {
            QTimer::singleShot(100, [] { QCoreApplication::quit(); });
            QElapsedTimer clock;
            clock.start();
            waitHoldingInput(3000);
            waited = clock.elapsed();
            QCoreApplication::exit(); // in case the quit did not end the loop
        });
        QCoreApplication::exec();
        QVERIFY2(waited >= 0 && waited < 1000, qPrintable(QString("%1 ms").arg(waited)));
    }
};

QTEST_GUILESS_MAIN(HeldInputWaitTest)
#include "held_input_wait_test.moc"
