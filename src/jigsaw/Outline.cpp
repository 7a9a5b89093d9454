// Outline.cpp: the head walk that turns primitives into one region.
#include "Outline.h"

#include "Fields.h"

#include <QtGlobal>

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 maxIndex = std::numeric_limits<int>::max();

// A primitive count or mode read at pos; counts below 0 count as 0.
qint64 countAt(QStringView head, qsizetype pos)
{
    return std::max(0, Fields::toInt(Fields::leadingNumberAt(head, pos)));
}

OutlinePrimitive::Kind kindOf(QChar letter)
{
    if (letter == u'A')
        return OutlinePrimitive::Kind::Ellipse;
    if (letter == u'B')
        return OutlinePrimitive::Kind::Rectangle;
    return OutlinePrimitive::Kind::Polygon;
}

QPoint clamped(QPoint p)
{
    return { std::clamp(p.x(), -outlineCoordinateLimit, outlineCoordinateLimit),
        std::clamp(p.y(), -outlineCoordinateLimit, outlineCoordinateLimit) };
}

// Primitive of the given kind over points base .. base + count - 1 (only those present).
OutlinePrimitive makePrimitive(QChar letter, int mode, qint64 base, qint64 count, const QList<QPoint>& points)
{
    OutlinePrimitive primitive;
    primitive.kind = kindOf(letter);
    primitive.mode = mode;
    const qint64 size = points.size();
    if (primitive.kind == OutlinePrimitive::Kind::Polygon) {
        const qint64 end = std::min(size, base + count);
        for (qint64 i = base; i < end; ++i)
            primitive.points.append(clamped(points[i]));
    } else if (base + 1 < size) {
        // An ellipse or a rectangle always takes two corners, whatever its count says.
        primitive.points = { clamped(points[base]), clamped(points[base + 1]) };
    }
    return primitive;
}

void combine(QRegion& outline, const QRegion& next, int mode)
{
    switch (static_cast<OutlineMode>(mode)) {
    case OutlineMode::Intersect:
        outline = outline.intersected(next);
        break;
    case OutlineMode::Unite:
        outline = outline.united(next);
        break;
    case OutlineMode::Xor:
        outline = outline.xored(next);
        break;
    case OutlineMode::Subtract:
        outline = outline.subtracted(next);
        break;
    case OutlineMode::Copy:
        outline = next;
        break;
    default:
        // Not a combination mode: the outline stays as it is.
        break;
    }
}

// Walks a head: the first primitive, then each "P" mode kind count. The points of each primitive
// start where the previous primitive's count ended.
class HeadWalker
{
public:
    HeadWalker(QStringView head, const QList<QPoint>& points)
        : m_head(head)
        , m_points(points)
    {
    }

    OutlinePrimitive first()
    {
        m_rest = 1;
        m_base = 0;
        m_count = countAt(m_head, m_rest);
        return makePrimitive(m_head.isEmpty() ? QChar() : m_head[0], 0, m_base, m_count, m_points);
    }

    // The next primitive after a "P"; false when the head has no further "P".
    bool next(OutlinePrimitive* primitive)
    {
        const qsizetype at = m_head.indexOf(u'P', m_rest);
        if (at < 0)
            return false;
        m_base = std::min(maxIndex, m_base + m_count);
        m_rest = at + 1;
        const int mode = Fields::toInt(Fields::leadingNumberAt(m_head, m_rest));
        const QChar letter = m_rest + 1 < m_head.size() ? m_head[m_rest + 1] : QChar();
        m_count = countAt(m_head, m_rest + 2);
        *primitive = makePrimitive(letter, mode, m_base, m_count, m_points);
        m_rest += 2;
        return true;
    }

private:
    QStringView m_head;
    const QList<QPoint>& m_points;
    qsizetype m_rest = 1; // where the unread rest of the head starts
    qint64 m_base = 0;    // index of the current primitive's first point
    qint64 m_count = 0;   // the current primitive's count
};

} // namespace

QRect cornerBox(QPoint a, QPoint b)
{
    a = clamped(a);
    b = clamped(b);
    const int left = std::min(a.x(), b.x());
    const int top = std::min(a.y(), b.y());
    return QRect(left, top, std::max(a.x(), b.x()) - left, std::max(a.y(), b.y()) - top);
}

QRegion primitiveRegion(const OutlinePrimitive& primitive)
{
    switch (primitive.kind) {
    case OutlinePrimitive::Kind::Ellipse:
        if (primitive.points.size() < 2)
            return {};
    {
        // Made at the origin and moved: the ellipse's approximating polygon is computed in floating
        // point and rounded, so making it in place would let the pixels depend on where it stands.
        const QRect box = cornerBox(primitive.points[0], primitive.points[1]);
        return QRegion(QRect(QPoint(0, 0), box.size()), QRegion::Ellipse).translated(box.topLeft());
    }
    case OutlinePrimitive::Kind::Rectangle:
        if (primitive.points.size() < 2)
            return {};
        return QRegion(cornerBox(primitive.points[0], primitive.points[1]), QRegion::Rectangle);
    case OutlinePrimitive::Kind::Polygon:
        break;
    }
    if (primitive.points.size() < 3)
        return {};
    return QRegion(primitive.points, Qt::OddEvenFill);
}

OutlinePrimitive firstPrimitive(QStringView head, const QList<QPoint>& points)
{
    return HeadWalker(head, points).first();
}

QRegion buildOutline(QStringView head, const QList<QPoint>& points)
{
    HeadWalker walker(head, points);
    QRegion outline = primitiveRegion(walker.first());
    OutlinePrimitive primitive;
    while (walker.next(&primitive))
        combine(outline, primitiveRegion(primitive), primitive.mode);
    return outline;
}
