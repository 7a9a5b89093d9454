// PictureFrame.h: the wooden frame drawn just outside a game picture from the eight frame
// bitmaps (ids 101..108), edges stretched along their sides, corners over the edge ends.
#pragma once

#include <QRect>

class QPainter;

namespace PictureFrame {

// Draws the frame around picture (device pixels), in the order top, right, bottom and left
// edge, then the top-left, top-right, bottom-right and bottom-left corner.
void paint(QPainter& painter, const QRect& picture);

// The rectangle the frame covers around picture, for repainting only what it touches.
QRect bounds(const QRect& picture);

} // namespace PictureFrame
