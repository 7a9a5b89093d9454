// TurnUnit.cpp: the home-box and point formulas of a unit's turn.
#include "TurnUnit.h"

#include "Fields.h"
#include "Outline.h"
#include "TurnedPictures.h"

#include <QList>

#include <algorithm>
#include <limits>

namespace {

int clampInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A point of the old turn's picture in the new turn's picture.
QPoint turnPoint(QPoint p, int angle, QSize oldPicture)
{
    const qint64 pw = oldPicture.width();
    const qint64 ph = oldPicture.height();
    switch (angle) {
    case 90:
        return { clampInt(ph - p.y()), p.x() };
    case 180:
        return { clampInt(pw - p.x()), clampInt(ph - p.y()) };
    default: // 270
        return { p.y(), clampInt(pw - p.x()) };
    }
}

// The members of k's unit, k first, each once, only pieces of the table.
QList<int> membersOf(const PieceTable& table, int k)
{
    QList<int> members { k };
    const QString& group = table.piece(k).group;
    for (qsizetype at = group.indexOf(u'P'); at >= 0; at = group.indexOf(u'P', at + 1)) {
        const int m = Fields::toInt(Fields::leadingNumberAt(group, at + 1));
        if (table.contains(m) && !members.contains(m))
            members.append(m);
    }
    return members;
}

} // namespace

QRegion turnRegion(const QRegion& region, int angle, QSize oldPicture)
{
    // Turned rectangles lose the region's row order, so they are united pairwise (balanced), which
    // keeps the work near n log n even for a board with many holes.
    QList<QRegion> parts;
    parts.reserve(region.rectCount());
    for (const QRect& r : region) {
        // Corners of the pixel box (right and bottom exclusive) turn like points.
        const QPoint a = turnPoint(r.topLeft(), angle, oldPicture);
        const QPoint b = turnPoint(QPoint(r.x() + r.width(), r.y() + r.height()), angle, oldPicture);
        parts.append(QRegion(cornerBox(a, b)));
    }
    while (parts.size() > 1) {
        QList<QRegion> merged;
        merged.reserve((parts.size() + 1) / 2);
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            merged.append(parts[i].united(parts[i + 1]));
        if (parts.size() % 2 == 1)
            merged.append(parts.last());
        parts = std::move(merged);
    }
    return parts.isEmpty() ? QRegion() : parts.first();
}

TurnResult turnUnit(PieceTable& table, int angle, int k, QSize windowSize, QSize workingPicture)
{
    TurnResult result;
    const int a = ((angle % 360) + 360) % 360;
    if (a % 90 != 0 || a == 0 || !table.contains(k))
        return result;
    PieceRecord& unit = table.piece(k);
    const int oldTurn = TurnedPictures::quarterIndex(unit.turn);
    if (oldTurn < 0)
        return result;

    const QSize oldPicture = TurnedPictures::sizeForTurn(workingPicture, unit.turn);
    const qint64 pw = oldPicture.width();
    const qint64 ph = oldPicture.height();
    const qint64 w = std::max(0, windowSize.width());
    const qint64 h = std::max(0, windowSize.height());
    const qint64 left = unit.homeLeft;
    const qint64 top = unit.homeTop;
    qint64 newLeft = 0;
    qint64 newTop = 0;
    switch (a) {
    case 90:
        newLeft = ph - top - h;
        newTop = left;
        break;
    case 180:
        newLeft = pw - left - w;
        newTop = ph - top - h;
        break;
    default:
        newLeft = top;
        newTop = pw - left - w;
        break;
    }
    result.turned = true;
    result.turn = (oldTurn * 90 + a) % 360;
    result.home = QPoint(clampInt(newLeft), clampInt(newTop));
    result.windowSize = a == 180 ? QSize(int(w), int(h)) : QSize(int(h), int(w));
    result.pictureRect = QRect(result.home, result.windowSize);

    for (const int m : membersOf(table, k)) {
        PieceRecord& member = table.piece(m);
        if (member.head.isEmpty()) {
            member.outline = turnRegion(member.outline, a, oldPicture);
        } else {
            // Built over picture coordinates of the new turn (not window coordinates): the same points
            // in the same frame always give the same pixels, so a whole turn restores the outline exactly.
            for (QPoint& p : member.points)
                p = turnPoint(p, a, oldPicture);
            member.outline = buildOutline(member.head, member.points);
        }
        member.turn = result.turn;
        result.outline += member.outline.translated(-result.home);
    }
    unit.homeLeft = result.home.x();
    unit.homeTop = result.home.y();
    return result;
}
