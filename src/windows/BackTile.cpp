// BackTile.cpp: tinting a pattern scanline by scanline, and repeating a tile over an area.
#include "BackTile.h"

#include "ColourValue.h"
#include "HsbColour.h"
#include "ToneTable.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace BackTile {

namespace {

QRgb toRgb(int colourValue)
{
    return qRgb(
        ColourValue::red(colourValue), ColourValue::green(colourValue), ColourValue::blue(colourValue));
}

// A pixel's brightness depends only on its largest component, and the tinted colour only on
// that brightness, so both conversions are looked up once per render instead of per pixel.
std::array<QRgb, 256> tintByLargestComponent(int hue)
{
    std::array<QRgb, ToneTableSize> tinted {};
    for (int b = 0; b < ToneTableSize; ++b) {
        const Tone tone = ToneTable()[static_cast<std::size_t>(b)];
        tinted[static_cast<std::size_t>(b)] = toRgb(HsbToRgb(hue, tone.saturation, tone.brightness));
    }
    std::array<QRgb, 256> byComponent {};
    for (int c = 0; c < 256; ++c)
        byComponent[static_cast<std::size_t>(c)]
            = tinted[static_cast<std::size_t>(RgbToHsb(c, 0, 0).brightness)];
    return byComponent;
}

} // namespace

QImage RenderBackTile(const QImage& pattern, int swatchColour, bool backPicture)
{
    if (!backPicture) {
        QImage plain(pattern.isNull() ? FallbackTileSize : pattern.size(), QImage::Format_RGB32);
        plain.fill(toRgb(swatchColour));
        return plain;
    }
    if (pattern.isNull())
        return {};
    const QImage source = pattern.convertToFormat(QImage::Format_RGB32);
    const std::array<QRgb, 256> tint = tintByLargestComponent(RgbToHsb(swatchColour).hue);
    QImage tile(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int largest = std::max({ qRed(in[x]), qGreen(in[x]), qBlue(in[x]) });
            out[x] = tint[static_cast<std::size_t>(largest)];
        }
    }
    return tile;
}

bool isPatterned(const QImage& tile)
{
    if (tile.isNull())
        return false;
    const QImage rgb = tile.convertToFormat(QImage::Format_RGB32);
    const QRgb first = rgb.pixel(0, 0);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (line[x] != first)
                return true;
        }
    }
    return false;
}

int copiesToCover(int length, int tileLength)
{
    if (tileLength <= 0 || length < 0)
        return 0;
    return length / tileLength + 1;
}

void paintTiled(QPainter& painter, const QImage& tile, const QRect& area)
{
    const int columns = copiesToCover(area.width(), tile.width());
    const int rows = copiesToCover(area.height(), tile.height());
    if (columns == 0 || rows == 0)
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            painter.drawImage(area.left() + c * tile.width(), area.top() + r * tile.height(), tile);
    painter.restore();
}

QImage renderPreview(QSize size, int swatchColour, const QImage& tile)
{
    QImage preview(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    if (preview.isNull())
        return preview;
    preview.fill(toRgb(swatchColour));
    QPainter painter(&preview);
    paintTiled(painter, tile, preview.rect());
    return preview;
}

} // namespace BackTile
