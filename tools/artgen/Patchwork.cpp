// Patchwork.cpp: fields from a warped grid, each with its own crop colour and furrow direction.
#include "Patchwork.h"

#include "Colour.h"
#include "Noise.h"

#include <cmath>
#include <cstdint>

namespace Patchwork {

namespace {
std::uint32_t hash(int i, int j)
{
    std::uint32_t h = std::uint32_t(i) * 374761393u + std::uint32_t(j) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}
}

QRgb field(const Noise& n, float x, float y, float cellW, float cellH)
{
    static const QRgb crops[] = { 0xff7fb843, 0xffc9c24a, 0xffe3b54c, 0xff5e9a3a, 0xffa7c95a, 0xff8a6a3e,
        0xffb7a0d8, 0xff4f8a34, 0xffd9cf7a, 0xff9bbf4a };
    const float u = x / cellW + 0.45f * n.fbm(x / 170.0f, y / 120.0f, 3);
    const float v = y / cellH + 0.45f * n.fbm(x / 170.0f + 9.0f, y / 120.0f + 4.0f, 3);
    const int ci = int(std::floor(u)), cj = int(std::floor(v));
    const float fu = u - ci, fv = v - cj;
    const std::uint32_t h = hash(ci, cj);
    QRgb c = crops[h % 10];
    // Furrows run one of four ways in each field.
    const float angle = float((h >> 8) % 4) * 0.785f;
    const float furrow = std::sin((fu * std::cos(angle) * cellW + fv * std::sin(angle) * cellH) * 0.9f);
    c = Colour::scale(c, 0.9f + 0.1f * furrow + 0.08f * n.perlin(x / 9.0f, y / 9.0f));
    // Hedgerows along the field edges, with the odd tree.
    const float edge = std::min(std::min(fu, 1.0f - fu) * cellW, std::min(fv, 1.0f - fv) * cellH);
    if (edge < 1.6f) {
        const float tree = n.perlin(x / 4.0f, y / 4.0f);
        c = Colour::mix(c, tree > 0.3f ? 0xff1f4a1c : 0xff3b6a2a, 1.0f - edge / 1.6f * 0.5f);
    }
    return c;
}

} // namespace Patchwork
