// Artwork.cpp: lazy, cached access to the artwork that tools/artgen painted into the resources.
#include "Artwork.h"

#include <QHash>
#include <QString>

#include <mutex>

// The resource lives in this static library; registering it here also makes the linker keep it.
static void registerArtwork()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(artwork);
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
    const QImage image(QStringLiteral(":/artwork/%1.png").arg(name));
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
    // QIcon reads each size only when it is asked to paint it.
    registerArtwork();
    QIcon icon;
    for (int size : { 16, 32, 48, 256 })
        icon.addFile(QStringLiteral(":/artwork/icon%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace Artwork
