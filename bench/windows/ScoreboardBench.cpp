// ScoreboardBench.cpp: the scoreboard over 10,000 records: opening it (the records read, the
// tables and chart built) to painted, and recording one completion with its atomic rewrite.
#include "BenchGame.h"
#include "BuiltInPictures.h"
#include "PaintWatch.h"
#include "RecordStore.h"
#include "ScoreboardWindow.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int Records = 10000;

// A player's 10,000 games over both games, the ten pictures, every grid size and some levels.
QList<GameRecord> manyGames()
{
    QList<GameRecord> games;
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < Records; ++i) {
        GameRecord r;
        r.when = start.addSecs(qint64(i) * 3600);
        r.game = i % 3 == 0 ? RecordGame::Jigsaw : RecordGame::Logic;
        r.finished = i % 50 != 0;
        r.builtInPicture = i % 10;
        r.gridSize = 3 + i % 8;
        r.levelCode = 6401 + i % 11;
        r.pieceCount = 60 + i % 5;
        r.shapeFamily = i % 2;
        r.rotation = r.game == RecordGame::Jigsaw && i % 4 == 0;
        r.seconds = r.finished ? 30 + (i * 7919) % 900 : GameRecord::TimeEndSeconds;
        r.moves = 20 + (i * 104729) % 400;
        r.score = 15000 - 10 * r.moves - 10 * r.seconds;
        games.append(r);
    }
    return games;
}

// A data folder holding the 10,000 records.
struct Folder
{
    Folder()
    {
        const QByteArray text = RecordStore::serialise(manyGames());
        QFile file(dir.filePath(dataFileName(DataFile::Records)));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("quarry-bench: the records file could not be written");
        base = text;
    }
    void reset() const
    {
        QFile file(dir.filePath(dataFileName(DataFile::Records)));
        if (!file.open(QIODevice::WriteOnly) || file.write(base) != base.size())
            qFatal("quarry-bench: the records file could not be written");
    }
    QTemporaryDir dir;
    QByteArray base;
};

Folder& folder()
{
    static Folder f;
    return f;
}

} // namespace

QUARRY_BENCH(Scoreboard_open_10000records, "< 50 ms: 10,000 records read, the window built and shown, to painted")
{
    static BenchContext services;
    static const BuiltInPictures pictures;
    static QWidget gameWindow;
    AppContext context = services.context;
    context.dataFolder = folder().dir.path();
    context.recordStore.reset(); // read afresh, as the first opening of a run does
    PaintWatch watch;
    watch.begin();
    auto* board = new ScoreboardWindow(context, pictures, RecordGame::Logic, &gameWindow);
    board->show();
    watch.waitForAnyIn(board, "the scoreboard");
    const Bench::Untimed closing;
    delete board;
}

QUARRY_BENCH_EACH(Scoreboard_record_10000records, "< 5 ms: one completion added to 10,000 records, atomic rewrite included")
{
    static std::unique_ptr<RecordStore> store;
    static int recorded = 0;
    if (!store || ++recorded % 100 == 0) {
        const Bench::Untimed reading;
        folder().reset();
        store = std::make_unique<RecordStore>(folder().dir.filePath(dataFileName(DataFile::Records)));
        store->records();
    }
    static const GameRecord record = manyGames().at(1);
    Bench::keep(store->append(record));
}
