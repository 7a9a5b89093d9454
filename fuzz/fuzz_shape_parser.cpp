// fuzz_shape_parser.cpp: libFuzzer target: any text read as a shape string (header and cell-relative
// form), its pieces built into a small picture and turned a whole turn round, which must restore them.
// Built and run by tools/fuzz (tools/fuzz --seconds 300 shape_parser).
#include "Outline.h"
#include "PieceBuilder.h"
#include "ShapeParser.h"
#include "TurnUnit.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

const QSize pictureSize(64, 48);

[[noreturn]] void fail() { __builtin_trap(); }

void turnWholeTurn(PieceTable& table, int k, QSize window, int step)
{
    const PieceRecord before = table.piece(k);
    QList<PieceRecord> members;
    for (int m = 1; m <= table.count(); ++m)
        members.append(table.piece(m));
    // Four quarter turns, or two half turns, make a whole turn.
    for (int turns = step == 180 ? 2 : 4; turns > 0; --turns) {
        const TurnResult result = turnUnit(table, step, k, window, pictureSize);
        if (!result.turned)
            fail();
        window = result.windowSize;
    }
    if (table.piece(k).homeLeft != before.homeLeft || table.piece(k).homeTop != before.homeTop
        || table.piece(k).turn != before.turn)
        fail();
    for (int m = 1; m <= table.count(); ++m)
        if (table.piece(m).points != members[m - 1].points || !table.piece(m).outline.xored(members[m - 1].outline).isEmpty())
            fail();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));

    const ParsedShape shape = parseShapeString(text, pictureSize);
    if (shape.pieces.size() > std::max(0, shape.declaredCount))
        fail();
    QImage picture(pictureSize, QImage::Format_RGB32);
    picture.fill(0xFF204060);
    PieceTable table;
    {
        PieceBuilder builder(picture);
        for (const ParsedPiece& piece : shape.pieces) {
            if (piece.points.size() > qsizetype(size))
                fail();
            const int k = builder.addPiece(table, piece);
            if (!table.piece(k).outline.xored(buildOutline(piece.head, piece.points)).isEmpty())
                fail();
        }
        builder.addRegionPiece(table, QRegion(picture.rect()).subtracted(QRegion(5, 5, 9, 7, QRegion::Ellipse)));
    }
    for (int k = 1; k <= table.count(); ++k) {
        const QSize window = PieceBuilder::pieceBox(table.piece(k)).size();
        turnWholeTurn(table, k, window, k % 2 == 0 ? 90 : 270);
    }
    // The first pieces as one joined group.
    if (table.count() >= 2) {
        QRegion joined;
        QString group;
        for (int m = 1; m <= std::min(table.count(), 6); ++m) {
            joined += table.piece(m).outline;
            group += QStringLiteral("P%1").arg(m);
        }
        table.piece(1).group = group;
        table.piece(1).homeLeft = joined.boundingRect().left();
        table.piece(1).homeTop = joined.boundingRect().top();
        turnWholeTurn(table, 1, joined.boundingRect().size(), 180);
    }

    for (const ParsedPiece& piece : parseCellPieces(text, QSize(20, 15), QPoint(7, 9)))
        buildOutline(piece.head, piece.points);
    return 0;
}
