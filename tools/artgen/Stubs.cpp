#include "Furniture.h"
#include "Scenes.h"
static QImage stub(int w, int h) { QImage i(w, h, QImage::Format_RGB32); i.fill(Qt::gray); return i; }
namespace Scenes {
QImage spaceScene() { return stub(Width, Height); }
}
namespace Furniture {
QImage buttonFace(int) { return stub(160, 120); }
QImage loginBackground() { return stub(640, 480); }
QImage programIcon(int s) { return stub(s, s); }
QImage frameBitmap(int) { return stub(30, 30); }
QImage tileCursor() { return stub(32, 32); }
QImage holdingPointer() { return stub(32, 32); }
QImage normalPointer() { return stub(32, 32); }
QImage boardPlate() { return stub(400, 300); }
}
