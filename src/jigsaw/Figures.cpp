// Figures.cpp: triangles, discs, rings, crosses, squares, octagons, stars and digits cut out
// of the shape-board cells.
#include "Figures.h"

#include "RandomSource.h"
#include "ShapeText.h"

#include <QList>
#include <QPointF>

#include <array>

namespace Figures {

namespace {

using ShapeText::polarPoint;

QList<QPointF> triangle(double phi, double rho)
{
    return { polarPoint(phi, rho), polarPoint(phi + 120, rho), polarPoint(phi + 240, rho) };
}

// The axis-parallel square (or the circle) inscribed in the circle of radius rho: bottom-left
// corner, then top-right.
QList<QPointF> inscribedBox(double rho)
{
    return { polarPoint(135, rho), polarPoint(315, rho) };
}

QString withNumbers(const char* head, const QList<QPointF>& points)
{
    return QLatin1String(head) + ShapeText::pointsText(points);
}

QString withNumbers(const char* head, const QList<double>& numbers)
{
    return QLatin1String(head) + ShapeText::numbersText(numbers);
}

const std::array<const char*, 10> DigitTemplates = {
    "VA2P3A2,0,0,66.67,100,20,20,46.67,86.67",
    "VC4,46.67,20,60,6.66,60,93.33,46.67,80,",
    "VC12,6.66,6.66,60,6.66,60,56.67,20,56.67,20,80,46.67,80,60,93.33,6.66,93.33,6.66,43.33,46.67,43.33,46."
    "67,"
    "20,20,20",
    "VC12,6.66,6.66,60,6.66,60,93.33,6.66,93.33,20,80,46.67,80,46.67,56.67,20,56.67,20,43.33,46.67,43.33,46."
    "67,"
    "20,20,20",
    "VC10,6.66,6.66,6.66,56.67,46.67,56.67,46.67,80,60,93.33,60,6.66,46.67,20,46.67,43.33,20,43.33,20,13.33",
    "VC12,60,6.66,6.66,6.66,6.66,56.67,46.67,56.67,46.67,80,20,80,6.66,93.33,60,93.33,60,43.33,20,43.33,20,"
    "20,"
    "46.67,20",
    "VC6P3A2,6.66,6.66,6.66,93.33,60,93.33,60,43.33,20,43.33,20,20,20,56.67,46.67,80",
    "VC6,6.66,6.66,60,6.66,60,93.33,46.67,80,46.67,20,20,20",
    "VA2P3A2P3A2,6.66,6.66,60,93.33,20,20,46.67,43.33,20,56.67,46.67,86.67",
    "VC6P3A2,6.66,6.66,60,6.66,60,93.33,46.67,80,46.67,56.67,6.66,56.67,20,20,46.67,43.33",
};

} // namespace

QString digitTemplate(int digit)
{
    if (digit < 0 || digit > 9)
        return {};
    return QString::fromLatin1(DigitTemplates[static_cast<size_t>(digit)]);
}

QString figureText(int kind, RandomSource& random)
{
    if (kind < FirstKind || kind > LastKind)
        return {};
    if (kind == Digit)
        return digitTemplate(random.below(10));

    random.reseed();
    switch (kind) {
    case Triangle: {
        const int rho = random.between(40, 49);
        const int phi = random.between(0, 180);
        return withNumbers("VC3", triangle(phi, rho));
    }
    case Disc:
        return withNumbers("VA2", inscribedBox(random.between(30, 69)));
    case Ring: {
        const int outer = random.between(50, 69);
        const int inner = random.between(10, 29);
        return withNumbers("VA2P3A2", inscribedBox(outer) + inscribedBox(inner));
    }
    case Cross: {
        const double a = random.between(1, 60);
        const double b = random.between(1, 60);
        return withNumbers("VC12",
            QList<double> { a + 10, 0, a + 30, 0, a + 30, b + 10, 100, b + 10, 100, b + 20, a + 30, b + 20,
                a + 30, 100, a + 10, 100, a + 10, b + 20, 0, b + 20, 0, b + 10, a + 10, b + 10 });
    }
    case TurnedSquare: {
        const int rho = random.between(40, 49);
        const int phi = random.between(0, 180);
        return withNumbers("VC4",
            QList<QPointF> { polarPoint(phi, rho), polarPoint(phi + 90, rho), polarPoint(phi + 180, rho),
                polarPoint(phi + 270, rho) });
    }
    case Octagon: {
        const double a = random.between(1, 60);
        const double b = random.between(1, 60);
        return withNumbers("VC8",
            QList<double> { a + 10, 0, a + 30, 0, 100, b + 10, 100, b + 20, a + 30, 100, a + 10, 100, 0,
                b + 20, 0, b + 10 });
    }
    case Square:
        return withNumbers("VB2", inscribedBox(random.between(60, 69)));
    case TriangleFrame: {
        const int outer = random.between(40, 49);
        const int inner = random.between(10, 19);
        const int phi = random.between(0, 180);
        return withNumbers("VC3P3C3", triangle(phi, outer) + triangle(phi, inner));
    }
    case SquareFrame: {
        const int outer = random.between(50, 69);
        const int inner = random.between(10, 29);
        return withNumbers("VB2P3B2", inscribedBox(outer) + inscribedBox(inner));
    }
    default: { // Star
        const int rho = random.between(45, 49);
        const int phi = random.between(0, 180);
        QList<QPointF> points;
        for (int k = 0; k < 10; ++k)
            points.append(polarPoint(phi + 36 * k, k % 2 == 0 ? rho : rho - 30));
        return withNumbers("VC10", points);
    }
    }
}

} // namespace Figures
