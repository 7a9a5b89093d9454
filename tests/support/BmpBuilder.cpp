// BmpBuilder.cpp: writing BMP headers, palettes and pixel data byte by byte.
#include "BmpBuilder.h"

#include "LittleEndian.h"

namespace BmpBuilder {

using TestSupport::put;

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
        put<quint32>(info, 12);
        put<quint16>(info, quint16(recipe.width));
        put<quint16>(info, quint16(recipe.height));
        put<quint16>(info, 1);
        put<quint16>(info, quint16(recipe.bits));
    } else {
        put<quint32>(info, 40);
        put<quint32>(info, quint32(recipe.width));
        put<quint32>(info, quint32(recipe.height));
        put<quint16>(info, 1);
        put<quint16>(info, quint16(recipe.bits));
        put<quint32>(info, quint32(recipe.compression));
        put<quint32>(info, quint32(recipe.pixels.size()));
        put<quint32>(info, 2835);
        put<quint32>(info, 2835);
        put<quint32>(info, quint32(recipe.palette.size()));
        put<quint32>(info, 0);
        for (quint32 mask : recipe.masks)
            put<quint32>(info, mask);
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
    put<quint32>(file, offset + quint32(recipe.pixels.size()));
    put<quint32>(file, 0);
    put<quint32>(file, offset);
    return file + info + recipe.pixels;
}

} // namespace BmpBuilder
