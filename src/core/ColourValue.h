// ColourValue.h: colour values as stored in records and files (red + 256 * green + 65536 * blue).
#pragma once

#include <QColor>

namespace ColourValue {

// Out-of-range values are clamped into 0 .. 0xFFFFFF first.
QColor toColor(qint64 value);
int fromColor(const QColor& color);
int fromRgb(int red, int green, int blue);
inline int red(int value) { return value & 0xFF; }
inline int green(int value) { return (value >> 8) & 0xFF; }
inline int blue(int value) { return (value >> 16) & 0xFF; }

} // namespace ColourValue
