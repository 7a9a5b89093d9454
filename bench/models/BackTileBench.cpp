// BackTileBench.cpp: rendering the back tile from the largest of the back-colour patterns.
#include "BackColourArt.h"
#include "BackTile.h"
#include "BenchHarness.h"

namespace {

const QImage& largestPattern()
{
    int largest = 0;
    for (int i = 1; i < BackColourArt::PatternCount; ++i) {
        const QSize size = BackColourArt::pattern(i).size();
        const QSize best = BackColourArt::pattern(largest).size();
        if (qint64(size.width()) * size.height() > qint64(best.width()) * best.height())
            largest = i;
    }
    return BackColourArt::pattern(largest);
}

} // namespace

QUARRY_BENCH(RenderBackTile_largestPattern, "< 5 ms: the colour dialog re-renders on every click")
{
    static const QImage& pattern = largestPattern();
    static int colour = 0x208040;
    colour = (colour + 0x010203) & 0xFFFFFF; // a new colour each time, as the player clicks the palette
    Bench::keep(BackTile::RenderBackTile(pattern, colour, true));
}
