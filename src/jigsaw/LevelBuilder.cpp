// LevelBuilder.cpp: from shape strings and cell figures to a filled piece table.
#include "LevelBuilder.h"

#include "Fields.h"
#include "NeighbourLists.h"
#include "PieceBuilder.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "ShapeCatalogue.h"
#include "ShapeParser.h"

#include <QRegion>

namespace LevelBuilder {

QString buildCatalogueLevel(int levelCode, QImage& workingPicture, PieceTable& table, RandomSource& random)
{
    table.clear();
    const QString shape = ShapeCatalogue::generateLevel(levelCode, random);
    PieceBuilder builder(workingPicture);
    for (const ParsedPiece& piece : parseShapeString(shape, workingPicture.size()).pieces)
        builder.addPiece(table, piece);
    NeighbourLists::WriteNeighbourLists(levelCode, table);
    return shape;
}

CatalogueLevel ChooseLevel(
    QStringView jigsawRecord, QImage& workingPicture, PieceTable& table, RandomSource& random)
{
    CatalogueLevel level;
    level.levelCode = ShapeCatalogue::LevelCode(jigsawRecord, random);
    level.shape = buildCatalogueLevel(level.levelCode, workingPicture, table, random);
    return level;
}

ShapeBoardLevel buildShapeBoard(int d, int p, QImage& workingPicture, PieceTable& table, RandomSource& random)
{
    table.clear();
    ShapeBoardLevel level;
    const QSize picture = workingPicture.size();
    level.levelIndex = ShapeBoard::levelIndex(d, random);
    level.layout = ShapeBoard::layout(picture, level.levelIndex);

    PieceBuilder builder(workingPicture);
    QRegion board(QRect(QPoint(0, 0), picture));
    for (const ShapeBoardFigure& figure : ShapeBoard::figures(level.layout, p, random)) {
        level.figures += figure.text;
        const QPoint origin = level.layout.cellOrigin(figure.column, figure.row);
        for (const ParsedPiece& piece : parseCellPieces(figure.text, level.layout.cell, origin)) {
            const int k = builder.addPiece(table, piece);
            // Every figure lies inside its own cell, so this cuts each hole exactly once.
            board = board.xored(table.piece(k).outline);
        }
    }
    level.boardPiece = builder.addRegionPiece(table, board);
    NeighbourLists::WriteNeighbourLists(ShapeBoard::LevelCode, table);
    return level;
}

ShapeBoardLevel buildShapeBoard(
    QStringView jigsawRecord, QImage& workingPicture, PieceTable& table, RandomSource& random)
{
    return buildShapeBoard(Fields::fieldInt(jigsawRecord, u'D'), Fields::fieldInt(jigsawRecord, u'P'),
        workingPicture, table, random);
}

} // namespace LevelBuilder
