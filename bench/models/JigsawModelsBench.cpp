// JigsawModelsBench.cpp: making the turned pictures and turning a large group (the levels are built
// into windows in bench/jigsaw).
#include "BenchHarness.h"
#include "LevelBuilder.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "TurnUnit.h"
#include "TurnedPictures.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace {

const QSize workingSize(800, 600);
// The largest level of the catalogue (90 pieces).
constexpr int largestCatalogueLevel = 6409;
constexpr int groupSize = 30;

// A working picture with some detail in it, so that seams and turns copy real pixels.
QImage makeWorkingPicture()
{
    QImage image(workingSize, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < workingSize.height(); y += 20) {
        for (int x = 0; x < workingSize.width(); x += 20)
            painter.fillRect(x, y, 20, 20, QColor::fromHsv((x + y) % 360, 160, 80 + (x * 7 + y) % 170));
    }
    return image;
}

const QImage& workingPicture()
{
    static const QImage picture = makeWorkingPicture();
    return picture;
}

// Fixed values, so every run builds the same level.
ScriptedRandom& fixedRandom()
{
    static ScriptedRandom random({0.13, 0.57, 0.91, 0.29, 0.74, 0.42, 0.05, 0.66});
    return random;
}

// Pieces 1..groupSize of the largest level joined into one unit that piece 1 survives: the group
// texts one after another, the outlines united, the home box the united outline's bounds.
struct JoinedGroup
{
    PieceTable table;
    QSize window;

    JoinedGroup()
    {
        QImage picture = workingPicture();
        LevelBuilder::buildCatalogueLevel(largestCatalogueLevel, picture, table, fixedRandom());
        if (table.count() < groupSize)
            qFatal("quarry-bench: level %d has only %d pieces", largestCatalogueLevel, table.count());
        QString group;
        QRegion united;
        for (int k = 1; k <= groupSize; ++k) {
            group += table.piece(k).group;
            united += table.piece(k).outline;
        }
        PieceRecord& survivor = table.piece(1);
        survivor.group = group;
        const QRect box = united.boundingRect();
        survivor.homeLeft = box.left();
        survivor.homeTop = box.top();
        window = box.size();
    }
};

} // namespace

QUARRY_BENCH(MakeTurnedPictures_800x600, "< 15 ms: 90, 180 and 270 degree copies")
{
    static TurnedPictures pictures;
    pictures.reset(workingPicture());
    pictures.make();
    Bench::keep(pictures.picture(270));
}

// Each iteration turns the same unit a further quarter; four make a whole turn.
QUARRY_BENCH(TurnUnit_30pieces, "< 3 ms: a quarter turn of a 30-piece group")
{
    static JoinedGroup unit;
    const TurnResult result = turnUnit(unit.table, 90, 1, unit.window, workingSize);
    if (!result.turned)
        qFatal("quarry-bench: the group did not turn");
    unit.window = result.windowSize;
    Bench::keep(result);
}
