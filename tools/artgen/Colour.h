// Colour.h: colour arithmetic and colour ramps used by every painter.
#pragma once

#include <QColor>
#include <QRgb>

#include <initializer_list>
#include <utility>
#include <vector>

namespace Colour {

inline float clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

inline float smoothstep(float e0, float e1, float x)
{
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

inline int clampByte(float v) { return v < 0.0f ? 0 : (v > 255.0f ? 255 : int(v + 0.5f)); }

inline QRgb mix(QRgb a, QRgb b, float t)
{
    t = clamp01(t);
    return qRgb(clampByte(qRed(a) + (qRed(b) - qRed(a)) * t), clampByte(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
        clampByte(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
}

// Multiplies the colour channels: f < 1 darkens, f > 1 brightens.
inline QRgb scale(QRgb c, float f)
{
    return qRgb(clampByte(qRed(c) * f), clampByte(qGreen(c) * f), clampByte(qBlue(c) * f));
}

// Adds the same amount to every channel.
inline QRgb lift(QRgb c, float d)
{
    return qRgb(clampByte(qRed(c) + d), clampByte(qGreen(c) + d), clampByte(qBlue(c) + d));
}

// Screen blend of b over a with weight t: brightens like light does.
inline QRgb screen(QRgb a, QRgb b, float t)
{
    auto ch = [t](int x, int y) { return clampByte(x + (255.0f - x) * (y / 255.0f) * clamp01(t)); };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

inline QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

inline QColor hsv(float hueDegrees, float s, float v, int alpha = 255)
{
    float h = hueDegrees;
    while (h < 0.0f)
        h += 360.0f;
    while (h >= 360.0f)
        h -= 360.0f;
    return QColor::fromHsvF(h / 360.0f, clamp01(s), clamp01(v), alpha / 255.0f);
}

} // namespace Colour

// A piecewise-linear colour ramp over [0, 1].
class Ramp {
public:
    Ramp(std::initializer_list<std::pair<float, QRgb>> stops)
        : m_stops(stops)
    {
    }

    QRgb at(float t) const
    {
        if (m_stops.empty())
            return 0;
        if (t <= m_stops.front().first)
            return m_stops.front().second;
        for (std::size_t i = 1; i < m_stops.size(); ++i) {
            if (t <= m_stops[i].first) {
                const auto& [t0, c0] = m_stops[i - 1];
                const auto& [t1, c1] = m_stops[i];
                return Colour::mix(c0, c1, (t - t0) / (t1 - t0));
            }
        }
        return m_stops.back().second;
    }

private:
    std::vector<std::pair<float, QRgb>> m_stops;
};
