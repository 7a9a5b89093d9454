// BackTileFile.cpp: reading tile files defensively and writing them atomically.
#include "BackTileFile.h"

#include "BackTile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>

#include <cstdlib>
#include <optional>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;
// The largest info header (BITMAPV5HEADER); the fields checked here lie in its first 20 bytes.
constexpr int MaxInfoHeaderSize = 124;
// Decoding allocates one image of at most MaxSide x MaxSide; 32 MB is well above that.
constexpr int AllocationLimitMb = 32;

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

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

struct BmpHeader {
    qint64 pixelOffset = 0;
    qint64 width = 0;
    qint64 height = 0; // rows; stored top-down when the file gives a negative height
    bool topDown = false;
    int bits = 0;
    quint32 compression = Rgb;

    qint64 rowBytes() const { return (width * bits + 31) / 32 * 4; }
};

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

bool knownBitCount(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The headers of a BMP, checked before any decoding: signature, header kind, a size within the
// cap and a pixel format the decoder knows. Embedded JPEG or PNG data is foreign to tile files.
std::optional<BmpHeader> readHeader(const QByteArray& head)
{
    if (head.size() < FileHeaderSize + CoreHeaderSize)
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(head.constData());
    if (p[0] != 'B' || p[1] != 'M')
        return std::nullopt;
    const quint32 infoSize = u32(p + FileHeaderSize);
    if (!knownInfoHeaderSize(infoSize))
        return std::nullopt;
    const uchar* info = p + FileHeaderSize;
    BmpHeader header;
    header.pixelOffset = u32(p + 10);
    quint16 planes = 0;
    if (infoSize == CoreHeaderSize) {
        header.width = u16(info + 4);
        header.height = u16(info + 6);
        planes = u16(info + 8);
        header.bits = u16(info + 10);
    } else {
        if (head.size() < FileHeaderSize + 20)
            return std::nullopt;
        header.width = i32(info + 4);
        header.height = i32(info + 8);
        planes = u16(info + 12);
        header.bits = u16(info + 14);
        header.compression = infoSize >= 20 ? u32(info + 16) : quint32(Rgb);
    }
    header.topDown = header.height < 0;
    header.height = std::llabs(header.height);
    const bool sizeOk = header.width > 0 && header.height > 0 && header.width <= BackTileFile::MaxSide
        && header.height <= BackTileFile::MaxSide;
    const bool formatOk = planes == 1 && knownBitCount(header.bits)
        && (header.compression == Rgb || (header.compression == BitFields && header.bits >= 16)
            || (header.compression == Rle8 && header.bits == 8 && !header.topDown)
            || (header.compression == Rle4 && header.bits == 4 && !header.topDown));
    if (!sizeOk || !formatOk || header.pixelOffset < FileHeaderSize + infoSize)
        return std::nullopt;
    return header;
}

} // namespace

QImage decodeBackTile(QIODevice& device)
{
    if (!device.isOpen() || device.isSequential() || device.size() > BackTileFile::MaxFileSize
        || !device.seek(0))
        return {};
    const std::optional<BmpHeader> header = readHeader(device.peek(FileHeaderSize + MaxInfoHeaderSize));
    if (!header)
        return {};
    // The pixel data must start inside the file.
    if (header->pixelOffset >= device.size())
        return {};
    const bool runLength = header->compression == Rle8 || header->compression == Rle4;
    // Uncompressed rows must all be there: a cut file would leave rows undefined.
    if (!runLength && header->pixelOffset + header->rowBytes() * header->height > device.size())
        return {};
    QImageReader reader(&device, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(AllocationLimitMb);
    QImage image;
    if (runLength) {
        // Run-length data may skip pixels or end early; the decoder keeps an image it is handed
        // when size and format match, so the skipped pixels take the first palette colour
        // instead of whatever the memory held.
        image = QImage(int(header->width), int(header->height), QImage::Format_Indexed8);
        if (image.isNull())
            return {};
        image.setColorCount(256);
        image.fill(0);
    }
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

bool paintBackTileFile(QPainter& painter, const QString& path, const QRect& area)
{
    const QImage tile = loadBackTile(path);
    if (tile.isNull())
        return false;
    BackTile::paintTiled(painter, tile, area);
    return true;
}
