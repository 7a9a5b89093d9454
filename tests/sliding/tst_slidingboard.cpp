// tst_slidingboard.cpp: scrambling, moves, arrow keys, swaps and the solved test of the sliding board.
#include "RandomSource.h"
#include "SlidingBoard.h"

#include <QtTest>

Q_DECLARE_METATYPE(Cell)

// Lets QCOMPARE print cells.
char* toString(const Cell& cell)
{
    return qstrdup(
        QByteArray("(" + QByteArray::number(cell.row) + ", " + QByteArray::number(cell.column) + ")")
            .constData());
}

namespace {

using Rows = QList<QList<int>>;

SlidingBoard scrambled(int gridSize, int blank)
{
    SlidingBoard board;
    board.BuildTiles(gridSize);
    board.scramble(blank);
    return board;
}

// A scrambled board whose blank has been swapped into cell.
SlidingBoard blankAt(int gridSize, Cell cell)
{
    SlidingBoard board = scrambled(gridSize, 1);
    board.apply(Move::swap(board.blankIndex(), board.tileAt(cell)));
    return board;
}

} // namespace

class TestSlidingBoard : public QObject {
    Q_OBJECT

private slots:
    void buildPutsEveryTileHome()
    {
        SlidingBoard board;
        board.BuildTiles(7);
        QCOMPARE(board.tileCount(), 49);
        QCOMPARE(board.cellOf(1), (Cell { 0, 0 }));
        QCOMPARE(board.cellOf(7), (Cell { 0, 6 }));
        QCOMPARE(board.cellOf(8), (Cell { 1, 0 }));
        QCOMPARE(board.cellOf(49), (Cell { 6, 6 }));
        QCOMPARE(board.blankIndex(), 0);
        // No blank yet: requests are not accepted.
        QCOMPARE(board.apply(Move::click(2)).accepted, false);
        board.BuildTiles(11);
        QCOMPARE(board.gridSize(), 7);
    }

    void drawBlank_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<int>("blank");
        QTest::newRow("0.99 of 16 rounds up") << 0.99 << 16 << 16;
        QTest::newRow("0.02 of 16 rounds to 0, kept at 1") << 0.02 << 16 << 1;
        QTest::newRow("zero") << 0.0 << 16 << 1;
        QTest::newRow("2.5 to even") << 2.5 / 16 << 16 << 2;
        QTest::newRow("3.5 to even") << 3.5 / 16 << 16 << 4;
        QTest::newRow("top of 100") << 0.9999 << 100 << 100;
        QTest::newRow("99.5 to even") << 0.995 << 100 << 100;
    }
    void drawBlank()
    {
        QFETCH(double, r);
        QFETCH(int, tiles);
        QFETCH(int, blank);
        QCOMPARE(SlidingBoard::drawBlank(r, tiles), blank);
    }

    void shuffleDrawsOneValue()
    {
        ScriptedRandom random({ 0.99, 0.5 });
        SlidingBoard board;
        board.BuildTiles(4);
        board.ShuffleTiles(random);
        QCOMPARE(random.drawn(), 1);
        QCOMPARE(board.blankIndex(), 16);
        QCOMPARE(board.rows(), scrambled(4, 16).rows());
    }

    // The scramble of one blank per grid size, and a checksum over the scrambles of every blank,
    // recorded when the board matched a board kept as float twips positions (as the original
    // program kept it) after scrambling and after thousands of seeded clicks, keys and swaps.
    void goldenScrambles_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<int>("blank");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<quint16>("allBlanks");
        QTest::newRow("3") << 3 << 5 << "6 4 8/2 1 5/7 9 3" << quint16(26973);
        QTest::newRow("4") << 4 << 1 << "10 3 14 2/1 15 7 12/9 4 13 8/6 11 5 16" << quint16(61378);
        QTest::newRow("5") << 5 << 13 << "8 24 3 17 7/20 6 2 5 15/9 12 11 21 4/14 13 23 10 19/25 22 18 1 16" << quint16(2976);
        QTest::newRow("6") << 6 << 36 << "6 22 12 17 19 26/16 10 23 2 18 20/28 24 5 25 30 32/35 34 13 29 8 21/9 3 27 36 33 15/4 11 1 14 7 31" << quint16(24765);
        QTest::newRow("7") << 7 << 20 << "33 29 30 36 32 31 44/40 34 27 35 24 38 10/28 47 41 43 37 20 39/5 26 48 42 1 21 45/22 13 19 3 49 8 17/14 12 6 2 23 46 16/18 11 4 7 25 15 9" << quint16(64915);
        QTest::newRow("8") << 8 << 64 << "46 47 48 41 42 36 43 52/54 55 56 49 35 50 51 44/62 63 40 8 57 58 45 60/6 39 7 16 1 53 20 59/38 14 64 9 61 37 2 4/30 32 24 5 25 10 28 3/33 22 15 17 11 19 12 27/29 31 23 34 21 13 26 18" << quint16(40956);
        QTest::newRow("9") << 9 << 41 << "55 56 57 58 65 66 67 68 59/61 62 63 64 74 75 76 60 33/70 71 72 73 2 5 69 14 77/79 80 81 1 11 23 3 78 31/7 8 9 51 41 4 49 48 6/16 17 54 10 19 30 12 50 15/25 53 18 27 28 20 21 13 39/52 26 35 36 37 29 47 42 40/34 43 44 45 46 38 24 32 22" << quint16(42775);
        QTest::newRow("10") << 10 << 100 << "78 79 80 71 72 73 74 75 86 76/88 89 90 81 82 83 84 66 85 96/98 99 10 91 92 93 65 94 100 77/8 9 20 1 2 64 3 87 95 6/18 19 30 11 63 12 97 4 5 16/28 29 70 40 21 7 13 14 15 26/38 69 50 31 17 22 23 24 25 36/68 60 39 41 27 32 33 34 35 46/58 48 49 51 37 42 43 44 45 56/61 57 59 62 47 52 53 54 55 67" << quint16(36164);
    }
    void goldenScrambles()
    {
        QFETCH(int, gridSize);
        QFETCH(int, blank);
        QFETCH(QString, rows);
        QFETCH(quint16, allBlanks);
        auto text = [](const SlidingBoard& board) {
            QStringList lines;
            for (const QList<int>& row : board.rows()) {
                QStringList cells;
                for (int tile : row)
                    cells << QString::number(tile);
                lines << cells.join(u' ');
            }
            return lines.join(u'/');
        };
        const QString scramble = text(scrambled(gridSize, blank));
        QVERIFY2(scramble == rows, qPrintable(scramble));
        QByteArray every;
        for (int b = 1; b <= gridSize * gridSize; ++b)
            every += text(scrambled(gridSize, b)).toLatin1() + '\n';
        QCOMPARE(qChecksum(every), allBlanks);
    }

    // Board 4 × 4, blank 1: 10 3 14 2 / 1 15 7 12 / 9 4 13 8 / 6 11 5 16; blank on the left edge.
    // "c7" clicks tile 7, which trades cells with the blank when it moves; "s3,14" swaps two tiles.
    void requests_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("steps"); // -1: refused
        QTest::newRow("above") << "c10" << 1;
        QTest::newRow("right") << "c15" << 1;
        QTest::newRow("below") << "c9" << 1;
        QTest::newRow("diagonal") << "c4" << 0;
        QTest::newRow("two along the row") << "c7" << 0;
        QTest::newRow("two along the column") << "c6" << 0;
        QTest::newRow("the blank itself") << "c1" << 0;
        QTest::newRow("no tile 0") << "c0" << -1;
        QTest::newRow("past the last tile") << "c17" << -1;
        QTest::newRow("swap far apart") << "s7,16" << 1;
        QTest::newRow("swap with the blank") << "s1,5" << 1;
        QTest::newRow("swap with itself: a step, no move") << "s7,7" << 1;
        QTest::newRow("swap past the last tile") << "s3,17" << -1;
    }
    void requests()
    {
        QFETCH(QString, request);
        QFETCH(int, steps);
        const QStringList tiles = request.mid(1).split(u',');
        const bool click = request[0] == u'c';
        const int tile = tiles[0].toInt();
        const int other = click ? 1 : tiles[1].toInt();
        SlidingBoard board = scrambled(4, 1);
        Rows expected = board.rows();
        if (steps > 0) {
            const Cell a = board.cellOf(tile);
            const Cell b = board.cellOf(other);
            std::swap(expected[a.row][a.column], expected[b.row][b.column]);
        }
        const MoveResult result = board.apply(click ? Move::click(tile) : Move::swap(tile, other));
        QCOMPARE(result.accepted, steps >= 0);
        if (click)
            QCOMPARE(result.tile, steps >= 0 ? tile : 0);
        QCOMPARE(result.steps, qMax(steps, 0));
        QCOMPARE(result.moved, steps > 0 && tile != other);
        QCOMPARE(board.rows(), expected);
    }

    void arrowKeys_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<Cell>("blank");
        QTest::newRow("top left") << 4 << Cell { 0, 0 };
        QTest::newRow("top right") << 4 << Cell { 0, 3 };
        QTest::newRow("bottom left") << 5 << Cell { 4, 0 };
        QTest::newRow("bottom right") << 5 << Cell { 4, 4 };
        QTest::newRow("left edge") << 3 << Cell { 1, 0 };
        QTest::newRow("bottom edge") << 10 << Cell { 9, 6 };
        QTest::newRow("middle") << 6 << Cell { 2, 3 };
    }
    void arrowKeys()
    {
        QFETCH(int, gridSize);
        QFETCH(Cell, blank);
        // Each key moves the tile on the side it points away from: Left the one right of the blank.
        const std::pair<ArrowKey, Cell> sides[] = { { ArrowKey::Left, { 0, 1 } }, { ArrowKey::Up, { 1, 0 } },
            { ArrowKey::Right, { 0, -1 } }, { ArrowKey::Down, { -1, 0 } } };
        for (const auto& [key, side] : sides) {
            SlidingBoard board = blankAt(gridSize, blank);
            QCOMPARE(board.cellOf(board.blankIndex()), blank);
            const Cell source { blank.row + side.row, blank.column + side.column };
            const int expected = board.tileAt(source);
            const Rows before = board.rows();
            QCOMPARE(board.tileForArrow(key), expected);
            const MoveResult result = board.apply(Move::arrow(key));
            QCOMPARE(result.accepted, expected != 0);
            if (expected == 0) {
                QCOMPARE(board.rows(), before);
                continue;
            }
            QCOMPARE(result.steps, 1);
            QCOMPARE(board.cellOf(expected), blank);
            QCOMPARE(board.cellOf(board.blankIndex()), source);
        }
    }

    void arrowKeyCodes()
    {
        QCOMPARE(arrowKeyFromCode(37), std::optional<ArrowKey>(ArrowKey::Left));
        QCOMPARE(arrowKeyFromCode(40), std::optional<ArrowKey>(ArrowKey::Down));
        QCOMPARE(arrowKeyFromCode(36), std::optional<ArrowKey>());
        QCOMPARE(arrowKeyFromCode(113), std::optional<ArrowKey>());
    }

    void solvedBySwapsAndClicks()
    {
        SlidingBoard board = scrambled(3, 5);
        QCOMPARE(board.IsSolved(), false);
        // Put every tile home by swaps, in tile order.
        for (int tile = 1; tile <= 9; ++tile)
            board.apply(Move::swap(tile, board.tileAt(board.homeCell(tile))));
        QCOMPARE(board.IsSolved(), true);
        // One move unsolves it, the reverse move solves it again.
        QCOMPARE(board.apply(Move::arrow(ArrowKey::Up)).steps, 1);
        QCOMPARE(board.IsSolved(), false);
        QCOMPARE(board.apply(Move::arrow(ArrowKey::Down)).steps, 1);
        QCOMPARE(board.IsSolved(), true);
    }
};

QTEST_GUILESS_MAIN(TestSlidingBoard)
#include "tst_slidingboard.moc"
