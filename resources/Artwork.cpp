// Artwork.cpp: lazy, cached access to the artwork that tools/artgen painted into the resources.
#include "Artwork.h"

#include <QCoreApplication>
#include <QHash>
#include <QResource>
#include <QString>
#include <QtEndian>

#include <cstring>
#include <mutex>

// The resource lives in this static library; registering it here also makes the linker keep it.
static void registerArtwork()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(artwork);
        Q_INIT_RESOURCE(artwork_raw);
        return true;
    }();
    (void)done;
}

namespace Artwork {

namespace {
constexpr int PictureCount = 10;
constexpr int FaceCount = 6;
constexpr int FirstFrameId = 101;
constexpr int LastFrameId = 108;

// An uncompressed resource picture (as tools/artgen writes it: "QRAW", width, height and QImage
// format, then the pixels, all 32-bit little-endian), used in place where it is aligned and in this
// machine's byte order; a null image when there is none or it does not add up.
QImage rawPicture(const QString& name)
{
    const QResource resource(QStringLiteral(":/artwork/%1.raw").arg(name));
    constexpr qint64 HeaderSize = 16;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() < HeaderSize || std::memcmp(resource.data(), "QRAW", 4) != 0)
        return {};
    const uchar* data = resource.data();
    const quint32 width = qFromLittleEndian<quint32>(data + 4);
    const quint32 height = qFromLittleEndian<quint32>(data + 8);
    const auto format = QImage::Format(qFromLittleEndian<quint32>(data + 12));
    constexpr quint32 MaxSide = 8192;
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32) || width == 0 || height == 0
        || width > MaxSide || height > MaxSide || resource.size() != HeaderSize + qint64(width) * height * 4)
        return {};
    const uchar* pixels = data + HeaderSize;
    const qsizetype rowBytes = qsizetype(width) * 4;
    constexpr bool Little = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    if (Little && quintptr(pixels) % alignof(quint32) == 0)
        return QImage(pixels, int(width), int(height), rowBytes, format);
    // Resources are packed without alignment: then a copy (a memcpy in this byte order).
    QImage copy(int(width), int(height), format);
    if (copy.isNull())
        return {};
    for (quint32 y = 0; y < height; ++y) {
        const uchar* from = pixels + qsizetype(y) * rowBytes;
        if constexpr (Little) {
            std::memcpy(copy.scanLine(int(y)), from, size_t(rowBytes));
        } else {
            auto* row = reinterpret_cast<quint32*>(copy.scanLine(int(y)));
            for (quint32 x = 0; x < width; ++x)
                row[x] = qFromLittleEndian<quint32>(from + qsizetype(x) * 4);
        }
    }
    return copy;
}

// Decodes a resource picture once; later calls share the decoded image.
QImage cached(const QString& name)
{
    static std::mutex lock;
    static QHash<QString, QImage> images;
    const std::lock_guard<std::mutex> guard(lock);
    registerArtwork();
    auto it = images.constFind(name);
    if (it != images.constEnd())
        return it.value();
    QImage image = rawPicture(name);
    if (image.isNull())
        image = QImage(QStringLiteral(":/artwork/%1.png").arg(name));
    images.insert(name, image);
    return image;
}
}

int builtInPictureCount() { return PictureCount; }

QImage builtInPicture(int index)
{
    if (index < 0 || index >= PictureCount)
        return {};
    return cached(QStringLiteral("picture%1").arg(index));
}

QImage buttonFace(int index)
{
    if (index < 0 || index >= FaceCount)
        return {};
    return cached(QStringLiteral("face%1").arg(index));
}

QImage loginBackground() { return cached(QStringLiteral("login")); }

QImage frameBitmap(int id)
{
    if (id < FirstFrameId || id > LastFrameId)
        return {};
    return cached(QStringLiteral("frame%1").arg(id));
}

QImage tileCursor() { return cached(QStringLiteral("tilecursor")); }
QImage holdingPointer() { return cached(QStringLiteral("holding")); }
QImage normalPointer() { return cached(QStringLiteral("normal")); }
QImage boardPlate() { return cached(QStringLiteral("plate")); }

QIcon programIcon()
{
    // QIcon decodes every file as it is added: made once, and dropped with the application (its
    // pixmaps must not outlive it).
    static QIcon icon;
    if (icon.isNull()) {
        registerArtwork();
        for (int size : { 16, 32, 48, 256 })
            icon.addFile(QStringLiteral(":/artwork/icon%1.png").arg(size), QSize(size, size));
        qAddPostRoutine([] { icon = QIcon(); });
    }
    return icon;
}

} // namespace Artwork
