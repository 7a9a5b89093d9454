// tst_slidingboard.cpp: scrambling, moves, arrow keys, swaps and the solved test of the sliding board.
#include "RandomSource.h"
#include "SlidingBoard.h"
#include "TwipsReferenceBoard.h"

#include <QtTest>

#include <random>

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

// Whether moves alone can bring the board home: the parity of the tile permutation (blank
// included) must equal the parity of the blank's distance from its home cell.
bool solvableByMoves(const SlidingBoard& board)
{
    const int n = board.tileCount();
    std::vector<bool> seen(n, false);
    int cycles = 0;
    for (int start = 0; start < n; ++start) {
        if (seen[start])
            continue;
        ++cycles;
        for (int cell = start; !seen[cell];) {
            seen[cell] = true;
            const int tile = board.tileAt({ cell / board.gridSize(), cell % board.gridSize() });
            cell = tile - 1; // the cell where this tile belongs
        }
    }
    const int permutationParity = (n - cycles) % 2;
    const Cell blank = board.cellOf(board.blankIndex());
    const Cell home = board.homeCell(board.blankIndex());
    const int distanceParity = (std::abs(blank.row - home.row) + std::abs(blank.column - home.column)) % 2;
    return permutationParity == distanceParity;
}

// A scrambled board whose blank has been swapped into cell.
SlidingBoard blankAt(int gridSize, Cell cell)
{
    SlidingBoard board = scrambled(gridSize, 1);
    board.apply(Move::swap(board.blankIndex(), board.tileAt(cell)));
    return board;
}

Cell offset(Cell cell, ArrowKey key)
{
    switch (key) {
    case ArrowKey::Left:
        return { cell.row, cell.column + 1 };
    case ArrowKey::Up:
        return { cell.row + 1, cell.column };
    case ArrowKey::Right:
        return { cell.row, cell.column - 1 };
    case ArrowKey::Down:
        return { cell.row - 1, cell.column };
    }
    return cell;
}

} // namespace

class TestSlidingBoard : public QObject {
    Q_OBJECT

private slots:
    void scrambleExample()
    {
        const Rows expected { { 10, 3, 14, 2 }, { 1, 15, 7, 12 }, { 9, 4, 13, 8 }, { 6, 11, 5, 16 } };
        QCOMPARE(scrambled(4, 1).rows(), expected);
    }

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

    // Every grid size and blank: the cell board matches a board kept as float twips positions with
    // the tolerance test, after scrambling and after a seeded run of clicks, arrow keys and swaps.
    void matchesTwipsReference()
    {
        const unsigned seed = 20240611;
        std::mt19937 generator(seed);
        const ArrowKey keys[] = { ArrowKey::Left, ArrowKey::Up, ArrowKey::Right, ArrowKey::Down };
        for (int g = SlidingBoard::MinGridSize; g <= SlidingBoard::MaxGridSize; ++g) {
            for (int blank = 1; blank <= g * g; ++blank) {
                const QByteArray where
                    = QStringLiteral("grid %1, blank %2, seed %3").arg(g).arg(blank).arg(seed).toLatin1();
                SlidingBoard board = scrambled(g, blank);
                TwipsReferenceBoard reference(g, 805.5f, 555.25f, 4321.0f, 3217.0f);
                reference.shuffle(blank);
                QVERIFY2(sameCells(board, reference), where + " after scrambling");

                std::uniform_int_distribution<int> tile(1, g * g);
                std::uniform_int_distribution<int> kind(0, 9);
                for (int step = 0; step < 60; ++step) {
                    const int which = kind(generator);
                    if (which < 4) {
                        const int k = tile(generator);
                        QCOMPARE(board.apply(Move::click(k)).steps, reference.click(k));
                    } else if (which < 8) {
                        const ArrowKey key = keys[which - 4];
                        const int expected = reference.arrowTile(key);
                        const MoveResult result = board.apply(Move::arrow(key));
                        QCOMPARE(result.tile, expected);
                        QCOMPARE(result.accepted, expected != 0);
                        QCOMPARE(result.steps, expected != 0 ? reference.click(expected) : 0);
                    } else {
                        const int s = tile(generator);
                        const int k = tile(generator);
                        QCOMPARE(board.apply(Move::swap(s, k)).steps, 1);
                        reference.swap(s, k);
                    }
                    QVERIFY2(sameCells(board, reference), where + " after a move");
                    QCOMPARE(board.IsSolved(), reference.solved());
                }
            }
        }
    }

    void scrambleSolvability()
    {
        const QList<int> unsolvable5 { 3, 4, 5, 8, 9, 10, 11, 12, 16, 17, 21, 22 };
        for (int g = SlidingBoard::MinGridSize; g <= SlidingBoard::MaxGridSize; ++g) {
            QList<int> unsolvable;
            for (int blank = 1; blank <= g * g; ++blank) {
                const SlidingBoard board = scrambled(g, blank);
                QVERIFY2(
                    !board.IsSolved(), qPrintable(QStringLiteral("grid %1, blank %2").arg(g).arg(blank)));
                if (!solvableByMoves(board))
                    unsolvable.append(blank);
            }
            if (g == 5)
                QCOMPARE(unsolvable, unsolvable5);
            else if (g % 2 == 0 || g == 3)
                QCOMPARE(unsolvable, QList<int> {});
            else
                QVERIFY2(!unsolvable.isEmpty(), qPrintable(QStringLiteral("grid %1").arg(g)));
        }
    }

    void click_data()
    {
        // Board 4 × 4, blank 1: 10 3 14 2 / 1 15 7 12 / 9 4 13 8 / 6 11 5 16; blank on the left edge.
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("steps");
        QTest::addColumn<Cell>("blankAfter");
        QTest::newRow("above") << 10 << 1 << Cell { 0, 0 };
        QTest::newRow("right") << 15 << 1 << Cell { 1, 1 };
        QTest::newRow("below") << 9 << 1 << Cell { 2, 0 };
        QTest::newRow("diagonal") << 4 << 0 << Cell { 1, 0 };
        QTest::newRow("two along the row") << 7 << 0 << Cell { 1, 0 };
        QTest::newRow("two along the column") << 6 << 0 << Cell { 1, 0 };
        QTest::newRow("the blank itself") << 1 << 0 << Cell { 1, 0 };
    }
    void click()
    {
        QFETCH(int, tile);
        QFETCH(int, steps);
        QFETCH(Cell, blankAfter);
        SlidingBoard board = scrambled(4, 1);
        const Cell tileBefore = board.cellOf(tile);
        const MoveResult result = board.apply(Move::click(tile));
        QCOMPARE(result.accepted, true);
        QCOMPARE(result.tile, tile);
        QCOMPARE(result.steps, steps);
        QCOMPARE(result.moved, steps > 0);
        QCOMPARE(board.cellOf(1), blankAfter);
        if (steps > 0)
            QCOMPARE(board.cellOf(tile), (Cell { 1, 0 }));
        else
            QCOMPARE(board.cellOf(tile), tileBefore);
    }

    void clickOutsideBoard()
    {
        SlidingBoard board = scrambled(4, 1);
        QCOMPARE(board.apply(Move::click(0)).accepted, false);
        QCOMPARE(board.apply(Move::click(17)).accepted, false);
        QCOMPARE(board.apply(Move::swap(3, 17)).accepted, false);
        QCOMPARE(board.rows(), scrambled(4, 1).rows());
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
        for (ArrowKey key : { ArrowKey::Left, ArrowKey::Up, ArrowKey::Right, ArrowKey::Down }) {
            SlidingBoard board = blankAt(gridSize, blank);
            QCOMPARE(board.cellOf(board.blankIndex()), blank);
            const Cell source = offset(blank, key);
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

    void swaps()
    {
        SlidingBoard board = scrambled(4, 1);
        const Rows before = board.rows();
        MoveResult result = board.apply(Move::swap(7, 7));
        QCOMPARE(result.accepted, true);
        QCOMPARE(result.steps, 1);
        QCOMPARE(result.moved, false);
        QCOMPARE(board.rows(), before);

        // Any two tiles, far apart or including the blank.
        const Cell seven = board.cellOf(7);
        const Cell sixteen = board.cellOf(16);
        result = board.apply(Move::swap(7, 16));
        QCOMPARE(result.steps, 1);
        QCOMPARE(result.moved, true);
        QCOMPARE(board.cellOf(7), sixteen);
        QCOMPARE(board.cellOf(16), seven);
        const Cell blank = board.cellOf(1);
        board.apply(Move::swap(1, 5));
        QCOMPARE(board.cellOf(5), blank);
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

private:
    static bool sameCells(const SlidingBoard& board, const TwipsReferenceBoard& reference)
    {
        for (int k = 1; k <= board.tileCount(); ++k) {
            if (!(board.cellOf(k) == reference.cellOf(k))) {
                qWarning("tile %d: cell board (%d, %d), twips board (%d, %d)", k, board.cellOf(k).row,
                    board.cellOf(k).column, reference.cellOf(k).row, reference.cellOf(k).column);
                return false;
            }
        }
        return true;
    }
};

QTEST_GUILESS_MAIN(TestSlidingBoard)
#include "tst_slidingboard.moc"
