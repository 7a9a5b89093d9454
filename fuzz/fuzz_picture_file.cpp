// fuzz_picture_file.cpp: libFuzzer target for the player's picture files, through the same
// reader and checks the games use.
#include "PictureFile.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QSize bound(640, 480);
    const PictureFile::Loaded loaded = PictureFile::decode(&buffer, QStringLiteral("fuzz.img"), bound);
    if (loaded.ok()) {
        // A picture that comes back is never empty and never beyond what the game asked for.
        const QImage& image = loaded.image;
        if (image.isNull() || image.width() > bound.width() || image.height() > bound.height())
            std::abort();
        volatile QRgb corner = image.pixel(image.width() - 1, image.height() - 1);
        (void)corner;
    } else if (!loaded.image.isNull() || !loaded.error.contains(QStringLiteral("fuzz.img"))) {
        std::abort(); // a refusal names the file and leaves no picture
    }
    return 0;
}
