// PlayAreaLayout.h: where the sliding game's picture and tiles go in its window, in twips.
#pragma once

#include "SlidingMove.h"

#include <QRect>
#include <QRectF>
#include <QSizeF>

namespace PlayAreaLayout {

// The play area keeps these margins from the window's inner edges.
constexpr int AreaLeft = 750;
constexpr int AreaTop = 500;
constexpr int AreaWidthMargin = 1500; // left and right together
constexpr int AreaHeightMargin = 1000; // top and bottom together
// A picture scaled down to fit lies this far inside the area's edges in the limiting direction.
constexpr double FitInset = 55.0;

// PlayArea of a window whose inner size is innerWidth × innerHeight twips.
QRect PlayArea(int innerWidth, int innerHeight);

// The rectangle in which the whole picture (source size picture, in twips) is shown in area:
// - small (at most half the area each way): enlarged by a whole factor k = max(kx, ky) + 1, where
//   kx = area width div round(2 × width) and ky = area height div round(2 × height); centred;
// - fits in the area: natural size, centred;
// - larger: scaled down keeping its proportions so that in the limiting direction it lies
//   FitInset from the area's edges; centred in the other direction.
// A picture or area without size gives an empty rectangle at the area's centre.
QRectF FitPicture(QSizeF picture, const QRect& area);

// The rectangle of cell on a gridSize × gridSize board over the shown picture: the picture's
// corner plus column × tile width, row × tile height (tile size = picture size / gridSize).
QRectF cellRect(const QRectF& picture, int gridSize, Cell cell);

} // namespace PlayAreaLayout
