// RecentPictures.h: the last pictures the player opened, most recent first, kept in a small file
// of their own in the data folder (one absolute path a line, UTF-8).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class RecentPictures
{
public:
    static constexpr int MaxCount = 10;
    // More than this is not a list this program wrote; only its start is read.
    static constexpr qint64 MaxFileBytes = 64 * 1024;

    explicit RecentPictures(QString filePath);

    // The list as kept, without the files that no longer exist.
    QStringList paths() const;
    // Puts path first (once), drops missing files, keeps MaxCount and writes the file atomically.
    // False, with error set, when the file cannot be written; the old list then stays as it was.
    bool add(const QString& path, QString* error = nullptr);

    // The paths a file's bytes hold: absolute paths only, each once, at most MaxCount; anything
    // else in a damaged file is skipped.
    static QStringList parse(const QByteArray& bytes);
    static QByteArray format(const QStringList& paths);

private:
    QString m_filePath;
};
