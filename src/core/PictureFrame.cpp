// PictureFrame.cpp: placing the frame bitmaps around a picture.
#include "PictureFrame.h"

#include "Artwork.h"

#include <QPainter>

namespace PictureFrame {

namespace {
enum Id { TopLeft = 101, Top = 102, TopRight = 103, Right = 104, BottomRight = 105, Bottom = 106,
          BottomLeft = 107, Left = 108 };

int width(int id) { return Artwork::frameBitmap(id).width(); }
int height(int id) { return Artwork::frameBitmap(id).height(); }

QRect place(int id, const QRect& p)
{
    // QRect::right() and bottom() are inclusive; the frame starts on the next pixel.
    const int r = p.left() + p.width();
    const int b = p.top() + p.height();
    switch (id) {
    case Top: return {p.left(), p.top() - height(Top), p.width(), height(Top)};
    case Right: return {r, p.top(), width(Right), p.height()};
    case Bottom: return {p.left(), b, p.width(), height(Bottom)};
    case Left: return {p.left() - width(Left), p.top(), width(Left), p.height()};
    case TopLeft: return {p.left() - width(TopLeft), p.top() - height(TopLeft), width(TopLeft), height(TopLeft)};
    case TopRight: return {r, p.top() - height(TopRight), width(TopRight), height(TopRight)};
    case BottomRight: return {r, b, width(BottomRight), height(BottomRight)};
    case BottomLeft: return {p.left() - width(BottomLeft), b, width(BottomLeft), height(BottomLeft)};
    default: return {};
    }
}

constexpr int kOrder[] = {Top, Right, Bottom, Left, TopLeft, TopRight, BottomRight, BottomLeft};
} // namespace

void paint(QPainter& painter, const QRect& picture)
{
    if (picture.isEmpty())
        return;
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (int id : kOrder) {
        const QImage bitmap = Artwork::frameBitmap(id);
        if (!bitmap.isNull())
            painter.drawImage(place(id, picture), bitmap);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

QRect bounds(const QRect& picture)
{
    QRect all = picture;
    for (int id : kOrder)
        all = all.united(place(id, picture));
    return all;
}

} // namespace PictureFrame
