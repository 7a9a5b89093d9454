// RegionChecks.h: region measurements shared by the level property tests.
#pragma once

#include <QRegion>
#include <QString>

namespace RegionChecks {

// Number of pixels inside the region.
qint64 area(const QRegion& region);

// Pairs of 4-adjacent pixels, one in a and one in b (a and b disjoint): the length of their
// common border in pixel edges. Pieces that only meet at a point have (almost) none.
qint64 contact(const QRegion& a, const QRegion& b);

// "left,top widthxheight" of the region's bounding box, for failure messages.
QString boxText(const QRegion& region);

} // namespace RegionChecks
