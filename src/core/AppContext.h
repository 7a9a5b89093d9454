// AppContext.h: the services and shared state every window of one run works with.
//
// The program builds one with the real services; tests build one with scripted ones.
#pragma once

#include "DataFiles.h"
#include "StringTable.h"

#include <QDir>
#include <QString>

#include <memory>

class RandomSource;
class MessageBoxes;
class PictureChooser;
class MciDevices;
class EffectPlayer;
class RecordStore;
class PlayerOptionsStore;

// The five shared sound-file paths: stems take a digit and ".wav".
struct SoundPaths
{
    QString success;
    QString login;
    QString together;
    QString move;
    QString rotate;

    static SoundPaths forFolder(const QString& dataFolder);
    // stem + digit + ".wav"
    static QString numbered(const QString& stem, int digit);
};

struct AppContext
{
    QString dataFolder;    // the player's data: fav.dll, tile files (chosen by chooseDataFolder)
    QString programFolder; // the program's own files: sound/ (the data folder when empty)
    bool dataPerUser = false; // the data folder is the per-user folder, not the program folder
    RandomSource* random = nullptr;
    MessageBoxes* messages = nullptr;
    PictureChooser* pictureChooser = nullptr; // the player's own pictures (none: the command is off)
    MciDevices* mci = nullptr;
    EffectPlayer* effects = nullptr;
    StringTable strings;
    SoundPaths soundPaths;

    // Program-wide window flags.
    bool previewOpen = false;
    bool toolOpen = false;

    QString filePath(const QString& name) const { return QDir(dataFolder).filePath(name); }
    QString filePath(DataFile file) const { return filePath(dataFileName(file)); }
    // The records file of the data folder, shared by both games; made (not read) on first use.
    RecordStore& records();
    std::shared_ptr<RecordStore> recordStore;
    // The player's options file of the data folder, shared by both games; read on first use.
    PlayerOptionsStore& playerOptions();
    std::shared_ptr<PlayerOptionsStore> playerOptionsStore;

    // Called by every window on load (whichever loads first provides them).
    void setSoundPaths() { soundPaths = SoundPaths::forFolder(programFolder.isEmpty() ? dataFolder : programFolder); }
};
