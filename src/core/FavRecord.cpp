// FavRecord.cpp: reading and rewriting the preferences file, byte for byte and atomically.
#include "FavRecord.h"

#include "DataFiles.h"
#include "FavFields.h"
#include "FavLineReader.h"
#include "Fields.h"
#include "RandomSource.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

// The two lines the program ships with are well under a hundred bytes; anything beyond this is
// not a preferences file and counts as unreadable.
constexpr qint64 MaxFavFileSize = qint64(256) * 1024 * 1024;

QByteArrayView tagBytes(Game game) { return game == Game::Sliding ? "G0" : "G1"; }

// Opens fav.dll for reading; false when it is missing, is not a regular file (a folder, a pipe or a
// device would fail, block or never end), is too big or cannot be opened.
bool openFavFile(QFile& file)
{
    const QFileInfo info(file.fileName());
    if (!info.isFile() || info.size() > MaxFavFileSize)
        return false;
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
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

// The bytes to find in the game's line and what replaces them (a field change finds its own
// place in each line). False when the texts cannot be stored: characters beyond one byte, or a
// new body that would split the line or the field.
bool changeBytes(const FavChange& change, const QString& currentRecord, QByteArray& from, QByteArray& to)
{
    if (change.kind == FavChange::Kind::Field)
        return true;
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

bool isDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The number after the first letter, as a read takes it, becomes value; every other byte stays.
void setField(QByteArray& line, char letter, const QByteArray& value)
{
    const qsizetype at = line.indexOf(letter);
    if (at < 0) {
        if (!line.isEmpty() && !line.endsWith(','))
            line += ',';
        line += letter + value + ',';
        return;
    }
    // One character per byte, so the positions of the Latin-1 view are those of the bytes.
    qsizetype end = at + 1;
    Fields::leadingNumberAt(QString::fromLatin1(line), at + 1, &end);
    line.replace(at + 1, end - at - 1, value);
}

// The change made to one line of the game.
void changeLine(QByteArray& line, const FavChange& change, const QByteArray& from, const QByteArray& to)
{
    if (change.kind == FavChange::Kind::Field)
        setField(line, char(change.letter.unicode()), change.body.toLatin1());
    else
        line.replace(from, to);
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

} // namespace

QString favFilePath(const QString& dataFolder) { return QDir(dataFolder).filePath(dataFileName(DataFile::Preferences)); }

QString favTag(Game game) { return QString::fromLatin1(tagBytes(game)); }

QString favFieldLetters(Game game) { return game == Game::Sliding ? QStringLiteral("DMLKS") : QStringLiteral("DRMSP"); }

bool favChangeValid(Game game, const FavChange& change)
{
    if (change.kind != FavChange::Kind::Field)
        return true;
    return !change.letter.isNull() && favFieldLetters(game).contains(change.letter) && isDigits(change.body);
}

QString defaultFavRecord(Game game)
{
    return game == Game::Sliding ? QStringLiteral("G0,BF0132768,D1,M1,L0,K1,S1,")
                                 : QStringLiteral("G1,BE0132768,D0,R0,M0,S1,P0,");
}

std::optional<QString> storedFavRecord(const QString& dataFolder, Game game)
{
    QFile file(favFilePath(dataFolder));
    if (!openFavFile(file))
        return std::nullopt;
    // The first line of the game ends the reading; a failure before it means no line.
    FavLineReader lines(file, MaxFavFileSize);
    QByteArray line;
    while (lines.next(line)) {
        if (line.startsWith(tagBytes(game)))
            return QString::fromLatin1(line);
    }
    return std::nullopt;
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

QString applyFavChange(const QString& record, const FavChange& change)
{
    QByteArray from;
    QByteArray to;
    if (!fitsInLine(record) || !changeBytes(change, record, from, to))
        return record;
    if (change.kind == FavChange::Kind::Field && (change.letter.unicode() > 0xFF || !isDigits(change.body)))
        return record;
    QByteArray line = record.toLatin1();
    changeLine(line, change, from, to);
    return QString::fromLatin1(line);
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
    if (!favChangeValid(game, change) || !changeBytes(change, currentRecord, from, to)) {
        result = FavSave::Rejected;
        return currentRecord;
    }
    QFile input(path);
    if (!openFavFile(input)) {
        result = FavSave::NotRead;
        return currentRecord;
    }

    // The new file is written while the old one is read. It replaces the old one only when the
    // old one was read to the end: rewriting a file that was not read whole would lose the rest.
    // A read-only file is still read, for the window's new record, but nothing is written.
    const bool readOnly = isReadOnly(path);
    QSaveFile output(path);
    output.setDirectWriteFallback(false);
    bool writing = !readOnly && output.open(QIODevice::WriteOnly);
    const QByteArrayView tag = tagBytes(game);
    std::optional<QByteArray> firstChanged;
    FavLineReader lines(input, MaxFavFileSize);
    QByteArray line;
    while (lines.next(line)) {
        if (line.startsWith(tag)) {
            changeLine(line, change, from, to);
            if (!firstChanged)
                firstChanged = line;
        }
        // Every write is checked: a short write (a full disk, a size limit) reports no error of
        // its own, and the new file must not replace the old one then.
        if (writing)
            writing = output.write(line) == line.size() && output.write("\r\n", 2) == 2;
    }
    // Closed before the new file takes its place: some systems do not replace an open file.
    input.close();
    if (lines.failed()) {
        output.cancelWriting();
        result = FavSave::NotRead;
        return currentRecord;
    }

    QString record = currentRecord;
    // The first line is the one a read would take; for the sound switch the window keeps the
    // text after the tag (fields are found by letter, so both forms read the same).
    if (firstChanged)
        record = QString::fromLatin1(change.kind == FavChange::Kind::Sound ? firstChanged->sliced(tag.size())
                                                                           : *firstChanged);
    if (readOnly) {
        result = FavSave::ReadOnly;
    } else {
        // The last bytes are flushed here, not by commit(), which would not report a failure to
        // write them and put the short file in place.
        writing = writing && output.flush();
        if (!writing)
            output.cancelWriting();
        result = writing && output.commit() ? FavSave::Saved : FavSave::Failed;
    }
    return record;
}
