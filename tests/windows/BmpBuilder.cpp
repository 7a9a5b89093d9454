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

QByteArray make(const Spec& spec)
{
    QByteArray info;
    if (spec.coreHeader) {
        put32(info, 12);
        put16(info, quint16(spec.width));
        put16(info, quint16(spec.height));
        put16(info, 1);
        put16(info, quint16(spec.bits));
    } else {
        put32(info, 40);
        put32(info, quint32(spec.width));
        put32(info, quint32(spec.height));
        put16(info, 1);
        put16(info, quint16(spec.bits));
        put32(info, quint32(spec.compression));
        put32(info, quint32(spec.pixels.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, quint32(spec.palette.size()));
        put32(info, 0);
        for (quint32 mask : spec.masks)
            put32(info, mask);
    }
    for (QRgb c : spec.palette) {
        info.append(char(qBlue(c)));
        info.append(char(qGreen(c)));
        info.append(char(qRed(c)));
        if (!spec.coreHeader)
            info.append('\0');
    }
    QByteArray file("BM");
    const quint32 offset = 14 + quint32(info.size());
    put32(file, offset + quint32(spec.pixels.size()));
    put32(file, 0);
    put32(file, offset);
    return file + info + spec.pixels;
}

} // namespace BmpBuilder
