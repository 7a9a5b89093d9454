// PatternArt.cpp: bricks, weave, waves, dots, marble, wood, scales, tiles, leaves, linen, diamonds,
// honeycomb, stucco, plaid, flowers and cobbles, each a function of the pixel position that repeats
// with the tile.
#include "PatternArt.h"

#include "ArtNoise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace PatternArt {

namespace {

using ArtNoise::Point;
using ArtNoise::smoothstep;
using ArtNoise::wrap;
constexpr double Pi = std::numbers::pi;

// A picture whose pixel (x, y) has the grey level shade(x + 0.5, y + 0.5) (0 black .. 1 white).
QImage shaded(int width, int height, const std::function<double(double, double)>& shade)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int g = static_cast<int>(std::lround(std::clamp(shade(x + 0.5, y + 0.5), 0.0, 1.0) * 255));
            line[x] = qRgb(g, g, g);
        }
    }
    return image;
}

// Light from the top left: +1 on the upper and left rims of a box, -1 on the lower and right rims.
double bevel(double left, double top, double right, double bottom, double rim)
{
    const double lit = std::max(smoothstep(rim, 0, left), smoothstep(rim, 0, top));
    const double shadow = std::max(smoothstep(rim, 0, right), smoothstep(rim, 0, bottom));
    return lit - shadow;
}

QImage bricks()
{
    constexpr int W = 64, H = 64, BrickW = 32, BrickH = 16, Mortar = 2;
    return shaded(W, H, [](double x, double y) {
        const int row = static_cast<int>(y / BrickH);
        const double bx = wrap(x + (row % 2) * BrickW / 2.0, W);
        const double lx = std::fmod(bx, BrickW), ly = std::fmod(y, BrickH);
        if (lx < Mortar || ly < Mortar)
            return 0.82 + 0.08 * ArtNoise::noise(x, y, W, H, 16, 16, 7);
        const int brick = static_cast<int>(bx / BrickW);
        const double tone = 0.38 + 0.12 * ArtNoise::hash(brick, row, 1);
        const double grain = 0.14 * ArtNoise::fractal(x, y, W, H, 8, 3, 2);
        return tone + grain + 0.1 * bevel(lx - Mortar, ly - Mortar, BrickW - lx, BrickH - ly, 2.5);
    });
}

QImage weave()
{
    constexpr int W = 48, Cell = 24, Strands = 3, StrandW = Cell / Strands;
    return shaded(W, W, [](double x, double y) {
        const int cx = static_cast<int>(x / Cell), cy = static_cast<int>(y / Cell);
        const bool horizontal = (cx + cy) % 2 == 0;
        const double across = std::fmod(horizontal ? y : x, StrandW) / StrandW;
        const double along = std::fmod(horizontal ? x : y, Cell) / Cell;
        const double round = std::sin(Pi * across);
        const double tuck = smoothstep(0.0, 0.15, along) * smoothstep(1.0, 0.85, along);
        const double fibre
            = 0.06 * ArtNoise::noise(horizontal ? x : y, horizontal ? y * 4 : x * 4, W, W * 4, 24, 12, 3);
        return 0.22 + 0.58 * round * (0.55 + 0.45 * tuck) + fibre;
    });
}

QImage waves()
{
    constexpr int W = 64, H = 32;
    return shaded(W, H, [](double x, double y) {
        const double phase
            = 2 * Pi * (y / 16.0 + 0.18 * std::sin(2 * Pi * x / W) + 0.05 * std::sin(4 * Pi * x / W));
        const double crest = 0.5 + 0.5 * std::sin(phase);
        return 0.28 + 0.6 * std::pow(crest, 1.6) + 0.08 * std::pow(crest, 12);
    });
}

QImage dots()
{
    constexpr int W = 32, Radius = 6;
    static const std::array<Point, 2> centres { { { 8, 8 }, { 24, 24 } } };
    return shaded(W, W, [](double x, double y) {
        const auto near = ArtNoise::cells(x, y, W, W, centres.data(), int(centres.size()));
        if (near.nearest > Radius)
            return 0.8;
        const Point c = centres[static_cast<std::size_t>(near.index)];
        // Brighter toward a highlight up and to the left of the centre.
        const double hx = wrap(x - c.x + W / 2.0, W) - W / 2.0 + 2,
                     hy = wrap(y - c.y + W / 2.0, W) - W / 2.0 + 2;
        const double highlight = 1 - std::min(1.0, std::sqrt(hx * hx + hy * hy) / (Radius + 2));
        return 0.22 + 0.45 * highlight + 0.1 * smoothstep(Radius - 1.2, Radius, near.nearest);
    });
}

QImage marble()
{
    constexpr int W = 64;
    return shaded(W, W, [](double x, double y) {
        const double turbulence = ArtNoise::fractal(x, y, W, W, 4, 4, 11);
        const double vein = std::fabs(std::sin(2 * Pi * (x + y) / W + 7 * turbulence));
        const double cloud = ArtNoise::fractal(x, y, W, W, 2, 3, 12);
        return 0.62 + 0.22 * cloud - 0.42 * std::pow(1 - vein, 8) - 0.12 * std::pow(1 - vein, 2);
    });
}

QImage wood()
{
    constexpr int W = 64, Rings = 5;
    return shaded(W, W, [](double x, double y) {
        // Growth rings across the board, gently bent; dark narrow latewood, fine streaks along the grain.
        const double bend
            = 0.9 * ArtNoise::noise(x, y, W, W, 2, 2, 21) + 0.2 * ArtNoise::noise(x, y, W, W, 4, 4, 23);
        const double ring = Rings * y / W + bend;
        const double t = ring - std::floor(ring);
        const double late = smoothstep(0.6, 0.85, t) * smoothstep(1.0, 0.9, t);
        const double streak = 0.08 * ArtNoise::noise(x, y, W, W, 4, 32, 22);
        return 0.7 - 0.32 * late - 0.12 * t + streak;
    });
}

QImage scales()
{
    constexpr int W = 48, Step = 24, RowH = 12;
    constexpr double Radius = 13.5;
    return shaded(W, W, [](double x, double y) {
        // Lower rows are laid over higher ones, like roof tiles; the last row covering wins.
        for (int row = 5; row >= -2; --row) {
            const double cy = row * RowH;
            const double dy = y - cy;
            for (int col = -1; col <= 2; ++col) {
                double dx = std::fabs(x - (col * Step + (row & 1) * Step / 2.0));
                dx = std::min(dx, W - dx);
                const double d = std::sqrt(dx * dx + dy * dy);
                if (d < Radius && dy > -Radius * 0.2)
                    return 0.3 + 0.5 * (d / Radius) - 0.28 * smoothstep(Radius - 2.5, Radius, d);
            }
        }
        return 0.3;
    });
}

QImage tiles()
{
    constexpr int W = 32, Grout = 2;
    return shaded(W, W, [](double x, double y) {
        if (x < Grout || y < Grout)
            return 0.3;
        const double face = 0.62 + 0.05 * ArtNoise::noise(x, y, W, W, 8, 8, 31);
        return face + 0.22 * bevel(x - Grout, y - Grout, W - x, W - y, 4);
    });
}

QImage leaves()
{
    constexpr int W = 64;
    struct Leaf {
        double x, y, angle, length, width;
    };
    static const std::array<Leaf, 5> all { { { 16, 14, 0.6, 26, 8 }, { 46, 22, 2.3, 24, 7 },
        { 30, 42, -0.4, 28, 8.5 }, { 56, 54, 1.2, 22, 6.5 }, { 6, 48, 2.9, 20, 6 } } };
    return shaded(W, W, [](double x, double y) {
        double value = 0.8 + 0.06 * ArtNoise::noise(x, y, W, W, 8, 8, 41);
        for (const Leaf& leaf : all) {
            const double dx = wrap(x - leaf.x + W / 2.0, W) - W / 2.0;
            const double dy = wrap(y - leaf.y + W / 2.0, W) - W / 2.0;
            const double u = dx * std::cos(leaf.angle) + dy * std::sin(leaf.angle);
            const double v = -dx * std::sin(leaf.angle) + dy * std::cos(leaf.angle);
            const double s = u / leaf.length + 0.5;
            if (s <= 0 || s >= 1)
                continue;
            const double half = leaf.width * std::sin(Pi * s) * (1.1 - 0.35 * s);
            if (std::fabs(v) >= half)
                continue;
            const double across = std::fabs(v) / half;
            const double midrib = 1 - smoothstep(0.0, 0.12, across);
            const double side = std::pow(std::fabs(std::sin(Pi * (s * 5 - across * 1.2))), 12);
            value = 0.34 + 0.22 * (1 - across) + 0.25 * midrib + 0.08 * side
                - 0.12 * smoothstep(0.8, 1.0, across);
        }
        return value;
    });
}

QImage linen()
{
    constexpr int W = 36, Thread = 3;
    return shaded(W, W, [](double x, double y) {
        // Plain weave: each thread passes over and under in turn; threads differ slightly in tone.
        const int row = static_cast<int>(y / Thread), col = static_cast<int>(x / Thread);
        const double rowTone = 0.66 + 0.16 * ArtNoise::hash(0, row, 51);
        const double colTone = 0.66 + 0.16 * ArtNoise::hash(col, 0, 52);
        const bool rowOnTop = (row + col) % 2 == 0;
        const double across = std::fmod(rowOnTop ? y : x, Thread) / Thread;
        return (rowOnTop ? rowTone : colTone) * (0.72 + 0.28 * std::sin(Pi * across))
            + 0.06 * ArtNoise::noise(x, y, W, W, 12, 12, 53);
    });
}

QImage diamonds()
{
    constexpr int W = 48, Half = W / 2;
    return shaded(W, W, [](double x, double y) {
        const double d = std::fabs(x - Half) / Half + std::fabs(y - Half) / Half;
        double value = d < 1 ? 0.35 + 0.1 * (1 - d) : 0.72;
        // Dashed stitches along the diagonals through the corners of the diamonds.
        const double a = wrap(x + y, Half), b = wrap(x - y, Half);
        const bool dash = std::fmod(x, 6) < 3;
        if ((a < 1 || b < 1) && dash)
            value = d < 1 ? 0.85 : 0.22;
        return value;
    });
}

QImage honeycomb()
{
    constexpr int W = 48, H = 42;
    static const std::array<Point, 4> centres { { { 0, 0 }, { 24, 0 }, { 12, 21 }, { 36, 21 } } };
    return shaded(W, H, [](double x, double y) {
        const auto c = ArtNoise::cells(x, y, W, H, centres.data(), int(centres.size()));
        const double edge = c.second - c.nearest;
        if (edge < 1.6)
            return 0.28;
        return 0.45 + 0.3 * smoothstep(2, 12, edge) + 0.12 * smoothstep(3, 1.6, edge);
    });
}

QImage stucco()
{
    constexpr int W = 48;
    return shaded(W, W, [](double x, double y) {
        const double here = ArtNoise::fractal(x, y, W, W, 6, 4, 61);
        const double lit = ArtNoise::fractal(x - 1, y - 1, W, W, 6, 4, 61);
        return 0.6 + 2.2 * (lit - here) + 0.25 * (here - 0.5);
    });
}

QImage plaid()
{
    constexpr int W = 48;
    const auto stripe = [](double t) {
        if (t < 12)
            return 0.3;
        if (t >= 16 && t < 18)
            return 0.9;
        if (t >= 24 && t < 32)
            return 0.5;
        if (t >= 40 && t < 41)
            return 0.2;
        return 0.75;
    };
    return shaded(W, W, [stripe](double x, double y) {
        const double twill = std::fmod(x + y, 4) < 2 ? 0.03 : -0.03;
        return 0.5 * (stripe(x) + stripe(y)) + twill;
    });
}

QImage flowers()
{
    constexpr int W = 48;
    static const std::array<Point, 2> blooms { { { 12, 12 }, { 36, 36 } } };
    static const std::array<Point, 2> buds { { { 36, 12 }, { 12, 36 } } };
    return shaded(W, W, [](double x, double y) {
        const auto bloom = ArtNoise::cells(x, y, W, W, blooms.data(), int(blooms.size()));
        const Point c = blooms[static_cast<std::size_t>(bloom.index)];
        const double dx = wrap(x - c.x + W / 2.0, W) - W / 2.0, dy = wrap(y - c.y + W / 2.0, W) - W / 2.0;
        const double angle = std::atan2(dy, dx) + (bloom.index == 0 ? 0.0 : Pi / 5);
        const double petal = 8 + 3.5 * std::cos(5 * angle);
        if (bloom.nearest < 2.8)
            return 0.92;
        if (bloom.nearest < petal)
            return 0.3 + 0.35 * (bloom.nearest / petal) - 0.1 * std::pow(std::fabs(std::sin(2.5 * angle)), 8);
        const auto bud = ArtNoise::cells(x, y, W, W, buds.data(), int(buds.size()));
        if (bud.nearest < 2.2)
            return 0.45;
        return 0.76 + 0.04 * ArtNoise::noise(x, y, W, W, 12, 12, 71);
    });
}

QImage cobbles()
{
    constexpr int W = 64, Grid = 4, Cell = W / Grid;
    static const std::array<Point, Grid* Grid> stones = [] {
        std::array<Point, Grid * Grid> points {};
        for (int j = 0; j < Grid; ++j)
            for (int i = 0; i < Grid; ++i)
                points[static_cast<std::size_t>(j * Grid + i)]
                    = { (i + 0.2 + 0.6 * ArtNoise::hash(i, j, 81)) * Cell,
                          (j + 0.2 + 0.6 * ArtNoise::hash(i, j, 82)) * Cell };
        return points;
    }();
    return shaded(W, W, [](double x, double y) {
        const auto c = ArtNoise::cells(x, y, W, W, stones.data(), int(stones.size()));
        const double edge = c.second - c.nearest;
        if (edge < 2.0)
            return 0.78;
        const double tone = 0.34 + 0.2 * ArtNoise::hash(c.index, 0, 83);
        return tone + 0.16 * smoothstep(2, 9, edge) + 0.08 * ArtNoise::fractal(x, y, W, W, 8, 2, 84);
    });
}

} // namespace

QImage draw(int index)
{
    static const std::array<QImage (*)(), Count> painters { bricks, weave, waves, dots, marble, wood, scales,
        tiles, leaves, linen, diamonds, honeycomb, stucco, plaid, flowers, cobbles };
    if (index < 0 || index >= Count)
        return {};
    return painters[static_cast<std::size_t>(index)]();
}

} // namespace PatternArt
