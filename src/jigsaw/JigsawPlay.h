// JigsawPlay.h: the rules of playing a jigsaw level: dragging units, the drop clamp, the join
// test with its neighbour bookkeeping and merged outlines (the game flow around it is JigsawGame).
//
// The model keeps every unit window's place (twips), size and outline (pixels); the jigsaw
// window mirrors it with one masked child widget per piece. Piece k's window shows the unit
// whose surviving piece is k; absorbed pieces' windows are hidden.
#pragma once

#include "PieceTable.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QSizeF>
#include <QString>

struct UnitWindow
{
    QPointF pos;     // left, top in twips
    QSize size;      // pixels: the unit's bounding box
    QRegion outline; // window pixel coordinates (origin at the box's top left)
    bool visible = false;
    // A unit snapped into its hole in the shape board cannot be picked up again.
    bool locked = false;
};

struct JoinResult
{
    bool joined = false;
    int survivor = 0; // C: the unit that stays
    int absorbed = 0; // U: the released unit (hidden unless it joined the board)
    bool intoBoard = false;
    bool completed = false;
};

class JigsawPlay
{
public:
    // Layout constants, in twips.
    static constexpr double PressShadowDx = 30;
    static constexpr double PressShadowDy = 50;
    static constexpr double ShadowOffset = 50;
    static constexpr double KeepVisibleLeft = 200;
    static constexpr double KeepVisibleTop = 500;
    static constexpr double KeepVisibleRight = 200;
    static constexpr double KeepVisibleBottom = 1000;
    // Largest drop error, in pixels, that still joins.
    static constexpr double JoinTolerance = 10;

    enum ShapeFamily { Catalogue = 0, ShapeBoard = 1 };

    // A new game over a built piece table: windows sized to their pieces' boxes, hidden, at
    // (0, 0); join counter 1; no flags set.
    void startGame(PieceTable* table, int shapeFamily, bool rotation);

    PieceTable& table() { return *m_table; }
    const PieceTable& table() const { return *m_table; }
    int pieceCount() const { return m_table ? m_table->count() : 0; }
    int shapeFamily() const { return m_shapeFamily; }
    bool rotation() const { return m_rotation; }
    int boardPiece() const { return m_shapeFamily == ShapeBoard ? pieceCount() : 0; }

    UnitWindow& window(int k) { return m_windows[k]; }
    const UnitWindow& window(int k) const { return m_windows[k]; }
    // The shadow window behind the piece handled last.
    const UnitWindow& shadow() const { return m_shadow; }
    void hideShadow() { m_shadow.visible = false; }
    // After a turn: the unit's new size and outline (the window keeps its left and top).
    void setUnitShape(int k, QSize size, const QRegion& outline);

    // Moves unit k's window; the board carries the figures locked into it.
    void moveUnit(int k, QPointF pos);

    // A saved game: the stacking (a permutation of 1..pieceCount) and the join counter, after
    // the caller set every window. Nothing is dragged; the shadow is hidden.
    void restoreOrder(const QList<int>& stacking, int joinCounter);

    // Flags.
    bool paused = false;
    bool timeEnded = false;
    bool ended = false;
    bool dragging() const { return m_dragging; }
    int draggedUnit() const { return m_dragging ? m_dragged : 0; }
    int joinCounter() const { return m_joinCounter; }

    // Stacking of the piece windows, bottom first: in the shape-board family the board lies
    // lowest, the figures locked into it just above it, every loose unit above those; a pressed,
    // merged or gathered unit goes to the top.
    const QList<int>& stacking() const { return m_stack; }

    // Whether piece window k takes mouse input at all (index, shown, pause, time end, board, lock).
    bool acceptsInput(int k) const;
    // How far, in pixels, a right click may miss a unit's outline and still turn it.
    static constexpr int TurnReach = 3;
    // The unit a right click beside the pieces at point (client pixels) reaches: the topmost unit
    // taking input whose outline, grown by reach pixels on every side, holds the point; 0 for none.
    int unitNear(QPoint point, int reach = TurnReach) const;
    // Left press at mouse (twips inside the window): grab, shadow behind the piece.
    bool press(int k, QPointF mouse);
    // Mouse move while dragging: the window follows; false when not dragging.
    bool drag(int k, QPointF mouse);
    // Left release: last move, clamp inside the client area (twips), shadow left on the piece,
    // then the join test. dropped is false when the release was not part of a drag.
    struct Drop
    {
        bool dropped = false;
        JoinResult join;
    };
    Drop release(int k, QPointF mouse, QSizeF client);
    // Ends a drag where the unit now is, exactly as a release there would (for commands that
    // pause the game or open a modal window); nothing when no drag is under way.
    Drop endDrag(QSizeF client);
    // Right click with rotation on: unit k turns a quarter clockwise over the turn-0 working
    // picture of workingPicture pixels, then is clamped as a drop is. False when nothing turned.
    bool turn(int k, QSize workingPicture, QSizeF client);

    // The drop clamp of the unit's box, in its order.
    static QPointF clampDrop(QPointF pos, QSizeF piece, QSizeF client);
    // The whole drop clamp of unit k at pos: the box clamp, then enough of the outline (not just
    // of the box) stays inside the client area to be grabbed.
    QPointF clampUnit(int k, QPointF pos, QSizeF client) const;
    // After the client area changed: every shown unit that is not locked (the board included)
    // clamped as a drop would be. Returns the units whose window moved (locked figures that
    // follow the board included).
    QList<int> clampAll(QSizeF client);
    // "Gather pieces": every loose unit not wholly visible (outside the client area, under one of
    // the companion windows' rectangles, client pixels, or under a larger loose unit) is moved
    // onto free space of the play area and raised, turns and joins kept, no join counted.
    // Returns the units moved, in the order they were placed.
    QList<int> gather(QSizeF client, const QList<QRect>& companions);
    // Top of the play area (below the clock), twips.
    static constexpr double PlayAreaTop = 600;
    // The join test for the released unit u.
    JoinResult tryJoin(int u);

private:
    bool accepts(int c, int u) const;
    Drop drop(int k, QPointF pos, QSizeF client);
    void raise(int k);
    bool isLoose(int k) const;
    QRegion clientRegion(int k) const;
    void merge(int c, int u);
    void snapIntoBoard(int u);
    void placeShadow(int k, double dx, double dy);
    QSizeF sizeTwips(int k) const;

    PieceTable* m_table = nullptr;
    QList<UnitWindow> m_windows;
    UnitWindow m_shadow;
    int m_shapeFamily = Catalogue;
    bool m_rotation = false;
    bool m_dragging = false;
    int m_dragged = 0;
    QPointF m_grab;
    QList<int> m_stack;
    int m_joinCounter = 1;
};
