// ArtNoise.h: deterministic, seamlessly repeating noise and cell fields for drawing pattern artwork.
#pragma once

#include <cstdint>

namespace ArtNoise {

// A fixed pseudo-random value in [0, 1) for a lattice point; the same inputs always give the same value.
double hash(int x, int y, std::uint32_t seed);

// Smooth value noise in [0, 1) over a tile of tileW x tileH pixels with cellsX x cellsY lattice
// cells; it repeats with the tile, so copies of the tile meet without a seam.
double noise(double x, double y, int tileW, int tileH, int cellsX, int cellsY, std::uint32_t seed);

// Sum of octaves of noise (each with twice the cells and half the weight), in [0, 1).
double fractal(double x, double y, int tileW, int tileH, int cells, int octaves, std::uint32_t seed);

// Distances from (x, y) to the nearest and second-nearest of a set of points on a repeating tile.
struct CellDistances {
    double nearest;
    double second;
    int index; // the nearest point
};

struct Point {
    double x;
    double y;
};

CellDistances cells(double x, double y, int tileW, int tileH, const Point* points, int count);

// Wraps value into [0, period).
double wrap(double value, double period);

// 0 below edge0, 1 above edge1, smooth in between.
double smoothstep(double edge0, double edge1, double value);

} // namespace ArtNoise
