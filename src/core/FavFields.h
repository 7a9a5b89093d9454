// FavFields.h: the rules by which the games read the fields of a preferences record.
//
// Every field is found by the first occurrence of its letter (Fields.h); these helpers add the
// ranges and defaults the record's fields have.
#pragma once

#include <QString>
#include <QStringView>

namespace FavFields {

// Background body: the text after the first "B" up to, not including, the next "," (to the end
// when no comma follows); empty when the record has no "B". For example "F0132768".
QString backgroundBody(QStringView record);

// Back colour: the numeric value from the 4th character after the first "B" on (after the
// background letter and the two-digit pattern index); 0 when the record has no "B".
int backColour(QStringView record);

// Sound effects (S): on for any non-zero value.
bool soundOn(QStringView record);

// Sliding game: tile numbers (L) are on only for 1; tile borders (K) are off only for 0;
// swap mode (M) is on for any non-zero value.
bool tileNumbersOn(QStringView record);
bool tileBordersOn(QStringView record);
bool swapModeOn(QStringView record);

// Jigsaw: rotation (R) is on for any non-zero value; M = 1 selects the shape-board levels.
bool rotationOn(QStringView record);
bool shapeBoardFamily(QStringView record);

} // namespace FavFields
