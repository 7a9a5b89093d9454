// JigsawScatter.h: where a new game puts its pieces, and which pieces start turned.
#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>

#include <functional>

class RandomSource;

namespace JigsawScatter {

// The four ranges (twips), from the jigsaw window's size and the working picture's size.
struct Ranges
{
    double a = 0; // left range of even pieces
    double b = 0; // top range of even pieces
    double c = 0; // left range of odd pieces
    double d = 0; // top range of odd pieces
};
Ranges ranges(QSizeF window, QSizeF picture);

// One pass over pieces 1..count drawing in order: a turn when rotation is on (never for
// the board piece; 0 means none), then r1 and r2 for the place. turn(k, degrees) is called
// for every piece that is turned, before its place is drawn. Returns the places, index 1..count
// (element 0 unused). The board piece is kept wholly inside the window whatever it draws.
QList<QPointF> scatter(int count, QSizeF window, QSizeF picture, bool rotation, int boardPiece,
                       RandomSource& random, const std::function<void(int, int)>& turn);

} // namespace JigsawScatter
