// NeighbourList.h: neighbour lists "P2_P4_P5_": entries "P" number "_". The closing "_" keeps
// a search for piece 1 ("P1_") from matching piece 11.
#pragma once

#include <QList>
#include <QString>

namespace NeighbourList {

QString entry(int piece);
// Piece numbers of the entries, in list order (the number is the value after each "P").
QList<int> pieces(const QString& list);
// Every entry of removed taken out.
QString without(const QString& list, int removed);
// Every entry of from replaced by an entry of to.
QString replaced(const QString& list, int from, int to);
// "P1_P2_..Pn_".
QString allPieces(int count);

} // namespace NeighbourList
