// Check.h: the artwork's quality rules, checked over the files artgen wrote (artgen --check).
#pragma once

#include <QDir>

namespace Check {

// Checks every picture, face, frame piece, pointer, plate and icon in dir; prints each broken
// rule to stderr and returns the number broken (0: all hold).
int checkArtwork(const QDir& dir);

} // namespace Check
