// JigsawPlay.cpp: drag, clamp and join rules of the jigsaw.
#include "JigsawPlay.h"

#include "JigsawReach.h"
#include "NeighbourList.h"
#include "TurnUnit.h"
#include "Twips.h"

#include <algorithm>
#include <cmath>

void JigsawPlay::startGame(PieceTable* table, int shapeFamily, bool rotation)
{
    m_table = table;
    m_shapeFamily = shapeFamily == ShapeBoard ? ShapeBoard : Catalogue;
    m_rotation = rotation;
    m_windows = QList<UnitWindow>(pieceCount() + 1);
    for (int k = 1; k <= pieceCount(); ++k) {
        const PieceRecord& r = m_table->piece(k);
        UnitWindow& w = m_windows[k];
        w.outline = r.outline.translated(-r.homeLeft, -r.homeTop);
        w.size = r.outline.boundingRect().size();
    }
    m_shadow = {};
    paused = false;
    timeEnded = false;
    ended = false;
    m_dragging = false;
    m_dragged = 0;
    m_joinCounter = 1;
    m_stack.clear();
    if (boardPiece() > 0)
        m_stack.append(boardPiece());
    for (int k = 1; k <= pieceCount(); ++k) {
        if (k != boardPiece())
            m_stack.append(k);
    }
}

void JigsawPlay::restoreOrder(const QList<int>& stacking, int joinCounter)
{
    m_stack = stacking;
    m_joinCounter = joinCounter;
    m_dragging = false;
    m_dragged = 0;
    m_shadow = {};
}

void JigsawPlay::raise(int k)
{
    m_stack.removeAll(k);
    m_stack.append(k);
}

void JigsawPlay::moveUnit(int k, QPointF pos)
{
    if (k < 1 || k > pieceCount())
        return;
    const QPointF delta = pos - m_windows[k].pos;
    m_windows[k].pos = pos;
    if (k != boardPiece())
        return;
    for (int j = 1; j <= pieceCount(); ++j) {
        if (m_windows[j].locked)
            m_windows[j].pos += delta;
    }
}

void JigsawPlay::setUnitShape(int k, QSize size, const QRegion& outline)
{
    if (k < 1 || k > pieceCount())
        return;
    m_windows[k].size = size;
    m_windows[k].outline = outline;
}

QSizeF JigsawPlay::sizeTwips(int k) const
{
    const QSize s = m_windows[k].size;
    return {Twips::fromPixels(s.width()), Twips::fromPixels(s.height())};
}

bool JigsawPlay::acceptsInput(int k) const
{
    if (k < 1 || k > pieceCount() || paused || timeEnded || !m_windows[k].visible)
        return false;
    if (k == boardPiece())
        return false;
    return !m_windows[k].locked;
}

int JigsawPlay::unitNear(QPoint point, int reach) const
{
    for (auto it = m_stack.crbegin(); it != m_stack.crend(); ++it) {
        const int k = *it;
        if (!acceptsInput(k))
            continue;
        const UnitWindow& w = m_windows[k];
        const QPoint origin(Twips::toPixelsInt(w.pos.x()), Twips::toPixelsInt(w.pos.y()));
        // The outline grown by reach holds the point exactly when the outline meets the square of
        // reach around the point.
        const QRect around(point - origin - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1));
        const QRegion outline = w.outline.isEmpty() ? QRegion(QRect(QPoint(0, 0), w.size)) : w.outline;
        if (outline.intersects(around))
            return k;
    }
    return 0;
}

void JigsawPlay::placeShadow(int k, double dx, double dy)
{
    m_shadow.pos = m_windows[k].pos + QPointF(dx, dy);
    m_shadow.size = m_windows[k].size;
    m_shadow.outline = m_windows[k].outline;
    m_shadow.visible = true;
}

bool JigsawPlay::press(int k, QPointF mouse)
{
    if (!acceptsInput(k))
        return false;
    m_dragging = true;
    m_dragged = k;
    raise(k);
    m_grab = QPointF(std::round(mouse.x()), std::round(mouse.y()));
    placeShadow(k, PressShadowDx, PressShadowDy);
    return true;
}

bool JigsawPlay::drag(int k, QPointF mouse)
{
    if (!m_dragging || !acceptsInput(k))
        return false;
    m_windows[k].pos += mouse - m_grab;
    m_shadow.pos = m_windows[k].pos + QPointF(ShadowOffset, ShadowOffset);
    return true;
}

QPointF JigsawPlay::clampUnit(int k, QPointF pos, QSizeF client) const
{
    const QPointF boxed = clampDrop(pos, sizeTwips(k), client);
    const QRect area(0, 0, Twips::toPixelsInt(client.width()), Twips::toPixelsInt(client.height()));
    const QPoint at(Twips::toPixelsInt(boxed.x()), Twips::toPixelsInt(boxed.y()));
    const UnitWindow& w = m_windows[k];
    const QPoint kept = JigsawReach::keepGrabbable(at, w.size, w.outline, area);
    return kept == at ? boxed : QPointF(Twips::fromPixels(kept.x()), Twips::fromPixels(kept.y()));
}

QPointF JigsawPlay::clampDrop(QPointF pos, QSizeF piece, QSizeF client)
{
    double left = pos.x();
    double top = pos.y();
    if (left < KeepVisibleLeft - piece.width())
        left = KeepVisibleLeft - piece.width();
    if (top < KeepVisibleTop - piece.height())
        top = KeepVisibleTop - piece.height();
    if (left > client.width() - KeepVisibleRight)
        left = client.width() - KeepVisibleRight;
    if (top > client.height() - KeepVisibleBottom)
        top = client.height() - KeepVisibleBottom;
    return {left, top};
}

JigsawPlay::Drop JigsawPlay::release(int k, QPointF mouse, QSizeF client)
{
    if (!m_dragging || k != m_dragged || !acceptsInput(k))
        return {};
    return drop(k, m_windows[k].pos + (mouse - m_grab), client);
}

JigsawPlay::Drop JigsawPlay::endDrag(QSizeF client)
{
    if (!m_dragging || m_dragged < 1 || m_dragged > pieceCount())
        return {};
    return drop(m_dragged, m_windows[m_dragged].pos, client);
}

JigsawPlay::Drop JigsawPlay::drop(int k, QPointF pos, QSizeF client)
{
    m_dragging = false;
    m_dragged = 0;
    m_windows[k].pos = clampUnit(k, pos, client);
    placeShadow(k, ShadowOffset, ShadowOffset);
    Drop result;
    result.dropped = true;
    result.join = tryJoin(k);
    return result;
}

bool JigsawPlay::turn(int k, QSize workingPicture, QSizeF client)
{
    if (!m_rotation || !acceptsInput(k))
        return false;
    const TurnResult turned = turnUnit(*m_table, 90, k, m_windows[k].size, workingPicture);
    if (!turned.turned)
        return false;
    setUnitShape(k, turned.windowSize, turned.outline);
    // A quarter turn keeps left and top and swaps the sides: the strip a drop kept may be gone.
    m_windows[k].pos = clampUnit(k, m_windows[k].pos, client);
    return true;
}

bool JigsawPlay::accepts(int c, int u) const
{
    if (c == u || c < 1 || c > pieceCount())
        return false;
    const UnitWindow& cw = m_windows[c];
    const UnitWindow& uw = m_windows[u];
    const PieceRecord& cr = m_table->piece(c);
    const PieceRecord& ur = m_table->piece(u);
    // A figure locked into the board belongs to the board: nothing merges with it.
    if (!cw.visible || cw.locked || uw.locked || cr.turn != ur.turn)
        return false;
    // Both offsets from home, compared in pixels (fractions count: 10.5 is too far).
    const double dx = (Twips::toPixels(cw.pos.x()) - cr.homeLeft) - (Twips::toPixels(uw.pos.x()) - ur.homeLeft);
    const double dy = (Twips::toPixels(cw.pos.y()) - cr.homeTop) - (Twips::toPixels(uw.pos.y()) - ur.homeTop);
    return std::abs(dx) <= JoinTolerance && std::abs(dy) <= JoinTolerance;
}

JoinResult JigsawPlay::tryJoin(int u)
{
    JoinResult result;
    if (u < 1 || u > pieceCount())
        return result;
    const QString candidates = m_table->record0().neighbours.isEmpty() ? m_table->piece(u).neighbours
                                                                        : m_table->record0().neighbours;
    QList<int> order = NeighbourList::pieces(candidates);
    if (boardPiece() > 0) {
        // A figure near its hole goes into the board, wherever the board stands in the list.
        order.removeAll(boardPiece());
        order.prepend(boardPiece());
    }
    int c = 0;
    for (int n : order) {
        if (accepts(n, u)) {
            c = n;
            break;
        }
    }
    if (c == 0)
        return result;

    // Neighbour bookkeeping: C absorbs U.
    PieceRecord& cr = m_table->piece(c);
    const QString uList = m_table->piece(u).neighbours;
    cr.neighbours = NeighbourList::without(cr.neighbours + uList, u);
    for (int m : NeighbourList::pieces(uList)) {
        if (m != c && m >= 1 && m <= pieceCount())
            m_table->piece(m).neighbours = NeighbourList::replaced(m_table->piece(m).neighbours, u, c);
    }
    m_shadow.visible = false;

    result.joined = true;
    result.survivor = c;
    result.absorbed = u;
    if (c == boardPiece()) {
        result.intoBoard = true;
        snapIntoBoard(u);
    } else {
        merge(c, u);
    }
    ++m_joinCounter;
    if (!ended && m_joinCounter == pieceCount())
        result.completed = true;
    return result;
}

void JigsawPlay::merge(int c, int u)
{
    PieceRecord& cr = m_table->piece(c);
    const PieceRecord& ur = m_table->piece(u);
    UnitWindow& cw = m_windows[c];
    UnitWindow& uw = m_windows[u];
    const QRegion united = cw.outline.translated(cr.homeLeft, cr.homeTop)
                               .united(uw.outline.translated(ur.homeLeft, ur.homeTop));
    const QRect box = united.boundingRect();
    cr.homeLeft = box.left();
    cr.homeTop = box.top();
    cw.outline = united.translated(-box.topLeft());
    cw.pos = QPointF(std::min(cw.pos.x(), uw.pos.x()), std::min(cw.pos.y(), uw.pos.y()));
    cw.size = box.size();
    cr.group += ur.group;
    uw.visible = false;
    raise(c);
}

void JigsawPlay::snapIntoBoard(int u)
{
    // The unit stays a window of its own, but exactly in its hole and locked there, so that
    // it cannot be picked up and counted a second time.
    const int b = boardPiece();
    const PieceRecord& br = m_table->piece(b);
    const PieceRecord& ur = m_table->piece(u);
    UnitWindow& uw = m_windows[u];
    uw.pos = m_windows[b].pos
        + QPointF(Twips::fromPixels(ur.homeLeft - br.homeLeft), Twips::fromPixels(ur.homeTop - br.homeTop));
    uw.locked = true;
    // Locked figures lie just above the board and below every loose unit, which they would
    // otherwise bury for good (a locked figure ignores presses and so is never moved again).
    m_stack.removeAll(u);
    m_stack.insert(m_stack.indexOf(b) + 1, u);
}
