// tst_logicgamehint.cpp: the hint's display: the text over the board, the blinking tile, and a hint
// that arrives after the board has changed.
#include "LogicGameHint.h"
#include "SlidingBoard.h"

#include <QLabel>
#include <QtTest>

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
        // 3 x 3, blank 9, one move from home: tile 8 stands in the blank's home cell.
        SlidingBoard board;
        board.BuildTiles(3);
        board.scramble(9);
        for (int cell = 0; cell < 9; ++cell) {
            const int wanted = cell == 7 ? 9 : cell == 8 ? 8 : cell + 1;
            board.apply(Move::swap(board.tileAt({ cell / 3, cell % 3 }), wanted));
        }
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
};

QTEST_MAIN(TestLogicGameHint)
#include "tst_logicgamehint.moc"
