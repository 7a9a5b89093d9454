// JigsawTables.h: piece tables of 100-pixel squares for the jigsaw play and game tests.
#pragma once

#include "NeighbourList.h"
#include "PieceTable.h"

// A cols x rows grid of 100-pixel squares with grid neighbour lists (or record 0's list).
inline PieceTable squareGrid(int cols, int rows, bool record0List = false)
{
    PieceTable table;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            PieceRecord p;
            p.homeLeft = 100 * c;
            p.homeTop = 100 * r;
            p.outline = QRegion(100 * c, 100 * r, 100, 100);
            const int k = table.count() + 1;
            p.group = QStringLiteral("P%1").arg(k);
            if (!record0List) {
                if (c > 0)
                    p.neighbours += NeighbourList::entry(k - 1);
                if (c < cols - 1)
                    p.neighbours += NeighbourList::entry(k + 1);
                if (r > 0)
                    p.neighbours += NeighbourList::entry(k - cols);
                if (r < rows - 1)
                    p.neighbours += NeighbourList::entry(k + cols);
            }
            table.append(p);
        }
    }
    if (record0List)
        table.record0().neighbours = NeighbourList::allPieces(table.count());
    return table;
}

// Three figures in a row and a board (piece 4) below them; record 0 lists every piece.
inline PieceTable threeFiguresAndBoard()
{
    PieceTable table = squareGrid(3, 1);
    PieceRecord board;
    board.outline = QRegion(0, 0, 300, 200).subtracted(QRegion(0, 0, 300, 100));
    board.homeTop = 100;
    board.group = QStringLiteral("P4");
    table.append(board);
    table.record0().neighbours = NeighbourList::allPieces(4);
    return table;
}
