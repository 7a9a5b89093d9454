// Patchwork.h: farmland seen from afar: hedged fields of different crops, for the meadow and balloon pictures.
#pragma once

#include <QRgb>

class Noise;

namespace Patchwork {

// Colour of farmland at (x, y); cellW and cellH set the field size there (smaller = farther away).
QRgb field(const Noise& n, float x, float y, float cellW, float cellH);

} // namespace Patchwork
