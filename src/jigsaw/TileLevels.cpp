// TileLevels.cpp: patterns 01 to 06 of the shape catalogue.
#include "TileLevels.h"

#include "RandomSource.h"
#include "Rounding.h"
#include "ShapeText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace TileLevels {

namespace {

// 1 for 16xx, 2 for 36xx, 3 for 64xx; anything else is a 16-piece level.
int countClass(int levelCode)
{
    switch (levelCode / 100) {
    case 36:
        return 2;
    case 64:
        return 3;
    default:
        return 1;
    }
}

QSize pick(int levelCode, QSize small, QSize medium, QSize large)
{
    const int c = countClass(levelCode);
    return c == 3 ? large : c == 2 ? medium : small;
}

constexpr int SquareSide = 100; // pattern 01, 02 and 05 cells
constexpr int FrameSide = 30; // pattern 03 cells
constexpr int BlockWidth = 100; // pattern 04 and 06 blocks
constexpr int BlockHeight = 80;

QString joinNumbers(std::initializer_list<int> numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts.append(QString::number(n));
    return parts.join(u',');
}

} // namespace

QSize layout(int levelCode)
{
    switch (levelCode % 100) {
    case 1:
        return pick(levelCode, { 4, 4 }, { 6, 6 }, { 8, 8 });
    case 2:
        return pick(levelCode, { 2, 2 }, { 3, 3 }, { 4, 4 });
    case 3:
        return pick(levelCode, { 3, 3 }, { 5, 4 }, { 6, 5 });
    case 4:
    case 6:
        return pick(levelCode, { 2, 2 }, { 3, 3 }, { 4, 3 });
    case 5:
        return pick(levelCode, { 5, 4 }, { 6, 6 }, { 8, 8 });
    default:
        return {};
    }
}

QList<QPoint> triangleCellOrder(int levelCode)
{
    const QSize grid = pick(levelCode, { 2, 2 }, { 3, 3 }, { 4, 4 });
    QList<QPoint> cells;
    if (countClass(levelCode) == 3) {
        // The 4 x 4 level grew from the 3 x 3 one: its extra column and row come last.
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                cells.append({ c, r });
        for (int r = 0; r < 3; ++r)
            cells.append({ 3, r });
        for (int c = 0; c < 4; ++c)
            cells.append({ c, 3 });
        return cells;
    }
    for (int r = 0; r < grid.height(); ++r)
        for (int c = 0; c < grid.width(); ++c)
            cells.append({ c, r });
    return cells;
}

QString squareGrid(int levelCode)
{
    const int n = pick(levelCode, { 4, 4 }, { 6, 6 }, { 8, 8 }).width();
    QStringList pieces;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const int x0 = SquareSide * c, y0 = SquareSide * r;
            const int x1 = x0 + SquareSide, y1 = y0 + SquareSide;
            pieces.append(QStringLiteral("V5,") + joinNumbers({ x0, y0, x1, y0, x1, y1, x0, y1, x0, y0 }));
        }
    }
    const QString shape = ShapeText::header(n * SquareSide, n * SquareSide, n * n) + pieces.join(u',');
    return ShapeText::withPolygonHeads(shape);
}

QString starCutTriangles(int levelCode, RandomSource& random)
{
    const QSize grid = pick(levelCode, { 2, 2 }, { 3, 3 }, { 4, 4 });
    const QList<QPoint> cells = triangleCellOrder(levelCode);
    // The 16-piece level moves the inner point the other way round.
    const double sign = countClass(levelCode) == 1 ? -1.0 : 1.0;

    random.reseed();
    QString text = ShapeText::header(grid.width() * SquareSide, grid.height() * SquareSide, 4 * cells.size());
    for (const QPoint& cell : cells) {
        const int r = random.between(0, 40);
        const int theta = random.between(0, 360);
        const int x0 = cell.x() * SquareSide, y0 = cell.y() * SquareSide;
        const double cx = x0 + SquareSide / 2.0, cy = y0 + SquareSide / 2.0;
        const double t = ShapeText::radians(theta);
        const QPoint c(Rounding::roundToInt(cx + sign * r * std::sin(t)),
            Rounding::roundToInt(cy + sign * r * std::cos(t)));
        const QPoint tl(x0, y0), tr(x0 + SquareSide, y0);
        const QPoint bl(x0, y0 + SquareSide), br(x0 + SquareSide, y0 + SquareSide);
        for (const QList<QPoint>& triangle : { QList<QPoint> { tl, c, bl }, QList<QPoint> { tl, c, tr },
                 QList<QPoint> { tr, c, br }, QList<QPoint> { bl, c, br } }) {
            text += QLatin1String("V4");
            text += ShapeText::PointListText(triangle);
        }
    }
    return ShapeText::withPolygonHeads(text);
}

QString framedTiles(int levelCode, RandomSource& random)
{
    // Pair (a-index, b-index) of every cell in reading order, one line per row of cells.
    // clang-format off
    static const std::array<std::pair<int, int>, 9> small = {{
        {1, 1}, {2, 2}, {3, 3},
        {4, 4}, {5, 5}, {6, 6},
        {7, 7}, {8, 8}, {9, 9},
    }};
    static const std::array<std::pair<int, int>, 20> medium = {{
        {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5},
        {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10},
        {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5},
        {6, 4}, {7, 4}, {8, 4}, {9, 4}, {10, 4},
    }};
    static const std::array<std::pair<int, int>, 30> large = {{
        {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6},
        {7, 7}, {7, 7}, {8, 8}, {9, 9}, {10, 10}, {5, 5},
        {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {5, 5},
        {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}, {5, 5},
        {6, 4}, {7, 4}, {8, 4}, {9, 4}, {10, 4}, {5, 5},
    }};
    // clang-format on
    QList<std::pair<int, int>> pairsOfCells;
    switch (countClass(levelCode)) {
    case 2:
        pairsOfCells = QList<std::pair<int, int>>(medium.begin(), medium.end());
        break;
    case 3:
        pairsOfCells = QList<std::pair<int, int>>(large.begin(), large.end());
        break;
    default:
        pairsOfCells = QList<std::pair<int, int>>(small.begin(), small.end());
    }
    const QSize grid = pick(levelCode, { 3, 3 }, { 5, 4 }, { 6, 5 });

    random.reseed();
    std::array<int, 11> a {}, b {};
    for (int k = 1; k <= 10; ++k) {
        a[k] = random.between(5, 9);
        b[k] = random.between(5, 9);
    }

    QString text
        = ShapeText::header(grid.width() * FrameSide, grid.height() * FrameSide, 2 * pairsOfCells.size());
    for (int i = 0; i < pairsOfCells.size(); ++i) {
        const int x0 = (i % grid.width()) * FrameSide, y0 = (i / grid.width()) * FrameSide;
        const int ai = a[pairsOfCells[i].first], bi = b[pairsOfCells[i].second];
        const int left = x0 + 12 - ai, right = x0 + 13 + ai;
        const int top = y0 + 15 - bi, bottom = y0 + 17 + bi;
        const QString inner = joinNumbers({ left, top, right, top, right, bottom, left, bottom, left, top });
        const int x1 = x0 + FrameSide, y1 = y0 + FrameSide;
        text += QLatin1String("VC5P3C5,") + joinNumbers({ x0, y0, x1, y0, x1, y1, x0, y1, x0, y0 }) + u','
            + inner + QLatin1String(",VC5,") + inner;
        if (i + 1 < pairsOfCells.size())
            text += u',';
    }
    return text;
}

namespace {

// Patterns 04 and 06 share their blocks and random pairs; only the cut differs.
QString blocks(int levelCode, RandomSource& random, bool octagon)
{
    const QSize grid = pick(levelCode, { 2, 2 }, { 3, 3 }, { 4, 3 });
    const int pairCount = countClass(levelCode) == 3 ? 12 : 10;

    random.reseed();
    std::array<int, 13> a {}, b {};
    for (int k = 1; k <= pairCount; ++k) {
        a[k] = random.between(1, 60);
        b[k] = random.between(1, 48);
    }

    QString text = ShapeText::header(
        grid.width() * BlockWidth, grid.height() * BlockHeight, 5 * grid.width() * grid.height());
    for (int r = 0; r < grid.height(); ++r) {
        for (int c = 0; c < grid.width(); ++c) {
            // The 4 x 3 layout keeps pairs 1-9 for its first three columns, as the 3 x 3 one does,
            // and gives its fourth column pairs 10, 11 and 12.
            const int k = c < 3 ? r * std::min(grid.width(), 3) + c + 1 : 10 + r;
            const int x0 = c * BlockWidth, y0 = r * BlockHeight;
            const int X1 = x0 + a[k] + 10, X2 = x0 + a[k] + 30;
            const int Y1 = y0 + b[k] + 8, Y2 = y0 + b[k] + 16;
            const int XR = x0 + BlockWidth, YB = y0 + BlockHeight;
            if (octagon) {
                text
                    += QLatin1String("V4") + ShapeText::PointListText({ { x0, y0 }, { X1, y0 }, { x0, Y1 } });
                text
                    += QLatin1String("V4") + ShapeText::PointListText({ { X2, y0 }, { XR, y0 }, { XR, Y1 } });
                text
                    += QLatin1String("V4") + ShapeText::PointListText({ { XR, Y2 }, { X2, YB }, { XR, YB } });
                text
                    += QLatin1String("V4") + ShapeText::PointListText({ { x0, YB }, { x0, Y2 }, { X1, YB } });
                text += QLatin1String("V9,")
                    + joinNumbers({ X1, y0, X2, y0, XR, Y1, XR, Y2, X2, YB, X1, YB, x0, Y2, x0, Y1, X1, y0 });
            } else {
                text += QLatin1String("V5")
                    + ShapeText::PointListText({ { x0, y0 }, { X1, y0 }, { X1, Y1 }, { x0, Y1 } });
                text += QLatin1String("V5")
                    + ShapeText::PointListText({ { X2, y0 }, { XR, y0 }, { XR, Y1 }, { X2, Y1 } });
                text += QLatin1String("V5")
                    + ShapeText::PointListText({ { XR, Y2 }, { X2, Y2 }, { X2, YB }, { XR, YB } });
                text += QLatin1String("V5")
                    + ShapeText::PointListText({ { x0, YB }, { x0, Y2 }, { X1, Y2 }, { X1, YB } });
                text += QLatin1String("V13,")
                    + joinNumbers({ X1, y0, X2, y0, X2, Y1, XR, Y1, XR, Y2, X2, Y2, X2, YB, X1, YB, X1, Y2,
                        x0, Y2, x0, Y1, X1, Y1, X1, y0 });
            }
        }
    }
    return ShapeText::withPolygonHeads(text);
}

} // namespace

QString crossBlocks(int levelCode, RandomSource& random)
{
    return blocks(levelCode, random, false);
}

QString octagonBlocks(int levelCode, RandomSource& random)
{
    return blocks(levelCode, random, true);
}

QString jitteredQuadrilaterals(int levelCode, RandomSource& random)
{
    const QSize grid = pick(levelCode, { 5, 4 }, { 6, 6 }, { 8, 8 });
    const int cols = grid.width(), rows = grid.height();
    // The 16-piece level never leaves an inner point in place.
    const int leastShift = countClass(levelCode) == 1 ? 10 : 0;

    random.reseed();
    const int q = random.between(0, 3);
    // Lattice points (column j, row i), edge points in place.
    QList<QList<QPoint>> lattice(rows + 1, QList<QPoint>(cols + 1));
    for (int i = 0; i <= rows; ++i)
        for (int j = 0; j <= cols; ++j)
            lattice[i][j] = QPoint(SquareSide * j, SquareSide * i);
    for (int i = 1; i < rows; ++i) {
        for (int j = 1; j < cols; ++j) {
            const int r = random.between(leastShift, 90);
            const int theta = random.below(91) + 90 * q;
            const double t = ShapeText::radians(theta);
            lattice[i][j] = QPoint(Rounding::roundToInt(SquareSide * j - r * std::sin(t)),
                Rounding::roundToInt(SquareSide * i - r * std::cos(t)));
        }
    }

    QString text = ShapeText::header(cols * SquareSide, rows * SquareSide, cols * rows);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            text += QLatin1String("V5");
            text += ShapeText::PointListText(
                { lattice[i][j], lattice[i][j + 1], lattice[i + 1][j + 1], lattice[i + 1][j] });
        }
    }
    return ShapeText::withPolygonHeads(text);
}

} // namespace TileLevels
