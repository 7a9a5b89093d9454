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

private:
    QList<QImage> m_override;
    bool m_overridden = false;
};
