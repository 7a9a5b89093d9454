// ShapeText.h: the small writing helpers every level generator shares.
//
// Generators write a piece as "V", its head, and each number preceded by a comma. Whole numbers
// are written in plain decimal; numbers with a fraction with a point and at most one decimal.
#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QString>

namespace ShapeText {

// Degrees to radians with the game's own value of pi, so angles come out the same everywhere.
double radians(double degrees);

// A number as the shape language writes it: at most one decimal, whole values without a point.
QString number(double value);
inline QString number(int value)
{
    return QString::number(value);
}

// Every number preceded by a comma: ",x1,y1,x2,y2".
QString numbersText(const QList<double>& numbers);
QString pointsText(const QList<QPointF>& points);
QString pointsText(const QList<QPoint>& points);

// "," x1 "," y1 ... "," xn "," yn "," x1 "," y1: every point, then the first again (closed
// form), no trailing comma. Used by the triangle and quadrilateral generators.
QString PointListText(const QList<QPoint>& points);

// The point at angle alpha (degrees) and distance rho from the centre (50, 50) of a 100 x 100
// box: (R1(50 + R6(cos alpha) * rho), R1(50 + R6(sin alpha) * rho)). y grows downwards.
QPointF polarPoint(double alpha, double rho);

// Last step of the polygon-only generators: heads written as a bare count ("V5") become
// polygon heads ("VC5") throughout the string.
QString withPolygonHeads(QString shape);

// "W" width ",H" height ",P" count ",".
QString header(int width, int height, int pieces);

} // namespace ShapeText
