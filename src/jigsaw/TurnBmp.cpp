// TurnBmp.cpp: quarter turn on raw pixel bytes.
#include "TurnBmp.h"

#include <cstring>

namespace {

template <int BytesPerPixel>
void turnRows(const QImage& source, uchar* bits, qsizetype bytesPerLine)
{
    const int width = source.width();
    const int height = source.height();
    for (int y = 0; y < height; ++y) {
        const uchar* from = source.constScanLine(y);
        uchar* to = bits + qsizetype(height - 1 - y) * BytesPerPixel;
        for (int x = 0; x < width; ++x)
            std::memcpy(to + qsizetype(x) * bytesPerLine, from + qsizetype(x) * BytesPerPixel, BytesPerPixel);
    }
}

void turnRowsAnySize(const QImage& source, uchar* bits, qsizetype bytesPerLine, int bytesPerPixel)
{
    const int width = source.width();
    const int height = source.height();
    for (int y = 0; y < height; ++y) {
        const uchar* from = source.constScanLine(y);
        uchar* to = bits + qsizetype(height - 1 - y) * bytesPerPixel;
        for (int x = 0; x < width; ++x)
            std::memcpy(to + qsizetype(x) * bytesPerLine, from + qsizetype(x) * bytesPerPixel, bytesPerPixel);
    }
}

} // namespace

void TurnBmp(const QImage& source, QImage& destination)
{
    if (source.isNull()) {
        destination = QImage();
        return;
    }
    QImage bytewise = source;
    if (source.depth() % 8 != 0)
        bytewise = source.convertToFormat(source.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);

    // Always a fresh image: the destination may share its pixels with the source.
    QImage turned(bytewise.height(), bytewise.width(), bytewise.format());
    if (turned.isNull()) {
        destination = QImage();
        return;
    }
    turned.setColorTable(bytewise.colorTable());
    turned.setDotsPerMeterX(bytewise.dotsPerMeterY());
    turned.setDotsPerMeterY(bytewise.dotsPerMeterX());
    turned.setDevicePixelRatio(bytewise.devicePixelRatio());

    uchar* bits = turned.bits();
    const qsizetype bytesPerLine = turned.bytesPerLine();
    switch (bytewise.depth() / 8) {
    case 1:
        turnRows<1>(bytewise, bits, bytesPerLine);
        break;
    case 2:
        turnRows<2>(bytewise, bits, bytesPerLine);
        break;
    case 3:
        turnRows<3>(bytewise, bits, bytesPerLine);
        break;
    case 4:
        turnRows<4>(bytewise, bits, bytesPerLine);
        break;
    default:
        turnRowsAnySize(bytewise, bits, bytesPerLine, bytewise.depth() / 8);
        break;
    }
    destination = turned;
}
