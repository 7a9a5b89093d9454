// Trees.cpp: layered, jagged conifers.
#include "Trees.h"

#include "Rng.h"

#include <QPolygonF>

#include <algorithm>

namespace Trees {

void pine(QPainter& p, QPointF base, double h, QColor body, QColor rim, std::uint64_t seed)
{
    Rng rng(seed);
    const double w = h * rng.range(0.28, 0.36);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(body.darker(130));
    p.drawRect(QRectF(base.x() - w * 0.05, base.y() - h * 0.15, w * 0.1, h * 0.15));
    // Tiers from the bottom up, each a ragged skirt narrower than the one below.
    const int tiers = std::clamp(int(h / 22.0), 4, 11) + rng.below(2);
    QPolygonF outline;
    outline << QPointF(base.x(), base.y() - h);
    for (int side = 0; side < 2; ++side) {
        const double dir = side == 0 ? 1.0 : -1.0;
        QPolygonF half;
        for (int t = 0; t < tiers; ++t) {
            const double f0 = double(t) / tiers, f1 = double(t + 1) / tiers;
            const double yTop = base.y() - h + h * 0.85 * f0;
            const double yBot = base.y() - h + h * 0.85 * f1 + h * 0.02;
            const double wBot = w * (0.18 + 0.82 * f1) * rng.range(0.85, 1.1);
            const double wIn = wBot * 0.45;
            half << QPointF(base.x() + dir * wIn * 0.6, yTop + (yBot - yTop) * 0.25);
            // Ragged lower edge of the tier: a few needle tips.
            half << QPointF(base.x() + dir * wBot, yBot + rng.range(-1.0, 2.0) * h * 0.01);
            // Ragged underside of the tier: drooping needle tips.
            const double drop = (yBot - yTop) * 0.18;
            half << QPointF(base.x() + dir * wBot * 0.82, yBot - drop);
            half << QPointF(base.x() + dir * wBot * 0.7, yBot + drop * rng.range(0.2, 0.8));
            half << QPointF(base.x() + dir * wBot * 0.55, yBot - drop);
            half << QPointF(base.x() + dir * wBot * 0.4, yBot + drop * rng.range(0.0, 0.5));
        }
        if (side == 0) {
            outline += half;
        } else {
            std::reverse(half.begin(), half.end());
            outline += half;
        }
    }
    p.setBrush(body);
    p.drawPolygon(outline);
    // Sunlit edge on the right half.
    p.setClipRect(QRectF(base.x() + w * 0.1, base.y() - h * 1.05, w * 1.3, h * 1.1));
    rim.setAlpha(110);
    QPen pen(rim, std::clamp(h * 0.006, 0.8, 1.3));
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
    p.restore();
}

} // namespace Trees
