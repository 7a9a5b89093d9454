// PictureFileBench.cpp: refusing a picture that claims absurd dimensions, before any decoding.
#include "BenchHarness.h"
#include "BenchPictures.h"
#include "PeakMemory.h"
#include "PictureFile.h"

QUARRY_BENCH(PictureFile_refuse_png30000x30000, "< 50 ms: a PNG claiming 30000 x 30000 refused, unread")
{
    static const QString huge = BenchPictures::png30000x30000();
    const PictureFile::Loaded loaded = PictureFile::load(huge, QSize(667, 500));
    if (loaded.ok())
        qFatal("quarry-bench: the 30000 x 30000 PNG was not refused");
    Bench::keep(loaded);
}

QUARRY_BENCH_MEMORY(PictureFile_refuse_png30000x30000_memory, "< 10 MiB: peak resident growth while it is refused")
{
    static const QString huge = BenchPictures::png30000x30000();
    const Bench::PeakMemory peak;
    const PictureFile::Loaded loaded = PictureFile::load(huge, QSize(667, 500));
    if (loaded.ok())
        qFatal("quarry-bench: the 30000 x 30000 PNG was not refused");
    return peak.grownBytes();
}
