// JigsawReach.h: keeping every loose piece within the player's reach: the outline-aware part of
// the drop clamp, and where "Gather pieces" puts the units nobody can see or grab.
//
// All rectangles and places here are in pixels of the jigsaw window's client area.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

namespace JigsawReach {

// Outline pixels that must stay inside the client area after a drop: a patch the size of the
// visible strip a drop guarantees (200 x 200 twips), or the whole outline when it is smaller.
qint64 grabbablePixels(const QRegion& outline);
qint64 pixelCount(const QRegion& region);

// A window at place (its box already clamped) whose outline shows fewer than grabbablePixels
// inside client is pulled straight towards the nearest place that shows its whole box, just far
// enough; otherwise place is returned unchanged.
QPoint keepGrabbable(QPoint place, QSize box, const QRegion& outline, QRect client);

// The first free place, row by row from the top left of area, for a box that must not meet any
// of the rectangles in taken (kept apart by a small gap); false when none fits.
bool freePlace(QSize box, QRect area, const QList<QRect>& taken, QPoint* place);

} // namespace JigsawReach
