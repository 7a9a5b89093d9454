// LabelContrast.cpp: relative luminance, contrast ratio and the choice of plate.
#include "LabelContrast.h"

#include <algorithm>
#include <cmath>

namespace LabelContrast {

namespace {
double linear(int component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
} // namespace

double relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double ratio(const QColor& first, const QColor& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor plateFor(const QColor& text)
{
    if (ratio(text, DesignPlate) >= Readable)
        return DesignPlate;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ratio(text, black) >= ratio(text, white) ? black : white;
}

} // namespace LabelContrast
