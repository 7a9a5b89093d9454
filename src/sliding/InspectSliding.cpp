// InspectSliding.cpp: quarry-inspect subcommands of the sliding puzzle.
#include "Inspect.h"
#include "SlidingBoard.h"
#include "SlidingSolver.h"

namespace {

// scramble G B: the scrambled board of grid size G with blank B, one row per line.
int scramble(const QStringList& args, Inspect::Io& io)
{
    if (args.size() != 2)
        return Inspect::usage(io, QStringLiteral("scramble"));
    bool gridOk = false;
    bool blankOk = false;
    const int gridSize = Inspect::parseInt(args[0], &gridOk);
    const int blank = Inspect::parseInt(args[1], &blankOk);
    if (!gridOk || !blankOk || gridSize < SlidingBoard::MinGridSize || gridSize > SlidingBoard::MaxGridSize
        || blank < 1 || blank > gridSize * gridSize)
        return Inspect::usage(io, QStringLiteral("scramble"));

    SlidingBoard board;
    board.BuildTiles(gridSize);
    board.scramble(blank);
    for (const QList<int>& row : board.rows()) {
        QStringList numbers;
        for (int tile : row)
            numbers.append(QString::number(tile));
        io.out << numbers.join(u' ') << '\n';
    }
    return 0;
}

const Inspect::Command scrambleCommand("scramble", "G B", scramble);

// solve G B TILES...: "moves N" and the N tiles to click on one line, or "unsolvable".
int solve(const QStringList& args, Inspect::Io& io)
{
    SlidingSolver::Position position;
    bool ok = args.size() >= 2;
    if (ok) {
        bool gridOk = false;
        bool blankOk = false;
        position.gridSize = Inspect::parseInt(args[0], &gridOk);
        position.blank = Inspect::parseInt(args[1], &blankOk);
        ok = gridOk && blankOk;
    }
    for (int i = 2; ok && i < args.size(); ++i) {
        position.tiles.push_back(Inspect::parseInt(args[i], &ok));
    }
    if (!ok || !SlidingSolver::isValid(position))
        return Inspect::usage(io, QStringLiteral("solve"));

    const SlidingSolver::Solution solution = SlidingSolver::solve(position);
    if (!solution.solvable) {
        io.out << "unsolvable\n";
        return 0;
    }
    QStringList words { QStringLiteral("moves"), QString::number(solution.clicks.size()) };
    for (const int tile : solution.clicks)
        words.append(QString::number(tile));
    io.out << words.join(u' ') << '\n';
    return 0;
}

const Inspect::Command solveCommand("solve", "G B TILES...", solve);

} // namespace
