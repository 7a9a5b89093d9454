// BackgroundField.cpp: parsing and writing the background field body.
#include "BackgroundField.h"

#include "DataFiles.h"
#include "Fields.h"

#include <algorithm>

BackgroundField BackgroundField::parse(const QString& body)
{
    BackgroundField field;
    field.game = body.startsWith(u'F') ? Game::Sliding : Game::Jigsaw;
    const int pattern = Fields::toInt(Fields::leadingNumber(QStringView(body).mid(1, 2)));
    field.pattern = (pattern >= 0 && pattern < PatternCount) ? pattern : 0;
    const double colour = Fields::leadingNumberAt(body, 3);
    field.colour = Fields::toInt(std::clamp(colour, 0.0, double(0xFFFFFF)));
    return field;
}

QString BackgroundField::format() const
{
    const QChar letter = game == Game::Sliding ? u'F' : u'E';
    return letter + QString::number(pattern).rightJustified(2, u'0') + QString::number(colour);
}

QString BackgroundField::tileFileName() const
{
    return tileFileName(game);
}

QString BackgroundField::tileFileName(Game game)
{
    return dataFileName(game == Game::Sliding ? DataFile::LogicTile : DataFile::JigsawTile);
}
