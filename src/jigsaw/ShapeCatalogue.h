// ShapeCatalogue.h: the level choice of the jigsaw catalogue and the generator of every level
// code, returning shape strings (text only; building pieces from them is LevelBuilder's job).
#pragma once

#include <QString>
#include <QStringView>

class RandomSource;

namespace ShapeCatalogue {

// The LevelCode of the jigsaw preferences record: piece-count text from D (0 "16", 1 "36",
// 2 "64", anything else "16") followed by the two-digit pattern from P (1 -> 02, 2 -> 01,
// 3..11 the same number, anything else a random pattern 01..06 drawn from random).
int LevelCode(QStringView jigsawRecord, RandomSource& random);

// The same from the two field values.
int LevelCode(int d, int p, RandomSource& random);

// SizeClass of a level code: 1 for 16xx, 2 for 36xx, 3 for 64xx (0 for any other code).
int SizeClass(int levelCode);

// Whether the level code is one of the 33 levels of the catalogue.
bool isCatalogueLevel(int levelCode);

// The shape string of the level: its generator's text. A code outside the catalogue is built
// with the generator of level 1605.
QString generateLevel(int levelCode, RandomSource& random);

} // namespace ShapeCatalogue
