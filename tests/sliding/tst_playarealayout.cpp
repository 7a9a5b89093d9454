// tst_playarealayout.cpp: play area, picture fitting, tile cells and tile slides of the sliding window.
#include "PlayAreaLayout.h"
#include "TileSlide.h"

#include <QtTest>

class TestPlayAreaLayout : public QObject {
    Q_OBJECT

private slots:
    void playArea() { QCOMPARE(PlayAreaLayout::PlayArea(20000, 12000), QRect(750, 500, 18500, 11000)); }

    void fitPicture_data()
    {
        // Area: left 750, top 500, 12000 × 8000 twips.
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QRectF>("shown");
        // kx = 12000 div 4000 = 3, ky = 8000 div 2000 = 4, k = 4.
        QTest::newRow("small") << QSizeF(2000, 1000) << QRectF(2750, 2500, 8000, 4000);
        // 2 × 1200.25 = 2400.5 rounds to 2400 (halves to even): kx = 5, ky = 4, k = 5.
        QTest::newRow("small, divisor rounded to even")
            << QSizeF(1200.25, 1000) << QRectF(3749.375, 2000, 6001.25, 5000);
        // kx = 6, ky = 8000 div 7800 = 1: the smaller factor keeps it inside, k = 2.
        QTest::newRow("small, stays inside the area") << QSizeF(1000, 3900) << QRectF(5750, 600, 2000, 7800);
        // Exactly half each way is still small: k = 1 + 1.
        QTest::newRow("half the area") << QSizeF(6000, 4000) << QRectF(750, 500, 12000, 8000);
        QTest::newRow("fits") << QSizeF(7000, 5000) << QRectF(3250, 2000, 7000, 5000);
        QTest::newRow("fits exactly") << QSizeF(12000, 8000) << QRectF(750, 500, 12000, 8000);
        QTest::newRow("too wide") << QSizeF(24000, 8000) << QRectF(805, 2518.3333333, 11890, 3963.3333333);
        QTest::newRow("too tall") << QSizeF(6000, 16000) << QRectF(5270.625, 555, 2958.75, 7890);
        QTest::newRow("only wider") << QSizeF(13000, 1000) << QRectF(805, 4042.6923077, 11890, 914.6153846);
        // Same proportions as the area: the height allows the smaller scale (7890 / 16000).
        QTest::newRow("area proportions") << QSizeF(24000, 16000) << QRectF(832.5, 555, 11835, 7890);
        QTest::newRow("no picture") << QSizeF(0, 0) << QRectF(6750, 4500, 0, 0);
    }
    void fitPicture()
    {
        QFETCH(QSizeF, picture);
        QFETCH(QRectF, shown);
        const QRectF result = PlayAreaLayout::FitPicture(picture, QRect(750, 500, 12000, 8000));
        // To a thousandth of a twip.
        QCOMPARE(qRound64(result.left() * 1000), qRound64(shown.left() * 1000));
        QCOMPARE(qRound64(result.top() * 1000), qRound64(shown.top() * 1000));
        QCOMPARE(qRound64(result.width() * 1000), qRound64(shown.width() * 1000));
        QCOMPARE(qRound64(result.height() * 1000), qRound64(shown.height() * 1000));
    }

    void cellRect()
    {
        const QRectF picture(805.5, 555.25, 4321, 3217);
        const QRectF cell = PlayAreaLayout::cellRect(picture, 10, Cell { 3, 7 });
        QCOMPARE(cell.left(), 805.5 + 7 * 432.1);
        QCOMPARE(cell.top(), 555.25 + 3 * 321.7);
        QCOMPARE(cell.width(), 432.1);
        QCOMPARE(cell.height(), 321.7);
        QCOMPARE(PlayAreaLayout::cellRect(picture, 10, Cell { 9, 9 }).right(), picture.right());
    }

    // A sliding tile starts and ends exactly (progress outside 0 .. 1 held to them); eased, it
    // is past the halfway point of its straight path at half the time.
    void tileSlidePositions_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("leftwards") << QPoint(160, 40) << QPoint(100, 40);
        QTest::newRow("downwards") << QPoint(20, 0) << QPoint(20, 45);
    }
    void tileSlidePositions()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const TileSlide::Path path { 3, from, to };
        QCOMPARE(TileSlide::at(path, -0.5), from);
        QCOMPARE(TileSlide::at(path, 1.5), to);
        const QPoint middle = TileSlide::at(path, 0.5);
        const int gone = (middle - from).manhattanLength();
        QCOMPARE(gone + (to - middle).manhattanLength(), (to - from).manhattanLength());
        QVERIFY(2 * gone > (to - from).manhattanLength() && middle != to);
    }
};

QTEST_GUILESS_MAIN(TestPlayAreaLayout)
#include "tst_playarealayout.moc"
