// LevelBuilder.h: builds a whole jigsaw level into the piece table: the shape string or the
// cell figures are parsed, every piece is made (outline, home box, seam in the working
// picture), and the neighbour lists are written.
//
// Each build empties the table first; the working picture is the turn-0 copy of the puzzle
// picture at its play size and receives the seams.
#pragma once

#include "ShapeBoard.h"

#include <QImage>
#include <QString>
#include <QStringView>

class PieceTable;
class RandomSource;

struct CatalogueLevel {
    int levelCode = 0; // for the window to keep (the tag of Pic_show element 0)
    QString shape; // the generator's shape string
};

struct ShapeBoardLevel {
    int levelIndex = 0;
    ShapeBoardLayout layout;
    QString figures; // the figure texts of all cells in build order, one after another
    int boardPiece = 0; // piece number of the board (the last piece)
};

namespace LevelBuilder {

// The catalogue level of levelCode (a code outside the catalogue is cut like 1605).
QString buildCatalogueLevel(int levelCode, QImage& workingPicture, PieceTable& table, RandomSource& random);

// ChooseLevel: the level code from the jigsaw record's D and P fields, then the whole level.
// Used when the record's M field is not 1.
CatalogueLevel ChooseLevel(
    QStringView jigsawRecord, QImage& workingPicture, PieceTable& table, RandomSource& random);

// A shape-board level (the record's M field is 1) from the record's D and P fields.
ShapeBoardLevel buildShapeBoard(
    QStringView jigsawRecord, QImage& workingPicture, PieceTable& table, RandomSource& random);
ShapeBoardLevel buildShapeBoard(
    int d, int p, QImage& workingPicture, PieceTable& table, RandomSource& random);

} // namespace LevelBuilder
