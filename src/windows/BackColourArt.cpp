// BackColourArt.cpp: drawing the palette and keeping the drawn pictures for the rest of the run.
#include "BackColourArt.h"

#include "PatternArt.h"

#include <QColor>

#include <array>

namespace BackColourArt {

namespace {

constexpr int HueColumns = 240;
constexpr double DarkestValue = 0.08;

QImage drawPalette()
{
    QImage image(PaletteWidth, PaletteHeight, QImage::Format_RGB32);
    const int half = PaletteHeight / 2;
    for (int y = 0; y < PaletteHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double saturation = y < half ? double(y) / (half - 1) : 1.0;
        const double value
            = y < half ? 1.0 : 1.0 - (1.0 - DarkestValue) * (y - half) / (PaletteHeight - half - 1);
        const double grey = 1.0 - double(y) / (PaletteHeight - 1);
        for (int x = 0; x < PaletteWidth; ++x) {
            if (x < HueColumns)
                line[x] = QColor::fromHsvF(double(x) / HueColumns, saturation, value).rgb();
            else
                line[x] = QColor::fromRgbF(grey, grey, grey).rgb();
        }
    }
    return image;
}

} // namespace

const QImage& palette()
{
    static const QImage picture = drawPalette();
    return picture;
}

const QImage& pattern(int index)
{
    static const std::array<QImage, PatternCount> pictures = [] {
        std::array<QImage, PatternCount> all;
        for (int i = 0; i < PatternCount; ++i)
            all[static_cast<std::size_t>(i)] = PatternArt::draw(i);
        return all;
    }();
    static const QImage none;
    if (index < 0 || index >= PatternCount)
        return none;
    return pictures[static_cast<std::size_t>(index)];
}

} // namespace BackColourArt
