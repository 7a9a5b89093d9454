// ShapeParser.cpp: cursor-based reading of shape strings.
#include "ShapeParser.h"

#include "Fields.h"
#include "Outline.h"
#include "Rounding.h"

#include <QRect>

#include <algorithm>
#include <functional>
#include <limits>

namespace {

// A read position over the shape text; searches start at the cursor and never look behind it.
class ShapeReader
{
public:
    explicit ShapeReader(QStringView text)
        : m_text(text)
    {
    }

    // Moves just past the next letter; false (cursor unchanged) when there is none.
    bool skipPast(QChar letter)
    {
        const qsizetype at = m_text.indexOf(letter, m_pos);
        if (at < 0)
            return false;
        m_pos = at + 1;
        return true;
    }

    double numberHere() const { return Fields::leadingNumberAt(m_text, m_pos); }

    // The value after the next letter (0 when the letter is missing).
    double fieldAfter(QChar letter) { return skipPast(letter) ? numberHere() : 0.0; }

    // The text up to the next comma (or the end); the cursor stays on that comma.
    QStringView headHere()
    {
        qsizetype end = m_text.indexOf(u',', m_pos);
        if (end < 0)
            end = m_text.size();
        const QStringView head = m_text.mid(m_pos, end - m_pos);
        m_pos = end;
        return head;
    }

    // Moves past the next comma and reads the number there; false when no comma is left.
    bool nextNumber(double* value)
    {
        if (!skipPast(u','))
            return false;
        *value = numberHere();
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

using Scale = std::function<QPoint(double x, double y)>;

// Reads the piece after the next "V"; false when there is none.
bool readPiece(ShapeReader& reader, const Scale& scale, ParsedPiece* piece)
{
    if (!reader.skipPast(u'V'))
        return false;
    const QStringView head = reader.headHere();
    piece->head = head.toString();
    piece->points.clear();
    const int count = headPointCount(head);
    for (int i = 0; i < count; ++i) {
        double x = 0.0;
        double y = 0.0;
        if (!reader.nextNumber(&x))
            break; // nothing left to read: the remaining points are absent
        const bool hasY = reader.nextNumber(&y);
        piece->points.append(scale(x, y));
        if (!hasY)
            break;
    }
    return true;
}

// Rounds v and keeps it within one frame length around the frame [start, start + length) and within
// the outline limit.
int placeCoordinate(double v, int start, int length)
{
    const qint64 low = std::max<qint64>(-outlineCoordinateLimit, qint64(start) - length);
    const qint64 high = std::min<qint64>(outlineCoordinateLimit, qint64(start) + 2 * qint64(length));
    const qint64 value = qint64(Rounding::roundToInt(v));
    return int(std::clamp(value, std::min(low, high), high));
}

} // namespace

int headPointCount(QStringView head)
{
    const auto countAt = [head](qsizetype pos) -> qint64 {
        return std::max(0, Fields::toInt(Fields::leadingNumberAt(head, pos)));
    };
    qint64 total = countAt(1);
    for (qsizetype at = head.indexOf(u'P'); at >= 0; at = head.indexOf(u'P', at + 1))
        total = std::min<qint64>(std::numeric_limits<int>::max(), total + countAt(at + 3));
    return int(total);
}

ParsedShape parseShapeString(QStringView shape, QSize picture)
{
    ShapeReader reader(shape);
    const double width = reader.fieldAfter(u'W');
    const double height = reader.fieldAfter(u'H');
    const double count = reader.fieldAfter(u'P');

    ParsedShape parsed;
    parsed.designWidth = Fields::toInt(width);
    parsed.designHeight = Fields::toInt(height);
    parsed.declaredCount = Fields::toInt(count);
    if (!(width > 0.0) || !(height > 0.0) || parsed.declaredCount < 1)
        return parsed;

    const int pictureWidth = std::max(0, picture.width());
    const int pictureHeight = std::max(0, picture.height());
    const Scale scale = [&](double x, double y) {
        return QPoint(placeCoordinate(x * pictureWidth / width, 0, pictureWidth),
            placeCoordinate(y * pictureHeight / height, 0, pictureHeight));
    };
    ParsedPiece piece;
    while (parsed.pieces.size() < parsed.declaredCount && readPiece(reader, scale, &piece))
        parsed.pieces.append(piece);
    return parsed;
}

QList<ParsedPiece> parseCellPieces(QStringView text, QSize cell, QPoint origin)
{
    const int cellWidth = std::max(0, cell.width());
    const int cellHeight = std::max(0, cell.height());
    const Scale scale = [&](double x, double y) {
        const double px = double(Rounding::roundToInt(x / 100.0 * cellWidth)) + origin.x();
        const double py = double(Rounding::roundToInt(y / 100.0 * cellHeight)) + origin.y();
        return QPoint(placeCoordinate(px, origin.x(), cellWidth), placeCoordinate(py, origin.y(), cellHeight));
    };
    ShapeReader reader(text);
    QList<ParsedPiece> pieces;
    ParsedPiece piece;
    while (readPiece(reader, scale, &piece))
        pieces.append(piece);
    return pieces;
}
