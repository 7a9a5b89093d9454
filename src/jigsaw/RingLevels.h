// RingLevels.h: catalogue patterns 07 to 11, grids of oval tiles with a figure cut out of
// every oval; the figure is a piece of its own that fills the hole.
//
// The generators take the size class (1, 2 or 3 for 16xx, 36xx and 64xx levels; any other value
// is read as 1) and return the complete shape string, header first.
#pragma once

#include <QSize>
#include <QString>

class RandomSource;

namespace RingLevels {

// Columns x rows of the 100 x 100 cells of patterns 07-10 (written column by column).
QSize ringGrid(int sizeClass);
// Columns x rows of the 20 x 30 cells of pattern 11 (written row by row).
QSize digitGrid(int sizeClass);

// Pattern 07: disc with a square hole, and the square.
QString squareRings(int sizeClass, RandomSource& random);
// Pattern 08: disc with a triangular hole, and the triangle.
QString triangleRings(int sizeClass, RandomSource& random);
// Pattern 09: disc with a square hole, a square frame, and the inner square.
QString nestedSquareRings(int sizeClass, RandomSource& random);
// Pattern 10: disc with a five-pointed star hole, and the star.
QString starRings(int sizeClass, RandomSource& random);
// Pattern 11: ovals with digit-shaped holes, and the digits; no random values.
QString digitTiles(int sizeClass);

// The two-piece template of a digit 0..9 in its 20 x 30 box (the oval with the digit-shaped
// hole and the digit; for 0 the filler comes first).
QString digitTemplate(int digit);

// The template of digit with dx added to every x and dy to every y. Heads are copied as they
// stand; every number is followed by a comma, so the result ends with one.
QString OffsetTemplate(int digit, int dx, int dy);

} // namespace RingLevels
