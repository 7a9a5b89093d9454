// InspectRecords.cpp: quarry-inspect read-record and update-record, the preferences file from the
// command line.
#include "FavRecord.h"
#include "Inspect.h"
#include "RandomSource.h"

#include <memory>
#include <optional>

namespace {

const QString ReadName = QStringLiteral("read-record");
const QString UpdateName = QStringLiteral("update-record");

std::optional<Game> parseGame(const QString& text)
{
    if (text == u"sliding")
        return Game::Sliding;
    if (text == u"jigsaw")
        return Game::Jigsaw;
    return std::nullopt;
}

// FOLDER GAME [--random U1,U2,...]
int readRecord(const QStringList& args, Inspect::Io& io)
{
    if (args.size() != 2 && args.size() != 4)
        return Inspect::usage(io, ReadName);
    const std::optional<Game> game = parseGame(args[1]);
    if (!game)
        return Inspect::usage(io, ReadName);
    std::unique_ptr<RandomSource> random;
    if (args.size() == 4) {
        bool ok = false;
        const QList<double> values = Inspect::parseRandomList(args[3], &ok);
        if (args[2] != u"--random" || !ok)
            return Inspect::usage(io, ReadName);
        random = std::make_unique<ScriptedRandom>(values);
    } else {
        random = std::make_unique<SystemRandom>();
    }
    io.out << ReadFavRecord(args[0], *game, *random) << '\n';
    return 0;
}

// FOLDER GAME sound | FOLDER GAME body BODY | FOLDER GAME field LETTER VALUE
int updateRecord(const QStringList& args, Inspect::Io& io)
{
    if (args.size() < 3)
        return Inspect::usage(io, UpdateName);
    const std::optional<Game> game = parseGame(args[1]);
    FavChange change;
    if (args[2] == u"sound" && args.size() == 3)
        change = FavChange::sound();
    else if (args[2] == u"body" && args.size() == 4)
        change = FavChange::background(args[3]);
    else if (args[2] == u"field" && args.size() == 5 && args[3].size() == 1)
        change = FavChange::field(args[3][0], args[4]);
    else
        return Inspect::usage(io, UpdateName);
    if (!game)
        return Inspect::usage(io, UpdateName);
    if (!favChangeValid(*game, change)) {
        io.err << "quarry-inspect: the " << args[1] << " line has the fields " << favFieldLetters(*game)
               << ", each set to a non-negative whole number\n";
        return Inspect::usage(io, UpdateName);
    }

    // The window's record before the change: what it would hold without the redraws.
    const QString current = storedFavRecord(args[0], *game).value_or(defaultFavRecord(*game));
    FavSave status = FavSave::Saved;
    const QString record = UpdateFavRecord(args[0], *game, current, change, &status);
    switch (status) {
    case FavSave::Rejected:
        io.err << "quarry-inspect: a body holds no comma, line end or character beyond Latin-1\n";
        return Inspect::usage(io, UpdateName);
    case FavSave::Saved:
    case FavSave::NoFile:
        break;
    case FavSave::ReadOnly:
        io.err << "quarry-inspect: fav.dll is read-only and was left as it is\n";
        break;
    case FavSave::NotRead:
    case FavSave::Failed:
        io.out << record << '\n';
        io.err << "quarry-inspect: fav.dll could not be "
               << (status == FavSave::NotRead ? "read" : "rewritten") << "; it was left as it is\n";
        return 1;
    }
    io.out << record << '\n';
    return 0;
}

const Inspect::Command readCommand("read-record", "FOLDER sliding|jigsaw [--random U1,U2,...]", readRecord);
const Inspect::Command updateCommand("update-record", "FOLDER sliding|jigsaw (sound | body BODY | field LETTER VALUE)", updateRecord);

} // namespace
