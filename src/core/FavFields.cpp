// FavFields.cpp: field rules of the preferences records.
#include "FavFields.h"

#include "Fields.h"

namespace FavFields {

namespace {
// The background letter and the two pattern digits come before the colour.
constexpr qsizetype ColourOffset = 4;
} // namespace

QString backgroundBody(QStringView record)
{
    const qsizetype at = record.indexOf(u'B');
    if (at < 0)
        return {};
    const QStringView rest = record.sliced(at + 1);
    const qsizetype comma = rest.indexOf(u',');
    return (comma < 0 ? rest : rest.first(comma)).toString();
}

int backColour(QStringView record)
{
    const qsizetype at = record.indexOf(u'B');
    if (at < 0)
        return 0;
    return Fields::toInt(Fields::leadingNumberAt(record, at + ColourOffset));
}

bool soundOn(QStringView record) { return Fields::fieldValue(record, u'S') != 0.0; }

bool tileNumbersOn(QStringView record) { return Fields::fieldValue(record, u'L') == 1.0; }

bool tileBordersOn(QStringView record) { return Fields::fieldValue(record, u'K') != 0.0; }

bool swapModeOn(QStringView record) { return Fields::fieldValue(record, u'M') != 0.0; }

bool rotationOn(QStringView record) { return Fields::fieldValue(record, u'R') != 0.0; }

bool shapeBoardFamily(QStringView record) { return Fields::fieldValue(record, u'M') == 1.0; }

} // namespace FavFields
