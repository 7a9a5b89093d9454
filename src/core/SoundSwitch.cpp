// SoundSwitch.cpp: toggling the sound field and naming the menu entry after it.
#include "SoundSwitch.h"

#include "FavFields.h"

namespace SoundSwitch {

QString toggle(const QString& dataFolder, Game game, const QString& currentRecord, FavSave* status)
{
    return UpdateFavRecord(dataFolder, game, currentRecord, FavChange::sound(), status);
}

QString caption(QStringView record)
{
    return FavFields::soundOn(record) ? QStringLiteral("Close Sound") : QStringLiteral("Open Sound");
}

} // namespace SoundSwitch
