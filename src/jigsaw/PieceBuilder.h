// PieceBuilder.h: makes piece records from parsed pieces and draws their seams into the picture.
//
// One builder serves one level build (from before the first piece to after the last). For each piece
// it builds the outline, records the home box (the outline's bounding box), turn 0 and the group "Pk",
// and draws the seam: the piece's first primitive as a grey (127, 127, 127) line figure, 2 pixels
// wide, on a black outline board, OR-ed per channel into the working picture over the piece's box.
// Black leaves the picture unchanged; the grey line lightens it along the piece's own edge. Later
// pieces and all repainting see the seams of earlier ones.
//
// The window layer shows piece k as the working picture under pieceBox(record), masked by
// pieceMask(record).
#pragma once

#include "PieceTable.h"
#include "ShapeParser.h"

#include <QImage>
#include <QRect>
#include <QRegion>

class PieceBuilder
{
public:
    // workingPicture is the turn-0 working picture; it must outlive the builder. Formats other than
    // RGB32, ARGB32 and RGB888 are converted once, in place, to RGB32 (ARGB32 when it has alpha).
    explicit PieceBuilder(QImage& workingPicture);

    // Appends piece k = table.count() + 1 (outline, home box, turn 0, group "Pk") and draws its seam.
    int addPiece(PieceTable& table, const ParsedPiece& piece);

    // Appends a piece given only by its region (no head, no points, no seam), such as the board of a
    // shape-board level. When such a piece is turned its region is turned as it stands.
    int addRegionPiece(PieceTable& table, const QRegion& outline);

    // The box of a piece as built: home position and outline size, in picture pixels.
    static QRect pieceBox(const PieceRecord& record);
    // The outline in the piece window's own coordinates (origin at the home position).
    static QRegion pieceMask(const PieceRecord& record);

    static constexpr QRgb seamColour = 0xFF7F7F7F;
    static constexpr int seamWidth = 2;

private:
    void drawSeam(const ParsedPiece& piece, const QRect& box);

    QImage& m_picture;
};
