// MountainLake.cpp: a mountain lake at sunset, with snowy peaks, pine shores and reflections.
#include "../Colour.h"
#include "../Noise.h"
#include "../Raster.h"
#include "../Rng.h"
#include "../Scenes.h"
#include "../Trees.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace Scenes {

namespace {
constexpr int Horizon = 352;
const QPointF Sun(560, 258);

QRgb skyAt(const Noise& clouds, int x, int y)
{
    static const Ramp sky { { 0.0f, 0xff17204c }, { 0.30f, 0xff3f2c6c }, { 0.55f, 0xffa0476f },
        { 0.75f, 0xffe9774d }, { 0.90f, 0xffffb865 }, { 1.0f, 0xffffdc98 } };
    const float t = float(y) / Horizon;
    QRgb c = sky.at(t + 0.04f * clouds.perlin(x / 300.0f, 3.0f));
    const float d = std::hypot(x - Sun.x(), (y - Sun.y()) * 1.6);
    c = Colour::screen(c, 0xffffd890, std::exp(-d / 170.0f) * 0.9f);
    // Long streaky clouds, lit from below near the sun.
    const float band = Colour::smoothstep(0.0f, 60.0f, y) * (1.0f - Colour::smoothstep(200.0f, 290.0f, y));
    const float n = clouds.fbm(x / 200.0f, y / 34.0f, 6) + 0.25f * clouds.perlin(x / 90.0f + 40.0f, y / 90.0f);
    const float density = Colour::smoothstep(-0.05f, 0.45f, n) * band;
    if (density > 0.0f) {
        const float below = clouds.fbm(x / 200.0f, (y - 6) / 34.0f, 6) + 0.25f * clouds.perlin(x / 90.0f + 40.0f, (y - 6) / 90.0f);
        const float lit = Colour::clamp01(0.45f + 4.0f * (n - below) + 0.6f * std::exp(-d / 260.0f));
        const QRgb shadow = Colour::mix(0xff3a2758, 0xff6a3468, t);
        const QRgb light = Colour::mix(0xffff8c7a, 0xffffd28a, std::exp(-d / 300.0f));
        c = Colour::mix(c, Colour::mix(shadow, light, lit), density * 0.92f);
    }
    return c;
}

// A mountain range: crest height per column and a colour scheme.
struct Range {
    std::vector<float> crest;
    QRgb lit, shade, snow, snowShade;
    float haze;
    float snowLine;
};

Range makeRange(const Noise& n, float base, float amp, float scale, float offset, QRgb lit, QRgb shade,
    float haze, float snowLine)
{
    Range r { {}, lit, shade, 0xfffff0f0, 0xff9c8cc0, haze, snowLine };
    r.crest.resize(Width);
    for (int x = 0; x < Width; ++x) {
        // A saddle under the sun lets it shine through.
        const float valley = 1.0f - 0.55f * std::exp(-std::pow((x - float(Sun.x())) / 120.0f, 2.0f));
        r.crest[x] = base - amp * valley * n.ridged(x / scale + offset, offset * 0.37f, 5);
    }
    return r;
}

void paintRange(QImage& img, const Range& r, const Noise& rock, const std::vector<QRgb>& hazeRow)
{
    for (int x = 0; x < Width; ++x) {
        const int top = std::max(0, int(std::floor(r.crest[x])));
        // Faces that fall away to the right look towards the sun.
        const float crestSlope = r.crest[std::min(x + 5, Width - 1)] - r.crest[std::max(x - 5, 0)];
        for (int y = top; y < Horizon; ++y) {
            const float cover = Colour::clamp01(float(y + 1) - r.crest[x]);
            const float depth = (y - r.crest[x]);
            // Gullies run downhill: a ridged field stretched vertically, its sideways slope is the light.
            auto hf = [&](float px, float py) { return rock.ridged(px / 38.0f, py / 120.0f + px / 400.0f, 4); };
            const float slope = hf(x + 1.0f, y) - hf(x - 1.0f, y);
            const float fall = std::exp(-depth / 60.0f);
            const float light = Colour::clamp01(0.45f + 0.035f * crestSlope * fall - slope * 5.0f
                + 0.12f * rock.perlin(x / 7.0f, y / 7.0f) - 0.2f * (1.0f - fall));
            QRgb c = Colour::mix(r.shade, r.lit, light);
            const float snow = Colour::smoothstep(0.0f, 5.0f,
                r.snowLine + 20.0f * rock.fbm(x / 30.0f, y / 50.0f, 4) - depth - (r.crest[x] - 150.0f) * 0.5f);
            if (snow > 0.0f)
                c = Colour::mix(c, Colour::mix(r.snowShade, r.snow, light * 1.2f), snow * 0.92f);
            c = Colour::mix(c, hazeRow[x], r.haze * (0.6f + 0.4f * float(y) / Horizon));
            QRgb& px = reinterpret_cast<QRgb*>(img.scanLine(y))[x];
            px = Colour::mix(px, c, cover);
        }
    }
}

void paintForestRow(QPainter& p, Rng& rng, double y, double hMin, double hMax, double x0, double x1, double step,
    QColor body, QColor rim)
{
    for (double x = x0; x < x1; x += step * rng.range(0.5, 1.1)) {
        const double h = rng.range(hMin, hMax);
        Trees::pine(p, QPointF(x, y + rng.range(0, 4)), h, body, rim, rng.next());
    }
}

void paintReflection(QImage& img, const Noise& water)
{
    const QImage above = img.copy();
    for (int y = Horizon; y < Height; ++y) {
        const float depth = float(y - Horizon) / (Height - Horizon);
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            const float wobble = (2.0f + 9.0f * depth) * water.perlin(x / 90.0f, y / (1.5f + 4.0f * depth));
            const int sx = std::clamp(int(x + wobble), 0, Width - 1);
            const int sy = std::clamp(2 * Horizon - y - 1 + int(wobble * 0.3f), 0, Horizon - 1);
            QRgb c = reinterpret_cast<const QRgb*>(above.constScanLine(sy))[sx];
            c = Colour::mix(c, 0xff1b2748, 0.22f + 0.35f * depth);
            // Ripple crests catch the sky; a glitter path runs under the sun.
            const float ripple = water.perlin(x / (25.0f + 40.0f * depth), y / (1.2f + 2.5f * depth));
            if (ripple > 0.25f)
                c = Colour::screen(c, 0xffffb37a, (ripple - 0.25f) * 1.3f * (0.5f + depth));
            else if (ripple < -0.3f)
                c = Colour::scale(c, 0.82f);
            const float glitterWidth = 10.0f + 120.0f * depth;
            const float dx = std::fabs(x - float(Sun.x()));
            if (dx < glitterWidth && ripple > 0.05f)
                c = Colour::screen(c, 0xffffe6a8, (1.0f - dx / glitterWidth) * (ripple + 0.2f) * 1.4f);
            line[x] = c;
        }
    }
}

void paintCanoe(QPainter& p)
{
    const QPointF at(300, 430);
    QPainterPath hull;
    hull.moveTo(at + QPointF(-48, -4));
    hull.quadTo(at + QPointF(0, 10), at + QPointF(48, -5));
    hull.quadTo(at + QPointF(0, 2), at + QPointF(-48, -4));
    p.setPen(Qt::NoPen);
    // Reflection first, under the hull.
    p.setBrush(QColor(120, 30, 20, 110));
    p.drawPath(QTransform(1, 0, 0, -1, 0, 2 * (at.y() + 4)).map(hull));
    QLinearGradient g(at + QPointF(0, -4), at + QPointF(0, 8));
    g.setColorAt(0, QColor(235, 92, 48));
    g.setColorAt(1, QColor(130, 34, 26));
    p.setBrush(g);
    p.drawPath(hull);
    // Paddler: body, head, paddle.
    p.setBrush(QColor(40, 36, 60));
    p.drawEllipse(at + QPointF(6, -16), 6, 10);
    p.setBrush(QColor(240, 200, 150));
    p.drawEllipse(at + QPointF(6, -30), 4.5, 4.5);
    p.setBrush(QColor(230, 190, 60));
    p.drawEllipse(at + QPointF(6, -33), 5.5, 2.5);
    p.setPen(QPen(QColor(90, 60, 40), 2));
    p.drawLine(at + QPointF(-14, -30), at + QPointF(26, 6));
    // Wake ripples.
    p.setPen(QPen(QColor(255, 210, 170, 120), 1.2));
    for (int i = 1; i <= 3; ++i)
        p.drawArc(QRectF(at.x() - 50 - i * 14, at.y() - 1 + i * 2, 60 + i * 12, 6 + i * 2), 180 * 16, 90 * 16);
}

void paintForeground(QPainter& p, Rng& rng)
{
    // Rocky left shore with moss.
    QPainterPath shore;
    shore.moveTo(0, 468);
    shore.cubicTo(70, 452, 130, 470, 170, 500);
    shore.cubicTo(215, 535, 260, 560, 300, 600);
    shore.lineTo(0, 600);
    shore.closeSubpath();
    const QImage rockTex = Raster::noiseTexture(320, 160, 41, 14.0f,
        Ramp { { 0.0f, 0xff2a2430 }, { 0.45f, 0xff4d4048 }, { 0.7f, 0xff7a5e58 }, { 1.0f, 0xffb08068 } });
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(rockTex));
    p.drawPath(shore);
    QLinearGradient lit(0, 460, 260, 600);
    lit.setColorAt(0, QColor(255, 150, 90, 70));
    lit.setColorAt(1, QColor(10, 10, 30, 140));
    p.setBrush(lit);
    p.drawPath(shore);
    // Boulders along the waterline.
    for (int i = 0; i < 7; ++i) {
        const QPointF c(20 + i * 38 + rng.range(-8, 8), 478 + i * 16 + rng.range(-4, 4));
        const double r = rng.range(14, 26);
        QRadialGradient g(c + QPointF(r * 0.4, -r * 0.5), r * 1.5);
        g.setColorAt(0, QColor(190, 140, 120));
        g.setColorAt(0.5, QColor(96, 80, 92));
        g.setColorAt(1, QColor(30, 26, 40));
        p.setBrush(g);
        p.drawEllipse(c, r * 1.3, r * 0.8);
    }
    // Reeds and grass tufts in front.
    for (int i = 0; i < 140; ++i) {
        const double x = rng.range(0, 300);
        const double yBase = 520 + (x / 300.0) * 40 + rng.range(0, 80);
        if (yBase > 605)
            continue;
        const double h = rng.range(18, 60);
        const double lean = rng.range(-12, 12);
        QColor c = QColor::fromHsv(70 + rng.below(40), 120 + rng.below(80), 60 + rng.below(90));
        p.setPen(QPen(c, rng.range(1.0, 2.2), Qt::SolidLine, Qt::RoundCap));
        QPainterPath blade(QPointF(x, yBase));
        blade.quadTo(QPointF(x + lean * 0.3, yBase - h * 0.6), QPointF(x + lean, yBase - h));
        p.setBrush(Qt::NoBrush);
        p.drawPath(blade);
        if (rng.chance(0.12)) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(110, 62, 36));
            p.drawRoundedRect(QRectF(x + lean - 2.5, yBase - h - 12, 5, 14), 2.5, 2.5);
        }
    }
    // Two tall pines frame the left edge.
    Trees::pine(p, QPointF(60, 520), 360, QColor(18, 38, 34), QColor(255, 140, 80), 77);
    Trees::pine(p, QPointF(130, 505), 250, QColor(22, 46, 38), QColor(255, 150, 90), 78);
    // A small rocky point on the right carries one more pine.
    QPainterPath point;
    point.moveTo(640, 402);
    point.cubicTo(690, 380, 760, 376, 800, 372);
    point.lineTo(800, 418);
    point.cubicTo(740, 420, 680, 414, 640, 402);
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(rockTex));
    p.drawPath(point);
    p.setBrush(QColor(20, 14, 30, 110));
    p.drawPath(point);
    p.setBrush(QColor(40, 22, 30, 90));
    p.drawPath(QTransform(1, 0, 0, -1, 0, 2 * 410).map(point));
    Trees::pine(p, QPointF(745, 392), 230, QColor(20, 42, 36), QColor(255, 150, 90), 79);
    Trees::pine(p, QPointF(700, 395), 150, QColor(24, 48, 40), QColor(255, 150, 90), 80);
}
}

QImage mountainLake()
{
    const Noise clouds(1001), rock(1002), water(1003);
    QImage img = Raster::generate(Width, Height, [&](int x, int y) { return y < Horizon ? skyAt(clouds, x, y) : 0xff000000u; });
    std::vector<QRgb> hazeRow(Width);
    for (int x = 0; x < Width; ++x)
        hazeRow[x] = skyAt(clouds, x, Horizon - 40);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient sun(Sun, 26);
        sun.setColorAt(0, QColor(255, 252, 230));
        sun.setColorAt(0.8, QColor(255, 236, 170));
        sun.setColorAt(1, QColor(255, 200, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sun);
        p.drawEllipse(Sun, 26, 26);
    }
    const Noise ridges(1004);
    paintRange(img, makeRange(ridges, 290, 150, 170, 0.3f, 0xffd68a96, 0xff58427e, 0.32f, 20), rock, hazeRow);
    paintRange(img, makeRange(ridges, 330, 95, 110, 7.1f, 0xffe08a66, 0xff3d3266, 0.2f, 16), rock, hazeRow);
    paintRange(img, makeRange(ridges, 352, 40, 60, 13.9f, 0xff86605a, 0xff272640, 0.06f, -100), rock, hazeRow);
    Rng rng(1005);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        paintForestRow(p, rng, Horizon + 2, 16, 30, 0, 800, 7, QColor(30, 52, 50), QColor(210, 120, 90));
        paintForestRow(p, rng, Horizon + 4, 26, 58, 0, 380, 12, QColor(20, 40, 36), QColor(240, 140, 80));
        paintForestRow(p, rng, Horizon + 4, 26, 66, 640, 800, 12, QColor(20, 40, 36), QColor(240, 140, 80));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 30, 38));
        p.drawRect(QRectF(0, Horizon - 1, Width, 5));
    }
    paintReflection(img, water);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        paintCanoe(p);
        paintForeground(p, rng);
    }
    Raster::addGrain(img, 1006, 5.0f);
    Raster::vignette(img, 0.35f);
    return img;
}

} // namespace Scenes
