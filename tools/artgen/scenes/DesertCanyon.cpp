// DesertCanyon.cpp: banded canyon walls and mesas under a striped evening sky, with saguaros and prickly pears.
#include "../Colour.h"
#include "../Constants.h"
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
constexpr int Horizon = 330;
const QPointF Sun(400, 300);

QRgb skyAt(const Noise& n, int x, int y)
{
    static const Ramp bands { { 0.0f, 0xff2a1850 }, { 0.2f, 0xff5a2068 }, { 0.38f, 0xffa02a6a }, { 0.55f, 0xffe04a50 },
        { 0.72f, 0xfff4803a }, { 0.86f, 0xffffb84a }, { 1.0f, 0xffffe08a } };
    const float t = float(y) / Horizon + 0.03f * n.fbm(x / 160.0f, y / 20.0f, 4);
    // Quantise into soft stripes so the sky reads in bands.
    const float steps = 11.0f;
    const float q = std::floor(t * steps) / steps;
    const float f = t * steps - std::floor(t * steps);
    QRgb c = bands.at(q + Colour::smoothstep(0.85f, 1.0f, f) / steps);
    // Thin cloud streaks.
    const float streak = n.fbm(x / 300.0f, y / 6.0f, 5);
    c = Colour::mix(c, Colour::mix(0xff3a1a4a, 0xffffa070, t), Colour::smoothstep(0.25f, 0.6f, streak) * 0.7f);
    return c;
}

// Sun with the horizontal gaps of desert heat.
void sun(QImage& img)
{
    for (int y = 0; y < Horizon; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            const float d = std::hypot(x - Sun.x(), y - Sun.y());
            line[x] = Colour::screen(line[x], 0xffffc060, std::exp(-std::max(0.0f, d - 80.0f) / 40.0f) * 0.5f);
            if (d > 80.0f)
                continue;
            // Below its middle the sun is cut by widening bands of shimmering air.
            const float below = float(y - Sun.y());
            if (below > 0.0f && std::fmod(below, 12.0f) < 1.0f + below / 16.0f)
                continue;
            line[x] = Colour::mix(0xffffe890, 0xffff7a40, (y - (Sun.y() - 80)) / 160.0f);
        }
    }
}

QRgb sandstone(const Noise& n, float x, float y, float lit)
{
    static const Ramp layers { { 0.0f, 0xffb0482a }, { 0.15f, 0xffd8703a }, { 0.3f, 0xffe8b080 }, { 0.42f, 0xffc45a32 },
        { 0.6f, 0xff8a3a2a }, { 0.72f, 0xffd88a50 }, { 0.85f, 0xfff0c890 }, { 1.0f, 0xffb0482a } };
    const float warp = n.fbm(x / 140.0f, y / 80.0f, 4) * 18.0f;
    const float band = std::fmod((y + warp) / 90.0f + 10.0f, 1.0f);
    QRgb c = layers.at(band);
    // Each hard layer juts out as a ledge: bright lip on top, shadow under its overhang.
    const float ledge = std::fmod((y + warp) / 22.0f + 10.0f, 1.0f);
    const float shape = ledge < 0.15f ? 1.25f : (ledge > 0.8f ? 0.62f + 0.3f * (1.0f - ledge) : 1.0f);
    // Blocks split by vertical joints, and fine grit.
    const float joint = n.ridged(x / 30.0f + std::floor((y + warp) / 22.0f) * 3.7f, 0.5f, 3);
    const float crack = joint > 0.93f ? 0.6f : 1.0f;
    const float grit = 0.08f * n.fbm(x / 5.0f, y / 5.0f, 3);
    c = Colour::scale(c, (0.72f + 0.4f * lit) * shape * crack + grit);
    return c;
}

void saguaro(QPainter& p, QPointF base, double h, Rng& rng)
{
    const double w = h * 0.13;
    auto limb = [&](QPainterPath path, double width) {
        QPen pen(QColor(40, 90, 50), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        pen.setColor(QColor(90, 150, 80));
        pen.setWidthF(width * 0.45);
        p.setPen(pen);
        p.drawPath(path.translated(-width * 0.15, 0));
        pen.setColor(QColor(30, 70, 40, 160));
        pen.setWidthF(width * 0.08);
        p.setPen(pen);
        p.drawPath(path.translated(width * 0.25, 0));
        p.drawPath(path.translated(-width * 0.05, 0));
    };
    QPainterPath trunk(base);
    trunk.lineTo(base - QPointF(0, h));
    limb(trunk, w);
    for (int side : { -1, 1 }) {
        if (side == 1 && rng.chance(0.2))
            continue;
        const double y0 = base.y() - h * rng.range(0.35, 0.55);
        QPainterPath arm(QPointF(base.x(), y0));
        arm.lineTo(base.x() + side * h * 0.18, y0);
        arm.quadTo(base.x() + side * h * 0.24, y0, base.x() + side * h * 0.24, y0 - h * 0.1);
        arm.lineTo(base.x() + side * h * 0.24, y0 - h * rng.range(0.25, 0.4));
        limb(arm, w * 0.8);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 240, 230));
    p.drawEllipse(base - QPointF(0, h + w * 0.4), w * 0.25, w * 0.2);
}

void pricklyPear(QPainter& p, QPointF base, double s, Rng& rng)
{
    struct Pad {
        QPointF c;
        double r, angle;
    };
    std::vector<Pad> pads { { base - QPointF(0, s), s, 0 } };
    for (int i = 0; i < 5; ++i) {
        const Pad& parent = pads[rng.below(int(pads.size()))];
        const double a = rng.range(-70, 70);
        pads.push_back({ parent.c + QPointF(std::sin(a * Art::Pi / 180) * parent.r * 1.4,
                             -std::cos(a * Art::Pi / 180) * parent.r * 1.4),
            parent.r * 0.8, a });
    }
    for (const Pad& pad : pads) {
        p.save();
        p.translate(pad.c);
        p.rotate(pad.angle);
        QRadialGradient g(QPointF(-pad.r * 0.3, -pad.r * 0.3), pad.r * 1.4);
        g.setColorAt(0, QColor(140, 190, 90));
        g.setColorAt(1, QColor(50, 110, 60));
        p.setPen(QPen(QColor(40, 80, 40), 1));
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), pad.r * 0.7, pad.r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 230, 180));
        for (int k = 0; k < 8; ++k)
            p.drawEllipse(QPointF(rng.range(-0.45, 0.45) * pad.r, rng.range(-0.7, 0.7) * pad.r), 1, 1);
        if (rng.chance(0.5)) {
            p.setBrush(QColor(230, 50, 110));
            p.drawEllipse(QPointF(0, -pad.r * 1.05), pad.r * 0.2, pad.r * 0.25);
        }
        p.restore();
    }
}
}

QImage desertCanyon()
{
    const Noise n(9001), rock(9002), sand(9003);
    QImage img = Raster::generate(Width, Height, [&](int x, int y) { return skyAt(n, x, y); });
    sun(img);
    // Far mesas and buttes: flat caps, sheer cliffs, spreading talus slopes; in haze against the sun.
    struct Mesa {
        float left, right, top;
    };
    const Mesa mesas[] = { { 200, 330, 236 }, { 300, 345, 214 }, { 450, 560, 250 }, { 520, 640, 228 },
        { 660, 690, 205 } };
    Raster::forEachPixel(img, [&](int x, int y, QRgb& px) {
        if (y >= Horizon + 20)
            return;
        bool inside = y > 296 + 6.0f * n.fbm(x / 50.0f, 4.0f, 3);
        for (const Mesa& m : mesas) {
            const float talus = std::max(0.0f, (y - m.top - 40.0f)) * 0.9f;
            const float rough = 3.0f * n.perlin(y / 6.0f, m.left);
            if (y > m.top + n.perlin(x / 10.0f, m.top) * 2.0f && x > m.left - talus + rough && x < m.right + talus + rough)
                inside = true;
        }
        if (inside)
            px = Colour::mix(sandstone(rock, x * 0.6f, y * 2.0f, 0.3f), 0xff9a4a78, 0.55f);
    });
    // Canyon walls on both sides and the floor between them.
    const Noise wall(9004);
    Raster::forEachPixel(img, [&](int x, int y, QRgb& px) {
        // Wall edges step back ledge by ledge.
        const float step = std::floor(y / 22.0f) * 22.0f;
        const float leftEdge = 250.0f - (step - 150.0f) * 0.35f + 34.0f * wall.fbm(step / 60.0f, 1.0f, 4)
            + 4.0f * wall.perlin(y / 5.0f, 2.0f);
        const float rightEdge = 560.0f + (step - 150.0f) * 0.3f + 34.0f * wall.fbm(step / 60.0f, 5.0f, 4)
            + 4.0f * wall.perlin(y / 5.0f, 7.0f);
        const float leftTop = 120.0f + 20.0f * wall.fbm(x / 90.0f, 9.0f, 3);
        const float rightTop = 160.0f + 25.0f * wall.fbm(x / 90.0f, 13.0f, 3);
        if (x < leftEdge && y > leftTop) {
            const float lit = Colour::clamp01(0.9f - (leftEdge - x) / 260.0f);
            px = sandstone(rock, x, y, lit);
            if (leftEdge - x < 6.0f)
                px = Colour::screen(px, 0xffffc080, 0.5f);
        } else if (x > rightEdge && y > rightTop) {
            px = Colour::mix(sandstone(rock, x, y, 0.2f), 0xff4a2a5a, 0.35f);
        } else if (y > Horizon + 10) {
            const float d = float(y - Horizon) / (Height - Horizon);
            const float ripples = std::sin(x / (4.0f + 10.0f * d) + sand.fbm(x / 50.0f, y / 20.0f, 3) * 5.0f);
            QRgb c = Colour::mix(0xffd08a58, 0xfff0c088, 0.5f + 0.3f * ripples + 0.2f * sand.fbm(x / 8.0f, y / 8.0f, 3));
            // A dry wash of pale gravel winds down the middle.
            const float wash = std::fabs(x - 400.0f - 90.0f * std::sin(y / 70.0f) * d);
            if (wash < 20.0f + 70.0f * d)
                c = Colour::mix(c, Colour::mix(0xffc8b8a0, 0xff8a7868, 0.5f + 0.5f * sand.perlin(x / 3.0f, y / 3.0f)), 0.7f);
            px = Colour::mix(c, 0xffb070a0, 0.3f * (1.0f - d));
        }
    });
    Rng rng(9005);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Scrub, stones and cacti from back to front.
    for (int i = 0; i < 220; ++i) {
        const double y = Horizon + 15 + std::pow(rng.uniform(), 1.3) * 270;
        const double x = rng.range(150, 700);
        const double s = 2 + (y - Horizon) / 270.0 * 14;
        if (rng.chance(0.5)) {
            // Dry brush: a tuft of twigs.
            const QColor twig = QColor::fromHsv(40 + rng.below(50), 80 + rng.below(70), 80 + rng.below(70));
            p.setPen(QPen(twig, std::max(0.6, s * 0.08)));
            for (int k = 0; k < 9; ++k) {
                const double a = -Art::Pi / 2 + rng.range(-1.2, 1.2);
                p.drawLine(QPointF(x, y), QPointF(x + std::cos(a) * s, y + std::sin(a) * s * 0.9));
            }
            p.setPen(Qt::NoPen);
        } else {
            p.setBrush(QColor(70, 40, 40, 90));
            p.drawEllipse(QPointF(x + s * 0.3, y + s * 0.15), s * 0.7, s * 0.25);
            p.setBrush(QColor::fromHsv(15 + rng.below(20), 80 + rng.below(80), 110 + rng.below(100)));
            p.drawPath(Shapes::blob(QPointF(x, y - s * 0.2), s * 0.6, s * 0.4, 0.2, rng.next(), 20));
        }
    }
    for (auto [x, y, h] : { std::tuple { 480.0, 370.0, 40.0 }, { 330.0, 380.0, 55.0 }, { 600.0, 420.0, 90.0 },
             { 230.0, 470.0, 150.0 }, { 690.0, 560.0, 230.0 } })
        saguaro(p, QPointF(x, y), h, rng);
    pricklyPear(p, QPointF(420, 560), 26, rng);
    pricklyPear(p, QPointF(90, 590), 34, rng);
    pricklyPear(p, QPointF(560, 470), 16, rng);
    // A hawk circling.
    p.setBrush(QColor(40, 20, 30));
    QPainterPath hawk(QPointF(600, 90));
    hawk.quadTo(620, 78, 640, 86);
    hawk.quadTo(660, 78, 680, 90);
    hawk.quadTo(660, 84, 640, 92);
    hawk.quadTo(620, 84, 600, 90);
    p.drawPath(hawk);
    p.end();
    Raster::addGrain(img, 9006, 5.0f);
    Raster::vignette(img, 0.3f);
    return img;
}

} // namespace Scenes
