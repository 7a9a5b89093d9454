// BackTile.h: the background tile of a window (a pattern tinted with the back colour) and its tiling.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace BackTile {

// Size of a plain tile when there is no pattern to take the size from.
constexpr QSize FallbackTileSize { 32, 32 };

// The back tile, in QImage::Format_RGB32.
// backPicture true: the pattern's size; pixel (x, y) has the hue of the swatch colour and the
// tone (ToneTable entry) of the brightness of the pattern's pixel (x, y). A null pattern gives
// a null tile.
// backPicture false: a plain tile of the swatch colour with the pattern's size (FallbackTileSize
// when the pattern is null), so that the tile file always holds a picture.
QImage RenderBackTile(const QImage& pattern, int swatchColour, bool backPicture);

// True when tile holds more than one colour: rendered with "Back Picture" from a pattern, not a
// plain tile of the swatch colour (a null tile is neither).
bool isPatterned(const QImage& tile);

// Copies needed across a length: whole part of (length / tile length) plus one; 0 for an empty tile.
int copiesToCover(int length, int tileLength);

// Repeats tile over area from its top-left corner, row by row and column by column, in plain
// copy mode, clipped to area. A null tile paints nothing.
void paintTiled(QPainter& painter, const QImage& tile, const QRect& area);

// The dialog's preview: an image of size filled with the swatch colour and tiled with tile.
QImage renderPreview(QSize size, int swatchColour, const QImage& tile);

} // namespace BackTile
