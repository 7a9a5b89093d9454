// ShapeBoard.h: the grid of the shape-board levels and the figure of every cell (text only;
// LevelBuilder turns them into pieces and cuts the board).
//
// A grid of cells is laid over the picture, centred; one figure is cut out of every cell, and
// what remains of the picture is one more piece, the board.
#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringView>

class RandomSource;

struct ShapeBoardLayout {
    QSize cell; // pixels of the working picture
    int columns = 0;
    int rows = 0;
    QPoint margin; // left and top margin that centre the grid on the picture
    // Top-left pixel of the cell in column c and row r (from 1).
    QPoint cellOrigin(int c, int r) const
    {
        return { (c - 1) * cell.width() + margin.x(), (r - 1) * cell.height() + margin.y() };
    }
};

struct ShapeBoardFigure {
    int column = 0; // from 1
    int row = 0; // from 1
    int kind = 0; // Figures::Kind
    QString text; // cell-relative figure text
};

namespace ShapeBoard {

constexpr int LevelCode = 9999; // the neighbour-list code of every shape-board level
constexpr int LevelIndexCount = 5;

// Cell size in pixels of level index 0..4 (0: 120 x 90 ... 4: 64 x 48); other indexes give 4's.
QSize cellSize(int levelIndex);

// Level index from the preferences field D: 0 -> random 0..2, 1 -> 3, 2 -> 4, 3 and 4 -> the
// same. D is never larger than 2 in a record the game wrote; any other value is built with
// index 4, so the level stays buildable.
int levelIndex(int d, RandomSource& random);

// Figure kind of a cell from the preferences field P: 1..11 that kind, anything else a kind
// drawn from 2..11 for this cell.
int figureKind(int p, RandomSource& random);

// Columns, rows and margins of the grid on a picture of the given pixel size.
ShapeBoardLayout layout(QSize picture, int levelIndex);

// The figures of every cell in build order (column by column, top to bottom in a column), each
// cell drawing its kind and then its values.
QList<ShapeBoardFigure> figures(const ShapeBoardLayout& layout, int p, RandomSource& random);

} // namespace ShapeBoard
