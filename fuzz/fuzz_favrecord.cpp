// fuzz_favrecord.cpp: libFuzzer target: ReadFavRecord and UpdateFavRecord over arbitrary bytes of
// fav.dll in a temporary folder, checked against an independent statement of the rewrite.
#include "FavFields.h"
#include "FavRecord.h"
#include "FavRewriteModel.h"
#include "RandomSource.h"

#include <QByteArray>
#include <QFile>
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
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(bytes) == bytes.size());
    }

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
    require(contents(path) == afterBody);
    require(bodyRecord == (changed.isNull() ? current : QString::fromLatin1(changed)));
    return 0;
}
