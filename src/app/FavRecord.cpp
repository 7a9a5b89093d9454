// FavRecord.cpp: reading and rewriting the preferences file, byte for byte and atomically.
#include "FavRecord.h"

#include "FavFields.h"
#include "Fields.h"
#include "RandomSource.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The two lines the program ships with are well under a hundred bytes; anything beyond this is
// not a preferences file, and reading it whole could exhaust memory. It counts as unreadable.
constexpr qint64 MaxFavFileSize = qint64(256) * 1024 * 1024;

// Lines of the file: each ends at CR LF, at a lone CR or at a lone LF (a file edited elsewhere
// may use any of them); the last line needs no end. One pass, nothing copied.
class LineScanner
{
public:
    explicit LineScanner(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    bool next(QByteArrayView& line)
    {
        const qsizetype size = m_bytes.size();
        if (m_pos >= size)
            return false;
        const char* data = m_bytes.data();
        qsizetype end = m_pos;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        line = m_bytes.sliced(m_pos, end - m_pos);
        if (end < size)
            end += (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ? 2 : 1;
        m_pos = end;
        return true;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

QByteArrayView tagBytes(Game game) { return game == Game::Sliding ? "G0" : "G1"; }

// The whole file; nothing when it is missing, is not a regular file (a folder, a pipe or a device
// would fail, block or never end), is too big, or cannot be read to the end.
std::optional<QByteArray> readFavBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxFavFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxFavFileSize)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArrayView> firstLineOf(QByteArrayView bytes, QByteArrayView tag)
{
    LineScanner lines(bytes);
    QByteArrayView line;
    while (lines.next(line)) {
        if (line.startsWith(tag))
            return line;
    }
    return std::nullopt;
}

// Keeps everything up to and including the first letter, puts the digit after it and keeps
// everything from the second character after the letter on, so a stored multi-digit value keeps
// its trailing digits. A record without the letter stays as it is.
void redrawAfter(QString& record, QChar letter, int digit)
{
    const qsizetype at = record.indexOf(letter);
    if (at < 0)
        return;
    record = record.left(at + 1) + QChar(u'0' + digit) + record.mid(at + 2);
}

bool fitsInLine(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

// The bytes to find in the game's line and what replaces them. False when the texts cannot be
// stored: characters beyond one byte, or a new body that would split the line or the field.
bool changeBytes(const FavChange& change, const QString& currentRecord, QByteArray& from, QByteArray& to)
{
    if (change.kind == FavChange::Kind::Sound) {
        const bool on = FavFields::soundOn(currentRecord);
        from = on ? "S1" : "S0";
        to = on ? "S0" : "S1";
        return true;
    }
    const QString oldBody = FavFields::backgroundBody(currentRecord);
    const QString& newBody = change.body;
    if (!fitsInLine(oldBody) || !fitsInLine(newBody) || newBody.contains(u'\r') || newBody.contains(u'\n')
        || newBody.contains(u','))
        return false;
    from = 'B' + oldBody.toLatin1();
    to = 'B' + newBody.toLatin1();
    return true;
}

// A file without any write permission is one the user froze on purpose (or it lies on read-only
// media). The permission bits are checked as well as access, because root and a rename in a
// writable folder would otherwise replace it anyway.
bool isReadOnly(const QString& path)
{
    const QFileInfo info(path);
    const QFileDevice::Permissions anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup
        | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

// The complete new file is written beside the old one and then renamed over it, so a crash or a
// full disk leaves the old file whole. Without a writable folder nothing is saved: writing in
// place could leave half a file behind.
FavSave writeAtomically(const QString& path, const QByteArray& content)
{
    if (isReadOnly(path))
        return FavSave::ReadOnly;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return FavSave::Failed;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return FavSave::Failed;
    }
    return file.commit() ? FavSave::Saved : FavSave::Failed;
}

} // namespace

QString favFilePath(const QString& dataFolder) { return QDir(dataFolder).filePath(QStringLiteral("fav.dll")); }

QString favTag(Game game) { return QString::fromLatin1(tagBytes(game)); }

QString defaultFavRecord(Game game)
{
    return game == Game::Sliding ? QStringLiteral("G0,BF0132768,D1,M1,L0,K1,S1,")
                                 : QStringLiteral("G1,BE0132768,D0,R0,M0,S1,P0,");
}

std::optional<QString> storedFavRecord(const QString& dataFolder, Game game)
{
    const std::optional<QByteArray> bytes = readFavBytes(favFilePath(dataFolder));
    if (!bytes)
        return std::nullopt;
    const std::optional<QByteArrayView> line = firstLineOf(*bytes, tagBytes(game));
    if (!line)
        return std::nullopt;
    return QString::fromLatin1(*line);
}

QString ReadFavRecord(const QString& dataFolder, Game game, RandomSource& random)
{
    const std::optional<QString> stored = storedFavRecord(dataFolder, game);
    if (!stored)
        return defaultFavRecord(game);
    // The draws happen even when a letter is missing, so a game always draws the same number
    // of values for a stored line.
    QString record = *stored;
    if (game == Game::Jigsaw) {
        redrawAfter(record, u'M', random.below(2));
        redrawAfter(record, u'D', random.below(3));
    } else {
        redrawAfter(record, u'D', random.below(8));
    }
    return record;
}

QString UpdateFavRecord(const QString& dataFolder, Game game, const QString& currentRecord,
                        const FavChange& change, FavSave* status)
{
    FavSave unused = FavSave::Saved;
    FavSave& result = status ? *status : unused;

    // The program never creates the file.
    const QString path = favFilePath(dataFolder);
    if (!QFileInfo(path).isFile()) {
        result = FavSave::NoFile;
        return currentRecord;
    }
    QByteArray from;
    QByteArray to;
    if (!changeBytes(change, currentRecord, from, to)) {
        result = FavSave::Rejected;
        return currentRecord;
    }
    // Rewriting a file that was not read whole would lose what was not read.
    const std::optional<QByteArray> bytes = readFavBytes(path);
    if (!bytes) {
        result = FavSave::NotRead;
        return currentRecord;
    }

    const QByteArrayView tag = tagBytes(game);
    QByteArray content;
    content.reserve(bytes->size() + 64);
    std::optional<QByteArray> firstChanged;
    LineScanner lines(*bytes);
    QByteArrayView line;
    while (lines.next(line)) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(tag)) {
            QByteArray changed = line.toByteArray().replace(from, to);
            content += changed;
            if (!firstChanged)
                firstChanged = std::move(changed);
        } else {
            content.append(line);
        }
        content += "\r\n";
    }

    QString record = currentRecord;
    // The first line is the one a read would take; for the sound switch the window keeps the
    // text after the tag (fields are found by letter, so both forms read the same).
    if (firstChanged)
        record = QString::fromLatin1(change.kind == FavChange::Kind::Sound ? firstChanged->sliced(tag.size())
                                                                           : *firstChanged);
    result = writeAtomically(path, content);
    return record;
}
