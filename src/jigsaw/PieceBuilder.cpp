// PieceBuilder.cpp: piece records, outline board and seam lines.
#include "PieceBuilder.h"

#include "Outline.h"

#include <QPainter>
#include <QPen>

namespace {

void drawLineFigure(QPainter& painter, const OutlinePrimitive& figure)
{
    switch (figure.kind) {
    case OutlinePrimitive::Kind::Ellipse:
        if (figure.points.size() == 2)
            painter.drawEllipse(cornerBox(figure.points[0], figure.points[1]));
        break;
    case OutlinePrimitive::Kind::Rectangle:
        if (figure.points.size() == 2)
            painter.drawRect(cornerBox(figure.points[0], figure.points[1]));
        break;
    case OutlinePrimitive::Kind::Polygon:
        if (figure.points.size() >= 2)
            painter.drawPolygon(figure.points);
        break;
    }
}

// destination |= source per colour channel (source over the whole of its size, at topLeft).
void orInto(QImage& destination, const QImage& source, QPoint topLeft)
{
    const bool packed24 = destination.format() == QImage::Format_RGB888;
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* line = destination.scanLine(topLeft.y() + y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb light = from[x] & 0x00FFFFFF;
            if (light == 0)
                continue;
            if (packed24) {
                uchar* pixel = line + 3 * (topLeft.x() + x);
                pixel[0] |= uchar(qRed(light));
                pixel[1] |= uchar(qGreen(light));
                pixel[2] |= uchar(qBlue(light));
            } else {
                reinterpret_cast<QRgb*>(line)[topLeft.x() + x] |= light;
            }
        }
    }
}

} // namespace

PieceBuilder::PieceBuilder(QImage& workingPicture)
    : m_picture(workingPicture)
{
    switch (m_picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_RGB888:
    case QImage::Format_Invalid:
        break;
    default:
        m_picture.convertTo(m_picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        break;
    }
}

int PieceBuilder::addPiece(PieceTable& table, const ParsedPiece& piece)
{
    PieceRecord record;
    record.head = piece.head;
    record.points = piece.points;
    record.outline = buildOutline(piece.head, piece.points);
    const QRect box = record.outline.boundingRect();
    record.homeTop = box.top();
    record.homeLeft = box.left();
    record.turn = 0;
    record.group = QStringLiteral("P%1").arg(table.count() + 1);
    drawSeam(piece, box);
    return table.append(std::move(record));
}

int PieceBuilder::addRegionPiece(PieceTable& table, const QRegion& outline)
{
    PieceRecord record;
    record.outline = outline;
    const QRect box = outline.boundingRect();
    record.homeTop = box.top();
    record.homeLeft = box.left();
    record.turn = 0;
    record.group = QStringLiteral("P%1").arg(table.count() + 1);
    return table.append(std::move(record));
}

QRect PieceBuilder::pieceBox(const PieceRecord& record)
{
    return QRect(QPoint(record.homeLeft, record.homeTop), record.outline.boundingRect().size());
}

QRegion PieceBuilder::pieceMask(const PieceRecord& record)
{
    return record.outline.translated(-record.homeLeft, -record.homeTop);
}

void PieceBuilder::drawSeam(const ParsedPiece& piece, const QRect& box)
{
    // The board only matters over the piece's box, and only where the picture is: a board of that
    // size, drawn with the same integer offset, gives exactly the pixels a picture-sized board would.
    const QRect area = box.intersected(m_picture.rect());
    if (area.isEmpty())
        return;
    QImage board(area.size(), QImage::Format_RGB32);
    board.fill(Qt::black);
    {
        QPainter painter(&board);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(-area.topLeft());
        painter.setPen(QPen(QColor::fromRgb(seamColour), seamWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        drawLineFigure(painter, firstPrimitive(piece.head, piece.points));
    }
    orInto(m_picture, board, area.topLeft());
}
