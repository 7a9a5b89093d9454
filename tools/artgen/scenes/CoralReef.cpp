// CoralReef.cpp: a sunlit coral reef with branching and brain corals, fans, sponges and fish.
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
enum class Pattern { Plain, Stripes, Clown, Spots, Tang };

void fish(QPainter& p, QPointF c, double len, bool facingRight, QColor body, QColor fin, Pattern pattern, Rng& rng)
{
    p.save();
    p.translate(c);
    if (!facingRight)
        p.scale(-1, 1);
    p.rotate(rng.range(-8, 8));
    const double h = len * (pattern == Pattern::Tang ? 0.55 : 0.4);
    QPainterPath shape;
    shape.moveTo(len * 0.5, 0);
    shape.cubicTo(len * 0.45, -h * 0.75, -len * 0.1, -h * 0.8, -len * 0.35, -h * 0.1);
    shape.lineTo(-len * 0.35, h * 0.1);
    shape.cubicTo(-len * 0.1, h * 0.8, len * 0.45, h * 0.75, len * 0.5, 0);
    QPainterPath tail;
    tail.moveTo(-len * 0.3, 0);
    tail.lineTo(-len * 0.58, -h * 0.55);
    tail.quadTo(-len * 0.5, 0, -len * 0.58, h * 0.55);
    tail.closeSubpath();
    QPainterPath dorsal;
    dorsal.moveTo(len * 0.2, -h * 0.55);
    dorsal.quadTo(0, -h * 1.05, -len * 0.25, -h * 0.3);
    dorsal.lineTo(len * 0.2, -h * 0.55);
    p.setPen(QPen(fin.darker(160), 0.8));
    p.setBrush(fin);
    p.drawPath(tail);
    p.drawPath(dorsal);
    QLinearGradient g(0, -h, 0, h);
    g.setColorAt(0, body.darker(125));
    g.setColorAt(0.45, body.lighter(115));
    g.setColorAt(1, body.lighter(150));
    p.setBrush(g);
    p.drawPath(shape);
    p.setClipPath(shape);
    p.setPen(Qt::NoPen);
    switch (pattern) {
    case Pattern::Plain: break;
    case Pattern::Stripes:
        p.setBrush(fin);
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(-len * 0.25 + i * len * 0.18, -h, len * 0.06, 2 * h));
        break;
    case Pattern::Clown:
        for (double x : { len * 0.26, 0.0, -len * 0.24 }) {
            p.setPen(QPen(QColor(20, 10, 10), len * 0.03));
            p.setBrush(QColor(250, 250, 245));
            p.drawRoundedRect(QRectF(x - len * 0.05, -h, len * 0.1, 2 * h), len * 0.04, len * 0.04);
        }
        break;
    case Pattern::Spots:
        p.setBrush(fin.lighter(140));
        for (int i = 0; i < 10; ++i)
            p.drawEllipse(QPointF(rng.range(-len * 0.3, len * 0.4), rng.range(-h * 0.6, h * 0.6)), len * 0.035,
                len * 0.035);
        break;
    case Pattern::Tang:
        p.setBrush(QColor(20, 20, 60));
        p.drawEllipse(QPointF(-len * 0.05, -h * 0.25), len * 0.32, h * 0.22);
        break;
    }
    p.setClipping(false);
    // Gill line and eye.
    p.setPen(QPen(body.darker(170), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(len * 0.18, -h * 0.4, len * 0.12, h * 0.8), -70 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 240));
    p.drawEllipse(QPointF(len * 0.33, -h * 0.15), len * 0.055, len * 0.055);
    p.setBrush(QColor(10, 10, 20));
    p.drawEllipse(QPointF(len * 0.345, -h * 0.15), len * 0.03, len * 0.03);
    p.restore();
}

void turtle(QPainter& p, QPointF c, double s)
{
    p.save();
    p.translate(c);
    p.rotate(-12);
    const QColor skin(120, 140, 80), dark(60, 70, 40);
    p.setPen(QPen(dark, 1));
    p.setBrush(skin);
    // Flippers, head and tail under the shell.
    p.drawPath(Shapes::leaf(QPointF(s * 0.3, -s * 0.35), s * 0.9, s * 0.22, -40));
    p.drawPath(Shapes::leaf(QPointF(s * 0.3, s * 0.35), s * 0.8, s * 0.2, 50));
    p.drawPath(Shapes::leaf(QPointF(-s * 0.45, -s * 0.3), s * 0.45, s * 0.14, -150));
    p.drawPath(Shapes::leaf(QPointF(-s * 0.45, s * 0.3), s * 0.45, s * 0.14, 150));
    p.drawEllipse(QPointF(s * 0.78, 0), s * 0.2, s * 0.15);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(s * 0.86, -s * 0.06), s * 0.03, s * 0.03);
    // Shell with plates.
    QRadialGradient g(QPointF(-s * 0.1, -s * 0.15), s * 0.8);
    g.setColorAt(0, QColor(190, 150, 80));
    g.setColorAt(1, QColor(90, 70, 40));
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.drawEllipse(QPointF(0, 0), s * 0.62, s * 0.45);
    p.setPen(QPen(QColor(70, 50, 25), 1.1));
    p.setBrush(QColor(160, 120, 60, 120));
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(QPointF(i * s * 0.3, 0), s * 0.14, s * 0.12);
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(QPointF(-s * 0.35 + i * s * 0.24, -s * 0.27), s * 0.11, s * 0.09);
        p.drawEllipse(QPointF(-s * 0.35 + i * s * 0.24, s * 0.27), s * 0.11, s * 0.09);
    }
    p.restore();
}

void jellyfish(QPainter& p, QPointF c, double s, QColor col, Rng& rng)
{
    p.setPen(QPen(Colour::withAlpha(col.lighter(130), 150), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        const double x = c.x() - s * 0.6 + i * s * 0.15;
        QPainterPath t(QPointF(x, c.y()));
        t.cubicTo(QPointF(x + rng.range(-8, 8), c.y() + s * 0.6), QPointF(x + rng.range(-10, 10), c.y() + s),
            QPointF(x + rng.range(-6, 6), c.y() + s * rng.range(1.2, 1.8)));
        p.drawPath(t);
    }
    QRadialGradient g(c - QPointF(0, s * 0.3), s * 0.8);
    g.setColorAt(0, Colour::withAlpha(col.lighter(160), 220));
    g.setColorAt(1, Colour::withAlpha(col, 120));
    p.setBrush(g);
    p.setPen(QPen(Colour::withAlpha(col.lighter(170), 200), 1));
    QPainterPath bell(QPointF(c.x() - s * 0.7, c.y()));
    bell.cubicTo(c.x() - s * 0.7, c.y() - s * 0.9, c.x() + s * 0.7, c.y() - s * 0.9, c.x() + s * 0.7, c.y());
    bell.quadTo(c.x(), c.y() - s * 0.15, c.x() - s * 0.7, c.y());
    p.drawPath(bell);
}

void branch(QPainter& p, QPointF a, double angle, double len, double width, int depth, QColor c, Rng& rng)
{
    const QPointF b = a + QPointF(std::cos(angle), std::sin(angle)) * len;
    QPen pen(c, width, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(a, b);
    if (depth == 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(c.lighter(150));
        p.drawEllipse(b, width * 0.55, width * 0.55);
        return;
    }
    const int kids = 2 + (rng.chance(0.3) ? 1 : 0);
    for (int k = 0; k < kids; ++k) {
        const double spread = rng.range(0.25, 0.6) * (k - (kids - 1) * 0.5);
        branch(p, b, angle + spread + rng.range(-0.15, 0.15), len * rng.range(0.65, 0.85), width * 0.78, depth - 1,
            c, rng);
    }
}

void staghorn(QPainter& p, QPointF base, double size, QColor c, Rng& rng)
{
    for (int i = 0; i < 5; ++i) {
        const QColor shade = c.darker(100 + rng.below(40));
        branch(p, base + QPointF(rng.range(-size * 0.2, size * 0.2), 0), -Art::Pi / 2 + rng.range(-0.7, 0.7),
            size * 0.32, size * 0.09, 4, shade, rng);
    }
}

void brainCoral(QPainter& p, QPointF c, double rx, double ry, QRgb a, QRgb b, std::uint64_t seed)
{
    const Noise n(seed);
    const int w = int(rx * 2), h = int(ry * 2);
    QImage tex(w, h, QImage::Format_ARGB32_Premultiplied);
    tex.fill(Qt::transparent);
    Raster::forEachPixel(tex, [&](int x, int y, QRgb& px) {
        const float u = (x - rx) / rx, v = (y - ry) / ry;
        const float r2 = u * u + v * v;
        if (r2 > 1.0f || v > 0.6f)
            return;
        const float maze = std::fabs(std::sin(n.fbm(x / 14.0f, y / 14.0f, 3) * 14.0f));
        const float shade = Colour::clamp01(1.0f - 0.7f * (u * 0.4f + v * 0.8f + 0.5f) * 0.8f);
        QRgb col = Colour::mix(a, b, maze);
        col = Colour::scale(col, 0.45f + 0.7f * shade * (1.0f - 0.35f * r2));
        px = col | 0xff000000u;
    });
    p.drawImage(QPointF(c.x() - rx, c.y() - ry), tex);
}

void seaFan(QPainter& p, QPointF base, double size, QColor c, Rng& rng)
{
    p.save();
    for (int i = 0; i < 9; ++i) {
        const double ang = -Art::Pi / 2 + (i - 4) * 0.17;
        QPointF a = base;
        double len = size * rng.range(0.75, 1.0);
        for (int s = 0; s < 12; ++s) {
            const QPointF b = a + QPointF(std::cos(ang + rng.range(-0.2, 0.2)), std::sin(ang)) * len / 12;
            p.setPen(QPen(c, std::max(0.8, 3.0 - s * 0.2), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a, b);
            a = b;
        }
    }
    // Fine mesh between the ribs.
    p.setPen(QPen(Colour::withAlpha(c.lighter(120), 150), 0.8));
    for (int r = 1; r < 14; ++r) {
        const double rad = size * r / 14.0;
        p.drawArc(QRectF(base.x() - rad, base.y() - rad, 2 * rad, 2 * rad), 38 * 16, 104 * 16);
    }
    p.restore();
}

void sponge(QPainter& p, QPointF base, double w, double h, QColor c)
{
    QLinearGradient g(base.x() - w / 2, 0, base.x() + w / 2, 0);
    g.setColorAt(0, c.darker(160));
    g.setColorAt(0.4, c.lighter(120));
    g.setColorAt(1, c.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(base.x() - w / 2, base.y() - h, w, h), w * 0.3, w * 0.3);
    p.setBrush(c.darker(250));
    p.drawEllipse(QPointF(base.x(), base.y() - h + w * 0.18), w * 0.36, w * 0.14);
}

void anemone(QPainter& p, QPointF base, double size, QColor c, Rng& rng)
{
    for (int i = 0; i < 60; ++i) {
        const double a = -Art::Pi / 2 + rng.range(-1.3, 1.3);
        const double l = size * rng.range(0.6, 1.0);
        const QPointF tip = base + QPointF(std::cos(a) * l, std::sin(a) * l);
        QPainterPath t(base);
        t.quadTo(base + QPointF(std::cos(a) * l * 0.5 + rng.range(-8, 8), std::sin(a) * l * 0.6), tip);
        p.setPen(QPen(c.darker(100 + rng.below(50)), size * 0.06, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(t);
        p.setPen(Qt::NoPen);
        p.setBrush(c.lighter(160));
        p.drawEllipse(tip, size * 0.035, size * 0.035);
    }
}

void kelp(QPainter& p, QPointF base, double h, QColor c, Rng& rng)
{
    QPainterPath path(base);
    const double phase = rng.range(0, 6);
    for (int i = 1; i <= 16; ++i) {
        const double y = base.y() - h * i / 16.0;
        path.lineTo(base.x() + std::sin(phase + i * 0.5) * 10 * i / 16.0, y);
    }
    p.setPen(QPen(c, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    for (int i = 2; i <= 15; ++i) {
        const QPointF at = path.pointAtPercent(i / 16.0);
        p.setBrush(c.lighter(100 + rng.below(40)));
        p.drawPath(Shapes::leaf(at, h * 0.13, h * 0.03, (i % 2 ? -30 : -150) + rng.range(-15, 15)));
    }
}
}

QImage coralReef()
{
    const Noise water(2001), sand(2002);
    static const Ramp depth { { 0.0f, 0xff56d4e0 }, { 0.25f, 0xff1d9fc4 }, { 0.65f, 0xff0b5f96 }, { 1.0f, 0xff06305c } };
    QImage img = Raster::generate(Width, Height, [&](int x, int y) {
        const float t = float(y) / Height;
        QRgb c = depth.at(t + 0.05f * water.perlin(x / 160.0f, y / 160.0f) + 0.035f * water.fbm(x / 40.0f, y / 40.0f, 3));
        // Drifting murk and plankton clouds.
        c = Colour::mix(c, 0xff1a6a7a, Colour::smoothstep(0.1f, 0.6f, water.fbm(x / 90.0f + 7.0f, y / 50.0f, 4)) * 0.35f);
        // Slanted light shafts from the surface.
        const float ray = std::pow(Colour::clamp01(0.5f + 0.7f * water.perlin(x / 45.0f + y / 160.0f, 0.5f)), 3.0f);
        c = Colour::screen(c, 0xffbff6ff, ray * 0.6f * (1.0f - t));
        // Caustic ripples near the surface.
        const float caustic = water.ridged(x / 45.0f, y / 18.0f, 3);
        c = Colour::screen(c, 0xffe0ffff, std::pow(caustic, 6.0f) * 0.8f * (1.0f - Colour::smoothstep(0.0f, 0.35f, t)));
        // Rippled sand on the floor.
        const float floorLine = 470.0f + 25.0f * water.fbm(x / 200.0f, 3.0f, 3);
        if (y > floorLine) {
            const float rip = std::sin(x / 9.0f + sand.fbm(x / 60.0f, y / 30.0f, 3) * 6.0f + y * 0.25f);
            QRgb s = Colour::mix(0xffd9c08a, 0xfff3e2b4, 0.5f + 0.4f * rip);
            s = Colour::scale(s, 0.85f + 0.15f * sand.fbm(x / 6.0f, y / 6.0f, 2));
            const float fog = 1.0f - Colour::smoothstep(floorLine, 600.0f, y);
            s = Colour::mix(s, 0xff2a7aa0, 0.45f * fog);
            c = Colour::mix(c, s, Colour::clamp01(y - floorLine));
        }
        return c;
    });
    Rng rng(2003);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Distant reef in blue haze.
    for (int i = 0; i < 14; ++i) {
        const QPointF c(rng.range(0, 800), rng.range(430, 480));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 110, 150, 150));
        p.drawPath(Shapes::blob(c, rng.range(40, 90), rng.range(25, 50), 0.25, rng.next()));
    }
    for (int i = 0; i < 10; ++i)
        staghorn(p, QPointF(rng.range(0, 800), rng.range(455, 480)), rng.range(50, 80), QColor(60, 130, 170), rng);
    // Distant school of small fish.
    for (int i = 0; i < 40; ++i) {
        const QPointF c(520 + rng.range(-90, 120) + i * 2, 150 + rng.range(-40, 50));
        fish(p, c, rng.range(10, 16), false, QColor(170, 210, 225), QColor(120, 170, 200), Pattern::Plain, rng);
    }
    // The main reef, back to front.
    seaFan(p, QPointF(120, 520), 170, QColor(176, 52, 120), rng);
    seaFan(p, QPointF(690, 505), 150, QColor(220, 90, 60), rng);
    for (int i = 0; i < 5; ++i)
        kelp(p, QPointF(rng.range(0, 800), 560), rng.range(180, 300), QColor(60, 150, 70), rng);
    sponge(p, QPointF(250, 540), 34, 130, QColor(240, 190, 40));
    sponge(p, QPointF(285, 545), 28, 95, QColor(240, 170, 30));
    sponge(p, QPointF(560, 540), 30, 110, QColor(150, 70, 200));
    sponge(p, QPointF(590, 548), 24, 80, QColor(170, 80, 210));
    staghorn(p, QPointF(420, 545), 140, QColor(255, 120, 90), rng);
    staghorn(p, QPointF(40, 580), 120, QColor(250, 160, 200), rng);
    staghorn(p, QPointF(760, 590), 130, QColor(255, 210, 90), rng);
    brainCoral(p, QPointF(170, 560), 85, 60, 0xff8fb04a, 0xffd9e58a, 2004);
    brainCoral(p, QPointF(640, 575), 95, 62, 0xffc7734a, 0xfff0c08a, 2005);
    brainCoral(p, QPointF(360, 590), 70, 45, 0xff6a9a8a, 0xffb8e0c8, 2006);
    anemone(p, QPointF(490, 585), 70, QColor(230, 120, 170), rng);
    // Sea star and shells on the sand.
    p.setPen(QPen(QColor(150, 40, 30), 1.5));
    p.setBrush(QColor(235, 90, 60));
    p.drawPath(Shapes::star(QPointF(300, 575), 24, 9, 5, -70));
    p.setBrush(QColor(245, 225, 200));
    p.drawEllipse(QPointF(705, 590), 10, 6);
    // Visitors from the open water.
    turtle(p, QPointF(150, 110), 70);
    jellyfish(p, QPointF(700, 90), 34, QColor(240, 130, 200), rng);
    jellyfish(p, QPointF(610, 40), 22, QColor(200, 150, 255), rng);
    jellyfish(p, QPointF(260, 420), 18, QColor(255, 170, 120), rng);
    // The stars of the picture.
    fish(p, QPointF(470, 515), 56, true, QColor(255, 120, 20), QColor(230, 90, 10), Pattern::Clown, rng);
    fish(p, QPointF(540, 470), 48, false, QColor(255, 120, 20), QColor(230, 90, 10), Pattern::Clown, rng);
    fish(p, QPointF(300, 300), 90, true, QColor(40, 90, 220), QColor(250, 210, 30), Pattern::Tang, rng);
    fish(p, QPointF(640, 330), 80, false, QColor(250, 225, 40), QColor(240, 200, 20), Pattern::Plain, rng);
    fish(p, QPointF(150, 380), 70, true, QColor(250, 220, 60), QColor(30, 60, 170), Pattern::Stripes, rng);
    fish(p, QPointF(720, 220), 60, false, QColor(190, 60, 160), QColor(250, 200, 60), Pattern::Spots, rng);
    fish(p, QPointF(420, 170), 64, true, QColor(40, 190, 170), QColor(20, 90, 160), Pattern::Stripes, rng);
    fish(p, QPointF(90, 200), 55, true, QColor(240, 80, 80), QColor(250, 240, 230), Pattern::Spots, rng);
    fish(p, QPointF(360, 420), 44, false, QColor(130, 220, 90), QColor(30, 120, 60), Pattern::Stripes, rng);
    // Bubbles rising.
    for (int i = 0; i < 60; ++i) {
        const double x = 330 + rng.range(-20, 20) + (i % 2 ? 260 : 0), y = rng.range(20, 430);
        const double r = rng.range(2, 7);
        p.setPen(QPen(QColor(230, 255, 255, 200), 1));
        p.setBrush(QColor(200, 250, 255, 50));
        p.drawEllipse(QPointF(x, y), r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(QPointF(x - r * 0.35, y - r * 0.35), r * 0.3, r * 0.3);
    }
    p.end();
    Raster::addGrain(img, 2007, 4.0f);
    Raster::vignette(img, 0.3f);
    return img;
}

} // namespace Scenes
