// SoundSwitch.h: the sound switch of both game windows (menu entry, F6, tool button).
#pragma once

#include "FavRecord.h"

#include <QString>
#include <QStringView>

namespace SoundSwitch {

// Toggles field S of the game's line in fav.dll, deciding by S of currentRecord ("S1" becomes
// "S0" when it is non-zero, otherwise "S0" becomes "S1"), and returns the window's new current
// record (currentRecord itself when the file or the game's line is missing).
QString toggle(const QString& dataFolder, Game game, const QString& currentRecord, FavSave* status = nullptr);

// The menu caption for a record: "Close Sound" while S is non-zero, otherwise "Open Sound".
QString caption(QStringView record);

} // namespace SoundSwitch
