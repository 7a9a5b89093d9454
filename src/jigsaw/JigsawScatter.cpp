// JigsawScatter.cpp: the scatter of a new jigsaw game.
#include "JigsawScatter.h"

#include "RandomSource.h"

#include <algorithm>

namespace JigsawScatter {

namespace {
constexpr double kTopMargin = 500;
// Room kept below and right of the board piece, so that every hole in it can be reached.
constexpr double kBoardBottomRoom = 1500;
constexpr double kBoardRightRoom = 500;
}

Ranges ranges(QSizeF window, QSizeF picture)
{
    Ranges r;
    r.a = window.width() - picture.width() - 3000;
    if (r.a < 1000)
        r.a = window.width() - 2000;
    r.b = picture.height() + 500;
    r.c = window.width() - 4000;
    r.d = window.height() - picture.height() - 2000;
    return r;
}

QList<QPointF> scatter(int count, QSizeF window, QSizeF picture, bool rotation, int boardPiece,
                       RandomSource& random, const std::function<void(int, int)>& turn)
{
    const Ranges r = ranges(window, picture);
    QList<QPointF> places(count + 1);
    for (int k = 1; k <= count; ++k) {
        if (rotation && k != boardPiece) {
            const int degrees = static_cast<int>(random.next() * 4) * 90;
            if (degrees != 0 && turn)
                turn(k, degrees);
        }
        const double r1 = random.next();
        const double r2 = random.next();
        if (k % 2 == 0)
            places[k] = QPointF(static_cast<int>(r1 * r.a), static_cast<int>(r2 * r.b) + kTopMargin);
        else
            places[k] = QPointF(static_cast<int>(r1 * r.c), static_cast<int>(r2 * r.d) + picture.height() + kTopMargin);
        if (k == boardPiece) {
            // The board cannot be picked up; drawn low or far right it would leave holes past the
            // window's edge where no figure can be dropped, and the game could not be finished.
            QPointF& at = places[k];
            at.setX(std::min(at.x(), std::max(0.0, window.width() - picture.width() - kBoardRightRoom)));
            at.setY(std::min(at.y(), std::max(kTopMargin, window.height() - picture.height() - kBoardBottomRoom)));
        }
    }
    return places;
}

} // namespace JigsawScatter
