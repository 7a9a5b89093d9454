// JigsawScatter.cpp: the scatter of a new jigsaw game.
#include "JigsawScatter.h"

#include "RandomSource.h"

namespace JigsawScatter {

namespace {
constexpr double kTopMargin = 500;
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
    }
    return places;
}

} // namespace JigsawScatter
