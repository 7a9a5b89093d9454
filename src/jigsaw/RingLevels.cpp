// RingLevels.cpp: patterns 07 to 11 of the shape catalogue, oval tiles with figure holes.
#include "RingLevels.h"

#include "Fields.h"
#include "RandomSource.h"
#include "ShapeText.h"

#include <QList>
#include <QPointF>

#include <array>

namespace RingLevels {

namespace {

constexpr int CellSide = 100; // patterns 07-10
constexpr int DigitWidth = 20; // pattern 11
constexpr int DigitHeight = 30;

int knownClass(int sizeClass)
{
    return sizeClass == 2 || sizeClass == 3 ? sizeClass : 1;
}

// The point at angle alpha and distance rho from the centre of the cell with corner (x0, y0).
QPointF cellPoint(int x0, int y0, double alpha, double rho)
{
    return ShapeText::polarPoint(alpha, rho) + QPointF(x0, y0);
}

// The axis-parallel square inscribed in the circle of radius rho: bottom-left, then top-right.
QList<QPointF> square(int x0, int y0, double rho)
{
    return { cellPoint(x0, y0, 135, rho), cellPoint(x0, y0, 315, rho) };
}

QList<QPointF> triangle(int x0, int y0, double phi, double rho)
{
    return { cellPoint(x0, y0, phi, rho), cellPoint(x0, y0, phi + 120, rho),
        cellPoint(x0, y0, phi + 240, rho) };
}

// Ten points, outer (rho) and inner (rho - 20) in turn.
QList<QPointF> star(int x0, int y0, double phi, double rho)
{
    QList<QPointF> points;
    for (int k = 0; k < 10; ++k)
        points.append(cellPoint(x0, y0, phi + 36 * k, k % 2 == 0 ? rho : rho - 20));
    return points;
}

enum class Ring { Square, Triangle, NestedSquares, Star };

QString ringTiles(Ring ring, int sizeClass, RandomSource& random)
{
    const QSize grid = ringGrid(sizeClass);
    const int cells = grid.width() * grid.height();
    const int piecesPerCell = ring == Ring::NestedSquares ? 3 : 2;
    QString text
        = ShapeText::header(grid.width() * CellSide, grid.height() * CellSide, piecesPerCell * cells);
    for (int c = 0; c < grid.width(); ++c) {
        for (int r = 0; r < grid.height(); ++r) {
            // Every cell reseeds, so neighbouring cells draw from freshly mixed states.
            random.reseed();
            const int x0 = c * CellSide, y0 = r * CellSide;
            const QString oval
                = QStringLiteral("%1,%2,%3,%4").arg(x0).arg(y0).arg(x0 + CellSide).arg(y0 + CellSide);
            switch (ring) {
            case Ring::Square: {
                const int rho = random.between(30, 48);
                const QString figure = ShapeText::pointsText(square(x0, y0, rho));
                text += QLatin1String("VA2P3B2,") + oval + figure + QLatin1String(",VB2") + figure;
                break;
            }
            case Ring::Triangle: {
                const int rho = random.between(30, 48);
                const int phi = random.between(0, 180);
                const QString figure = ShapeText::pointsText(triangle(x0, y0, phi, rho));
                text += QLatin1String("VA2P3C3,") + oval + figure + QLatin1String(",VC3") + figure;
                break;
            }
            case Ring::NestedSquares: {
                const int outerRho = random.between(40, 47);
                const int innerRho = random.between(30, 37);
                const QString outer = ShapeText::pointsText(square(x0, y0, outerRho));
                const QString inner = ShapeText::pointsText(square(x0, y0, innerRho));
                text += QLatin1String("VA2P3B2,") + oval + outer + QLatin1String(",VB2P3B2") + outer + inner
                    + QLatin1String(",VB2") + inner;
                break;
            }
            case Ring::Star: {
                const int rho = random.between(40, 47);
                const int phi = random.between(0, 180);
                const QString figure = ShapeText::pointsText(star(x0, y0, phi, rho));
                text += QLatin1String("VA2P3C10,") + oval + figure + QLatin1String(",VC10") + figure;
                break;
            }
            }
        }
    }
    return text;
}

// Digit templates in a 20 x 30 box, as the level texts have them. The ring is the oval
// exclusive-or the digit; the loops of 6, 8 and 9 are islands added to the ring and cut out
// of the digit. Most digits reach a little past the oval at their corners, where the ring
// keeps those corners as small islands over the digit piece.
const std::array<const char*, 10> DigitTemplates = {
    "VA2,6,6,14,26,VA2P3A2,0,0,20,30,6,6,14,26",
    "VA2P3C4,0,0,20,30,14,6,18,2,18,28,14,24,VC4,14,6,18,2,18,28,14,24,",
    "VA2P3C12,0,0,20,30,2,2,18,2,18,17,6,17,6,24,14,24,18,28,2,28,2,13,14,13,14,6,6,6,VC12,2,2,18,2,18,17,6,17,6,24,14,24,18,28,2,28,2,13,14,13,14,6,6,6,",
    "VA2P3C12,0,0,20,30,2,2,18,2,18,28,2,28,6,24,14,24,14,17,6,17,6,13,14,13,14,6,6,6,VC12,2,2,18,2,18,28,2,28,6,24,14,24,14,17,6,17,6,13,14,13,14,6,6,6",
    "VA2P3C10,0,0,20,30,2,2,2,17,14,17,14,24,18,28,18,2,14,6,14,13,6,13,6,4,VC10,2,2,2,17,14,17,14,24,18,28,18,2,14,6,14,13,6,13,6,4",
    "VA2P3C12,0,0,20,30,18,2,2,2,2,17,14,17,14,24,6,24,2,28,18,28,18,13,6,13,6,6,14,6,VC12,18,2,2,2,2,17,14,17,14,24,6,24,2,28,18,28,18,13,6,13,6,6,14,6",
    "VA2P3C6P2A2,0,0,20,30,2,2,2,28,18,28,18,13,6,13,6,6,6,17,14,24,VC6P3A2,2,2,2,28,18,28,18,13,6,13,6,6,6,17,14,24",
    "VA2P3C6,0,0,20,30,2,2,18,2,18,28,14,24,14,6,6,6,VC6,2,2,18,2,18,28,14,24,14,6,6,6",
    "VA2P3A2P2A2P2A2,0,0,20,30,2,2,18,28,6,6,14,13,6,17,14,26,VA2P3A2P3A2,2,2,18,28,6,6,14,13,6,17,14,26",
    "VA2P3C6P2A2,0,0,20,30,2,2,18,2,18,28,14,24,14,17,2,17,6,6,14,13,VC6P3A2,2,2,18,2,18,28,14,24,14,17,2,17,6,6,14,13",
};

} // namespace

QSize ringGrid(int sizeClass)
{
    switch (knownClass(sizeClass)) {
    case 2:
        return { 5, 4 };
    case 3:
        return { 6, 5 };
    default:
        return { 3, 3 };
    }
}

QSize digitGrid(int sizeClass)
{
    switch (knownClass(sizeClass)) {
    case 2:
        return { 5, 4 };
    case 3:
        return { 6, 5 };
    default:
        return { 4, 3 };
    }
}

QString squareRings(int sizeClass, RandomSource& random)
{
    return ringTiles(Ring::Square, sizeClass, random);
}
QString triangleRings(int sizeClass, RandomSource& random)
{
    return ringTiles(Ring::Triangle, sizeClass, random);
}
QString nestedSquareRings(int sizeClass, RandomSource& random)
{
    return ringTiles(Ring::NestedSquares, sizeClass, random);
}
QString starRings(int sizeClass, RandomSource& random)
{
    return ringTiles(Ring::Star, sizeClass, random);
}

QString digitTemplate(int digit)
{
    if (digit < 0 || digit > 9)
        return {};
    return QString::fromLatin1(DigitTemplates[static_cast<size_t>(digit)]);
}

QString OffsetTemplate(int digit, int dx, int dy)
{
    QString text;
    bool isX = true;
    for (const QString& token : digitTemplate(digit).split(u',', Qt::SkipEmptyParts)) {
        if (token.startsWith(u'V')) {
            text += token + u',';
            isX = true;
            continue;
        }
        text += ShapeText::number(Fields::leadingNumber(token) + (isX ? dx : dy));
        text += u',';
        isX = !isX;
    }
    return text;
}

QString digitTiles(int sizeClass)
{
    const QSize grid = digitGrid(sizeClass);
    QString text = ShapeText::header(
        grid.width() * DigitWidth, grid.height() * DigitHeight, 2 * grid.width() * grid.height());
    for (int i = 1; i <= grid.height(); ++i) {
        for (int j = 1; j <= grid.width(); ++j) {
            const int digit = ((i - 1) * 3 + j) % 10;
            text += OffsetTemplate(digit, (j - 1) * DigitWidth, (i - 1) * DigitHeight);
        }
    }
    return text;
}

} // namespace RingLevels
