// NightCity.cpp: a city skyline at night with lit windows, fireworks and a river full of reflections.
#include "../Colour.h"
#include "../Constants.h"
#include "../Noise.h"
#include "../Raster.h"
#include "../Rng.h"
#include "../Scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Scenes {

namespace {
constexpr int WaterLine = 470;

void firework(QPainter& p, QPointF c, double radius, QColor a, QColor b, Rng& rng)
{
    const int sparks = 70 + rng.below(50);
    for (int i = 0; i < sparks; ++i) {
        const double ang = 2 * Art::Pi * i / sparks + rng.range(-0.03, 0.03);
        const double r = radius * rng.range(0.75, 1.05);
        // Each spark's trail droops a little under gravity.
        QPainterPath trail(c + QPointF(std::cos(ang), std::sin(ang)) * r * 0.15);
        const QPointF end = c + QPointF(std::cos(ang) * r, std::sin(ang) * r + r * 0.18);
        trail.quadTo(c + QPointF(std::cos(ang) * r * 0.7, std::sin(ang) * r * 0.7), end);
        QLinearGradient g(trail.pointAtPercent(0), end);
        const QColor col = (i % 3 == 0) ? b : a;
        g.setColorAt(0, Colour::withAlpha(col, 0));
        g.setColorAt(0.7, Colour::withAlpha(col, 160));
        g.setColorAt(1, Colour::withAlpha(col.lighter(150), 255));
        p.setPen(QPen(QBrush(g), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(trail);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 235));
        p.drawEllipse(end, 1.6, 1.6);
        if (rng.chance(0.4)) {
            p.setBrush(Colour::withAlpha(col.lighter(130), 220));
            p.drawEllipse(end + QPointF(rng.range(-4, 4), rng.range(4, 14)), 1.1, 1.1);
        }
    }
    p.setBrush(QColor(255, 250, 230, 220));
    p.drawEllipse(c, 3, 3);
}

QColor windowColour(Rng& rng)
{
    static const QColor warm[] = { QColor(255, 214, 120), QColor(255, 190, 90), QColor(255, 236, 170),
        QColor(180, 220, 255), QColor(255, 160, 110), QColor(140, 255, 220) };
    return warm[rng.below(6)];
}

void building(QPainter& p, QRectF r, QColor wall, double lit, int style, Rng& rng, const QImage& concrete)
{
    QPainterPath outline;
    outline.addRect(r);
    // Roof shapes: flat with setback, spire, dome, stepped crown.
    switch (style) {
    case 1: {
        QPainterPath spire;
        spire.moveTo(r.center().x() - r.width() * 0.2, r.top());
        spire.lineTo(r.center().x(), r.top() - r.width() * 1.2);
        spire.lineTo(r.center().x() + r.width() * 0.2, r.top());
        outline = outline.united(spire);
        break;
    }
    case 2:
        outline = outline.united([&] {
            QPainterPath d;
            d.addEllipse(QPointF(r.center().x(), r.top()), r.width() * 0.35, r.width() * 0.3);
            return d;
        }());
        break;
    case 3:
        outline.addRect(QRectF(r.left() + r.width() * 0.15, r.top() - 18, r.width() * 0.7, 18));
        outline.addRect(QRectF(r.left() + r.width() * 0.3, r.top() - 34, r.width() * 0.4, 16));
        outline = outline.simplified();
        break;
    default: break;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(concrete));
    p.drawPath(outline);
    QLinearGradient shade(r.left(), 0, r.right(), 0);
    shade.setColorAt(0, Colour::withAlpha(wall.lighter(120), 200));
    shade.setColorAt(0.7, Colour::withAlpha(wall, 215));
    shade.setColorAt(1, Colour::withAlpha(wall.darker(160), 235));
    p.setBrush(shade);
    p.drawPath(outline);
    // Window grid.
    const double ww = std::max(3.0, r.width() / rng.range(6, 11)), wh = ww * rng.range(1.1, 1.6);
    const double gapX = ww * 0.6, gapY = wh * 0.55;
    const int cols = int((r.width() - gapX) / (ww + gapX));
    const double x0 = r.left() + (r.width() - cols * (ww + gapX) + gapX) / 2;
    for (double y = r.top() + gapY * 1.5; y + wh < r.bottom() - 6; y += wh + gapY) {
        const bool floorLit = rng.chance(0.85);
        for (int c = 0; c < cols; ++c) {
            const QRectF w(x0 + c * (ww + gapX), y, ww, wh);
            if (floorLit && rng.chance(lit)) {
                const QColor col = windowColour(rng);
                p.setBrush(col);
                p.drawRect(w);
                p.setBrush(Colour::withAlpha(col.darker(140), 150));
                p.drawRect(QRectF(w.left(), w.top(), w.width(), w.height() * 0.3));
            } else {
                p.setBrush(wall.darker(200));
                p.drawRect(w);
            }
        }
    }
    // Aircraft warning light on the tallest point.
    const QRectF box = outline.boundingRect();
    p.setPen(QPen(wall.darker(180), 1.2));
    p.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.top() - 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 60, 50));
    p.drawEllipse(QPointF(box.center().x(), box.top() - 14), 2.2, 2.2);
}

void skylineRow(QPainter& p, Rng& rng, double base, double hMin, double hMax, double wMin, double wMax,
    QColor wall, double lit, const QImage& concrete)
{
    double x = rng.range(-30, 0);
    while (x < Width) {
        const double w = rng.range(wMin, wMax), h = rng.range(hMin, hMax);
        // Each building its own shade: some bluish, some violet, the odd warm brick.
        const int hue = rng.chance(0.15) ? 10 + rng.below(20) : (wall.hsvHue() + rng.below(70) - 35 + 360) % 360;
        const QColor tone = QColor::fromHsv(hue, std::min(255, wall.hsvSaturation() + rng.below(50)),
            std::min(255, wall.value() * (90 + rng.below(40)) / 100));
        building(p, QRectF(x, base - h, w, h + 2), tone, lit, rng.below(6), rng, concrete);
        x += w + rng.range(-w * 0.25, 4);
    }
}
}

QImage nightCity()
{
    const Noise sky(3001);
    static const Ramp night { { 0.0f, 0xff040716 }, { 0.45f, 0xff141a44 }, { 0.75f, 0xff3b2a62 }, { 1.0f, 0xff9a4a6a } };
    Rng rng(3002);
    QImage img = Raster::generate(Width, Height, [&](int x, int y) {
        const float t = float(y) / WaterLine;
        QRgb c = night.at(t + 0.05f * sky.fbm(x / 200.0f, y / 90.0f, 4));
        // Thin smoke from the show drifting across.
        const float smoke = Colour::smoothstep(0.1f, 0.7f, sky.fbm(x / 150.0f, y / 60.0f, 5)) * (1.0f - t);
        return Colour::mix(c, 0xff5a4a78, smoke * 0.35f);
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const QPointF s(rng.range(0, Width), std::pow(rng.uniform(), 1.6) * 380);
        const int a = 80 + rng.below(175);
        p.setBrush(QColor(255, 250, 235, a));
        const double r = rng.chance(0.05) ? 1.6 : rng.range(0.4, 1.0);
        p.drawEllipse(s, r, r);
    }
    // Moon with a soft halo.
    QRadialGradient halo(QPointF(110, 90), 90);
    halo.setColorAt(0, QColor(255, 245, 210, 120));
    halo.setColorAt(1, QColor(255, 245, 210, 0));
    p.setBrush(halo);
    p.drawEllipse(QPointF(110, 90), 90, 90);
    QRadialGradient moon(QPointF(100, 80), 40);
    moon.setColorAt(0, QColor(255, 252, 235));
    moon.setColorAt(1, QColor(225, 215, 180));
    p.setBrush(moon);
    p.drawEllipse(QPointF(110, 90), 32, 32);
    p.setBrush(QColor(200, 190, 160, 120));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(110 + rng.range(-18, 18), 90 + rng.range(-18, 18)), rng.range(3, 7), rng.range(3, 6));
    // Fireworks, drawn on their own layer and given a glow.
    QImage show(Width, Height, QImage::Format_ARGB32_Premultiplied);
    show.fill(Qt::transparent);
    {
        QPainter f(&show);
        f.setRenderHint(QPainter::Antialiasing);
        firework(f, QPointF(330, 130), 95, QColor(255, 80, 120), QColor(255, 220, 120), rng);
        firework(f, QPointF(560, 95), 80, QColor(90, 200, 255), QColor(230, 255, 255), rng);
        firework(f, QPointF(690, 230), 70, QColor(140, 255, 120), QColor(255, 255, 150), rng);
        firework(f, QPointF(200, 240), 60, QColor(255, 190, 60), QColor(255, 110, 40), rng);
        firework(f, QPointF(460, 250), 50, QColor(200, 120, 255), QColor(255, 160, 230), rng);
        // Rising rockets.
        f.setPen(QPen(QColor(255, 220, 160, 180), 1.5));
        f.drawLine(QPointF(600, 400), QPointF(610, 300));
        f.drawLine(QPointF(120, 420), QPointF(112, 340));
    }
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(0, 0, Raster::blur(show, 14));
    p.drawImage(0, 0, show);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Three rows of buildings, far to near.
    const QImage concrete = Raster::noiseTexture(256, 256, 3003, 6.0f,
        Ramp { { 0.0f, 0xff202436 }, { 0.5f, 0xff363a52 }, { 1.0f, 0xff4e5270 } }, 3);
    skylineRow(p, rng, WaterLine - 30, 120, 230, 30, 60, QColor(40, 46, 80), 0.35, concrete);
    skylineRow(p, rng, WaterLine - 12, 80, 190, 45, 80, QColor(52, 56, 88), 0.5, concrete);
    skylineRow(p, rng, WaterLine, 40, 110, 55, 100, QColor(70, 62, 90), 0.6, concrete);
    // Embankment with a row of street lamps.
    p.setBrush(QColor(30, 28, 40));
    p.drawRect(QRectF(0, WaterLine - 6, Width, 10));
    for (int x = 20; x < Width; x += 46) {
        p.setPen(QPen(QColor(20, 20, 26), 2));
        p.drawLine(QPointF(x, WaterLine - 6), QPointF(x, WaterLine - 26));
        p.setPen(Qt::NoPen);
        QRadialGradient lamp(QPointF(x, WaterLine - 28), 14);
        lamp.setColorAt(0, QColor(255, 230, 160, 255));
        lamp.setColorAt(0.25, QColor(255, 200, 120, 160));
        lamp.setColorAt(1, QColor(255, 180, 100, 0));
        p.setBrush(lamp);
        p.drawEllipse(QPointF(x, WaterLine - 28), 14, 14);
    }
    p.end();
    // The river mirrors everything, smeared into vertical streaks.
    const QImage above = img.copy(0, 0, Width, WaterLine);
    const QImage smeared = Raster::blur(above, 3);
    const Noise ripple(3004);
    for (int y = WaterLine + 4; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const float depth = float(y - WaterLine) / (Height - WaterLine);
        for (int x = 0; x < Width; ++x) {
            const float wob = 6.0f * ripple.perlin(x / 40.0f, y / 2.0f) * (0.3f + depth);
            const int sx = std::clamp(int(x + wob), 0, Width - 1);
            const int sy = std::clamp(2 * WaterLine - y + int(wob * 2), 0, WaterLine - 1);
            QRgb c = reinterpret_cast<const QRgb*>(smeared.constScanLine(sy))[sx];
            c = Colour::mix(c, 0xff0a0e26, 0.35f + 0.3f * depth);
            const float r = ripple.perlin(x / 18.0f, y / 1.6f);
            if (r > 0.3f)
                c = Colour::lift(c, (r - 0.3f) * 60.0f);
            line[x] = c | 0xff000000u;
        }
    }
    Raster::addGrain(img, 3005, 4.0f);
    Raster::vignette(img, 0.3f);
    return img;
}

} // namespace Scenes
