// tst_slidingsolver.cpp: the solver against breadth-first searches, the parity rule and the click rule;
// the hint and its display: the text over the board, the blinking tile, a hint that arrives after
// the board has changed, and the 4 x 4 tables built off the interface thread.
#include "LogicGameHint.h"
#include "SlidingBoard.h"
#include "SlidingHint.h"
#include "SlidingPatternDb.h"
#include "SlidingSolver.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace {

using SlidingSolver::Position;
using Distances = std::unordered_map<std::uint64_t, int>;

std::uint64_t key(const std::vector<int>& tiles)
{
    std::uint64_t packed = 0;
    for (const int tile : tiles)
        packed = packed << 4 | static_cast<std::uint64_t>(tile - 1);
    return packed;
}

Position solved(int gridSize, int blank)
{
    Position position { gridSize, blank, {} };
    for (int tile = 1; tile <= gridSize * gridSize; ++tile)
        position.tiles.push_back(tile);
    return position;
}

// Every position within depth moves of start (by plain blank moves), with its distance.
Distances breadthFirst(const Position& start, int depth)
{
    const int g = start.gridSize;
    Distances distances { { key(start.tiles), 0 } };
    std::vector<std::vector<int>> layer { start.tiles };
    for (int d = 1; d <= depth && !layer.empty(); ++d) {
        std::vector<std::vector<int>> next;
        for (const std::vector<int>& tiles : layer) {
            const int blank
                = static_cast<int>(std::find(tiles.begin(), tiles.end(), start.blank) - tiles.begin());
            for (const int other :
                { blank - g, blank + g, blank % g ? blank - 1 : -1, (blank + 1) % g ? blank + 1 : -1 }) {
                if (other < 0 || other >= g * g)
                    continue;
                std::vector<int> moved = tiles;
                std::swap(moved[blank], moved[other]);
                if (distances.emplace(key(moved), d).second)
                    next.push_back(moved);
            }
        }
        layer.swap(next);
    }
    return distances;
}

// Whether the clicks, each naming a tile beside the blank, bring every tile home.
bool playsHome(Position position, const std::vector<int>& clicks)
{
    const int g = position.gridSize;
    auto& tiles = position.tiles;
    for (const int tile : clicks) {
        const auto at = std::find(tiles.begin(), tiles.end(), tile) - tiles.begin();
        const auto blank = std::find(tiles.begin(), tiles.end(), position.blank) - tiles.begin();
        if (std::abs(at / g - blank / g) + std::abs(at % g - blank % g) != 1)
            return false;
        std::swap(tiles[at], tiles[blank]);
    }
    return tiles == solved(g, position.blank).tiles;
}

Position shuffled(int gridSize, int blank, QRandomGenerator& random)
{
    Position position = solved(gridSize, blank);
    for (int i = static_cast<int>(position.tiles.size()) - 1; i > 0; --i)
        std::swap(position.tiles[i], position.tiles[random.bounded(i + 1)]);
    return position;
}

// A walk of length steps from home that never steps straight back.
Position walked(int gridSize, int blank, int steps, QRandomGenerator& random)
{
    Position position = solved(gridSize, blank);
    int previous = -1;
    for (int done = 0; done < steps;) {
        const int g = gridSize;
        const int at = static_cast<int>(
            std::find(position.tiles.begin(), position.tiles.end(), blank) - position.tiles.begin());
        const int offsets[] = { -g, g, -1, 1 };
        const int other = at + offsets[random.bounded(4)];
        if (other < 0 || other >= g * g || (other % g != at % g && other / g != at / g) || other == previous)
            continue;
        std::swap(position.tiles[at], position.tiles[other]);
        previous = at;
        ++done;
    }
    return position;
}

// A 3 x 3 or larger board whose cells hold tiles, read row by row.
SlidingBoard boardOf(int g, const QList<int>& tiles)
{
    SlidingBoard board;
    board.BuildTiles(g);
    board.scramble(g * g);
    for (int cell = 0; cell < tiles.size(); ++cell)
        board.apply(Move::swap(board.tileAt({ cell / g, cell % g }), tiles[cell]));
    return board;
}

// One move from home: the last tile stands in the blank's home cell.
SlidingBoard oneMoveFromHome(int g)
{
    QList<int> tiles;
    for (int cell = 0; cell < g * g; ++cell)
        tiles << (cell == g * g - 2 ? g * g : cell == g * g - 1 ? g * g - 1 : cell + 1);
    return boardOf(g, tiles);
}

} // namespace

class TestSlidingSolver : public QObject {
    Q_OBJECT

private slots:
    void shownOrDropped_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<bool>("clearedBeforeArrival");
        QTest::newRow("shown") << 3 << false;
        QTest::newRow("dropped after a move") << 3 << true;
        // The first 4 x 4 hint of a run builds the pattern tables on the worker: the request returns
        // before they are all built (the worker may have finished the smallest), the hint follows.
        QTest::newRow("4 x 4: the tables built on the worker") << 4 << false;
    }
    void shownOrDropped()
    {
        QFETCH(int, grid);
        QFETCH(bool, clearedBeforeArrival);
        const int next = grid * grid - 1; // the tile to move home
        QWidget surface;
        QWidget tile(&surface);
        LogicGameHint hint(&surface, [&](int index) { return index == next ? &tile : nullptr; });
        QSignalSpy shown(&hint, &LogicGameHint::shown);
        surface.show();
        QCOMPARE(SlidingPatternDb::memoryUsed(), std::size_t(0)); // none built yet: this slot runs first
        hint.request(oneMoveFromHome(grid), true);
        const std::size_t atReturn = SlidingPatternDb::memoryUsed();
        if (clearedBeforeArrival)
            hint.clear();
        QTest::qWait(100);
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), clearedBeforeArrival ? 0 : 1, 120000);
        QCOMPARE(atReturn < SlidingPatternDb::memoryUsed(), grid == 4);
        QCOMPARE(hint.label()->isVisible(), !clearedBeforeArrival);
        if (clearedBeforeArrival)
            return;
        QCOMPARE(hint.label()->text(), QStringLiteral("1 moves to go"));
        QTRY_VERIFY(!tile.isVisible());
        QTRY_VERIFY(tile.isVisible());
        hint.clear();
        QVERIFY(!hint.label()->isVisible());
        QVERIFY(tile.isVisible());
    }

    // Every 3 x 3 position the moves reach, and only those, is solvable, in as few moves as the search
    // from home says; larger boards play home; an unsolvable one is repaired by the swap it is given.
    void shuffledBoards_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<int>("blank");
        QTest::newRow("3 x 3, blank home in the corner") << 3 << 9;
        QTest::newRow("3 x 3, blank home in the middle") << 3 << 5;
        QTest::newRow("5 x 5, blank home in the middle") << 5 << 13;
        QTest::newRow("6 x 6, blank home top left") << 6 << 1;
        QTest::newRow("10 x 10, blank home inside") << 10 << 37;
    }
    void shuffledBoards()
    {
        QFETCH(int, gridSize);
        QFETCH(int, blank);
        const bool small = gridSize == 3;
        const Distances reachable = small ? breadthFirst(solved(3, blank), 100) : Distances();
        QCOMPARE(reachable.size(), std::size_t(small ? 181440 : 0));
        QRandomGenerator random(small ? blank : gridSize);
        for (int sample = 0; sample < (small ? 400 : 30); ++sample) {
            Position position = shuffled(gridSize, blank, random);
            const auto found = reachable.find(key(position.tiles));
            const bool solvable = small ? found != reachable.end() : SlidingSolver::isSolvable(position);
            QCOMPARE(SlidingSolver::isSolvable(position), solvable);
            const SlidingSolver::Solution solution = SlidingSolver::solve(position);
            QCOMPARE(solution.solvable, solvable);
            if (solution.solvable) {
                QVERIFY(!small || static_cast<int>(solution.clicks.size()) == found->second);
                QVERIFY(playsHome(position, solution.clicks));
                QCOMPARE(SlidingSolver::repairingSwap(position).first, 0);
                continue;
            }
            const SlidingSolver::Swap swap = SlidingSolver::repairingSwap(position);
            QVERIFY(swap.first != swap.second && swap.first != blank && swap.second != blank);
            auto& tiles = position.tiles;
            std::iter_swap(std::find(tiles.begin(), tiles.end(), swap.first),
                std::find(tiles.begin(), tiles.end(), swap.second));
            QVERIFY(small ? reachable.contains(key(tiles)) : SlidingSolver::isSolvable(position));
        }
    }

    // Optimal 4 x 4 lengths, checked by searches from both ends that meet in the middle: 22 and 26
    // steps out, and the blank's home on an edge and inside.
    void fourByFourOptimal()
    {
#ifdef QUARRY_SANITIZED
        // The 4 x 4 pattern tables take minutes to build under the sanitizers, which check memory only.
        QSKIP("the 4 x 4 pattern tables are built in the normal tree only");
#endif
        for (const auto& [blank, steps] : { std::pair(16, 22), { 16, 26 }, { 2, 24 }, { 7, 24 } }) {
            QRandomGenerator random(steps);
            const Position position = walked(4, blank, steps, random);
            const Distances fromStart = breadthFirst(position, (steps + 1) / 2);
            int optimal = steps;
            for (const auto& [state, distance] : breadthFirst(solved(4, blank), steps / 2)) {
                if (const auto meet = fromStart.find(state); meet != fromStart.end())
                    optimal = std::min(optimal, distance + meet->second);
            }
            const SlidingSolver::Solution solution = SlidingSolver::solve(position);
            QVERIFY2(
                solution.solvable && solution.optimal, qPrintable(QStringLiteral("blank %1").arg(blank)));
            QCOMPARE(static_cast<int>(solution.clicks.size()), optimal);
            QVERIFY(playsHome(position, solution.clicks));
        }
    }

    // A grid too small, a tile repeated, a tile missing, a blank past the tiles.
    void invalidPositions()
    {
        const QList<Position> positions = { { 2, 4, { 1, 2, 3, 4 } }, { 3, 9, { 1, 1, 3, 4, 5, 6, 7, 8, 9 } },
            { 3, 9, { 1, 2, 3, 4, 5, 6, 7, 8 } }, { 3, 10, { 1, 2, 3, 4, 5, 6, 7, 8, 9 } } };
        for (const Position& position : positions) {
            QVERIFY(!SlidingSolver::solve(position).solvable);
            QCOMPARE(SlidingSolver::repairingSwap(position).first, 0);
        }
    }

    // The hint names the first click of the way home and its length, or the repairing swap.
    void hints_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<QList<int>>("tiles");
        QTest::addColumn<bool>("swapMode");
        QTest::addColumn<int>("tile");
        QTest::addColumn<QString>("text");
        const QList<int> oneAway { 1, 2, 3, 4, 5, 6, 7, 9, 8 };
        const QList<int> crossed { 2, 1, 3, 4, 5, 6, 7, 8, 9 };
        QList<int> large;
        for (int tile = 1; tile <= 25; ++tile)
            large << tile;
        std::swap(large[19], large[24]);
        QTest::newRow("3 x 3, one move") << 3 << oneAway << true << 8 << "1 moves to go";
        QTest::newRow("home already") << 3 << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9 } << true << 0 << "";
        QTest::newRow("swap mode on") << 3 << crossed << true << 0 << "Swap tiles 1 and 2 first";
        QTest::newRow("swap mode off") << 3 << crossed << false << 0 << "Moves alone cannot finish this board";
        QTest::newRow("5 x 5, not known to be the fewest") << 5 << large << true << 20 << "about 1 moves to go";
    }
    void hints()
    {
        QFETCH(int, gridSize);
        QFETCH(QList<int>, tiles);
        QFETCH(bool, swapMode);
        QFETCH(int, tile);
        QFETCH(QString, text);
        const SlidingHint hint = SlidingHint::of(boardOf(gridSize, tiles), swapMode);
        QCOMPARE(hint.tile, tile);
        QCOMPARE(hint.text(), text);
    }
};

QTEST_MAIN(TestSlidingSolver)
#include "tst_slidingsolver.moc"
