// ShapeStrings.h: taking generated shape strings apart in tests.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ShapeStrings {

// The pieces of a shape string, each from its "V" up to the next one, without a trailing comma.
inline QStringList piecesOf(const QString& shape)
{
    QStringList pieces;
    const qsizetype first = shape.indexOf(u'V');
    if (first < 0)
        return pieces;
    for (QString piece : shape.mid(first).split(u'V', Qt::SkipEmptyParts)) {
        if (piece.endsWith(u','))
            piece.chop(1);
        pieces.append(u'V' + piece);
    }
    return pieces;
}

inline QList<int> numbersOf(const QString& piece)
{
    QList<int> numbers;
    const QStringList parts = piece.split(u',');
    for (qsizetype i = 1; i < parts.size(); ++i)
        numbers.append(parts[i].toInt());
    return numbers;
}

} // namespace ShapeStrings
