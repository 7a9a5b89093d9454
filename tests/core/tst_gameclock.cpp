// tst_gameclock.cpp: the four-digit game clock.
#include "GameClock.h"

#include <QtTest>

class TestGameClock : public QObject
{
    Q_OBJECT

private slots:
    void ticks_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("timeEnds");
        QTest::newRow("start") << 0 << 0 << "Time 0 0 0 0" << 0;
        QTest::newRow("123 s") << 0 << 123 << "Time 0 1 2 3" << 0;
        QTest::newRow("124 -> 125") << 124 << 1 << "Time 0 1 2 5" << 0;
        QTest::newRow("9998 -> time end") << 9998 << 1 << "Time 9 9 9 9" << 1;
        QTest::newRow("no resuming after the end") << 9998 << 3 << "Time 9 9 9 9" << 1;
    }
    void stoppedClockDoesNotTick()
    {
        GameClock clock;
        QCOMPARE(clock.text(), QStringLiteral("9 9 9 9")); // the label's text before any game
        clock.start(); // no game yet: nothing to resume
        QVERIFY(!clock.tick());
        clock.restart();
        clock.stop();
        QVERIFY(!clock.tick());
        clock.start();
        QVERIFY(clock.isRunning());
        clock.finish(); // a completed game
        clock.start();
        QVERIFY(!clock.tick());
        QCOMPARE(clock.text(), QStringLiteral("Time 0 0 0 0"));
        clock.restart();
        QVERIFY(clock.isRunning());
    }

    void ticks()
    {
        QFETCH(int, shown);
        QFETCH(int, ticks);
        QFETCH(QString, text);
        QFETCH(int, timeEnds);
        GameClock clock;
        clock.restart();
        for (int i = 0; i < shown; ++i)
            clock.tick();
        QCOMPARE(clock.value(), shown);
        int ends = 0;
        for (int i = 0; i < ticks; ++i) {
            if (clock.tick()) {
                ++ends;
                clock.start(); // a pause toggle after the time end
            }
        }
        QCOMPARE(clock.text(), text);
        QCOMPARE(ends, timeEnds);
        QCOMPARE(GameClock::textFor(clock.value()), text);
    }
};

QTEST_GUILESS_MAIN(TestGameClock)
#include "tst_gameclock.moc"
