// tst_slidingboard.cpp: scrambling, moves, arrow keys, swaps and the solved test of the sliding board;
// the play area, picture fitting, tile cells and tile slides it is drawn with.
#include "PlayAreaLayout.h"
#include "RandomSource.h"
#include "SlidingBoard.h"
#include "TileSlide.h"

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

    // r of the tile count rounds half to even; 0 is kept at 1.
    void drawBlank()
    {
        const QList<std::tuple<double, int, int>> rows = { { 0.99, 16, 16 }, { 0.02, 16, 1 }, { 0.0, 16, 1 },
            { 2.5 / 16, 16, 2 }, { 3.5 / 16, 16, 4 }, { 0.9999, 100, 100 }, { 0.995, 100, 100 } };
        for (const auto& [r, tiles, blank] : rows)
            QVERIFY2(SlidingBoard::drawBlank(r, tiles) == blank, qPrintable(QString::number(r)));
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

    // One blank's scramble per grid size and a checksum over every blank's, recorded when the board
    // matched one kept as float twips positions through thousands of seeded clicks, keys and swaps.
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

    // 4 × 4, blank 1: 10 3 14 2 / 1 15 7 12 / 9 4 13 8 / 6 11 5 16. "c7" clicks tile 7, "s3,14" swaps.
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
        for (int tile = 1; tile <= 9; ++tile)
            board.apply(Move::swap(tile, board.tileAt(board.homeCell(tile))));
        QCOMPARE(board.IsSolved(), true);
        QCOMPARE(board.apply(Move::arrow(ArrowKey::Up)).steps, 1);
        QCOMPARE(board.IsSolved(), false);
        QCOMPARE(board.apply(Move::arrow(ArrowKey::Down)).steps, 1);
        QCOMPARE(board.IsSolved(), true);
    }

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

    // A slide starts and ends exactly (progress held to 0 .. 1); eased, it is past halfway at half time.
    void tileSlidePositions()
    {
        for (const auto& [from, to] :
            { std::pair(QPoint(160, 40), QPoint(100, 40)), { QPoint(20, 0), QPoint(20, 45) } }) {
            const TileSlide::Path path { 3, from, to };
            QCOMPARE(TileSlide::at(path, -0.5), from);
            QCOMPARE(TileSlide::at(path, 1.5), to);
            const QPoint middle = TileSlide::at(path, 0.5);
            const int gone = (middle - from).manhattanLength();
            QCOMPARE(gone + (to - middle).manhattanLength(), (to - from).manhattanLength());
            QVERIFY(2 * gone > (to - from).manhattanLength() && middle != to);
        }
    }
};

QTEST_GUILESS_MAIN(TestSlidingBoard)
#include "tst_slidingboard.moc"
