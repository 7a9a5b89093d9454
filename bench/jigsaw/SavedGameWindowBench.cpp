// SavedGameWindowBench.cpp: a 101-piece jigsaw saved on close and resumed by the next window's first
// activation, timed until every piece shown has painted.
#include "BenchHarness.h"
#include "JigsawBenchGame.h"

#include <QFile>

QUARRY_BENCH(EyesGame_resume_shapeBoard101_rotation,
    "< 100 ms: a saved 101-piece game, from the first activation to every piece shown")
{
    const TwipsAt120Dpi dpi;
    static JigsawBenchGame& game = [] () -> JigsawBenchGame& {
        JigsawBenchGame& g = JigsawBenchGame::make("G1,BE0132768,D2,R1,M1,S0,P2,");
        g.newGame(largestLevelDraws(0.9));
        if (g.window->play().pieceCount() != 101)
            qFatal("quarry-bench: the shape board has %d pieces, not 101", g.window->play().pieceCount());
        g.window->close(); // saves the game
        return g;
    }();
    {
        const Bench::Untimed setUp;
        game.reopen();
    }
    game.paints.begin();
    game.window->Form_Activate();
    if (game.window->play().pieceCount() != 101)
        qFatal("quarry-bench: the saved game was not resumed");
    game.paints.waitFor(game.shownPieces(), "a resumed game's pieces");
}
