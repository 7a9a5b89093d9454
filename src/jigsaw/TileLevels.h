// TileLevels.h: the generators of catalogue patterns 01 to 06, which cut the whole picture into
// straight-edged tiles, and the layouts the neighbour lists share with them.
//
// Each generator takes the level code (16xx, 36xx or 64xx picks the layout; any other prefix
// is read as 16xx) and returns the complete shape string, header first.
#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

class RandomSource;

namespace TileLevels {

// Columns x rows of cells (patterns 01, 02, 03, 05) or blocks (04, 06); an empty size for a
// level code of any other pattern.
QSize layout(int levelCode);

// The cells of a pattern-02 level (column, row from 0) in the order they are written. Reading
// order, except 6402: the 3 x 3 cells at the top left first, then column 4 rows 1-3, then row 4.
QList<QPoint> triangleCellOrder(int levelCode);

// Pattern 01: squares of 100 x 100 units, no random values.
QString squareGrid(int levelCode);
// Pattern 02: four triangles per cell around a randomly moved inner point.
QString starCutTriangles(int levelCode, RandomSource& random);
// Pattern 03: per cell a frame and the tile that fills its hole.
QString framedTiles(int levelCode, RandomSource& random);
// Pattern 04: blocks of four corner rectangles around a plus-shaped piece.
QString crossBlocks(int levelCode, RandomSource& random);
// Pattern 05: quadrilaterals of a lattice whose inner points are moved at random.
QString jitteredQuadrilaterals(int levelCode, RandomSource& random);
// Pattern 06: blocks of four corner triangles around an octagon.
QString octagonBlocks(int levelCode, RandomSource& random);

} // namespace TileLevels
