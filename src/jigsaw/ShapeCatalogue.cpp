// ShapeCatalogue.cpp: level codes and the dispatch from a level code to its generator.
#include "ShapeCatalogue.h"

#include "Fields.h"
#include "RandomSource.h"
#include "RingLevels.h"
#include "TileLevels.h"

namespace ShapeCatalogue {

namespace {
constexpr int FallbackLevel = 1605;
}

int LevelCode(int d, int p, RandomSource& random)
{
    const int count = d == 1 ? 36 : d == 2 ? 64 : 16;
    int pattern = 0;
    if (p == 1)
        pattern = 2;
    else if (p == 2)
        pattern = 1;
    else if (p >= 3 && p <= 11)
        pattern = p;
    else
        pattern = random.between(1, 6);
    return count * 100 + pattern;
}

int LevelCode(QStringView jigsawRecord, RandomSource& random)
{
    return LevelCode(Fields::fieldInt(jigsawRecord, u'D'), Fields::fieldInt(jigsawRecord, u'P'), random);
}

int SizeClass(int levelCode)
{
    switch (levelCode / 100) {
    case 16:
        return 1;
    case 36:
        return 2;
    case 64:
        return 3;
    default:
        return 0;
    }
}

bool isCatalogueLevel(int levelCode)
{
    const int pattern = levelCode % 100;
    return levelCode > 0 && SizeClass(levelCode) != 0 && pattern >= 1 && pattern <= 11;
}

QString generateLevel(int levelCode, RandomSource& random)
{
    if (!isCatalogueLevel(levelCode))
        levelCode = FallbackLevel;
    const int sizeClass = SizeClass(levelCode);
    switch (levelCode % 100) {
    case 1:
        return TileLevels::squareGrid(levelCode);
    case 2:
        return TileLevels::starCutTriangles(levelCode, random);
    case 3:
        return TileLevels::framedTiles(levelCode, random);
    case 4:
        return TileLevels::crossBlocks(levelCode, random);
    case 5:
        return TileLevels::jitteredQuadrilaterals(levelCode, random);
    case 6:
        return TileLevels::octagonBlocks(levelCode, random);
    case 7:
        return RingLevels::squareRings(sizeClass, random);
    case 8:
        return RingLevels::triangleRings(sizeClass, random);
    case 9:
        return RingLevels::nestedSquareRings(sizeClass, random);
    case 10:
        return RingLevels::starRings(sizeClass, random);
    default:
        return RingLevels::digitTiles(sizeClass);
    }
}

} // namespace ShapeCatalogue
