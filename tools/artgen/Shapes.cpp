// Shapes.cpp: outline construction.
#include "Shapes.h"

#include "Constants.h"
#include "Noise.h"

#include <QTransform>

#include <cmath>

namespace Shapes {

namespace {
// Appends one side from a to b; the knob bulges towards normal * sign.
void side(QPainterPath& path, QPointF a, QPointF b, int sign)
{
    const QPointF along = b - a;
    const double len = std::hypot(along.x(), along.y());
    const QPointF n = QPointF(along.y(), -along.x()) / len * len * double(sign); // outward for clockwise order
    auto at = [&](double u, double v) { return a + along * u + n * v; };
    if (sign == 0) {
        path.lineTo(b);
        return;
    }
    path.lineTo(at(0.34, 0));
    path.cubicTo(at(0.40, 0.0), at(0.42, 0.05), at(0.39, 0.10));
    path.cubicTo(at(0.33, 0.20), at(0.38, 0.30), at(0.50, 0.30));
    path.cubicTo(at(0.62, 0.30), at(0.67, 0.20), at(0.61, 0.10));
    path.cubicTo(at(0.58, 0.05), at(0.60, 0.0), at(0.66, 0.0));
    path.lineTo(b);
}
}

QPainterPath jigsawPiece(const QRectF& body, const std::array<int, 4>& tabs)
{
    QPainterPath path(body.topLeft());
    side(path, body.topLeft(), body.topRight(), tabs[0]);
    side(path, body.topRight(), body.bottomRight(), tabs[1]);
    side(path, body.bottomRight(), body.bottomLeft(), tabs[2]);
    side(path, body.bottomLeft(), body.topLeft(), tabs[3]);
    path.closeSubpath();
    return path;
}

QPainterPath blob(QPointF centre, double rx, double ry, double roughness, std::uint64_t seed, int points)
{
    const Noise noise(seed);
    QPainterPath path;
    for (int i = 0; i < points; ++i) {
        const double a = 2.0 * Art::Pi * i / points;
        const float n = noise.fbmPeriodic(float(i) * 6.0f / points, 0.5f, 3, 6, 1);
        const double r = 1.0 + roughness * n;
        const QPointF p(centre.x() + std::cos(a) * rx * r, centre.y() + std::sin(a) * ry * r);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, double outer, double inner, int points, double rotationDeg)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double a = (rotationDeg + 180.0 * i / points) * Art::Pi / 180.0;
        const double r = (i % 2 == 0) ? outer : inner;
        const QPointF p(centre.x() + std::cos(a) * r, centre.y() + std::sin(a) * r);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath leaf(QPointF base, double length, double width, double angleDeg)
{
    QPainterPath path(QPointF(0, 0));
    path.cubicTo(QPointF(length * 0.25, -width), QPointF(length * 0.7, -width * 0.8), QPointF(length, 0));
    path.cubicTo(QPointF(length * 0.7, width * 0.8), QPointF(length * 0.25, width), QPointF(0, 0));
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angleDeg);
    return t.map(path);
}

} // namespace Shapes
