// TurnBmp.cpp: quarter turn on raw pixel bytes.
#include "TurnBmp.h"

#include <algorithm>
#include <cstring>

namespace {

// Source rows are taken in bands: within a band, one source column becomes a contiguous run of one
// destination row, so both images are walked in cache-friendly order.
constexpr int bandRows = 32;

template <int BytesPerPixel>
void turnRows(const QImage& source, uchar* bits, qsizetype bytesPerLine, int bytesPerPixel = BytesPerPixel)
{
    const int width = source.width();
    const int height = source.height();
    const uchar* sourceBits = source.constBits();
    const qsizetype sourceBytesPerLine = source.bytesPerLine();
    for (int band = 0; band < height; band += bandRows) {
        const int bandEnd = std::min(height, band + bandRows);
        for (int x = 0; x < width; ++x) {
            uchar* to = bits + qsizetype(x) * bytesPerLine;
            const uchar* from = sourceBits + qsizetype(x) * bytesPerPixel;
            for (int y = band; y < bandEnd; ++y) {
                uchar* pixel = to + qsizetype(height - 1 - y) * bytesPerPixel;
                const uchar* source = from + qsizetype(y) * sourceBytesPerLine;
                if constexpr (BytesPerPixel > 0)
                    std::memcpy(pixel, source, BytesPerPixel);
                else
                    std::memcpy(pixel, source, size_t(bytesPerPixel));
            }
        }
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

    // The destination's buffer is reused when it fits (fresh pages cost more than the turn itself),
    // unless it is the source's own buffer.
    QImage turned;
    const QSize turnedSize(bytewise.height(), bytewise.width());
    if (destination.size() == turnedSize && destination.format() == bytewise.format()
        && destination.constBits() != bytewise.constBits())
        turned = std::move(destination);
    else
        turned = QImage(turnedSize, bytewise.format());
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
        turnRows<0>(bytewise, bits, bytesPerLine, bytewise.depth() / 8);
        break;
    }
    destination = std::move(turned);
}
