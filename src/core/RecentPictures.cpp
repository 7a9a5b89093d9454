// RecentPictures.cpp: reading, updating and atomically writing the recent-pictures list.
#include "RecentPictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

RecentPictures::RecentPictures(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QStringList RecentPictures::parse(const QByteArray& bytes)
{
    QStringList paths;
    for (const QByteArray& line : bytes.left(MaxFileBytes).split('\n')) {
        const QString path = QDir::cleanPath(QString::fromUtf8(line).trimmed());
        if (path.isEmpty() || path != path.trimmed() || path.contains(QChar::ReplacementCharacter)
            || path.contains(QChar(0)) || !QDir::isAbsolutePath(path) || paths.contains(path))
            continue;
        paths << path;
        if (paths.size() == MaxCount)
            break;
    }
    return paths;
}

QByteArray RecentPictures::format(const QStringList& paths)
{
    QByteArray bytes;
    for (const QString& path : paths)
        bytes += path.toUtf8() + '\n';
    return bytes;
}

QStringList RecentPictures::paths() const
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList existing;
    for (const QString& path : parse(file.read(MaxFileBytes)))
        if (QFileInfo(path).isFile())
            existing << path;
    return existing;
}

bool RecentPictures::add(const QString& path, QString* error)
{
    QStringList list = paths();
    const QString chosen = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    list.removeAll(chosen);
    list.prepend(chosen);
    while (list.size() > MaxCount)
        list.removeLast();

    const QByteArray bytes = format(list);
    QSaveFile file(m_filePath);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error)
        *error = QStringLiteral("The list of recent pictures \"%1\" cannot be written: %2.")
                     .arg(m_filePath, file.errorString());
    return written;
}
