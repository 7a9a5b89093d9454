// EyesGameBench.cpp: the jigsaw window at work: a new game of the largest level of every family,
// drag steps of a single piece and of a 30-piece unit among 101, and joins. Every time runs to
// the repaint on screen.
#include "BenchHarness.h"
#include "BenchPictures.h"
#include "PeakMemory.h"
#include "JigsawBenchGame.h"
#include "PieceTable.h"
#include "Twips.h"

#include <QApplication>

namespace {

// A new game of one level of the jigsaw's largest size: the catalogue pattern from P (1 gives
// pattern 02, 2 gives 01, 3 to 11 their own number) or, with m from 0.5, the shape board.
struct NewGame {
    int p;
    double m;
    int pieces;
};

// One window for all new games: every row rewrites the record, untimed, before its game.
void newGameOf(const NewGame& level)
{
    const TwipsAt120Dpi dpi;
    static JigsawBenchGame& game = JigsawBenchGame::make("G1,BE0132768,D2,R1,M0,S0,P2,");
    {
        const Bench::Untimed setUp;
        game.setRecord("G1,BE0132768,D2,R1,M0,S0,P" + QByteArray::number(level.p) + ',');
    }
    game.newGame(largestLevelDraws(level.m));
    if (game.window->play().pieceCount() != level.pieces)
        qFatal("quarry-bench: a new game of P%d has %d pieces, not %d", level.p,
            game.window->play().pieceCount(), level.pieces);
}

template <int P, int Pieces> void catalogueGame()
{
    newGameOf({ P, 0.1, Pieces });
}

#define QUARRY_NEW_GAME(name, p, pieces, what)                                                               \
    const Bench::Registration newGame##name("EyesGame_newGame_" #name "_rotation",                           \
        "< 100 ms: " what ", from the command to all pieces shown", &catalogueGame<p, pieces>)

QUARRY_NEW_GAME(catalogue64, 2, 64, "6401, 64 squares");
QUARRY_NEW_GAME(level6402, 1, 64, "6402, 64 triangles");
QUARRY_NEW_GAME(level6403, 3, 60, "6403, 60 frames and tiles");
QUARRY_NEW_GAME(level6404, 4, 60, "6404, 60 crosses and corners");
QUARRY_NEW_GAME(level6405, 5, 64, "6405, 64 quadrilaterals");
QUARRY_NEW_GAME(level6406, 6, 60, "6406, 60 octagons and corners");
QUARRY_NEW_GAME(level6407, 7, 60, "6407, 60 rings and squares");
QUARRY_NEW_GAME(level6408, 8, 60, "6408, 60 rings and triangles");
QUARRY_NEW_GAME(level6409, 9, 90, "6409, 90 rings, frames and squares");
QUARRY_NEW_GAME(level6410, 10, 60, "6410, 60 rings and stars");
QUARRY_NEW_GAME(level6411, 11, 60, "6411, 60 ovals and digits");

// The shape board of the smallest cells with discs: 100 figures and the board.
const NewGame ShapeBoard101 { 2, 0.9, 101 };

// Moves unit k one pixel back and forth while it is held, and waits for the repaint.
void dragStep(JigsawBenchGame& game, int k)
{
    static bool right = true;
    game.paints.begin();
    game.move(k, QPointF(right ? 5 : 3, 4));
    right = !right;
    game.paints.waitForAnyIn(game.window.get(), "a drag step");
}

} // namespace

QUARRY_BENCH(EyesGame_newGame_shapeBoard101_rotation,
    "< 100 ms: 100 figures and the board, from the command to all pieces shown")
{
    newGameOf(ShapeBoard101);
}

// The shape board's count follows the picture's proportions: a 3:2 photo fitted into the
// 667 x 500 area takes 91 figures and the board.
QUARRY_BENCH(EyesGame_openPicture_photo6000x4000_shapeBoard91,
    "< 300 ms: a 6000 x 4000 JPEG, from the command to all 91 pieces shown")
{
    const TwipsAt120Dpi dpi;
    static JigsawBenchGame& game = JigsawBenchGame::make("G1,BE0132768,D2,R1,M0,S0,P2,");
    static const QString photo = BenchPictures::photo6000x4000();
    game.openPicture(photo, largestLevelDraws(ShapeBoard101.m).mid(1));
    if (game.window->play().pieceCount() != 91)
        qFatal("quarry-bench: the photo's game has %d pieces, not 91", game.window->play().pieceCount());
}

QUARRY_BENCH_MEMORY(EyesGame_openPicture_photo6000x4000_shapeBoard91_memory,
    "< 60 MiB: peak resident growth over the game's memory while the photo is opened, to all pieces shown")
{
    const TwipsAt120Dpi dpi;
    static JigsawBenchGame& game = JigsawBenchGame::make("G1,BE0132768,D2,R1,M0,S0,P2,");
    static const QString photo = BenchPictures::photo6000x4000();
    const Bench::PeakMemory peak;
    game.openPicture(photo, largestLevelDraws(ShapeBoard101.m).mid(1));
    return peak.grownBytes();
}

QUARRY_BENCH_EACH(EyesGame_dragStep_single_of101, "< 1.5 ms at p95: one mouse move dragging a single piece")
{
    const TwipsAt120Dpi dpi;
    static JigsawBenchGame& game = []() -> JigsawBenchGame& {
        JigsawBenchGame& g = JigsawBenchGame::make("G1,BE0132768,D2,R0,M1,S0,P2,");
        g.newGame(largestLevelDraws(ShapeBoard101.m));
        if (g.window->play().pieceCount() != ShapeBoard101.pieces)
            qFatal("quarry-bench: the shape board has %d pieces, not 101", g.window->play().pieceCount());
        g.press(1, QPointF(4, 4));
        return g;
    }();
    dragStep(game, 1);
}

// Pieces 1 to 30 of the level joined into one unit, away from the shape board's holes, and
// taken up.
JigsawBenchGame& unitGame(const QByteArray& record, double m, int pieces)
{
    JigsawBenchGame& game = JigsawBenchGame::make(record);
    game.newGame(largestLevelDraws(m));
    game.dropAt(1, QPointF(600, 600));
    for (int k = 2; k <= 30; ++k)
        game.dropBeside(1, k);
    // Piece 1 may have met a neighbour on its first drop already: a unit of at least 30.
    const JigsawPlay& play = game.window->play();
    if (play.pieceCount() != pieces || play.joinCounter() < 30 || !play.window(1).visible
        || play.window(1).locked)
        qFatal("quarry-bench: the 30-piece unit did not form among %d pieces", pieces);
    game.press(1, QPointF(4, 4));
    return game;
}

// Shape-board figures join one another as catalogue pieces do, wherever they stand.
QUARRY_BENCH_EACH(
    EyesGame_dragStep_unit30, "< 3 ms at p95: one mouse move dragging a 30-figure unit among 101")
{
    const TwipsAt120Dpi dpi;
    static JigsawBenchGame& game
        = unitGame("G1,BE0132768,D2,R0,M1,S0,P2,", ShapeBoard101.m, ShapeBoard101.pieces);
    dragStep(game, 1);
}

// The same among the 90 pieces of the largest catalogue level, whose unit is solid picture.
QUARRY_BENCH_EACH(EyesGame_dragStep_unit30_catalogue90,
    "< 3 ms at p95: one mouse move dragging a 30-piece unit among 90 (6409)")
{
    const TwipsAt120Dpi dpi;
    static JigsawBenchGame& game = unitGame("G1,BE0132768,D2,R0,M0,S0,P9,", 0.1, 90);
    dragStep(game, 1);
}

// Pieces of the 64 squares dropped one by one beside piece 1; a new game, untimed, every 63 joins.
QUARRY_BENCH_EACH(EyesGame_join, "< 3 ms: a drop that joins, merge and repaint")
{
    const TwipsAt120Dpi dpi;
    static JigsawBenchGame& game = JigsawBenchGame::make("G1,BE0132768,D2,R0,M0,S0,P2,");
    static int next = 65;
    if (next > game.window->play().pieceCount()) {
        const Bench::Untimed setUp;
        game.newGame(largestLevelDraws(0.1));
        game.dropAt(1, QPointF(600, 600));
        QApplication::processEvents();
        next = 2;
    }
    const int before = game.window->play().joinCounter();
    {
        const Bench::Untimed setUp;
        // The piece is taken up first; the join is the drop.
        game.paints.begin();
        game.press(next, QPointF(4, 4));
        game.paints.waitForAnyIn(game.window.get(), "a piece taken up");
    }
    const PieceRecord& mine = game.window->table().piece(next);
    const PieceRecord& ref = game.window->table().piece(1);
    const QPointF target = game.window->play().window(1).pos
        + QPointF(
            Twips::fromPixels(mine.homeLeft - ref.homeLeft), Twips::fromPixels(mine.homeTop - ref.homeTop));
    const QPointF delta = (target - game.window->play().window(next).pos) / Twips::perPixel();
    game.paints.begin();
    game.release(next, QPointF(4, 4) + delta);
    game.paints.waitForAnyIn(game.window.get(), "a join");
    if (game.window->play().joinCounter() != before + 1)
        qFatal("quarry-bench: a drop beside its neighbour did not join");
    ++next;
}
