// BuiltInPictures.h: the ten pictures compiled into the program (`Image3`), which the start
// window owns and the game windows draw their pictures from.
#pragma once

#include <QImage>
#include <QList>

class BuiltInPictures
{
public:
    // The program's own pictures, decoded on first use.
    BuiltInPictures() = default;
    // A fixed set, for tests and benchmarks.
    explicit BuiltInPictures(QList<QImage> pictures);

    int count() const;
    // Picture index 0 .. count() - 1; a null image for any other index.
    QImage picture(int index) const;
    // A copy of picture index that fits ThumbnailSize, made on first use and kept for every later
    // dialog (a null image for any other index).
    static constexpr QSize ThumbnailSize { 96, 72 };
    QImage thumbnail(int index) const;

private:
    QList<QImage> m_override;
    bool m_overridden = false;
    mutable QList<QImage> m_thumbnails;
};
