// HsbColour.cpp: integer hue/saturation/brightness conversions with halves-to-even rounding.
#include "HsbColour.h"

#include "ColourValue.h"
#include "Rounding.h"

#include <algorithm>

namespace {

constexpr int FullCircle = 360;
constexpr int Sector = 60;

// numerator / denominator rounded to the nearest whole number, halves to even. Every quotient is
// formed by one division of whole numbers, so an exact half stays exact and rounds to even.
int roundRatio(long long numerator, long long denominator)
{
    return Rounding::roundToInt(static_cast<double>(numerator) / static_cast<double>(denominator));
}

// Hue from the ordered components. The cases are tried in this order; ties between components
// are settled by the first case that matches.
int hueOf(int red, int green, int blue, int max, int min, int d)
{
    if (red == min && blue == max)
        return 240 - d;
    if (red == min && green == max)
        return 120 + d;
    if (green == min && red == max)
        return 360 - d;
    if (green == min && blue == max)
        return 240 + d;
    if (blue == min && green == max)
        return 120 - d;
    return d; // blue smallest and red largest
}

} // namespace

HsbValue RgbToHsb(int red, int green, int blue)
{
    red = std::clamp(red, 0, 255);
    green = std::clamp(green, 0, 255);
    blue = std::clamp(blue, 0, 255);
    const int max = std::max({ red, green, blue });
    const int min = std::min({ red, green, blue });
    HsbValue result;
    result.brightness = roundRatio(max * 100LL, 255);
    if (max == min)
        return result;
    const int mid = red + green + blue - max - min;
    result.saturation = roundRatio((max - min) * 100LL, max);
    const int d = roundRatio((mid - min) * 60LL, max - min);
    // Pure reds come out as 360 - 0; the hue range is 0 .. 359, so that is hue 0.
    result.hue = hueOf(red, green, blue, max, min, d) % FullCircle;
    return result;
}

HsbValue RgbToHsb(int colourValue)
{
    return RgbToHsb(
        ColourValue::red(colourValue), ColourValue::green(colourValue), ColourValue::blue(colourValue));
}

int HsbToRgb(int hue, int saturation, int brightness)
{
    saturation = std::clamp(saturation, 0, 100);
    brightness = std::clamp(brightness, 0, 100);
    if (saturation == 0) {
        const int grey = roundRatio(brightness * 255LL, 100);
        return ColourValue::fromRgb(grey, grey, grey);
    }
    if (hue < 0 || hue >= FullCircle)
        hue = 0;
    // h = hue / 60, i = its whole part, f = its fraction = rest / 60. With V = Br * 255 / 100:
    //   p = (1 - S/100) * V, q = (1 - S/100 * f) * V, t = (1 - S/100 * (1 - f)) * V,
    // all written over the common denominator 100 * 100 * 60 to keep them exact.
    const int i = hue / Sector;
    const long long rest = hue % Sector;
    const long long scale = brightness * 255LL;
    constexpr long long Denominator = 100LL * 100 * Sector;
    const int v = roundRatio(scale * 100 * Sector, Denominator);
    const int p = roundRatio((100 - saturation) * Sector * scale, Denominator);
    const int q = roundRatio((100LL * Sector - saturation * rest) * scale, Denominator);
    const int t = roundRatio((100LL * Sector - saturation * (Sector - rest)) * scale, Denominator);
    switch (i) {
    case 0:
        return ColourValue::fromRgb(v, t, p);
    case 1:
        return ColourValue::fromRgb(q, v, p);
    case 2:
        return ColourValue::fromRgb(p, v, t);
    case 3:
        return ColourValue::fromRgb(p, q, v);
    case 4:
        return ColourValue::fromRgb(t, p, v);
    default:
        return ColourValue::fromRgb(v, p, q);
    }
}
