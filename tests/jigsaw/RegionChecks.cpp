// RegionChecks.cpp: pixel areas and border lengths of regions.
#include "RegionChecks.h"

namespace RegionChecks {

qint64 area(const QRegion& region)
{
    qint64 total = 0;
    for (const QRect& r : region)
        total += qint64(r.width()) * r.height();
    return total;
}

qint64 contact(const QRegion& a, const QRegion& b)
{
    if (!a.boundingRect().adjusted(-1, -1, 1, 1).intersects(b.boundingRect()))
        return 0;
    qint64 total = 0;
    for (const QPoint& shift : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) })
        total += area(a.translated(shift).intersected(b));
    return total;
}

QString boxText(const QRegion& region)
{
    const QRect box = region.boundingRect();
    return QStringLiteral("%1,%2 %3x%4").arg(box.left()).arg(box.top()).arg(box.width()).arg(box.height());
}

} // namespace RegionChecks
