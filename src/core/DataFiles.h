// DataFiles.h: every file of the player's data, and the one choice of the folder that holds them.
//
// The program folder is the data folder when the program can write there (a portable copy, the
// build tree). An installed program usually cannot: its data then lives in the per-user data
// folder, seeded on first use with the program folder's preferences and tile files so an installed
// game keeps the settings it was shipped with.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

enum class DataFile {
    Preferences,    // fav.dll: both games' preference records
    LogicTile,      // bakdatal: the Logic puzzle's back tile
    JigsawTile,     // bakdatae: the Jigsaw puzzle's back tile
    WorkingPicture, // temp001: the picture of the running game
    WorkingBitmap,  // temp.bmp: its bitmap copy
    RecentPictures, // the player's last opened pictures
    Records,        // every finished game
    LogicSave,      // the unfinished Logic game
    JigsawSave,     // the unfinished Jigsaw game
    GameChoices,    // the size, level and picture chosen for new games
    PlayerOptions,  // the options fav.dll has no field for (kept last: see removeStaleTemporaries)
};

// The file's name inside the data folder.
QString dataFileName(DataFile file);

struct DataFolder
{
    QString path;           // where the player's data lives
    bool perUser = false;   // true: not the program folder
    QStringList seeded;     // file names copied from the program folder on this start
    QString problem;        // why neither folder can be written ("" when one can)

    QString filePath(DataFile file) const;
};

// The files copied into a new per-user folder: the preferences and both back tiles.
const QList<DataFile>& seededFiles();

// True when a new file can be created in folder (the folder is made when missing).
bool canWriteIn(const QString& folder);

// Chooses the data folder (see the top of this file). When neither the program folder nor the
// per-user folder can be written, the program folder is used read-only and problem says why; the
// preferences then hold for the session only.
DataFolder chooseDataFolder(const QString& programFolder, const QString& perUserFolder);

// Copies the seeded files that exist in programFolder and not yet in dataFolder; returns their names.
QStringList seedDataFolder(const QString& programFolder, const QString& dataFolder);

// QSaveFile writes a data file into "<name>.XXXXXX" beside it (six letters or digits) and renames
// that into place: a program killed in between leaves it behind. Removes such leftovers of the
// data files in folder last written before `before` (another running copy's write in progress is
// never that old); anything else in the folder is left alone. Returns the names removed.
QStringList removeStaleTemporaries(const QString& folder, const QDateTime& before);

// The per-user data folder of this platform (QStandardPaths::AppDataLocation).
QString perUserDataFolder();
