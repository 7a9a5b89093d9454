// AppContext.h: the services and shared state every window of one run works with.
//
// The program builds one with the real services; tests build one with scripted ones.
#pragma once

#include "StringTable.h"

#include <QDir>
#include <QString>

class RandomSource;
class MessageBoxes;
class MciDevices;
class EffectPlayer;

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
    QString dataFolder; // the executable's folder: fav.dll, sound/, tile files
    RandomSource* random = nullptr;
    MessageBoxes* messages = nullptr;
    MciDevices* mci = nullptr;
    EffectPlayer* effects = nullptr;
    StringTable strings;
    SoundPaths soundPaths;

    // Program-wide window flags.
    bool previewOpen = false;
    bool toolOpen = false;

    QString filePath(const QString& name) const { return QDir(dataFolder).filePath(name); }
    // Called by every window on load (whichever loads first provides them).
    void setSoundPaths() { soundPaths = SoundPaths::forFolder(dataFolder); }
};
