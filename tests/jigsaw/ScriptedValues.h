// ScriptedValues.h: uniform values that make RandomSource::between / below give chosen results.
#pragma once

#include <QList>

namespace ScriptedValues {

// A u in [0, 1) for which "random m..n" gives value: the middle of value's share of [0, 1).
inline double between(int value, int m, int n)
{
    return (value - m + 0.5) / (n - m + 1);
}

// A u for which the integer part of u * n is value.
inline double below(int value, int n)
{
    return (value + 0.5) / n;
}

} // namespace ScriptedValues
