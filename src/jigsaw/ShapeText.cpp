// ShapeText.cpp: number formatting, point lists and polar points of the shape generators.
#include "ShapeText.h"

#include "Rounding.h"

#include <cmath>

namespace ShapeText {

namespace {
constexpr double Pi = 3.14159265358979;
}

double radians(double degrees)
{
    return degrees / 180.0 * Pi;
}

QString number(double value)
{
    QString text = QString::number(Rounding::r1(value), 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

QString numbersText(const QList<double>& numbers)
{
    QString text;
    for (double n : numbers) {
        text += u',';
        text += number(n);
    }
    return text;
}

QString pointsText(const QList<QPointF>& points)
{
    QString text;
    for (const QPointF& p : points) {
        text += u',';
        text += number(p.x());
        text += u',';
        text += number(p.y());
    }
    return text;
}

QString pointsText(const QList<QPoint>& points)
{
    QString text;
    for (const QPoint& p : points) {
        text += u',';
        text += QString::number(p.x());
        text += u',';
        text += QString::number(p.y());
    }
    return text;
}

QString PointListText(const QList<QPoint>& points)
{
    if (points.isEmpty())
        return {};
    QList<QPoint> closed = points;
    closed.append(points.first());
    return pointsText(closed);
}

QPointF polarPoint(double alpha, double rho)
{
    const double a = radians(alpha);
    return { Rounding::r1(50.0 + Rounding::r6(std::cos(a)) * rho),
        Rounding::r1(50.0 + Rounding::r6(std::sin(a)) * rho) };
}

QString withPolygonHeads(QString shape)
{
    return shape.replace(u'V', QLatin1String("VC"));
}

QString header(int width, int height, int pieces)
{
    return QStringLiteral("W%1,H%2,P%3,").arg(width).arg(height).arg(pieces);
}

} // namespace ShapeText
