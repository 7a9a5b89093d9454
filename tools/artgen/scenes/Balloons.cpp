// Balloons.cpp: hot-air balloons drifting over patchwork farmland with a river and villages.
#include "../Colour.h"
#include "../Constants.h"
#include "../Noise.h"
#include "../Patchwork.h"
#include "../Raster.h"
#include "../Rng.h"
#include "../Scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace Scenes {

namespace {
constexpr int Horizon = 250;

QRgb land(const Noise& n, int x, int y)
{
    // Project the pixel onto flat ground so fields shrink towards the horizon.
    const float z = 78000.0f / float(y - Horizon + 150) + 3000.0f / float(y - Horizon + 4);
    const float gx = (x - 400.0f) * z / 300.0f, gy = z;
    QRgb c = Patchwork::field(n, gx, gy, 90.0f, 70.0f);
    // A river meanders through.
    const float riverX = 120.0f * std::sin(gy / 260.0f) + 60.0f * n.perlin(gy / 150.0f, 2.5f) - 40.0f;
    const float d = std::fabs(gx - riverX);
    const float halfWidth = 14.0f;
    if (d < halfWidth + 4.0f) {
        const QRgb water = Colour::mix(0xff4a8ac0, 0xffa8d4ee, 0.5f + 0.5f * n.perlin(gx / 20.0f, gy / 6.0f));
        c = Colour::mix(c, d < halfWidth ? water : 0xff3f6a2a, 1.0f);
    }
    // A straight country road.
    const float road = std::fabs(gx * 0.4f + gy * 0.15f - 140.0f);
    if (road < 3.0f)
        c = 0xffc9b08a;
    const float haze = std::exp(-float(y - Horizon) / 45.0f);
    return Colour::mix(c, 0xffc8d8e8, haze * 0.85f);
}

QRgb sky(const Noise& n, int x, int y)
{
    static const Ramp ramp { { 0.0f, 0xff4f8fd8 }, { 0.6f, 0xff9cc6ee }, { 0.9f, 0xfff2e2cc }, { 1.0f, 0xfffbe8c8 } };
    QRgb c = ramp.at(float(y) / Horizon);
    const float wisp = n.fbm(x / 260.0f, y / 22.0f, 6);
    c = Colour::mix(c, 0xfffff8f0, Colour::smoothstep(0.05f, 0.6f, wisp) * 0.85f);
    return c;
}

void balloon(QPainter& p, QPointF top, double r, const std::vector<QColor>& gores, bool zigzag)
{
    // Envelope profile: round crown narrowing to the mouth; half width at height t in [0, 1].
    auto halfWidth = [r](double t) {
        if (t < 0.55)
            return r * std::sin(std::acos(1.0 - t / 0.55 * 1.0) * 1.0) * 1.0;
        const double u = (t - 0.55) / 0.45;
        return r * (1.0 - 0.72 * u * u * (1.5 - 0.5 * u));
    };
    const double height = r * 2.2;
    auto at = [&](double phi, double t) { return QPointF(top.x() + halfWidth(t) * std::sin(phi), top.y() + t * height); };
    const int count = int(gores.size()) * 2;
    QPainterPath envelope;
    for (int i = 0; i <= 40; ++i)
        envelope.lineTo(at(Art::Pi / 2, i / 40.0));
    envelope.moveTo(at(Art::Pi / 2, 0));
    QPolygonF outline;
    for (int i = 0; i <= 40; ++i)
        outline << at(Art::Pi / 2, i / 40.0);
    for (int i = 40; i >= 0; --i)
        outline << at(-Art::Pi / 2, i / 40.0);
    envelope = QPainterPath();
    envelope.addPolygon(outline);
    // Gores between meridians.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < count; ++k) {
        const double a0 = -Art::Pi / 2 + Art::Pi * k / count, a1 = -Art::Pi / 2 + Art::Pi * (k + 1) / count;
        QPolygonF g;
        for (int i = 0; i <= 30; ++i)
            g << at(a0, i / 30.0);
        for (int i = 30; i >= 0; --i)
            g << at(a1, i / 30.0);
        p.setBrush(gores[k % gores.size()]);
        p.drawPolygon(g);
    }
    if (zigzag) {
        QPolygonF band;
        const double t0 = 0.42, t1 = 0.52;
        for (int i = 0; i <= 24; ++i) {
            const double phi = -Art::Pi / 2 + Art::Pi * i / 24;
            band << at(phi, (i % 2) ? t0 : t1);
        }
        for (int i = 24; i >= 0; --i)
            band << at(-Art::Pi / 2 + Art::Pi * i / 24, t1 + 0.05);
        p.setBrush(QColor(255, 250, 235));
        p.drawPolygon(band);
    }
    // Round shading: light from the upper left.
    QRadialGradient shade(top + QPointF(-r * 0.4, r * 0.6), r * 1.7);
    shade.setColorAt(0, QColor(255, 255, 255, 90));
    shade.setColorAt(0.45, QColor(255, 255, 255, 0));
    shade.setColorAt(0.8, QColor(0, 0, 30, 60));
    shade.setColorAt(1, QColor(0, 0, 30, 140));
    p.setBrush(shade);
    p.drawPolygon(outline);
    p.setPen(QPen(QColor(40, 30, 40, 120), std::max(0.6, r * 0.012)));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
    // Ropes and basket.
    const QPointF mouthL = at(-Art::Pi / 2, 1.0), mouthR = at(Art::Pi / 2, 1.0);
    const QRectF basket(top.x() - r * 0.17, top.y() + height + r * 0.3, r * 0.34, r * 0.26);
    p.setPen(QPen(QColor(60, 40, 30), std::max(0.6, r * 0.012)));
    p.drawLine(mouthL, basket.topLeft());
    p.drawLine(mouthR, basket.topRight());
    p.drawLine((mouthL + mouthR) / 2 + QPointF(-r * 0.05, 0), basket.topLeft() + QPointF(r * 0.1, 0));
    p.drawLine((mouthL + mouthR) / 2 + QPointF(r * 0.05, 0), basket.topRight() - QPointF(r * 0.1, 0));
    QLinearGradient wicker(basket.topLeft(), basket.topRight());
    wicker.setColorAt(0, QColor(170, 120, 60));
    wicker.setColorAt(1, QColor(100, 64, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(wicker);
    p.drawRoundedRect(basket, r * 0.03, r * 0.03);
    p.setPen(QPen(QColor(80, 50, 25, 160), std::max(0.5, r * 0.008)));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(basket.left(), basket.top() + basket.height() * i / 4),
            QPointF(basket.right(), basket.top() + basket.height() * i / 4));
    for (int i = 1; i < 6; ++i)
        p.drawLine(QPointF(basket.left() + basket.width() * i / 6, basket.top()),
            QPointF(basket.left() + basket.width() * i / 6, basket.bottom()));
}
}

QImage balloons()
{
    const Noise n(6001), fields(6002);
    QImage img = Raster::generate(Width, Height, [&](int x, int y) {
        return y < Horizon ? sky(n, x, y) : land(fields, x, y);
    });
    Rng rng(6003);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Villages: clusters of little roofs in the middle distance.
    for (int v = 0; v < 5; ++v) {
        const QPointF c(rng.range(60, 740), rng.range(Horizon + 40, 420));
        const double s = (c.y() - Horizon) / 30.0;
        for (int h = 0; h < 14; ++h) {
            const QPointF at = c + QPointF(rng.range(-8, 8) * s, rng.range(-3, 3) * s);
            p.setBrush(QColor(240, 232, 215));
            p.drawRect(QRectF(at.x(), at.y(), s * 1.6, s * 1.0));
            p.setBrush(rng.chance(0.7) ? QColor(180, 70, 50) : QColor(90, 90, 110));
            p.drawRect(QRectF(at.x() - s * 0.1, at.y() - s * 0.5, s * 1.8, s * 0.6));
        }
        if (v % 2 == 0) {
            p.setBrush(QColor(220, 210, 195));
            p.drawRect(QRectF(c.x(), c.y() - s * 5, s * 1.0, s * 5));
            p.setBrush(QColor(90, 90, 110));
            QPolygonF spire;
            spire << QPointF(c.x() - s * 0.2, c.y() - s * 5) << QPointF(c.x() + s * 0.5, c.y() - s * 8)
                  << QPointF(c.x() + s * 1.2, c.y() - s * 5);
            p.drawPolygon(spire);
        }
    }
    // Far hills at the horizon.
    QPainterPath hills(QPointF(0, Horizon + 2));
    for (int x = 0; x <= Width; x += 10)
        hills.lineTo(x, Horizon - 8 - 10 * (0.5 + 0.5 * n.fbm(x / 90.0f, 7.0f, 3)));
    hills.lineTo(Width, Horizon + 2);
    hills.closeSubpath();
    p.setBrush(QColor(150, 170, 190));
    p.drawPath(hills);
    // Balloons, far to near.
    const std::vector<std::vector<QColor>> designs {
        { QColor(230, 50, 50), QColor(250, 200, 40) },
        { QColor(40, 110, 220), QColor(250, 250, 245), QColor(40, 170, 90) },
        { QColor(250, 140, 20), QColor(150, 40, 160) },
        { QColor(240, 80, 150), QColor(255, 220, 60), QColor(70, 200, 220), QColor(120, 200, 60) },
        { QColor(30, 60, 140), QColor(250, 210, 40) },
        { QColor(200, 30, 40), QColor(250, 250, 250), QColor(30, 80, 170) },
        { QColor(60, 180, 120), QColor(250, 120, 60) },
        { QColor(250, 230, 60), QColor(240, 90, 40), QColor(220, 40, 60) },
    };
    struct Placement {
        double x, y, r;
    };
    const Placement placements[] = { { 640, 150, 14 }, { 110, 120, 18 }, { 520, 250, 22 }, { 740, 290, 30 },
        { 300, 60, 40 }, { 80, 300, 55 }, { 600, 60, 70 }, { 330, 250, 95 } };
    for (int i = 0; i < 8; ++i)
        balloon(p, QPointF(placements[i].x, placements[i].y), placements[i].r, designs[i], i % 3 == 1);
    // Burner flame under the nearest balloon.
    QRadialGradient flame(QPointF(330, 250 + 95 * 2.2 + 14), 14);
    flame.setColorAt(0, QColor(255, 255, 200));
    flame.setColorAt(0.5, QColor(255, 160, 40, 200));
    flame.setColorAt(1, QColor(255, 80, 0, 0));
    p.setBrush(flame);
    p.drawEllipse(QPointF(330, 250 + 95 * 2.2 + 10), 9, 16);
    // Birds.
    p.setPen(QPen(QColor(40, 40, 60), 1.4));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const QPointF b(440 + i * 18 + rng.range(-6, 6), 120 + rng.range(-12, 12));
        QPainterPath w(b - QPointF(6, 0));
        w.quadTo(b - QPointF(3, 4), b);
        w.quadTo(b + QPointF(3, -4), b + QPointF(6, 0));
        p.drawPath(w);
    }
    p.end();
    Raster::addGrain(img, 6004, 4.0f);
    Raster::vignette(img, 0.25f);
    return img;
}

} // namespace Scenes
