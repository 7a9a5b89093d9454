// NeighbourLists.cpp: the neighbour rules of the grid, triangle, framed-tile and block levels.
#include "NeighbourLists.h"
#include "NeighbourList.h"

#include "PieceTable.h"
#include "TileLevels.h"

#include <QHash>
#include <QPoint>

#include <algorithm>

namespace NeighbourLists {

namespace {

class Links {
public:
    explicit Links(int pieceCount)
        : m_lists(pieceCount + 1)
    {
    }
    // Both directions; pieces outside 1..count are skipped.
    void link(int a, int b)
    {
        const int n = static_cast<int>(m_lists.size()) - 1;
        if (a < 1 || b < 1 || a > n || b > n || a == b)
            return;
        if (!m_lists[a].contains(b))
            m_lists[a].append(b);
        if (!m_lists[b].contains(a))
            m_lists[b].append(a);
    }
    QList<QList<int>> sorted()
    {
        for (auto& list : m_lists)
            std::sort(list.begin(), list.end());
        return m_lists;
    }

private:
    QList<QList<int>> m_lists;
};

// Cells to the right and below, so that every side-by-side pair is linked once.
template <typename Piece> void linkGrid(Links& links, QSize grid, Piece piece)
{
    for (int r = 0; r < grid.height(); ++r) {
        for (int c = 0; c < grid.width(); ++c) {
            if (c + 1 < grid.width())
                links.link(piece(c, r), piece(c + 1, r));
            if (r + 1 < grid.height())
                links.link(piece(c, r), piece(c, r + 1));
        }
    }
}

void triangles(Links& links, int levelCode)
{
    enum { Left = 1, Top = 2, Right = 3, Bottom = 4 };
    const QList<QPoint> cells = TileLevels::triangleCellOrder(levelCode);
    QHash<QPoint, int> indexOf;
    for (int i = 0; i < cells.size(); ++i)
        indexOf.insert(cells[i], i);
    const auto piece = [&](QPoint cell, int which) { return 4 * indexOf.value(cell) + which; };
    for (const QPoint& cell : cells) {
        // Left and right meet top and bottom along the lines to the inner point; left and right
        // (and top and bottom) only touch at that point.
        for (int side : { Left, Right }) {
            links.link(piece(cell, side), piece(cell, Top));
            links.link(piece(cell, side), piece(cell, Bottom));
        }
        const QPoint right = cell + QPoint(1, 0), below = cell + QPoint(0, 1);
        if (indexOf.contains(right))
            links.link(piece(cell, Right), piece(right, Left));
        if (indexOf.contains(below))
            links.link(piece(cell, Bottom), piece(below, Top));
    }
}

void framedTiles(Links& links, QSize grid)
{
    const auto frame = [&](int c, int r) { return 2 * (r * grid.width() + c) + 1; };
    for (int i = 0; i < grid.width() * grid.height(); ++i)
        links.link(2 * i + 1, 2 * i + 2);
    linkGrid(links, grid, frame);
}

// Pieces of a block: four corners and the middle (cross or octagon), as the generator writes them.
enum BlockPiece { TopLeft = 1, TopRight = 2, BottomRight = 3, BottomLeft = 4, Middle = 5 };

void blocks(Links& links, QSize grid)
{
    const auto piece = [&](int c, int r, int which) { return 5 * (r * grid.width() + c) + which; };
    const QList<int> leftSide = { TopLeft, BottomLeft, Middle };
    const QList<int> rightSide = { TopRight, BottomRight, Middle };
    const QList<int> topSide = { TopLeft, TopRight, Middle };
    const QList<int> bottomSide = { BottomLeft, BottomRight, Middle };
    for (int r = 0; r < grid.height(); ++r) {
        for (int c = 0; c < grid.width(); ++c) {
            for (int corner : { TopLeft, TopRight, BottomRight, BottomLeft })
                links.link(piece(c, r, corner), piece(c, r, Middle));
            // Across a block side, every piece on it borders every piece on the facing side of
            // the next block: which of them really touch depends on the random cuts, and the join
            // test sorts out the rest by position.
            if (c + 1 < grid.width())
                for (int a : rightSide)
                    for (int b : leftSide)
                        links.link(piece(c, r, a), piece(c + 1, r, b));
            if (r + 1 < grid.height())
                for (int a : bottomSide)
                    for (int b : topSide)
                        links.link(piece(c, r, a), piece(c, r + 1, b));
        }
    }
}

} // namespace

bool hasRule(int levelCode)
{
    switch (levelCode) {
    case 1601:
    case 3601:
    case 1605:
    case 1602:
    case 3602:
    case 6402:
    case 1603:
    case 3603:
    case 1604:
    case 1606:
    case 3604:
    case 3606:
        return true;
    default:
        return false;
    }
}

QList<QList<int>> neighbourTable(int levelCode, int pieceCount)
{
    Links links(std::max(pieceCount, 0));
    if (!hasRule(levelCode))
        return links.sorted();
    const QSize grid = TileLevels::layout(levelCode);
    switch (levelCode % 100) {
    case 1:
    case 5:
        linkGrid(links, grid, [&](int c, int r) { return r * grid.width() + c + 1; });
        break;
    case 2:
        triangles(links, levelCode);
        break;
    case 3:
        framedTiles(links, grid);
        break;
    default:
        blocks(links, grid);
    }
    return links.sorted();
}

QString entryText(const QList<int>& pieces)
{
    QString text;
    for (int k : pieces)
        text += NeighbourList::entry(k);
    return text;
}

void WriteNeighbourLists(int levelCode, PieceTable& table)
{
    const int n = table.count();
    table.record0().neighbours.clear();
    if (hasRule(levelCode)) {
        const QList<QList<int>> lists = neighbourTable(levelCode, n);
        for (int k = 1; k <= n; ++k)
            table.piece(k).neighbours = entryText(lists[k]);
        return;
    }
    table.record0().neighbours = NeighbourList::allPieces(n);
}

} // namespace NeighbourLists
