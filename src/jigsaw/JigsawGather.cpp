// JigsawGather.cpp: the jigsaw rules that bring units back within reach: the clamp after the
// client area changed and "Gather pieces".
#include "JigsawPlay.h"

#include "JigsawReach.h"
#include "Twips.h"

#include <algorithm>

bool JigsawPlay::isLoose(int k) const
{
    return k >= 1 && k <= pieceCount() && k != boardPiece() && m_windows[k].visible && !m_windows[k].locked;
}

QRegion JigsawPlay::clientRegion(int k) const
{
    const UnitWindow& w = m_windows[k];
    return w.outline.translated(Twips::toPixelsInt(w.pos.x()), Twips::toPixelsInt(w.pos.y()));
}

QList<int> JigsawPlay::clampAll(QSizeF client)
{
    QList<int> moved;
    for (int k = 1; k <= pieceCount(); ++k) {
        const UnitWindow& w = m_windows[k];
        if (!w.visible || w.locked)
            continue;
        const QPointF pos = clampUnit(k, w.pos, client);
        if (pos == w.pos)
            continue;
        moveUnit(k, pos);
        moved.append(k);
        if (k == boardPiece()) {
            for (int j = 1; j <= pieceCount(); ++j) {
                if (m_windows[j].locked)
                    moved.append(j);
            }
        }
    }
    std::sort(moved.begin(), moved.end());
    return moved;
}

QList<int> JigsawPlay::gather(QSizeF client, const QList<QRect>& companions)
{
    const QRect area(0, 0, Twips::toPixelsInt(client.width()), Twips::toPixelsInt(client.height()));
    QList<int> hidden;
    for (qsizetype i = 0; i < m_stack.size(); ++i) {
        const int k = m_stack[i];
        if (!isLoose(k))
            continue;
        const QRegion region = clientRegion(k);
        bool covered = !region.subtracted(area).isEmpty();
        for (const QRect& c : companions)
            covered = covered || region.intersects(c);
        const qint64 size = JigsawReach::pixelCount(region);
        for (qsizetype j = i + 1; j < m_stack.size() && !covered; ++j) {
            const int above = m_stack[j];
            if (!isLoose(above))
                continue;
            const QRegion other = clientRegion(above);
            covered = JigsawReach::pixelCount(other) > size && other.intersects(region);
        }
        if (covered)
            hidden.append(k);
    }
    std::sort(hidden.begin(), hidden.end());

    // What stays where it is, as boxes: the board and locked figures may be covered by a
    // gathered unit only when nothing else is left.
    QList<QRect> keepClear = companions;
    QList<QRect> boardAndLocked;
    for (int k = 1; k <= pieceCount(); ++k) {
        if (!m_windows[k].visible || hidden.contains(k))
            continue;
        const QRect box = clientRegion(k).boundingRect();
        (isLoose(k) ? keepClear : boardAndLocked).append(box);
    }
    const QRect playArea = area.adjusted(0, Twips::toPixelsInt(PlayAreaTop), 0, 0);
    for (int k : hidden) {
        const QSize box = m_windows[k].size;
        QPoint at;
        if (!JigsawReach::freePlace(box, playArea, keepClear + boardAndLocked, &at)
            && !JigsawReach::freePlace(box, playArea, keepClear, &at)
            && !JigsawReach::freePlace(box, playArea, companions, &at))
            at = playArea.topLeft();
        m_windows[k].pos = QPointF(Twips::fromPixels(at.x()), Twips::fromPixels(at.y()));
        keepClear.append(QRect(at, box));
        raise(k);
    }
    if (!hidden.isEmpty())
        m_shadow.visible = false;
    return hidden;
}
