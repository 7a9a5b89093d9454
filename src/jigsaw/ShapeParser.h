// ShapeParser.h: reads shape strings (header form and cell-relative form) into pieces.
//
// A shape string is "W" width "," "H" height "," "P" count "," and then the pieces, each
// "V" head "," x1 "," y1 "," x2 "," y2 ... . The reader keeps a cursor: every letter search
// starts after what was already read, and the text itself is never modified.
//
// Damaged strings are read without validation but within bounds:
// - a missing letter or number reads as 0 (huge numbers saturate);
// - a design width or height that is not positive, or a piece count below 1, gives no pieces;
// - pieces are read while a further "V" exists, so a count larger than the pieces present gives
//   only the pieces present;
// - a head asking for more points than the string holds gets only the points present: reading stops
//   at the first x with no comma before it (an x whose y is missing gets y = 0);
// - coordinates are kept within one frame size around the frame (the picture, or the cell) and within
//   +-outlineCoordinateLimit, so a damaged string cannot make an outline of absurd extent.
// Work and memory therefore stay proportional to the length of the text.
#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringView>

struct ParsedPiece
{
    QString head;         // as written after "V", for example "A2P3C12"
    QList<QPoint> points; // in picture pixels, string order
};

struct ParsedShape
{
    int designWidth = 0;   // "W" value (whole part)
    int designHeight = 0;  // "H" value (whole part)
    int declaredCount = 0; // "P" value (whole part); pieces.size() may be smaller for a damaged string
    QList<ParsedPiece> pieces;
};

// Header form: x_px = round(x * picture.width / W), y_px = round(y * picture.height / H), halves to even.
// picture is the inner size of the turn-0 working picture.
ParsedShape parseShapeString(QStringView shape, QSize picture);

// Cell-relative form (no header; every piece present is read): numbers are percentages of the cell,
// x_px = round(x / 100 * cell.width) + origin.x, y_px = round(y / 100 * cell.height) + origin.y.
QList<ParsedPiece> parseCellPieces(QStringView text, QSize cell, QPoint origin);

// Points a head needs: the value after its first letter plus, for each "P" in it, the value that
// starts three characters after that "P". Negative values count as 0; the sum saturates at INT_MAX.
int headPointCount(QStringView head);
