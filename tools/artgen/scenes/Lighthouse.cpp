// Lighthouse.cpp: a striped lighthouse on a rocky headland above a rolling sea with breaking waves.
#include "../Colour.h"
#include "../Noise.h"
#include "../Raster.h"
#include "../Rng.h"
#include "../Scenes.h"
#include "../Shapes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Scenes {

namespace {
constexpr int Horizon = 300;
const QPointF Tower(600, 240); // foot of the tower

QRgb skyAt(const Noise& n, int x, int y)
{
    static const Ramp ramp { { 0.0f, 0xff2e5a9a }, { 0.55f, 0xff78a8d8 }, { 0.85f, 0xfff0d0a8 }, { 1.0f, 0xfffff0c8 } };
    QRgb c = ramp.at(float(y) / Horizon);
    const float heap = n.fbm(x / 180.0f, y / 60.0f, 6) + 0.12f - float(y) / 1200.0f;
    if (heap > 0.0f) {
        const float above = n.fbm(x / 180.0f, (y - 6) / 60.0f, 6) + 0.12f - float(y - 6) / 1200.0f;
        const float lit = Colour::clamp01(0.5f + 5.0f * (heap - above));
        c = Colour::mix(c, Colour::mix(0xff6a7890, 0xfffff2dc, lit), Colour::smoothstep(0.0f, 0.2f, heap) * 0.95f);
    }
    // Long haze streaks low over the sea.
    const float streak = n.fbm(x / 260.0f, y / 7.0f + 30.0f, 4);
    c = Colour::mix(c, 0xfff6e2c8, Colour::smoothstep(0.1f, 0.5f, streak) * Colour::smoothstep(150.0f, 280.0f, y) * 0.6f);
    return c;
}

QRgb seaAt(const Noise& n, int x, int y)
{
    const float d = float(y - Horizon) / (Height - Horizon);
    const float sx = x / (30.0f + 160.0f * d), sy = y / (2.0f + 20.0f * d);
    const float wave = n.fbm(sx, sy, 5);
    const float swell = std::sin(y * (0.9f - 0.6f * d) + n.perlin(sx * 0.3f, sy) * 3.0f);
    QRgb c = Colour::mix(0xff0d4a6e, 0xff2a8aa8, 0.5f + 0.5f * wave);
    c = Colour::mix(c, 0xff6ab4c8, Colour::clamp01(swell * 0.3f));
    // Sky glint on the far water, white caps on the crests.
    c = Colour::mix(c, 0xffe8e0c8, (1.0f - d) * (1.0f - d) * 0.45f * Colour::clamp01(0.5f + wave));
    if (wave > 0.45f - 0.1f * d)
        c = Colour::mix(c, 0xfff4fbff, Colour::clamp01((wave - 0.45f + 0.1f * d) * 4.0f));
    return c;
}

QPainterPath headland()
{
    QPainterPath h(QPointF(430, Horizon + 30));
    h.cubicTo(470, 280, 500, 260, 540, 245);
    h.cubicTo(600, 230, 700, 235, 800, 230);
    h.lineTo(800, 470);
    h.cubicTo(700, 460, 600, 420, 520, 380);
    h.cubicTo(470, 360, 440, 345, 430, Horizon + 30);
    return h;
}

QImage rockLayer(const Noise& n)
{
    return Raster::generate(Width, Height, [&](int x, int y) {
        // Tilted strata broken into blocks.
        const float strata = std::sin((y + x * 0.25f) / 4.0f + n.fbm(x / 60.0f, y / 40.0f, 4) * 4.0f);
        const float crack = n.ridged(x / 30.0f, y / 50.0f, 4);
        QRgb c = Colour::mix(0xff5a4a44, 0xffa08a74, 0.5f + 0.4f * strata);
        c = Colour::scale(c, 0.55f + 0.6f * (1.0f - crack) + 0.15f * n.perlin(x / 3.0f, y / 3.0f));
        return c;
    });
}

void lighthouse(QPainter& p)
{
    const double h = 140, wBot = 38, wTop = 27;
    const QPointF foot = Tower;
    QPolygonF tower;
    tower << foot + QPointF(-wBot / 2, 0) << foot + QPointF(-wTop / 2, -h) << foot + QPointF(wTop / 2, -h)
          << foot + QPointF(wBot / 2, 0);
    p.save();
    QPainterPath clip;
    clip.addPolygon(tower);
    p.setClipPath(clip);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(i % 2 ? QColor(245, 245, 240) : QColor(205, 30, 35));
        p.drawRect(QRectF(foot.x() - wBot, foot.y() - h + i * h / 6 - 1, wBot * 2, h / 6 + 1));
    }
    QLinearGradient round(foot.x() - wBot / 2, 0, foot.x() + wBot / 2, 0);
    round.setColorAt(0, QColor(255, 240, 210, 90));
    round.setColorAt(0.4, QColor(255, 255, 255, 0));
    round.setColorAt(1, QColor(0, 10, 40, 130));
    p.setBrush(round);
    p.drawRect(tower.boundingRect());
    p.restore();
    // Windows up the tower.
    p.setBrush(QColor(40, 50, 70));
    for (int i = 1; i < 4; ++i)
        p.drawRoundedRect(QRectF(foot.x() - 3, foot.y() - h * i / 4 - 6, 6, 10), 3, 3);
    // Gallery, lantern room and dome.
    const QPointF top = foot - QPointF(0, h);
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(QRectF(top.x() - 22, top.y() - 4, 44, 6));
    p.setPen(QPen(QColor(40, 40, 50), 1.2));
    for (int i = 0; i <= 8; ++i)
        p.drawLine(QPointF(top.x() - 21 + i * 5.25, top.y() - 4), QPointF(top.x() - 21 + i * 5.25, top.y() - 14));
    p.drawLine(QPointF(top.x() - 22, top.y() - 14), QPointF(top.x() + 22, top.y() - 14));
    p.setPen(Qt::NoPen);
    QRadialGradient lamp(top + QPointF(0, -22), 14);
    lamp.setColorAt(0, QColor(255, 255, 230));
    lamp.setColorAt(1, QColor(255, 210, 90));
    p.setBrush(lamp);
    p.drawRect(QRectF(top.x() - 12, top.y() - 34, 24, 30));
    p.setPen(QPen(QColor(30, 30, 40), 1.5));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(top.x() - 12 + i * 8, top.y() - 34), QPointF(top.x() - 12 + i * 8, top.y() - 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 30, 35));
    QPainterPath dome(QPointF(top.x() - 16, top.y() - 34));
    dome.quadTo(top.x(), top.y() - 60, top.x() + 16, top.y() - 34);
    dome.closeSubpath();
    p.drawPath(dome);
    p.setBrush(QColor(40, 40, 50));
    p.drawEllipse(QPointF(top.x(), top.y() - 50), 2.5, 2.5);
    // A beam sweeping out to sea.
    QPolygonF beam;
    beam << top + QPointF(-10, -20) << QPointF(250, 50) << QPointF(250, 90);
    QLinearGradient g(top, QPointF(250, 70));
    g.setColorAt(0, QColor(255, 250, 210, 110));
    g.setColorAt(1, QColor(255, 250, 210, 0));
    p.setBrush(g);
    p.drawPolygon(beam);
    // Keeper's cottage.
    const QRectF house(foot.x() + 30, foot.y() - 34, 70, 36);
    p.setBrush(QColor(240, 236, 222));
    p.drawRect(house);
    p.setBrush(QColor(0, 0, 40, 50));
    p.drawRect(QRectF(house.right() - 18, house.top(), 18, house.height()));
    QPolygonF roof;
    roof << QPointF(house.left() - 6, house.top()) << QPointF(house.left() + 14, house.top() - 22)
         << QPointF(house.right() - 4, house.top() - 22) << QPointF(house.right() + 6, house.top());
    p.setBrush(QColor(160, 50, 40));
    p.drawPolygon(roof);
    p.setBrush(QColor(60, 90, 140));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(house.left() + 8 + i * 20, house.top() + 10, 10, 12));
    p.setBrush(QColor(120, 110, 110));
    p.drawRect(QRectF(house.left() + 50, house.top() - 30, 8, 14));
}

// Surf at a waterline: a dense wash along it and spray thrown up above it.
void foam(QPainter& p, QPointF c, double w, double h, Rng& rng)
{
    for (int i = 0; i < 110; ++i) {
        const double u = rng.range(-1, 1);
        const double lift = std::pow(rng.uniform(), 3.0) * h * (1.0 - u * u);
        const QPointF at = c + QPointF(u * w, -lift + rng.range(-3, 3));
        const double r = rng.range(1.5, 5.0) * (1.0 - 0.6 * lift / h);
        p.setBrush(QColor(245, 252, 255, 60 + rng.below(130)));
        p.drawEllipse(at, r * 1.6, r);
    }
}
}

QImage lighthouse()
{
    const Noise n(7001), sea(7002), rock(7003);
    QImage img = Raster::generate(Width, Height, [&](int x, int y) {
        return y < Horizon ? skyAt(n, x, y) : seaAt(sea, x, y);
    });
    const QImage rocks = rockLayer(rock);
    Rng rng(7004);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // A far island and a sailing boat on the horizon.
    p.setBrush(QColor(110, 130, 150));
    p.drawPath(Shapes::blob(QPointF(120, Horizon), 90, 14, 0.3, 7005));
    p.setBrush(QColor(240, 240, 235));
    QPolygonF sail;
    sail << QPointF(300, Horizon - 2) << QPointF(312, Horizon - 30) << QPointF(316, Horizon - 2);
    p.drawPolygon(sail);
    p.setBrush(QColor(120, 60, 50));
    p.drawRect(QRectF(296, Horizon - 2, 24, 4));
    // Headland: rock, then a grass cap.
    const QPainterPath land = headland();
    p.setBrush(QBrush(rocks));
    p.drawPath(land);
    QLinearGradient shade(430, 0, 800, 0);
    shade.setColorAt(0, QColor(0, 10, 30, 120));
    shade.setColorAt(0.3, QColor(255, 220, 160, 30));
    shade.setColorAt(1, QColor(0, 10, 30, 40));
    p.setBrush(shade);
    p.drawPath(land);
    QPainterPath grass(QPointF(470, 280));
    grass.cubicTo(500, 260, 540, 242, 600, 235);
    grass.cubicTo(680, 230, 740, 234, 800, 228);
    grass.lineTo(800, 270);
    grass.cubicTo(720, 268, 640, 266, 560, 270);
    grass.cubicTo(520, 274, 490, 282, 470, 280);
    const QImage turf = Raster::noiseTexture(200, 100, 7006, 6.0f,
        Ramp { { 0.0f, 0xff3a6a24 }, { 0.5f, 0xff6a9a3a }, { 1.0f, 0xffa8c860 } }, 4);
    p.setBrush(QBrush(turf));
    p.drawPath(grass);
    for (int i = 0; i < 500; ++i) {
        const double x = rng.range(470, 800);
        const double y = 240 + (x < 560 ? (560 - x) * 0.4 : 0) + rng.range(0, 34);
        if (!grass.contains(QPointF(x, y)))
            continue;
        p.setPen(QPen(QColor::fromHsv(80 + rng.below(30), 150, 90 + rng.below(110)), 1));
        p.drawLine(QPointF(x, y), QPointF(x + rng.range(-2, 2), y - rng.range(3, 8)));
        if (rng.chance(0.08)) {
            p.setPen(Qt::NoPen);
            p.setBrush(rng.chance(0.5) ? QColor(250, 240, 120) : QColor(240, 150, 200));
            p.drawEllipse(QPointF(x, y - 6), 1.6, 1.6);
        }
    }
    p.setPen(Qt::NoPen);
    lighthouse(p);
    // Foreground rocks on the left with surf around them; surf goes on its own layer to be softened.
    QImage surf(Width, Height, QImage::Format_ARGB32_Premultiplied);
    surf.fill(Qt::transparent);
    QPainter s(&surf);
    s.setRenderHint(QPainter::Antialiasing);
    s.setPen(Qt::NoPen);
    for (auto [x, y, rx, ry] : { std::tuple { 90.0, 560.0, 140.0, 90.0 }, { 250.0, 590.0, 90.0, 60.0 },
             { 360.0, 470.0, 50.0, 30.0 }, { 470.0, 420.0, 36.0, 20.0 }, { 700.0, 600.0, 130.0, 70.0 } }) {
        const QPainterPath r = Shapes::blob(QPointF(x, y), rx, ry, 0.25, rng.next(), 48);
        p.setBrush(QBrush(rocks));
        p.drawPath(r);
        QRadialGradient g(QPointF(x - rx * 0.3, y - ry * 0.6), rx * 1.3);
        g.setColorAt(0, QColor(255, 230, 190, 60));
        g.setColorAt(0.6, QColor(0, 0, 0, 0));
        g.setColorAt(1, QColor(0, 10, 30, 150));
        p.setBrush(g);
        p.drawPath(r);
        foam(s, QPointF(x, y + ry * 0.55), rx * 1.1, ry * 0.9, rng);
    }
    // Surf along the foot of the cliff.
    QPainterPath cliffFoot(QPointF(800, 470));
    cliffFoot.cubicTo(700, 460, 600, 420, 520, 380);
    cliffFoot.cubicTo(470, 360, 440, 345, 430, Horizon + 30);
    for (int i = 0; i < 16; ++i)
        foam(s, cliffFoot.pointAtPercent((i + rng.uniform()) / 16.0) + QPointF(0, 6), 18, 30, rng);
    s.end();
    p.drawImage(0, 0, Raster::blur(surf, 3));
    p.setOpacity(0.6);
    p.drawImage(0, 0, surf);
    p.setOpacity(1.0);
    // Gulls.
    p.setPen(QPen(QColor(250, 250, 250), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const QPointF b(rng.range(80, 420), rng.range(60, 200));
        const double s = rng.range(6, 12);
        QPainterPath w(b - QPointF(s, s * 0.2));
        w.quadTo(b - QPointF(s * 0.5, s * 0.6), b);
        w.quadTo(b + QPointF(s * 0.5, -s * 0.6), b + QPointF(s, -s * 0.2));
        p.drawPath(w);
    }
    p.end();
    Raster::addGrain(img, 7007, 4.0f);
    Raster::vignette(img, 0.3f);
    return img;
}

} // namespace Scenes
