// Noise.h: seeded gradient noise and its fractal sums, the texture source of all artwork.
#pragma once

#include <array>
#include <cstdint>

class Noise {
public:
    explicit Noise(std::uint64_t seed);

    // Gradient noise, roughly in [-1, 1].
    float perlin(float x, float y) const;
    // Gradient noise that repeats every periodX along x and periodY along y (whole lattice cells).
    float perlinPeriodic(float x, float y, int periodX, int periodY) const;
    // Fractal sum of octaves, normalised to roughly [-1, 1].
    float fbm(float x, float y, int octaves, float gain = 0.5f) const;
    // Fractal sum that repeats every periodX x periodY (periods double with every octave).
    float fbmPeriodic(float x, float y, int octaves, int periodX, int periodY, float gain = 0.5f) const;
    // Ridged fractal, in [0, 1]: sharp crests, good for mountains and veins.
    float ridged(float x, float y, int octaves) const;
    // Sum of absolute octaves, in [0, 1]: billowy clouds, fire, marble.
    float turbulence(float x, float y, int octaves) const;

private:
    float gradient(int hash, float dx, float dy) const;
    float lattice(int x0, int y0, int x1, int y1, float fx, float fy) const;

    std::array<std::uint8_t, 512> m_perm {};
};
