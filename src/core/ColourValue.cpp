// ColourValue.cpp: conversions between colour values and QColor.
#include "ColourValue.h"

#include <algorithm>

namespace ColourValue {

QColor toColor(qint64 value)
{
    const int v = static_cast<int>(std::clamp<qint64>(value, 0, 0xFFFFFF));
    return QColor(red(v), green(v), blue(v));
}

int fromRgb(int r, int g, int b)
{
    return std::clamp(r, 0, 255) + 256 * std::clamp(g, 0, 255) + 65536 * std::clamp(b, 0, 255);
}

int fromColor(const QColor& color) { return fromRgb(color.red(), color.green(), color.blue()); }

} // namespace ColourValue
