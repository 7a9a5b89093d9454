// ArtNoise.cpp: hashed lattice noise and periodic nearest-point fields.
#include "ArtNoise.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ArtNoise {

double hash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967296.0;
}

double wrap(double value, double period)
{
    const double r = std::fmod(value, period);
    return r < 0 ? r + period : r;
}

double smoothstep(double edge0, double edge1, double value)
{
    const double t = std::clamp((value - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

double noise(double x, double y, int tileW, int tileH, int cellsX, int cellsY, std::uint32_t seed)
{
    const double u = wrap(x, tileW) * cellsX / tileW;
    const double v = wrap(y, tileH) * cellsY / tileH;
    const int x0 = static_cast<int>(u);
    const int y0 = static_cast<int>(v);
    const double fx = smoothstep(0.0, 1.0, u - x0);
    const double fy = smoothstep(0.0, 1.0, v - y0);
    const int x1 = (x0 + 1) % cellsX;
    const int y1 = (y0 + 1) % cellsY;
    const double top = hash(x0 % cellsX, y0 % cellsY, seed) * (1 - fx) + hash(x1, y0 % cellsY, seed) * fx;
    const double bottom = hash(x0 % cellsX, y1, seed) * (1 - fx) + hash(x1, y1, seed) * fx;
    return top * (1 - fy) + bottom * fy;
}

double fractal(double x, double y, int tileW, int tileH, int cells, int octaves, std::uint32_t seed)
{
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * noise(x, y, tileW, tileH, cells, cells, seed + static_cast<std::uint32_t>(o));
        total += weight;
        weight *= 0.5;
        cells *= 2;
    }
    return sum / total;
}

CellDistances cells(double x, double y, int tileW, int tileH, const Point* points, int count)
{
    CellDistances result { std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), 0 };
    for (int i = 0; i < count; ++i) {
        // Nearest copy of the point on the repeating tile.
        double dx = std::fabs(x - points[i].x);
        double dy = std::fabs(y - points[i].y);
        dx = std::min(dx, tileW - dx);
        dy = std::min(dy, tileH - dy);
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < result.nearest) {
            result.second = result.nearest;
            result.nearest = d;
            result.index = i;
        } else if (d < result.second) {
            result.second = d;
        }
    }
    return result;
}

} // namespace ArtNoise
