// Outline.h: builds a piece outline (a region in pixels) from a head and its points.
//
// Edges: every primitive owns the pixels of its inside with the right and bottom edges exclusive.
// A rectangle with corners (l, t) and (r, b) owns columns l..r-1 and rows t..b-1; an ellipse fills
// within that same box; a polygon (odd-even fill) owns pixel (x, y) when the point (x, y) lies inside,
// points on a left or top edge counting as inside and on a right or bottom edge as outside. An ellipse
// is filled as the polygon that approximates it. Two pieces sharing an edge therefore tile without
// overlap or gap, also along slanted edges: squares on each side of x = 100 own columns ..99 and
// 100.. respectively, and a pixel on a shared slanted edge belongs to exactly one of the two pieces.
//
// Points that the head refers to but that are absent from the list (a damaged string) are left out:
// a polygon goes through those of its points that exist, an ellipse or rectangle needs both corners.
// Coordinates are clamped to +-outlineCoordinateLimit before a region is made.
#pragma once

#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QStringView>

inline constexpr int outlineCoordinateLimit = 1 << 15;

// Region combination modes written after "P" in a head. Any other value leaves the outline as it is
// (the primitive is skipped, its points still count).
enum class OutlineMode { Intersect = 1, Unite = 2, Xor = 3, Subtract = 4, Copy = 5 };

// One primitive of a head with the points it uses.
struct OutlinePrimitive
{
    enum class Kind { Polygon, Ellipse, Rectangle };
    Kind kind = Kind::Polygon;
    int mode = 0;    // how it combines into the outline so far; 0 for the first primitive
    QPolygon points; // polygon: its present vertices; ellipse/rectangle: both corners, or empty
};

// "Build outline": the region of head over points (picture pixels or any pixel frame).
QRegion buildOutline(QStringView head, const QList<QPoint>& points);

// The head's first primitive (drawn as a line figure on the outline board).
OutlinePrimitive firstPrimitive(QStringView head, const QList<QPoint>& points);

// The box between two opposite corners in either order, right and bottom exclusive (corners clamped
// as outline coordinates are).
QRect cornerBox(QPoint a, QPoint b);

// The region of one primitive (empty when it lacks points).
QRegion primitiveRegion(const OutlinePrimitive& primitive);
