// Figures.h: the figure generators of the shape-board levels. A figure is one piece written in
// the cell-relative form: its numbers are percentages of the cell's width and height.
#pragma once

#include <QString>

class RandomSource;

namespace Figures {

enum Kind {
    Triangle = 1,
    Disc = 2,
    Ring = 3,
    Cross = 4,
    TurnedSquare = 5,
    Octagon = 6,
    Square = 7,
    TriangleFrame = 8,
    SquareFrame = 9,
    Star = 10,
    Digit = 11,
};

constexpr int FirstKind = Triangle;
constexpr int LastKind = Digit;

// The figure text of kind 1..11, its values drawn from random in a fixed order (sizes before
// angles, outer before inner). Every kind reseeds first except the digit, which draws only the
// digit. Any other kind gives an empty text (no figure).
QString figureText(int kind, RandomSource& random);

// The template of a digit 0..9 in the box 66.67 x 100 at the left of the cell, exactly as the
// digit figures are written; empty for any other number.
QString digitTemplate(int digit);

} // namespace Figures
