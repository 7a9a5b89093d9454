// DataFiles.cpp: data file names, the folder choice and the first-use seeding.
#include "DataFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

QString dataFileName(DataFile file)
{
    switch (file) {
    case DataFile::Preferences: return QStringLiteral("fav.dll");
    case DataFile::LogicTile: return QStringLiteral("bakdatal");
    case DataFile::JigsawTile: return QStringLiteral("bakdatae");
    case DataFile::WorkingPicture: return QStringLiteral("temp001");
    case DataFile::WorkingBitmap: return QStringLiteral("temp.bmp");
    case DataFile::RecentPictures: return QStringLiteral("recent.txt");
    case DataFile::Records: return QStringLiteral("records.txt");
    case DataFile::LogicSave: return QStringLiteral("logic.save");
    case DataFile::JigsawSave: return QStringLiteral("jigsaw.save");
    case DataFile::GameChoices: return QStringLiteral("choices.json");
    case DataFile::PlayerOptions: return QStringLiteral("options.json");
    }
    return {};
}

QString DataFolder::filePath(DataFile file) const { return QDir(path).filePath(dataFileName(file)); }

const QList<DataFile>& seededFiles()
{
    static const QList<DataFile> files { DataFile::Preferences, DataFile::LogicTile, DataFile::JigsawTile };
    return files;
}

bool canWriteIn(const QString& folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    // Permissions alone do not tell (read-only mounts, access lists): try a file.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quarry-probe-XXXXXX")));
    return probe.open() && probe.write("q", 1) == 1 && probe.flush();
}

namespace {

// Copies source to target atomically; false (target untouched) on any failed read or write.
bool copyWhole(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    QSaveFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

} // namespace

DataFolder chooseDataFolder(const QString& programFolder, const QString& perUserFolder)
{
    DataFolder folder;
    if (canWriteIn(programFolder)) {
        folder.path = programFolder;
        return folder;
    }
    if (!canWriteIn(perUserFolder)) {
        folder.path = programFolder;
        folder.problem = QStringLiteral("neither %1 nor %2 can be written")
                             .arg(QDir::toNativeSeparators(programFolder), QDir::toNativeSeparators(perUserFolder));
        return folder;
    }
    folder.path = perUserFolder;
    folder.perUser = true;
    folder.seeded = seedDataFolder(programFolder, perUserFolder);
    return folder;
}

QStringList seedDataFolder(const QString& programFolder, const QString& dataFolder)
{
    QStringList seeded;
    // Only files the player does not have yet: a later start never overwrites the player's own.
    for (DataFile file : seededFiles()) {
        const QString name = dataFileName(file);
        const QString source = QDir(programFolder).filePath(name);
        const QString target = QDir(dataFolder).filePath(name);
        if (QFile::exists(source) && !QFile::exists(target) && copyWhole(source, target))
            seeded << name;
    }
    return seeded;
}

QStringList removeStaleTemporaries(const QString& folder, const QDateTime& before)
{
    static const QRegularExpression suffix(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    QStringList removed;
    const QDir dir(folder);
    for (int f = int(DataFile::Preferences); f <= int(DataFile::PlayerOptions); ++f) {
        const QString name = dataFileName(DataFile(f));
        const QFileInfoList leftovers = dir.entryInfoList({ name + QStringLiteral(".??????") }, QDir::Files | QDir::Hidden);
        for (const QFileInfo& info : leftovers) {
            if (suffix.match(info.fileName().mid(name.size())).hasMatch() && info.lastModified() < before
                && QFile::remove(info.filePath()))
                removed << info.fileName();
        }
    }
    return removed;
}

QString perUserDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }
