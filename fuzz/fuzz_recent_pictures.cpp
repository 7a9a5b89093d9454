// fuzz_recent_pictures.cpp: libFuzzer target for the recent-pictures list file.
#include "RecentPictures.h"

#include <QDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList paths = RecentPictures::parse(bytes);
    // Whatever the file held, the list is short, absolute, without repeats, and survives a rewrite.
    if (paths.size() > RecentPictures::MaxCount)
        std::abort();
    QStringList unique = paths;
    unique.removeDuplicates();
    if (unique.size() != paths.size())
        std::abort();
    for (const QString& path : paths)
        if (path.isEmpty() || !QDir::isAbsolutePath(path))
            std::abort();
    if (RecentPictures::parse(RecentPictures::format(paths)) != paths)
        std::abort();
    return 0;
}
