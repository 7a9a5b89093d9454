// InspectSliding.cpp: quarry-inspect subcommands of the sliding puzzle.
#include "Inspect.h"
#include "SlidingBoard.h"

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

} // namespace
