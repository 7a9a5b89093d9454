// BackTileFile.h: the background tile files (Windows BMP, no extension) in the data folder.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QIODevice;
class QPainter;
class QRect;

namespace BackTileFile {
// Largest tile accepted from a file, in pixels per side; the dialog's tiles are far smaller.
constexpr int MaxSide = 2048;
// Largest tile file read, in bytes (an uncompressed 32-bit tile of MaxSide x MaxSide fits).
constexpr qint64 MaxFileSize = 4LL * MaxSide * MaxSide + 64 * 1024;
} // namespace BackTileFile

// The tile in path, in QImage::Format_RGB32, or a null image when the file is missing, is not
// a BMP the program can read (any of the usual variants: 1/4/8/16/24/32 bits, top-down rows,
// RLE), is damaged, or declares a size beyond BackTileFile::MaxSide. The header is checked
// before decoding, so no file makes the loader allocate more than one capped tile.
QImage loadBackTile(const QString& path);

// The same for the bytes of a file.
QImage decodeBackTile(const QByteArray& bytes);
QImage decodeBackTile(QIODevice& device);

// Writes tile to path as a 24-bit Windows BMP, whole or not at all (the old file stays when
// writing fails). Returns false for a null tile or a failed write.
bool saveBackTile(const QImage& tile, const QString& path);

// A game window's background: when path holds a readable tile, repeats it over area from the
// top-left corner (BackTile::paintTiled) and returns true; otherwise paints nothing and returns false.
bool paintBackTileFile(QPainter& painter, const QString& path, const QRect& area);
