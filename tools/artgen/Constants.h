// Constants.h: numeric constants for the painters (M_PI is not standard C++).
#pragma once

namespace Art {

constexpr double Pi = 3.14159265358979323846;

} // namespace Art
