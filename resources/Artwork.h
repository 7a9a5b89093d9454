// Artwork.h: the program's compiled-in pictures, button faces, frame, pointers and icon.
//
// Every picture is decoded on first use and then kept, so start-up pays only for what it shows.
// Invalid indices or ids give a null image; nothing here throws or crashes.
#pragma once

#include <QIcon>
#include <QImage>

namespace Artwork {

// The built-in puzzle pictures `Image3`(0..9), 800 x 600 each.
int builtInPictureCount();
QImage builtInPicture(int index);

// Start-window button faces `Image2`(0..5): 0 jigsaw, 1 sliding, 2 leave; 3..5 the same highlighted.
QImage buttonFace(int index);
// Start-window background, 640 x 480.
QImage loginBackground();

// Picture-frame bitmaps 101..108 (corners 101, 103, 105, 107; edges 102, 104, 106, 108, drawn to be
// stretched or repeated along their side); a null image for any other id.
QImage frameBitmap(int id);

// The sliding board's tile cursor, 32 x 32 with transparency (hot spot at its arrow tip, 1, 1).
QImage tileCursor();
// The jigsaw's pointers, 32 x 32 with transparency: a grabbing hand while a piece is held, an open
// hand otherwise (hot spot near the palm centre, 16, 16).
QImage holdingPointer();
QImage normalPointer();
// The jigsaw's backing plate `Imgbak`, a felt texture of 400 x 300 meant to be stretched.
QImage boardPlate();

// The program icon: a jigsaw piece in 16, 32, 48 and 256 pixels.
QIcon programIcon();

} // namespace Artwork
