// AutumnForest.cpp: a path winding through an autumn wood, with leaf litter, birches and light shafts.
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
const QPointF Vanish(430, 330);

QColor autumnLeaf(Rng& rng, int greenChance = 15)
{
    if (rng.below(100) < greenChance)
        return QColor::fromHsv(70 + rng.below(30), 150 + rng.below(80), 120 + rng.below(100));
    const int hue = rng.below(50); // red through orange to yellow
    return QColor::fromHsv(hue, 170 + rng.below(85), 150 + rng.below(105));
}

void leafCluster(QPainter& p, QPointF c, double radius, int count, double leafSize, int fade, Rng& rng)
{
    for (int i = 0; i < count; ++i) {
        const double a = rng.range(0, 2 * Art::Pi), r = radius * std::sqrt(rng.uniform());
        const QPointF at = c + QPointF(std::cos(a) * r, std::sin(a) * r * 0.8);
        QColor col = autumnLeaf(rng);
        // Leaves low in the cluster sit in its shade.
        const double shade = 1.0 - 0.35 * ((at.y() - c.y()) / radius + 1.0) / 2.0;
        col = col.darker(int(100 / shade));
        col.setAlpha(255 - fade);
        p.setBrush(col);
        p.drawPath(Shapes::leaf(at, leafSize * rng.range(0.7, 1.3), leafSize * 0.35, rng.range(0, 360)));
    }
}

void trunk(QPainter& p, QPointF base, double w, double h, bool birch, int fade, const QImage& bark, Rng& rng)
{
    QPainterPath t;
    const double lean = rng.range(-w * 0.3, w * 0.3);
    t.moveTo(base.x() - w * 0.6, base.y());
    t.cubicTo(base.x() - w * 0.5, base.y() - h * 0.1, base.x() - w * 0.5 + lean, base.y() - h * 0.5,
        base.x() - w * 0.35 + lean * 2, base.y() - h);
    t.lineTo(base.x() + w * 0.35 + lean * 2, base.y() - h);
    t.cubicTo(base.x() + w * 0.5 + lean, base.y() - h * 0.5, base.x() + w * 0.5, base.y() - h * 0.1,
        base.x() + w * 0.6, base.y());
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    if (birch) {
        p.setBrush(QColor(232, 228, 215));
        p.drawPath(t);
        p.save();
        p.setClipPath(t);
        p.setBrush(QColor(40, 36, 34));
        for (double y = base.y() - h; y < base.y(); y += rng.range(8, 26))
            p.drawRoundedRect(QRectF(base.x() - w + rng.range(-w * 0.3, w), y, rng.range(w * 0.3, w), 2.5), 1, 1);
        p.restore();
    } else {
        p.setBrush(QBrush(bark));
        p.drawPath(t);
    }
    QLinearGradient g(base.x() - w * 0.6, 0, base.x() + w * 0.6, 0);
    g.setColorAt(0, QColor(20, 10, 5, 150));
    g.setColorAt(0.35, QColor(255, 220, 160, 40));
    g.setColorAt(1, QColor(10, 5, 0, 170));
    p.setBrush(g);
    p.drawPath(t);
    if (fade > 0) {
        p.setBrush(QColor(235, 200, 150, fade));
        p.drawPath(t);
    }
}

QPainterPath pathShape()
{
    QPainterPath path;
    path.moveTo(180, 600);
    path.cubicTo(300, 520, 260, 450, 360, 390);
    path.cubicTo(400, 360, 420, 345, Vanish.x() - 6, Vanish.y());
    path.lineTo(Vanish.x() + 6, Vanish.y());
    path.cubicTo(450, 350, 470, 380, 450, 420);
    path.cubicTo(420, 480, 560, 540, 640, 600);
    path.closeSubpath();
    return path;
}
}

QImage autumnForest()
{
    const Noise n(4001);
    static const Ramp air { { 0.0f, 0xfff7e7b8 }, { 0.4f, 0xffe8b870 }, { 0.55f, 0xffb07a48 }, { 1.0f, 0xff4a2e1c } };
    QImage img = Raster::generate(Width, Height, [&](int x, int y) {
        const float t = float(y) / Height;
        QRgb c = air.at(t + 0.08f * n.fbm(x / 120.0f, y / 120.0f, 5));
        // Blue sky showing through gaps high in the canopy.
        const float gap = n.fbm(x / 70.0f + 20.0f, y / 50.0f, 4) - float(y) / 400.0f;
        if (gap > 0.05f)
            c = Colour::mix(c, Colour::mix(0xff8ab8e8, 0xffd8ecf8, float(y) / 200.0f), Colour::smoothstep(0.05f, 0.2f, gap));
        if (y > Vanish.y() - 10) {
            const float soil = 0.5f + 0.5f * n.fbm(x / 14.0f, y / 9.0f, 4);
            c = Colour::mix(c, Colour::mix(0xff3a2412, 0xff7a4a22, soil), Colour::smoothstep(Vanish.y() - 10, 420, y));
        }
        return c;
    });
    Rng rng(4002);
    const QImage bark = Raster::noiseTexture(64, 256, 4003, 5.0f,
        Ramp { { 0.0f, 0xff2a1a10 }, { 0.5f, 0xff5a3e2a }, { 1.0f, 0xff8a6a4a } }, 3)
                            .scaled(128, 256);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Far wood in haze.
    for (int i = 0; i < 40; ++i)
        trunk(p, QPointF(rng.range(0, 800), Vanish.y() + rng.range(0, 20)), rng.range(4, 9), rng.range(200, 330),
            rng.chance(0.2), 170, bark, rng);
    for (int i = 0; i < 30; ++i)
        leafCluster(p, QPointF(rng.range(-20, 820), rng.range(40, 300)), rng.range(40, 80), 90, 7, 120, rng);
    // The path, with soft edges of fallen leaves.
    const QImage dirt = Raster::noiseTexture(256, 256, 4004, 8.0f,
        Ramp { { 0.0f, 0xff5a3a22 }, { 0.45f, 0xff8e6a44 }, { 1.0f, 0xffc49a66 } }, 4);
    p.setBrush(QBrush(dirt));
    p.drawPath(pathShape());
    QLinearGradient depth(0, Vanish.y(), 0, 600);
    depth.setColorAt(0, QColor(240, 210, 160, 200));
    depth.setColorAt(0.4, QColor(240, 210, 160, 20));
    depth.setColorAt(1, QColor(40, 20, 10, 60));
    p.setBrush(depth);
    p.drawPath(pathShape());
    // Middle trees.
    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(0, 800), y = 380 + rng.range(0, 30);
        if (pathShape().contains(QPointF(x, y)))
            continue;
        trunk(p, QPointF(x, y), rng.range(10, 20), rng.range(330, 400), rng.chance(0.3), 70,
            bark, rng);
    }
    // Ferns and moss along the edges of the path.
    for (int i = 0; i < 90; ++i) {
        const double y = 400 + rng.uniform() * 200;
        const double spread = 60 + (y - 400) * 1.1;
        const double x = 430 + (rng.chance(0.5) ? -1 : 1) * (spread * 0.55 + rng.range(20, 170));
        const double s = 6 + (y - 400) / 200.0 * 16;
        p.setBrush(QColor::fromHsv(80 + rng.below(35), 120 + rng.below(80), 50 + rng.below(60)));
        p.drawPath(Shapes::blob(QPointF(x, y), s, s * 0.35, 0.3, rng.next(), 24));
        // Fronds: a stem with paired leaflets.
        for (int k = 0; k < 5; ++k) {
            const double a = (-150 + k * 30 + rng.range(-10, 10)) * Art::Pi / 180.0;
            const double len = s * rng.range(1.2, 1.9);
            const QColor frond = QColor::fromHsv(75 + rng.below(40), 130 + rng.below(80), 70 + rng.below(80));
            p.setBrush(frond);
            for (int j = 1; j <= 5; ++j) {
                const QPointF at(x + std::cos(a) * len * j / 6.0, y + std::sin(a) * len * j / 6.0);
                const double deg = a * 180.0 / Art::Pi;
                p.drawPath(Shapes::leaf(at, len * 0.3 * (1.1 - j / 6.0), len * 0.05, deg - 60));
                p.drawPath(Shapes::leaf(at, len * 0.3 * (1.1 - j / 6.0), len * 0.05, deg + 60));
            }
        }
    }
    // Leaf litter over the ground; fewer on the trodden path.
    const QPainterPath trodden = pathShape();
    for (int i = 0; i < 5200; ++i) {
        const double y = Vanish.y() + std::pow(rng.uniform(), 0.8) * (600 - Vanish.y() + 10);
        const double x = rng.range(-10, 810);
        const bool onPath = trodden.contains(QPointF(x, y));
        if (onPath && rng.chance(0.6))
            continue;
        const double size = 2 + (y - Vanish.y()) / 270.0 * 10;
        QColor c = autumnLeaf(rng, 4);
        c = c.darker(100 + rng.below(50));
        p.setBrush(c);
        p.drawPath(Shapes::leaf(QPointF(x, y), size, size * 0.45, rng.range(0, 360)));
    }
    // Near trees, big and dark, framing the view.
    for (auto [x, w, birch] : { std::tuple { 40.0, 56.0, false }, { 150.0, 30.0, true }, { 700.0, 64.0, false },
             { 610.0, 26.0, true }, { 780.0, 40.0, false }, { 250.0, 22.0, false } })
        trunk(p, QPointF(x, 600 + w * 0.3), w, 640, birch, 0, bark, rng);
    // Canopy clusters across the top.
    for (int i = 0; i < 26; ++i)
        leafCluster(p, QPointF(rng.range(-40, 840), rng.range(-30, 170)), rng.range(50, 110), 260, 11, 0, rng);
    // Light shafts through the canopy.
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    for (int i = 0; i < 6; ++i) {
        const double x = 380 + i * 55 + rng.range(-20, 20);
        QPainterPath ray;
        ray.moveTo(x, 0);
        ray.lineTo(x + 22 + rng.range(0, 20), 0);
        ray.lineTo(x - 240 + rng.range(0, 40), 600);
        ray.lineTo(x - 300, 600);
        ray.closeSubpath();
        QLinearGradient g(0, 0, 0, 600);
        g.setColorAt(0, QColor(120, 100, 60, 0));
        g.setColorAt(0.3, QColor(120, 100, 60, 90));
        g.setColorAt(1, QColor(120, 100, 60, 0));
        p.setBrush(g);
        p.drawPath(ray);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Leaves in the air.
    for (int i = 0; i < 45; ++i) {
        p.setBrush(autumnLeaf(rng));
        p.drawPath(Shapes::leaf(QPointF(rng.range(0, 800), rng.range(150, 560)), rng.range(7, 14), 4,
            rng.range(0, 360)));
    }
    p.end();
    Raster::addGrain(img, 4005, 5.0f);
    Raster::vignette(img, 0.4f);
    return img;
}

} // namespace Scenes
