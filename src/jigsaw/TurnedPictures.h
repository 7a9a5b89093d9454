// TurnedPictures.h: the working picture and its copies turned by 90, 180 and 270 degrees.
//
// The turned copies are made once per picture and game (only when rotation is on) and kept in memory;
// a turn then only repaints a piece from a ready-made picture.
#pragma once

#include <QImage>
#include <QSize>

#include <array>
#include <functional>

class TurnedPictures
{
public:
    TurnedPictures() = default;
    explicit TurnedPictures(const QImage& working);

    // A new turn-0 picture; the turned copies count as not made until make() runs again (their
    // buffers are kept for reuse).
    void reset(const QImage& working);

    // "Make turned pictures": 90, 180 and 270 degrees, each turned from the previous one with TurnBmp.
    // progress, if given, is called with 1, 2 and 3 as each picture is finished.
    void make(const std::function<void(int finished)>& progress = {});

    bool hasTurned() const { return m_made; }

    // The picture for a turn of 0, 90, 180 or 270 degrees (any multiple of 90, taken modulo 360).
    // Null for other angles and for turned pictures not made yet.
    const QImage& picture(int turn) const;

    // Pixel size of the picture for a turn, given the turn-0 size (width and height swap at 90 and 270).
    static QSize sizeForTurn(QSize working, int turn);

    // Quarter-turn index 0..3 of an angle, or -1 when it is not a multiple of 90.
    static int quarterIndex(int turn);

private:
    std::array<QImage, 4> m_pictures;
    bool m_made = false;
};
