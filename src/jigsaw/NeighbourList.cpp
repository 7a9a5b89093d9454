// NeighbourList.cpp: reading and rewriting neighbour lists.
#include "NeighbourList.h"

#include "Fields.h"

namespace NeighbourList {

QString entry(int piece) { return QStringLiteral("P%1_").arg(piece); }

QList<int> pieces(const QString& list)
{
    QList<int> result;
    qsizetype at = list.indexOf(u'P');
    while (at >= 0) {
        result.append(Fields::toInt(Fields::leadingNumberAt(list, at + 1)));
        at = list.indexOf(u'P', at + 1);
    }
    return result;
}

QString without(const QString& list, int removed)
{
    QString result = list;
    return result.remove(entry(removed));
}

QString replaced(const QString& list, int from, int to)
{
    QString result = list;
    return result.replace(entry(from), entry(to));
}

QString allPieces(int count)
{
    QString list;
    for (int k = 1; k <= count; ++k)
        list += entry(k);
    return list;
}

} // namespace NeighbourList
