// TurnBmp.h: pixel-exact quarter turn clockwise of a whole image.
#pragma once

#include <QImage>

// Writes into destination the source turned a quarter turn clockwise: source pixel (x, y) goes to
// destination (height - 1 - y, x). The destination gets the source's format, its height as width and
// its width as height. Pixels are copied as raw bytes, a whole source row at a time. Formats whose
// pixels are not whole bytes (1 or 4 bits) are turned as RGB32 (ARGB32 when they have alpha), since a
// byte copy cannot move their pixels. A null source gives a null destination. A destination that
// already has the right size and format (and is not the source itself) is written in place.
void TurnBmp(const QImage& source, QImage& destination);
