// Raster.h: whole-image pixel operations: per-pixel shading, grain, blur, vignette, textures.
#pragma once

#include "Colour.h"

#include <QImage>

#include <cstdint>

class Noise;

namespace Raster {

// Calls f(x, y, pixel) for every pixel of a 32-bit image, letting f change the pixel.
template <class F> void forEachPixel(QImage& image, F f)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            f(x, y, line[x]);
    }
}

// A new opaque picture filled by f(x, y) -> QRgb.
template <class F> QImage generate(int width, int height, F f)
{
    QImage image(width, height, QImage::Format_RGB32);
    forEachPixel(image, [&](int x, int y, QRgb& p) { p = f(x, y); });
    return image;
}

// Fine luminance grain of +-amount levels, leaving alpha alone.
void addGrain(QImage& image, std::uint64_t seed, float amount);
// Separable box blur repeated three times (close to a Gaussian), any 32-bit format.
QImage blur(const QImage& image, int radius);
// Darkens the corners by up to strength (0..1).
void vignette(QImage& image, float strength);
// A texture image for brushes: ramp(fbm(x / scale, y / scale)) with grain.
QImage noiseTexture(int width, int height, std::uint64_t seed, float scale, const Ramp& ramp, int octaves = 5);

} // namespace Raster
