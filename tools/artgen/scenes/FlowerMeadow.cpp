// FlowerMeadow.cpp: a summer meadow of poppies, daisies and lupins under rolling hills, with butterflies.
#include "../Colour.h"
#include "../Constants.h"
#include "../Noise.h"
#include "../Patchwork.h"
#include "../Raster.h"
#include "../Rng.h"
#include "../Scenes.h"
#include "../Shapes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Scenes {

namespace {
float hillCrest(const Noise& n, int layer, float x)
{
    const float base[] = { 250.0f, 300.0f, 360.0f };
    const float amp[] = { 40.0f, 50.0f, 40.0f };
    return base[layer] + amp[layer] * n.fbm(x / (260.0f - layer * 40.0f) + layer * 13.0f, layer * 3.1f, 3);
}

QRgb skyAt(const Noise& n, int x, int y)
{
    static const Ramp blue { { 0.0f, 0xff2f6fce }, { 0.5f, 0xff6aa8ea }, { 1.0f, 0xffd4ecff } };
    QRgb c = blue.at(float(y) / 300.0f);
    // Cumulus: bright tops, bluish grey bellies.
    auto cloud = [&](float py) { return n.fbm(x / 120.0f, py / 55.0f, 6) + 0.25f * (1.0f - py / 260.0f) - 0.17f; };
    const float heap = cloud(float(y));
    if (heap > 0.0f) {
        const float above = cloud(float(y - 5));
        const float lit = Colour::clamp01(0.75f + 6.0f * (heap - above));
        const QRgb cloud = Colour::mix(0xffa8b8d4, 0xffffffff, lit);
        c = Colour::mix(c, cloud, Colour::smoothstep(0.0f, 0.12f, heap));
    }
    return c;
}

void daisy(QPainter& p, QPointF c, double r, Rng& rng)
{
    p.setBrush(QColor(250, 250, 245));
    const int petals = 12;
    for (int i = 0; i < petals; ++i)
        p.drawPath(Shapes::leaf(c, r, r * 0.22, 360.0 * i / petals + rng.range(-6, 6)));
    p.setBrush(QColor(245, 190, 30));
    p.drawEllipse(c, r * 0.3, r * 0.3);
}

void poppy(QPainter& p, QPointF c, double r, Rng& rng)
{
    const double rot = rng.range(0, 90);
    for (int i = 0; i < 4; ++i) {
        const double a = (rot + i * 90) * Art::Pi / 180;
        QRadialGradient g(c, r * 1.1);
        g.setColorAt(0, QColor(150, 10, 10));
        g.setColorAt(0.4, QColor(230, 30, 25));
        g.setColorAt(1, QColor(255, 80, 50));
        p.setBrush(g);
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.45, r * 0.62, r * 0.62);
    }
    p.setBrush(QColor(30, 20, 30));
    p.drawEllipse(c, r * 0.22, r * 0.22);
}

void lupin(QPainter& p, QPointF base, double h, QColor c, Rng& rng)
{
    p.setPen(QPen(QColor(60, 110, 40), std::max(1.0, h * 0.03)));
    p.drawLine(base, base - QPointF(0, h));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double t = i / 14.0;
        const double w = h * 0.12 * (1.0 - t * 0.7);
        const QPointF at = base - QPointF(0, h * (0.35 + 0.65 * t));
        p.setBrush(c.lighter(90 + rng.below(40) + int(t * 40)));
        p.drawEllipse(at + QPointF(-w * 0.5, 0), w * 0.6, w * 0.45);
        p.drawEllipse(at + QPointF(w * 0.5, -w * 0.3), w * 0.6, w * 0.45);
    }
}

void butterfly(QPainter& p, QPointF c, double s, QColor wing, QColor edge, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    for (int side : { -1, 1 }) {
        // Forewing: a rounded triangle sweeping up and out; hindwing: a smaller lobe below.
        QPainterPath fore(QPointF(0, -s * 0.05));
        fore.cubicTo(QPointF(side * s * 0.3, -s * 0.9), QPointF(side * s * 1.05, -s * 0.85), QPointF(side * s * 0.95, -s * 0.45));
        fore.cubicTo(QPointF(side * s * 0.9, -s * 0.15), QPointF(side * s * 0.4, 0), QPointF(0, s * 0.02));
        QPainterPath hind(QPointF(0, 0));
        hind.cubicTo(QPointF(side * s * 0.55, -s * 0.05), QPointF(side * s * 0.75, s * 0.35), QPointF(side * s * 0.45, s * 0.6));
        hind.cubicTo(QPointF(side * s * 0.25, s * 0.75), QPointF(side * s * 0.05, s * 0.4), QPointF(0, s * 0.1));
        for (const QPainterPath& w : { hind, fore }) {
            p.setPen(QPen(edge, s * 0.09));
            p.setBrush(wing);
            p.drawPath(w);
            // Veins and a band of pale spots along the dark margin.
            p.save();
            p.setClipPath(w);
            p.setPen(QPen(Colour::withAlpha(edge, 170), s * 0.025));
            for (int k = 0; k < 4; ++k)
                p.drawLine(QPointF(0, 0), w.pointAtPercent(0.2 + k * 0.15));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 240, 230));
            for (int k = 0; k < 5; ++k) {
                const QPointF rim = w.pointAtPercent(0.15 + k * 0.13);
                p.drawEllipse(rim * 0.88, s * 0.04, s * 0.04);
            }
            p.restore();
        }
    }
    p.setBrush(QColor(40, 30, 20));
    p.drawEllipse(QPointF(0, 0), s * 0.08, s * 0.45);
    p.setPen(QPen(QColor(40, 30, 20), s * 0.03));
    p.drawLine(QPointF(0, -s * 0.4), QPointF(-s * 0.2, -s * 0.75));
    p.drawLine(QPointF(0, -s * 0.4), QPointF(s * 0.2, -s * 0.75));
    p.restore();
}
}

QImage flowerMeadow()
{
    const Noise n(5001), ground(5002);
    const QRgb hillLit[] = { 0xff8fb8a0, 0xff7ab45a, 0xff5ea83c };
    const QRgb hillShade[] = { 0xff6a8fa0, 0xff3e7a3a, 0xff2f6a28 };
    QImage img = Raster::generate(Width, Height, [&](int x, int y) {
        QRgb c = skyAt(n, x, y);
        for (int layer = 0; layer < 3; ++layer) {
            const float crest = hillCrest(n, layer, x);
            if (y < crest)
                continue;
            // Patchwork of fields and hedgerows on the hills, lit on the slopes that face the sun.
            const float slope = hillCrest(n, layer, x + 3) - hillCrest(n, layer, x - 3);
            const float lit = Colour::clamp01(0.6f - slope * 0.08f);
            QRgb h = Colour::mix(hillShade[layer], hillLit[layer], lit);
            const float size = 1.0f + layer * 0.8f;
            h = Colour::mix(h, Patchwork::field(ground, x, y + layer * 200.0f, 60.0f * size, 16.0f * size), 0.6f);
            h = Colour::scale(h, 0.85f + 0.25f * lit);
            c = Colour::mix(h, c, Colour::clamp01(crest + 1 - y));
            c = Colour::mix(c, 0xffcfe4f4, 0.3f - layer * 0.14f);
        }
        if (y > 390) {
            const float g = 0.5f + 0.5f * ground.fbm(x / 30.0f, y / 12.0f, 5);
            c = Colour::mix(c, Colour::mix(0xff2a6a1c, 0xff7abf3a, g), Colour::smoothstep(390.0f, 430.0f, y));
        }
        return c;
    });
    Rng rng(5003);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Trees and a cottage on the hills.
    for (int i = 0; i < 60; ++i) {
        const int layer = rng.below(2) + 1;
        const double x = rng.range(0, 800);
        const double y = hillCrest(n, layer, x) + rng.range(2, 30);
        const double r = 4 + layer * 3 + rng.range(0, 4);
        p.setBrush(QColor(30, 70, 30));
        p.drawEllipse(QPointF(x + r * 0.3, y + r * 0.3), r, r * 0.9);
        p.setBrush(QColor::fromHsv(90 + rng.below(30), 160, 110 + rng.below(50)));
        p.drawEllipse(QPointF(x, y), r, r * 0.9);
    }
    {
        const double x = 560, y = hillCrest(n, 1, 560) + 12;
        p.setBrush(QColor(245, 236, 215));
        p.drawRect(QRectF(x, y - 14, 30, 16));
        QPolygonF roof;
        roof << QPointF(x - 4, y - 14) << QPointF(x + 15, y - 28) << QPointF(x + 34, y - 14);
        p.setBrush(QColor(190, 50, 40));
        p.drawPolygon(roof);
        p.setBrush(QColor(70, 60, 70));
        p.drawRect(QRectF(x + 5, y - 9, 5, 5));
        p.drawRect(QRectF(x + 19, y - 8, 5, 10));
    }
    // Flowers, far to near: colour drifts guided by noise, growing with nearness.
    QColor lupinColours[] = { QColor(120, 80, 220), QColor(230, 110, 190), QColor(250, 240, 250) };
    for (int i = 0; i < 9000; ++i) {
        const double t = std::pow(rng.uniform(), 1.5);
        const double y = 395 + t * 215;
        const double x = rng.range(-10, 810);
        const double s = 1.2 + t * 14;
        const float drift = n.perlin(float(x) / 120.0f, float(y) / 50.0f);
        // Grass blade first, so flowers stand among the grass.
        p.setPen(QPen(QColor::fromHsv(85 + rng.below(30), 170, 90 + rng.below(120)), 0.6 + t * 1.2));
        p.drawLine(QPointF(x, y), QPointF(x + rng.range(-3, 3) * s * 0.3, y - s * rng.range(1.0, 3.0)));
        p.setPen(Qt::NoPen);
        if (rng.chance(0.45))
            continue;
        if (s < 4.0) {
            QColor c = drift > 0.2 ? QColor(230, 40, 30) : (drift < -0.25 ? QColor(90, 110, 230) : QColor(250, 245, 230));
            if (rng.chance(0.2))
                c = QColor(250, 210, 40);
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y - s), s * 0.6, s * 0.5);
        } else if (drift > 0.15) {
            poppy(p, QPointF(x, y - s), s * 0.8, rng);
        } else if (drift < -0.3 && rng.chance(0.5)) {
            lupin(p, QPointF(x, y), s * 6, lupinColours[rng.below(3)], rng);
        } else if (rng.chance(0.2)) {
            p.setBrush(QColor(250, 205, 30));
            for (int k = 0; k < 5; ++k)
                p.drawEllipse(QPointF(x, y - s) + QPointF(std::cos(k * 1.26), std::sin(k * 1.26)) * s * 0.3, s * 0.3,
                    s * 0.3);
        } else {
            daisy(p, QPointF(x, y - s), s * 0.7, rng);
        }
    }
    butterfly(p, QPointF(230, 330), 34, QColor(245, 140, 20), QColor(30, 20, 10), -15);
    butterfly(p, QPointF(520, 420), 28, QColor(60, 120, 250), QColor(20, 30, 70), 20);
    butterfly(p, QPointF(660, 300), 24, QColor(250, 230, 60), QColor(90, 70, 10), 8);
    butterfly(p, QPointF(120, 470), 26, QColor(240, 240, 250), QColor(60, 60, 80), -25);
    butterfly(p, QPointF(400, 250), 20, QColor(230, 70, 140), QColor(60, 10, 40), 30);
    p.end();
    Raster::addGrain(img, 5004, 4.0f);
    Raster::vignette(img, 0.25f);
    return img;
}

} // namespace Scenes
