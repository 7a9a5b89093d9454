// fuzz_tile_loader.cpp: libFuzzer target for reading background tile files.
#include "BackTileFile.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage tile = decodeBackTile(bytes);
    if (!tile.isNull()) {
        // A tile that comes back is always bounded and ready to paint.
        if (tile.width() > BackTileFile::MaxSide || tile.height() > BackTileFile::MaxSide
            || tile.format() != QImage::Format_RGB32)
            std::abort();
        volatile QRgb corner = tile.pixel(tile.width() - 1, tile.height() - 1);
        (void)corner;
    }
    return 0;
}
