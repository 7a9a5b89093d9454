// BmpBuilder.cpp: writing BMP headers, palettes and pixel data byte by byte.
#include "BmpBuilder.h"

#include <QtEndian>

namespace BmpBuilder {

namespace {
void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
} // namespace

QByteArray padRow(QByteArray row)
{
    while (row.size() % 4 != 0)
        row.append('\0');
    return row;
}

QByteArray make(const Recipe& recipe)
{
    QByteArray info;
    if (recipe.coreHeader) {
        put32(info, 12);
        put16(info, quint16(recipe.width));
        put16(info, quint16(recipe.height));
        put16(info, 1);
        put16(info, quint16(recipe.bits));
    } else {
        put32(info, 40);
        put32(info, quint32(recipe.width));
        put32(info, quint32(recipe.height));
        put16(info, 1);
        put16(info, quint16(recipe.bits));
        put32(info, quint32(recipe.compression));
        put32(info, quint32(recipe.pixels.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, quint32(recipe.palette.size()));
        put32(info, 0);
        for (quint32 mask : recipe.masks)
            put32(info, mask);
    }
    for (QRgb c : recipe.palette) {
        info.append(char(qBlue(c)));
        info.append(char(qGreen(c)));
        info.append(char(qRed(c)));
        if (!recipe.coreHeader)
            info.append('\0');
    }
    QByteArray file("BM");
    const quint32 offset = 14 + quint32(info.size());
    put32(file, offset + quint32(recipe.pixels.size()));
    put32(file, 0);
    put32(file, offset);
    return file + info + recipe.pixels;
}

} // namespace BmpBuilder
