// TurnUnit.h: turning a unit (one piece or a joined group) by a quarter, half or three-quarter turn.
//
// The unit is named by its surviving piece k, whose group text ("P7P3P12") lists the members. With
// old turn o, new turn n = o + angle (mod 360), PW x PH the picture size for turn o, old home box
// (L, T, w, h) and window size w x h:
//   90:  home left = PH - T - h, home top = L, window h x w, point (x, y) -> (PH - y, x)
//   180: home left = PW - L - w, home top = PH - T - h,       point (x, y) -> (PW - x, PH - y)
//   270: home left = T, home top = PW - L - w, window h x w,  point (x, y) -> (y, PW - x)
// Points are kept in picture pixels of the unit's current turn. Each member's outline is rebuilt from
// its own head over its own turned points (in picture pixels of the new turn, then shifted into the
// window); a member without a head (a piece made from a region) has its region turned pixel for pixel
// instead. The result's outline is the union, in window coordinates.
// Four quarter turns give back the initial box, points and outlines exactly.
#pragma once

#include "PieceTable.h"

#include <QRect>
#include <QRegion>
#include <QSize>

struct TurnResult
{
    bool turned = false; // false: nothing was changed (angle 0 or 360 or not a multiple of 90, k not a piece)
    int turn = 0;        // the unit's new turn in degrees
    QPoint home;         // new home left/top in the picture for the new turn
    QSize windowSize;    // new window size in pixels (swapped for 90 and 270)
    QRegion outline;     // new window outline, window coordinates
    QRect pictureRect;   // the part of the picture for the new turn to paint at (0, 0)
};

// "Turn unit": turns the unit whose surviving piece is k by angle degrees clockwise. windowSize is the
// unit window's current inner size in pixels; workingPicture the turn-0 working picture's size.
// Record k gets the new home box and turn; every member gets the new turn, its turned points and its
// own rebuilt outline (picture pixels of the new turn). Angles are taken modulo 360; members named in
// the group text that are not pieces of the table, and repeated members, are skipped; k itself is
// always a member.
TurnResult turnUnit(PieceTable& table, int angle, int k, QSize windowSize, QSize workingPicture);

// A region in picture pixels of one turn, turned clockwise by angle (90, 180, 270) into picture pixels
// of the new turn; oldPicture is the size of the picture it lies in. Exact, rectangle by rectangle.
QRegion turnRegion(const QRegion& region, int angle, QSize oldPicture);
