// NeighbourLists.h: which pieces of a level may join which, written into the piece table.
//
// A list is a text of entries "P" number "_" ("P2_P4_P5_"); the "_" keeps a search for "P1_"
// from matching piece 11. Levels with a neighbour rule give every piece its own list and leave
// record 0's empty; every other level leaves the pieces' lists empty and lists every piece in
// record 0, so that any piece may join any other.
#pragma once

#include <QList>
#include <QString>

class PieceTable;

namespace NeighbourLists {

// Whether the level code has a neighbour rule (1601, 3601, 1605; 1602, 3602, 6402; 1603, 3603;
// 1604, 1606, 3604, 3606).
bool hasRule(int levelCode);

// The neighbours of pieces 1..pieceCount by the level's rule, in ascending order; index 0 is
// unused. Pieces the rule names beyond pieceCount are left out. Empty lists for a level without
// a rule.
QList<QList<int>> neighbourTable(int levelCode, int pieceCount);

// "P" n "_" for every number, in the order given.
QString entryText(const QList<int>& pieces);

// Writes the neighbour lists of record 0 and of pieces 1..count() of table.
void WriteNeighbourLists(int levelCode, PieceTable& table);

} // namespace NeighbourLists
