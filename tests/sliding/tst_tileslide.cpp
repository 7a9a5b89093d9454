// tst_tileslide.cpp: where a sliding tile is drawn along its way, and a new slide finishing the
// running one.
#include "TileSlide.h"

#include <QtTest>

class TestTileSlide : public QObject {
    Q_OBJECT

private slots:
    void positionAlongThePath_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("leftwards") << QPoint(160, 40) << QPoint(100, 40);
        QTest::newRow("downwards") << QPoint(20, 0) << QPoint(20, 45);
        QTest::newRow("nowhere") << QPoint(7, 7) << QPoint(7, 7);
    }
    // Start and end exactly; the eased middle past the halfway point but not at the end; progress
    // outside 0 .. 1 held to the ends.
    void positionAlongThePath()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const TileSlide::Path path { 3, from, to };
        QCOMPARE(TileSlide::at(path, 0.0), from);
        QCOMPARE(TileSlide::at(path, 1.0), to);
        QCOMPARE(TileSlide::at(path, -0.5), from);
        QCOMPARE(TileSlide::at(path, 1.5), to);
        const QPoint middle = TileSlide::at(path, 0.5);
        const int length = (to - from).manhattanLength();
        const int gone = (middle - from).manhattanLength();
        QCOMPARE((to - middle).manhattanLength() + gone, length); // on the straight path
        if (length > 0) {
            QVERIFY2(2 * gone > length, "eased: more than half the way at half the time");
            QVERIFY(gone < length);
        }
    }

    void newSlideFinishesTheRunningOne()
    {
        TileSlide slide;
        const QList<TileSlide::Path> first { { 4, QPoint(0, 0), QPoint(50, 0) } };
        QVERIFY(slide.start(first).isEmpty());
        slide.setProgress(0.3);
        QVERIFY(slide.running());
        const QList<TileSlide::Path> second { { 9, QPoint(50, 50), QPoint(50, 0) } };
        QCOMPARE(slide.start(second), first); // its tiles go to their ends at once
        QCOMPARE(slide.position(second[0]), second[0].from);
        QCOMPARE(slide.finish(), second);
        QVERIFY(!slide.running());
    }
};

QTEST_APPLESS_MAIN(TestTileSlide)
#include "tst_tileslide.moc"
