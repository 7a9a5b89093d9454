// Raster.cpp: whole-image pixel operations.
#include "Raster.h"

#include "Noise.h"
#include "Rng.h"

#include <cmath>
#include <vector>

namespace Raster {

void addGrain(QImage& image, std::uint64_t seed, float amount)
{
    Rng rng(seed);
    forEachPixel(image, [&](int, int, QRgb& p) {
        const float d = float(rng.uniform() * 2.0 - 1.0) * amount;
        p = (p & 0xff000000u) | (Colour::lift(p, d) & 0x00ffffffu);
    });
}

namespace {
// One horizontal box pass over four interleaved channels, written transposed so the
// next call blurs the other direction.
void boxPassTransposed(const std::vector<float>& src, std::vector<float>& dst, int w, int h, int r)
{
    const float inv = 1.0f / float(2 * r + 1);
    for (int y = 0; y < h; ++y) {
        const float* row = &src[std::size_t(y) * w * 4];
        float acc[4] = { 0, 0, 0, 0 };
        for (int k = -r; k <= r; ++k) {
            const int xi = std::clamp(k, 0, w - 1);
            for (int c = 0; c < 4; ++c)
                acc[c] += row[xi * 4 + c];
        }
        for (int x = 0; x < w; ++x) {
            float* out = &dst[(std::size_t(x) * h + y) * 4];
            for (int c = 0; c < 4; ++c)
                out[c] = acc[c] * inv;
            const int add = std::min(x + r + 1, w - 1), sub = std::max(x - r, 0);
            for (int c = 0; c < 4; ++c)
                acc[c] += row[add * 4 + c] - row[sub * 4 + c];
        }
    }
}
}

QImage blur(const QImage& image, int radius)
{
    if (radius < 1 || image.isNull())
        return image;
    const QImage src = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = src.width(), h = src.height();
    std::vector<float> a(std::size_t(w) * h * 4), b(a.size());
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            float* px = &a[(std::size_t(y) * w + x) * 4];
            px[0] = qRed(line[x]);
            px[1] = qGreen(line[x]);
            px[2] = qBlue(line[x]);
            px[3] = qAlpha(line[x]);
        }
    }
    const int r = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPassTransposed(a, b, w, h, r);
        boxPassTransposed(b, a, h, w, r);
    }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float* px = &a[(std::size_t(y) * w + x) * 4];
            const int al = Colour::clampByte(px[3]);
            line[x] = qRgba(std::min(al, Colour::clampByte(px[0])), std::min(al, Colour::clampByte(px[1])),
                std::min(al, Colour::clampByte(px[2])), al);
        }
    }
    return out;
}

void vignette(QImage& image, float strength)
{
    const float cx = image.width() * 0.5f, cy = image.height() * 0.5f;
    const float norm = 1.0f / std::sqrt(cx * cx + cy * cy);
    forEachPixel(image, [&](int x, int y, QRgb& p) {
        const float d = std::hypot(x - cx, y - cy) * norm;
        const float f = 1.0f - strength * Colour::smoothstep(0.55f, 1.05f, d);
        p = (p & 0xff000000u) | (Colour::scale(p, f) & 0x00ffffffu);
    });
}

QImage noiseTexture(int width, int height, std::uint64_t seed, float scale, const Ramp& ramp, int octaves)
{
    const Noise noise(seed);
    QImage image = generate(width, height, [&](int x, int y) {
        return ramp.at(0.5f + 0.5f * noise.fbm(x / scale, y / scale, octaves));
    });
    addGrain(image, seed ^ 0x5a5a5a5aull, 4.0f);
    return image;
}

} // namespace Raster
