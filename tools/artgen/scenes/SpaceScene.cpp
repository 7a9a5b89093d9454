// SpaceScene.cpp: a ringed gas giant, a blue world and a cratered moon before a glowing nebula and star field.
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
const QPointF Light(-0.6, -0.5); // direction towards the local star, in picture space

QRgb nebulaAt(const Noise& n, int x, int y)
{
    // Domain warping gives the gas its folds and filaments.
    const float wx = n.fbm(x / 220.0f, y / 220.0f, 4), wy = n.fbm(x / 220.0f + 5.2f, y / 220.0f + 1.3f, 4);
    const float gas = n.fbm(x / 180.0f + 1.6f * wx, y / 180.0f + 1.6f * wy, 6);
    const float hue = n.fbm(x / 400.0f + 0.8f * wy, y / 400.0f, 3);
    const float dust = n.ridged(x / 120.0f + wx, y / 120.0f + wy, 5);
    static const Ramp colours { { 0.0f, 0xff2a8ad8 }, { 0.35f, 0xff8a3ad0 }, { 0.65f, 0xffe0408a }, { 1.0f, 0xffffa04a } };
    const QRgb gasColour = colours.at(0.5f + 0.9f * hue);
    const float density = Colour::smoothstep(-0.35f, 0.75f, gas) * (1.0f - 0.6f * std::pow(dust, 4.0f));
    QRgb c = Colour::mix(0xff04040e, 0xff0e0a24, float(y) / Height);
    c = Colour::screen(c, gasColour, density * 0.95f);
    c = Colour::screen(c, 0xffffe8f0, std::pow(Colour::clamp01(gas - 0.35f), 2.0f) * 1.2f);
    return c;
}

void stars(QImage& img, Rng& rng)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    static const QColor tints[] = { QColor(255, 255, 255), QColor(200, 220, 255), QColor(255, 240, 210),
        QColor(255, 210, 200), QColor(210, 255, 250) };
    for (int i = 0; i < 1800; ++i) {
        const QPointF s(rng.range(0, Width), rng.range(0, Height));
        QColor c = tints[rng.below(5)];
        c.setAlpha(60 + rng.below(196));
        p.setBrush(c);
        const double r = std::pow(rng.uniform(), 3.0) * 1.4 + 0.35;
        p.drawEllipse(s, r, r);
    }
    // A few bright stars with glow and spikes.
    for (int i = 0; i < 14; ++i) {
        const QPointF s(rng.range(0, Width), rng.range(0, Height));
        const QColor c = tints[rng.below(5)];
        const double r = rng.range(6, 16);
        QRadialGradient g(s, r);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(0.15, Colour::withAlpha(c, 200));
        g.setColorAt(1, Colour::withAlpha(c, 0));
        p.setBrush(g);
        p.drawEllipse(s, r, r);
        p.setPen(QPen(Colour::withAlpha(c, 150), 1));
        p.drawLine(s - QPointF(r * 1.8, 0), s + QPointF(r * 1.8, 0));
        p.drawLine(s - QPointF(0, r * 1.8), s + QPointF(0, r * 1.8));
        p.setPen(Qt::NoPen);
    }
}

// Shades a sphere at centre c, radius r, with surface colour from f(u, v, latitude) and lambert light.
template <class F> void sphere(QImage& img, QPointF c, double r, float ambient, F surface)
{
    const float lx = float(Light.x()), ly = float(Light.y()), lz = 0.6f;
    const float ln = std::sqrt(lx * lx + ly * ly + lz * lz);
    for (int y = std::max(0, int(c.y() - r - 1)); y < std::min(Height, int(c.y() + r + 2)); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = std::max(0, int(c.x() - r - 1)); x < std::min(Width, int(c.x() + r + 2)); ++x) {
            const float u = float((x - c.x()) / r), v = float((y - c.y()) / r);
            const float d2 = u * u + v * v;
            if (d2 >= 1.0f)
                continue;
            const float w = std::sqrt(1.0f - d2);
            const float lambert = std::max(0.0f, (u * lx + v * ly + w * lz) / ln);
            const QRgb s = surface(u, v, w);
            QRgb out = Colour::scale(s, ambient + (1.0f - ambient) * lambert);
            // Thin atmosphere glow at the rim; antialiased edge.
            out = Colour::screen(out, 0xff9ac8ff, std::pow(1.0f - w, 3.0f) * 0.5f * lambert);
            const float edge = Colour::clamp01(float((1.0f - std::sqrt(d2)) * r));
            line[x] = Colour::mix(line[x], out, edge);
        }
    }
}

void ring(QPainter& p, QPointF c, double r, bool front, const Noise& n)
{
    // Rings as thin elliptical bands; only the chosen half (behind or in front of the planet).
    p.save();
    QPainterPath half;
    if (front)
        half.addRect(QRectF(c.x() - 3 * r, c.y() - r * 0.05, 6 * r, 3 * r));
    else
        half.addRect(QRectF(c.x() - 3 * r, c.y() - 3 * r, 6 * r, 3 * r - r * 0.05));
    p.translate(c);
    p.rotate(-18);
    p.translate(-c);
    p.setClipPath(half);
    for (int i = 0; i < 60; ++i) {
        const double rr = r * (1.35 + i * 0.014);
        const float density = 0.5f + 0.5f * n.perlin(i / 4.0f, 3.3f);
        if ((i > 30 && i < 34) || density < 0.25f)
            continue;
        const QColor col = QColor::fromHsv(30 + (i % 7) * 3, 60 + int(density * 60), 150 + int(density * 100),
            int(80 + density * 150));
        p.setPen(QPen(col, r * 0.016));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, rr, rr * 0.28);
    }
    p.restore();
}
}

QImage spaceScene()
{
    const Noise n(10001), bands(10002), land(10003);
    QImage img = Raster::generate(Width, Height, [&](int x, int y) { return nebulaAt(n, x, y); });
    Rng rng(10004);
    stars(img, rng);
    // A distant spiral galaxy.
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const QPointF g(160, 470);
        for (int i = 0; i < 900; ++i) {
            const double t = rng.uniform() * 3.0, arm = rng.below(2) * Art::Pi;
            const double a = t * 2.2 + arm + rng.range(-0.3, 0.3);
            const double rad = 6 + t * 22;
            const QPointF at = g + QPointF(std::cos(a) * rad, std::sin(a) * rad * 0.45);
            p.setBrush(QColor(220, 210, 255, 40 + rng.below(120)));
            p.drawEllipse(at, 1.0, 1.0);
        }
        QRadialGradient core(g, 24);
        core.setColorAt(0, QColor(255, 245, 220, 255));
        core.setColorAt(1, QColor(255, 220, 200, 0));
        p.setBrush(core);
        p.drawEllipse(g, 24, 12);
    }
    // The gas giant with its rings.
    const QPointF giant(540, 330);
    const double giantR = 150;
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        ring(p, giant, giantR, false, bands);
    }
    static const Ramp stripes { { 0.0f, 0xffc8925a }, { 0.2f, 0xffeed2a0 }, { 0.35f, 0xffa8643a }, { 0.5f, 0xfff2e0c0 },
        { 0.65f, 0xffc07a48 }, { 0.8f, 0xffe8c48a }, { 1.0f, 0xff9a5a3a } };
    const float tilt = -18.0f * 3.14159f / 180.0f;
    sphere(img, giant, giantR, 0.08f, [&](float u, float v, float w) {
        const float lat = -u * std::sin(tilt) + v * std::cos(tilt);
        const float lon = (u * std::cos(tilt) + v * std::sin(tilt)) / std::max(0.2f, w);
        const float turbulence = bands.fbm(lon * 2.0f, lat * 12.0f, 5) * 0.08f;
        QRgb c = stripes.at(std::fmod(lat * 2.2f + 2.0f + turbulence + 0.02f * std::sin(lon * 6.0f), 1.0f));
        // A great storm.
        const float storm = std::hypot((lon - 0.35f) * 1.0f, (lat - 0.32f) * 3.5f);
        if (storm < 0.25f)
            c = Colour::mix(c, Colour::mix(0xffd05a3a, 0xfff0a070, storm * 4.0f), 1.0f - storm * 4.0f);
        return c;
    });
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        ring(p, giant, giantR, true, bands);
    }
    // The blue world with continents and clouds.
    sphere(img, QPointF(170, 170), 82, 0.05f, [&](float u, float v, float w) {
        const float lx = u / std::max(0.25f, w) * 1.5f, ly = v * 1.5f;
        const float h = land.fbm(lx + 3.0f, ly + 1.0f, 6);
        QRgb c = h > 0.1f ? Colour::mix(0xff3a8a3a, 0xffc8b070, Colour::clamp01((h - 0.1f) * 2.5f))
                          : Colour::mix(0xff0a2a7a, 0xff2a7ad0, Colour::clamp01(0.8f + h));
        const float cap = std::fabs(v) + 0.06f * land.perlin(u * 8.0f, v * 3.0f);
        c = Colour::mix(c, 0xfff4f8ff, Colour::smoothstep(0.8f, 0.86f, cap));
        const float cloud = land.fbm(lx * 2.0f + 9.0f, ly * 3.0f, 5);
        c = Colour::mix(c, 0xffffffff, Colour::smoothstep(0.1f, 0.5f, cloud) * 0.9f);
        return c;
    });
    // A small cratered moon.
    Rng craters(10005);
    struct Crater {
        float u, v, r;
    };
    std::vector<Crater> pits;
    for (int i = 0; i < 22; ++i)
        pits.push_back({ float(craters.range(-0.9, 0.9)), float(craters.range(-0.9, 0.9)), float(craters.range(0.05, 0.22)) });
    sphere(img, QPointF(330, 90), 34, 0.06f, [&](float u, float v, float) {
        QRgb c = Colour::mix(0xff8a8680, 0xffc8c4bc, 0.5f + 0.5f * land.fbm(u * 4.0f, v * 4.0f, 4));
        for (const Crater& k : pits) {
            const float d = std::hypot(u - k.u, v - k.v) / k.r;
            if (d < 1.0f)
                c = Colour::scale(c, d < 0.8f ? 0.8f + 0.2f * d : 1.15f);
        }
        return c;
    });
    // A comet streaking across the top right.
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient tail(QPointF(760, 40), QPointF(640, 130));
        tail.setColorAt(0, QColor(220, 250, 255, 230));
        tail.setColorAt(1, QColor(120, 200, 255, 0));
        QPainterPath t(QPointF(760, 40));
        t.lineTo(620, 140);
        t.lineTo(640, 150);
        t.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(tail);
        p.drawPath(t);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(760, 40), 3, 3);
    }
    Raster::addGrain(img, 10006, 3.0f);
    return img;
}

} // namespace Scenes
