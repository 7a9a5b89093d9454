// BmpBuilder.h: hand-assembled Windows BMP files of every common variant, for the tile-file tests.
#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

namespace BmpBuilder {

enum Compression { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct Recipe {
    Recipe(int w, int h, int bitCount, int kind = Rgb)
        : width(w)
        , height(h)
        , bits(bitCount)
        , compression(kind)
    {
    }

    int width = 0;
    int height = 0; // negative: rows stored top-down
    int bits = 24;
    int compression = Rgb;
    bool coreHeader = false; // the 12-byte OS/2 header instead of the 40-byte Windows one
    QList<QRgb> palette;
    QList<quint32> masks; // red, green, blue masks for BitFields
    QByteArray pixels; // pixel data exactly as stored in the file
};

QByteArray make(const Recipe& recipe);

// Bytes of a row padded to a multiple of four.
QByteArray padRow(QByteArray row);

} // namespace BmpBuilder
