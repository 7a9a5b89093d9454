// Rounding.cpp: halves-to-even rounding.
#include "Rounding.h"

#include "Fields.h"

#include <cmath>

namespace Rounding {

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

int roundToInt(double value) { return Fields::toInt(roundHalfEven(value)); }

double roundPlaces(double value, int places)
{
    const double scale = std::pow(10.0, places);
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return value;
    return roundHalfEven(scaled) / scale;
}

} // namespace Rounding
