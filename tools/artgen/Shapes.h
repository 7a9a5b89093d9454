// Shapes.h: outlines shared by several pictures: jigsaw pieces, irregular blobs, stars, leaves.
#pragma once

#include <QPainterPath>
#include <QRectF>

#include <array>
#include <cstdint>

namespace Shapes {

// A jigsaw piece on body; tabs for top, right, bottom, left: +1 knob out, -1 socket in, 0 straight.
QPainterPath jigsawPiece(const QRectF& body, const std::array<int, 4>& tabs);
// A closed, irregular round outline: radius varies by up to roughness (fraction) around the centre.
QPainterPath blob(QPointF centre, double rx, double ry, double roughness, std::uint64_t seed, int points = 72);
// A star with the given number of points.
QPainterPath star(QPointF centre, double outer, double inner, int points, double rotationDeg = -90.0);
// A pointed leaf from base along angleDeg.
QPainterPath leaf(QPointF base, double length, double width, double angleDeg);

} // namespace Shapes
