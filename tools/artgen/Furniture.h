// Furniture.h: the program's own chrome: start-window faces and background, icon, frame, pointers, plate.
#pragma once

#include <QImage>

namespace Furniture {

// Start-window button faces: 0 jigsaw, 1 sliding, 2 leave; 3..5 the same highlighted.
QImage buttonFace(int index);
QImage loginBackground();
// The program icon (a jigsaw piece) drawn natively at size x size.
QImage programIcon(int size);
// Picture-frame bitmaps 101..108 at their fixed sizes; null for other ids.
QImage frameBitmap(int id);
QImage tileCursor();
QImage holdingPointer();
QImage normalPointer();
QImage boardPlate();

} // namespace Furniture
