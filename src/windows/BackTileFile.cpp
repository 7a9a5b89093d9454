// BackTileFile.cpp: reading tile files defensively and writing them atomically.
#include "BackTileFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>

#include <cstdlib>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;
// The largest info header (BITMAPV5HEADER); the fields checked here lie in its first 20 bytes.
constexpr int MaxInfoHeaderSize = 124;
// Decoding may allocate the image and one scanline's worth of work; 32 MB is far above any
// accepted tile and far below trouble.
constexpr int AllocationLimitMb = 32;

quint16 u16(const uchar* p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 u32(const uchar* p)
{
    return qFromLittleEndian<quint32>(p);
}
qint32 i32(const uchar* p)
{
    return qFromLittleEndian<qint32>(p);
}

bool knownInfoHeaderSize(quint32 size)
{
    // core (OS/2 1.x), OS/2 2.x short and long, Windows 3, V2, V3, V4, V5
    switch (size) {
    case 12:
    case 16:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
        return true;
    default:
        return false;
    }
}

bool knownBitCount(quint16 bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Uncompressed, RLE8, RLE4 or bit fields; embedded JPEG or PNG data is foreign to tile files.
bool knownCompression(quint32 compression)
{
    return compression <= 3;
}

// Checks the headers of a BMP before any decoding: signature, header kind, a sane size and
// pixel format.
bool plausibleHeader(const QByteArray& head)
{
    if (head.size() < FileHeaderSize + CoreHeaderSize)
        return false;
    const auto* p = reinterpret_cast<const uchar*>(head.constData());
    if (p[0] != 'B' || p[1] != 'M')
        return false;
    const quint32 infoSize = u32(p + FileHeaderSize);
    if (!knownInfoHeaderSize(infoSize))
        return false;
    const uchar* info = p + FileHeaderSize;
    qint64 width = 0;
    qint64 height = 0;
    quint16 planes = 0;
    quint16 bits = 0;
    quint32 compression = 0;
    if (infoSize == CoreHeaderSize) {
        width = u16(info + 4);
        height = u16(info + 6);
        planes = u16(info + 8);
        bits = u16(info + 10);
    } else {
        if (head.size() < FileHeaderSize + 16)
            return false;
        width = i32(info + 4);
        height = i32(info + 8);
        planes = u16(info + 12);
        bits = u16(info + 14);
        if (infoSize >= 20) {
            if (head.size() < FileHeaderSize + 20)
                return false;
            compression = u32(info + 16);
        }
    }
    height = std::llabs(height); // negative: rows stored top-down
    return width > 0 && height > 0 && width <= BackTileFile::MaxSide && height <= BackTileFile::MaxSide
        && planes == 1 && knownBitCount(bits) && knownCompression(compression);
}

} // namespace

QImage decodeBackTile(QIODevice& device)
{
    if (!device.isOpen() || device.isSequential() || device.size() > BackTileFile::MaxFileSize)
        return {};
    if (!device.seek(0))
        return {};
    const QByteArray head = device.peek(FileHeaderSize + MaxInfoHeaderSize);
    if (!plausibleHeader(head))
        return {};
    QImageReader reader(&device, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(AllocationLimitMb);
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > BackTileFile::MaxSide
        || declared.height() > BackTileFile::MaxSide)
        return {};
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage decodeBackTile(const QByteArray& bytes)
{
    QByteArray data = bytes; // QBuffer wants a non-const array; the copy is shared, not duplicated
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    return decodeBackTile(buffer);
}

QImage loadBackTile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeBackTile(file);
}

bool saveBackTile(const QImage& tile, const QString& path)
{
    if (tile.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // RGB32 is written as a plain 24-bit bitmap, which every program reads.
    if (!tile.convertToFormat(QImage::Format_RGB32).save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
