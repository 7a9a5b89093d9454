// JigsawReach.cpp: outline-aware clamp and free-space search of the jigsaw.
#include "JigsawReach.h"

#include "Twips.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace JigsawReach {

namespace {
// The strip a drop keeps visible, twips; as a square patch it is what a player can grab.
constexpr double GrabSide = 200;
// Gap kept between gathered units and anything else, and the search's row step, pixels.
constexpr int Gap = 4;
constexpr int RowStep = 8;

qint64 visiblePixels(const QRegion& outline, QPoint place, QRect client)
{
    return pixelCount(outline.translated(place).intersected(client));
}
} // namespace

qint64 pixelCount(const QRegion& region)
{
    qint64 total = 0;
    for (const QRect& r : region)
        total += qint64(r.width()) * r.height();
    return total;
}

qint64 grabbablePixels(const QRegion& outline)
{
    const double side = GrabSide / Twips::perPixel();
    return std::min(pixelCount(outline), qint64(std::ceil(side * side)));
}

QPoint keepGrabbable(QPoint place, QSize box, const QRegion& outline, QRect client)
{
    const qint64 need = grabbablePixels(outline);
    if (visiblePixels(outline, place, client) >= need)
        return place;
    // Where the whole box shows (or, for a box larger than the client, its top left does).
    const QPoint inside(
        std::clamp(place.x(), client.left(), std::max(client.left(), client.right() + 1 - box.width())),
        std::clamp(place.y(), client.top(), std::max(client.top(), client.bottom() + 1 - box.height())));
    const QPoint d = inside - place;
    const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
    auto at = [&](int i) {
        return place
            + QPoint(
                int(std::lround(double(d.x()) * i / steps)), int(std::lround(double(d.y()) * i / steps)));
    };
    if (steps == 0 || visiblePixels(outline, inside, client) < need)
        return inside;
    // Moving towards the inside never hides a pixel that showed, so the first step that shows
    // enough is found by halving.
    int lo = 0;
    int hi = steps;
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        if (visiblePixels(outline, at(mid), client) >= need)
            hi = mid;
        else
            lo = mid;
    }
    return at(hi);
}

bool freePlace(QSize box, QRect area, const QList<QRect>& taken, QPoint* place)
{
    if (box.width() > area.width() || box.height() > area.height())
        return false;
    for (int y = area.top(); y + box.height() <= area.bottom() + 1; y += RowStep) {
        int x = area.left();
        while (x + box.width() <= area.right() + 1) {
            const QRect wanted = QRect(QPoint(x, y), box).adjusted(-Gap, -Gap, Gap, Gap);
            int next = -1;
            for (const QRect& t : taken) {
                if (t.intersects(wanted))
                    next = std::max(next, t.right() + 1 + Gap);
            }
            if (next < 0) {
                *place = QPoint(x, y);
                return true;
            }
            x = std::max(x + 1, next);
        }
    }
    return false;
}

} // namespace JigsawReach
