// Noise.cpp: improved gradient noise with a seeded permutation table.
#include "Noise.h"

#include "Rng.h"

#include <cmath>

namespace {
float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }
float lerp(float a, float b, float t) { return a + (b - a) * t; }
int wrap(int v, int period) { return ((v % period) + period) % period; }
}

Noise::Noise(std::uint64_t seed)
{
    Rng rng(seed);
    for (int i = 0; i < 256; ++i)
        m_perm[i] = std::uint8_t(i);
    for (int i = 255; i > 0; --i) {
        const int j = rng.below(i + 1);
        std::swap(m_perm[i], m_perm[j]);
    }
    for (int i = 0; i < 256; ++i)
        m_perm[256 + i] = m_perm[i];
}

float Noise::gradient(int hash, float dx, float dy) const
{
    switch (hash & 7) {
    case 0: return dx + dy;
    case 1: return dx - dy;
    case 2: return -dx + dy;
    case 3: return -dx - dy;
    case 4: return 1.4142f * dx;
    case 5: return -1.4142f * dx;
    case 6: return 1.4142f * dy;
    default: return -1.4142f * dy;
    }
}

float Noise::lattice(int x0, int y0, int x1, int y1, float fx, float fy) const
{
    const int a = m_perm[x0 & 255], b = m_perm[x1 & 255];
    const float u = fade(fx), v = fade(fy);
    const float n00 = gradient(m_perm[(a + y0) & 511], fx, fy);
    const float n10 = gradient(m_perm[(b + y0) & 511], fx - 1.0f, fy);
    const float n01 = gradient(m_perm[(a + y1) & 511], fx, fy - 1.0f);
    const float n11 = gradient(m_perm[(b + y1) & 511], fx - 1.0f, fy - 1.0f);
    return lerp(lerp(n00, n10, u), lerp(n01, n11, u), v) * 0.75f;
}

float Noise::perlin(float x, float y) const
{
    const float fx0 = std::floor(x), fy0 = std::floor(y);
    const int x0 = int(fx0) & 255, y0 = int(fy0) & 255;
    return lattice(x0, y0, x0 + 1, y0 + 1, x - fx0, y - fy0);
}

float Noise::perlinPeriodic(float x, float y, int periodX, int periodY) const
{
    const float fx0 = std::floor(x), fy0 = std::floor(y);
    const int x0 = wrap(int(fx0), periodX), y0 = wrap(int(fy0), periodY);
    const int x1 = wrap(x0 + 1, periodX), y1 = wrap(y0 + 1, periodY);
    return lattice(x0, y0 & 255, x1, y1 & 255, x - fx0, y - fy0);
}

float Noise::fbm(float x, float y, int octaves, float gain) const
{
    float sum = 0.0f, amp = 1.0f, norm = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * perlin(x, y);
        norm += amp;
        amp *= gain;
        // Shift each octave so their lattices never line up.
        x = x * 2.0f + 17.31f;
        y = y * 2.0f + 9.73f;
    }
    return sum / norm * 1.6f;
}

float Noise::fbmPeriodic(float x, float y, int octaves, int periodX, int periodY, float gain) const
{
    float sum = 0.0f, amp = 1.0f, norm = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * perlinPeriodic(x, y, periodX, periodY);
        norm += amp;
        amp *= gain;
        x *= 2.0f;
        y *= 2.0f;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / norm * 1.6f;
}

float Noise::ridged(float x, float y, int octaves) const
{
    float sum = 0.0f, amp = 1.0f, norm = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        const float n = 1.0f - std::fabs(perlin(x, y) * 1.4f);
        sum += amp * n * n;
        norm += amp;
        amp *= 0.5f;
        x = x * 2.0f + 5.17f;
        y = y * 2.0f + 11.9f;
    }
    return sum / norm;
}

float Noise::turbulence(float x, float y, int octaves) const
{
    float sum = 0.0f, amp = 1.0f, norm = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * std::fabs(perlin(x, y) * 1.4f);
        norm += amp;
        amp *= 0.5f;
        x = x * 2.0f + 3.7f;
        y = y * 2.0f + 1.3f;
    }
    return sum / norm;
}
