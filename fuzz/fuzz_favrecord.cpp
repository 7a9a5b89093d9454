// fuzz_favrecord.cpp: libFuzzer target: ReadFavRecord and UpdateFavRecord (the sound switch, a
// background and a field change) over arbitrary bytes of fav.dll in a temporary folder, checked
// against an independent statement of the rewrite.
#include "FavFields.h"
#include "FavRecord.h"
#include "FavRewriteModel.h"
#include "RandomSource.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// A broken property fails the run like a crash, so libFuzzer keeps the input.
void require(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(file.write(bytes) == bytes.size());
}

// A rewrite leaves the file alone in the folder: nothing half written beside it.
void requireOnlyTheFile(const QString& folder)
{
    require(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        == QStringList { QStringLiteral("fav.dll") });
}

// A field change of either game over the original bytes, its game, letter and value drawn from the
// first two bytes: letters of the game, of the other game and of neither; values of digits (some
// with leading zeros) and a few that no field takes.
void checkField(const QString& folder, const QByteArray& bytes)
{
    const auto pick = [&bytes](qsizetype i) { return i < bytes.size() ? int(quint8(bytes[i])) : 0; };
    const Game game = pick(0) % 2 ? Game::Jigsaw : Game::Sliding;
    const QByteArray letters = "DMLKSRPGB";
    const char letter = letters[(pick(0) / 2) % letters.size()];
    const QByteArray refused[] = { "", "-1", "1.5", "+2", "7,", "x" };
    const QByteArray value = pick(1) < 250 ? QByteArray::number(pick(1)).rightJustified(pick(1) % 4 + 1, '0')
                                           : refused[pick(1) - 250];
    const bool valid = QByteArray(game == Game::Sliding ? "DMLKS" : "DRMSP").contains(letter)
        && QRegularExpression(QStringLiteral("^[0-9]+$")).match(QString::fromLatin1(value)).hasMatch();

    const QString path = favFilePath(folder);
    writeFile(path, bytes);
    const QString current = storedFavRecord(folder, game).value_or(defaultFavRecord(game));
    const FavChange change = FavChange::field(QChar::fromLatin1(letter), QString::fromLatin1(value));
    FavSave status = FavSave::Failed;
    const QString record = UpdateFavRecord(folder, game, current, change, &status);
    requireOnlyTheFile(folder);
    require(favChangeValid(game, change) == valid);
    if (!valid) {
        require(status == FavSave::Rejected && record == current && contents(path) == bytes);
        return;
    }
    QByteArray changed;
    const QByteArray after = expectedFieldRewrite(bytes, favTag(game).toLatin1(), letter, value, &changed);
    require(status == FavSave::Saved);
    require(contents(path) == after);
    require(record == (changed.isNull() ? current : QString::fromLatin1(changed)));
    // The window's own copy of the change (a read-only file) gives the line the file took.
    if (!changed.isNull())
        require(applyFavChange(current, change) == record);
}

void checkRead(const QString& folder, const QByteArray& bytes, Game game, RandomSource& random)
{
    QByteArray stored;
    expectedRewrite(bytes, favTag(game).toLatin1(), {}, {}, &stored);
    const QString record = ReadFavRecord(folder, game, random);
    if (stored.isNull()) {
        require(record == defaultFavRecord(game));
        return;
    }
    // The redraws replace single characters; only a letter at the very end gains one.
    require(record.startsWith(favTag(game)));
    const qsizetype grown = record.size() - stored.size();
    require(grown == 0 || grown == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    require(folder.isValid());
    const QString path = favFilePath(folder.path());
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    writeFile(path, bytes);

    ScriptedRandom random({0.3, 0.8, 0.99});
    checkRead(folder.path(), bytes, Game::Sliding, random);
    checkRead(folder.path(), bytes, Game::Jigsaw, random);
    require(contents(path) == bytes);

    // The sound switch of the sliding game, decided by its default record (sound on).
    QByteArray changed;
    const QByteArray afterSound = expectedRewrite(bytes, "G0", "S1", "S0", &changed);
    const QString slidingDefault = defaultFavRecord(Game::Sliding);
    FavSave status = FavSave::Failed;
    const QString soundRecord = UpdateFavRecord(folder.path(), Game::Sliding, slidingDefault, FavChange::sound(), &status);
    require(status == FavSave::Saved);
    requireOnlyTheFile(folder.path());
    require(contents(path) == afterSound);
    require(soundRecord == (changed.isNull() ? slidingDefault : QString::fromLatin1(changed.mid(2))));

    // A background change of the jigsaw, from its stored record.
    const QString current = storedFavRecord(folder.path(), Game::Jigsaw).value_or(defaultFavRecord(Game::Jigsaw));
    const QByteArray newBody = "E1516777215";
    changed.clear();
    const QByteArray afterBody = expectedRewrite(afterSound, "G1", 'B' + FavFields::backgroundBody(current).toLatin1(),
                                                 'B' + newBody, &changed);
    const QString bodyRecord = UpdateFavRecord(folder.path(), Game::Jigsaw, current,
                                               FavChange::background(QString::fromLatin1(newBody)), &status);
    require(status == FavSave::Saved);
    requireOnlyTheFile(folder.path());
    require(contents(path) == afterBody);
    require(bodyRecord == (changed.isNull() ? current : QString::fromLatin1(changed)));

    checkField(folder.path(), bytes);
    return 0;
}
