// ShapeBoard.cpp: grid layout and per-cell figures of the shape-board levels.
#include "ShapeBoard.h"

#include "Figures.h"
#include "RandomSource.h"

#include <algorithm>
#include <array>

namespace ShapeBoard {

namespace {
const std::array<QSize, LevelIndexCount> CellSizes
    = { { { 120, 90 }, { 90, 70 }, { 80, 60 }, { 70, 50 }, { 64, 48 } } };
}

QSize cellSize(int levelIndex)
{
    if (levelIndex < 0 || levelIndex >= LevelIndexCount)
        levelIndex = LevelIndexCount - 1;
    return CellSizes[static_cast<size_t>(levelIndex)];
}

int levelIndex(int d, RandomSource& random)
{
    switch (d) {
    case 0:
        return random.between(0, 2);
    case 1:
        return 3;
    case 2:
        return 4;
    case 3:
    case 4:
        return d;
    default:
        return LevelIndexCount - 1;
    }
}

int figureKind(int p, RandomSource& random)
{
    if (p >= Figures::FirstKind && p <= Figures::LastKind)
        return p;
    // The plain triangle is only ever built on request.
    return random.between(Figures::Disc, Figures::LastKind);
}

ShapeBoardLayout layout(QSize picture, int levelIndex)
{
    ShapeBoardLayout grid;
    grid.cell = cellSize(levelIndex);
    const int w = std::max(picture.width(), 0), h = std::max(picture.height(), 0);
    grid.columns = w / grid.cell.width();
    grid.rows = h / grid.cell.height();
    grid.margin
        = QPoint((w - grid.columns * grid.cell.width()) / 2, (h - grid.rows * grid.cell.height()) / 2);
    return grid;
}

QList<ShapeBoardFigure> figures(const ShapeBoardLayout& layout, int p, RandomSource& random)
{
    QList<ShapeBoardFigure> cells;
    for (int c = 1; c <= layout.columns; ++c) {
        for (int r = 1; r <= layout.rows; ++r) {
            const int kind = figureKind(p, random);
            cells.append({ c, r, kind, Figures::figureText(kind, random) });
        }
    }
    return cells;
}

} // namespace ShapeBoard
