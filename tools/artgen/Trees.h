// Trees.h: conifer silhouettes shared by the lake and lighthouse pictures.
#pragma once

#include <QColor>
#include <QPainter>

#include <cstdint>

namespace Trees {

// A pine standing on base, height h; rim is the colour of the sunlit edge on the right side.
void pine(QPainter& p, QPointF base, double h, QColor body, QColor rim, std::uint64_t seed);

} // namespace Trees
