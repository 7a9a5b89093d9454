// tst_logicgamehint.cpp: the hint's display: the text over the board, the blinking tile, a hint
// that arrives after the board has changed, and the 4 x 4 tables built off the interface thread.
#include "LogicGameHint.h"
#include "SlidingBoard.h"
#include "SlidingPatternDb.h"

#include <QLabel>
#include <QtTest>

namespace {
// One move from home: the last tile stands in the blank's home cell.
SlidingBoard oneMoveFromHome(int g)
{
    SlidingBoard board;
    board.BuildTiles(g);
    board.scramble(g * g);
    for (int cell = 0; cell < g * g; ++cell) {
        const int wanted = cell == g * g - 2 ? g * g : cell == g * g - 1 ? g * g - 1 : cell + 1;
        board.apply(Move::swap(board.tileAt({ cell / g, cell % g }), wanted));
    }
    return board;
}
} // namespace

class TestLogicGameHint : public QObject {
    Q_OBJECT

private slots:
    void shownOrDropped_data()
    {
        QTest::addColumn<bool>("clearedBeforeArrival");
        QTest::newRow("shown") << false;
        QTest::newRow("dropped after a move") << true;
    }
    void shownOrDropped()
    {
        QFETCH(bool, clearedBeforeArrival);
        const SlidingBoard board = oneMoveFromHome(3);
        QWidget surface;
        QWidget tile8(&surface);
        LogicGameHint hint(&surface, [&](int index) { return index == 8 ? &tile8 : nullptr; });
        QSignalSpy shown(&hint, &LogicGameHint::shown);
        surface.show();
        hint.request(board, true);
        if (clearedBeforeArrival)
            hint.clear();
        QTest::qWait(100);
        QTRY_COMPARE(shown.count(), clearedBeforeArrival ? 0 : 1);
        QCOMPARE(hint.label()->isVisible(), !clearedBeforeArrival);
        if (clearedBeforeArrival)
            return;
        QCOMPARE(hint.label()->text(), QStringLiteral("1 moves to go"));
        QTRY_VERIFY(!tile8.isVisible());
        QTRY_VERIFY(tile8.isVisible());
        hint.clear();
        QVERIFY(!hint.label()->isVisible());
        QVERIFY(tile8.isVisible());
    }

    // The first 4 x 4 hint of a run builds the pattern tables: the request returns before they are
    // all built (the worker may have finished the smallest), and the hint follows.
    void fourByFourTablesAreBuiltOnTheWorker()
    {
        QCOMPARE(SlidingPatternDb::memoryUsed(), std::size_t(0));
        QWidget surface;
        LogicGameHint hint(&surface, [](int) { return nullptr; });
        QSignalSpy shown(&hint, &LogicGameHint::shown);
        hint.request(oneMoveFromHome(4), true);
        const std::size_t atReturn = SlidingPatternDb::memoryUsed();
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, 120000);
        QVERIFY2(atReturn < SlidingPatternDb::memoryUsed(), qPrintable(QString::number(atReturn)));
        QCOMPARE(hint.label()->text(), QStringLiteral("1 moves to go"));
    }
};

QTEST_MAIN(TestLogicGameHint)
#include "tst_logicgamehint.moc"
