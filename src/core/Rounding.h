// Rounding.h: rounding to nearest with halves to the even neighbour, the game's only rounding rule.
#pragma once

namespace Rounding {

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// roundHalfEven, clamped into the 32-bit range (NaN gives 0).
int roundToInt(double value);

// Rounding to a number of decimal places with the same rule: R1 and R6.
double roundPlaces(double value, int places);
inline double r1(double value) { return roundPlaces(value, 1); }
inline double r6(double value) { return roundPlaces(value, 6); }

} // namespace Rounding
