// AppContext.cpp: sound paths and the records file of the data folder.
#include "AppContext.h"

#include "PlayerOptions.h"
#include "RecordStore.h"

SoundPaths SoundPaths::forFolder(const QString& dataFolder)
{
    const QDir sound(QDir(dataFolder).filePath(QStringLiteral("sound")));
    return {sound.filePath(QStringLiteral("success")), sound.filePath(QStringLiteral("login")),
            sound.filePath(QStringLiteral("together")), sound.filePath(QStringLiteral("move")),
            sound.filePath(QStringLiteral("rotate.wav"))};
}

QString SoundPaths::numbered(const QString& stem, int digit)
{
    return stem + QString::number(digit) + QStringLiteral(".wav");
}

RecordStore& AppContext::records()
{
    if (!recordStore)
        recordStore = std::make_shared<RecordStore>(filePath(DataFile::Records));
    return *recordStore;
}

PlayerOptionsStore& AppContext::playerOptions()
{
    if (!playerOptionsStore)
        playerOptionsStore = std::make_shared<PlayerOptionsStore>(filePath(DataFile::PlayerOptions));
    return *playerOptionsStore;
}
