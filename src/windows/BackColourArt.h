// BackColourArt.h: the back-colour dialog's pictures: the colour palette and the sixteen patterns.
#pragma once

#include <QImage>

namespace BackColourArt {

constexpr int PatternCount = 16;
constexpr int PaletteWidth = 256;
constexpr int PaletteHeight = 128;

// Hues from left to right over the first 240 columns, from white at the top through the full
// colour in the middle to nearly black at the bottom; the last 16 columns are greys, white to black.
const QImage& palette();

// Pattern index 0 .. 15 (a null image for any other index). Drawn once, on first use.
const QImage& pattern(int index);

} // namespace BackColourArt
