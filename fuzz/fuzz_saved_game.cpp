// fuzz_saved_game.cpp: libFuzzer target: any bytes read as a saved Logic game and as a saved
// Jigsaw game, through the loaders the windows use. A save is refused or resumed whole: a refused
// one leaves the game as it was, a resumed one is a game that can be played on and saved again
// to the same document.
#include "JigsawSave.h"
#include "SlidingSave.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace {
[[noreturn]] void fail() { __builtin_trap(); }

void logic(const QByteArray& bytes)
{
    const SavedGame::ReadResult read = SavedGame::decode(bytes, SavedGame::Game::Logic);
    SlidingGame game;
    game.startGameWithBlank(3, 1);
    const QByteArray before = SavedGame::encode(SlidingSave::capture(game));
    QString problem;
    if (!read.ok || !SlidingSave::restore(read.document, game, &problem)) {
        if (SavedGame::encode(SlidingSave::capture(game)) != before)
            fail();
        return;
    }
    // Keys the program does not write are ignored on reading (a hand-edited or damaged save can
    // carry them); every key it does write must come back as it was read.
    const auto written = [](const QJsonObject& object, std::initializer_list<const char*> keys) {
        QJsonObject kept;
        for (const char* key : keys)
            if (object.contains(QLatin1String(key)))
                kept.insert(QLatin1String(key), object.value(QLatin1String(key)));
        return kept;
    };
    SavedGame::Document again = SlidingSave::capture(game);
    if (again.state != written(read.document.state, { "cells", "blank", "steps", "picked", "hints" })
        || again.level != written(read.document.level, { "grid" }))
        fail();
    for (int tile = 1; tile <= game.board().tileCount(); ++tile)
        game.click(tile);
}

void jigsaw(const QByteArray& bytes)
{
    const SavedGame::ReadResult read = SavedGame::decode(bytes, SavedGame::Game::Jigsaw);
    if (!read.ok)
        return;
    // Keep the rebuilt levels small enough for the fuzzer to go on.
    const QJsonArray size = read.document.level.value(QStringLiteral("picture")).toArray();
    if (size.size() == 2 && size[0].toDouble() * size[1].toDouble() > 400 * 300)
        return;
    QImage source(120, 90, QImage::Format_RGB32);
    source.fill(Qt::gray);
    QImage fitted;
    QImage working;
    PieceTable table;
    JigsawPlay play;
    JigsawSave::Level level;
    QString problem;
    if (!JigsawSave::resume(read.document, source, fitted, working, table, play, &level, &problem)) {
        if (play.pieceCount() != 0 || table.count() != 0 || !working.isNull() || problem.isEmpty())
            fail();
        return;
    }
    if (JigsawSave::capture(play, level, read.document.seconds, read.document.paused).state.value("pieces")
        != read.document.state.value(QStringLiteral("pieces")))
        fail();
    for (int k = 1; k <= play.pieceCount(); ++k) {
        play.turn(k, working.size(), QSizeF(20000, 15000));
        if (play.press(k, QPointF(10, 10)))
            play.release(k, QPointF(200, 100), QSizeF(20000, 15000));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    logic(bytes);
    jigsaw(bytes);
    return 0;
}
