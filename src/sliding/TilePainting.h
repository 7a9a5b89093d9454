// TilePainting.h: how a sliding tile looks: its part of the picture, its number and its border.
#pragma once

#include "SlidingMove.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>

class QPainter;

namespace TilePainting {

// Where numbers are drawn on a tile, in pixels from its top-left corner.
constexpr int NumberOffset = 3;

// The first two characters of the tile number written with at least two digits: 01 .. 99, and
// 10 for tile 100.
QString numberText(int tile);
// Bold, size 12: the numbers' font.
QFont numberFont();
// Pure red: the numbers' colour.
QColor numberColour();
// The border colour for a window back colour value: white (16777215) minus the back colour.
QColor borderColour(int backColourValue);

// Part cell of a gridSize × gridSize cut of source, stretched to size pixels.
QImage piece(const QImage& source, int gridSize, Cell cell, QSize size);

// Number and border over a tile face of size pixels.
void paintNumber(QPainter& painter, int tile);
void paintBorder(QPainter& painter, QSize size, const QColor& colour);

// A rectangle in twips as whole pixels; neighbouring rectangles share their edges exactly.
QRect toPixels(const QRectF& twips);

} // namespace TilePainting
