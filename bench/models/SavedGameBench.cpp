// SavedGameBench.cpp: saving the largest jigsaw game (the shape board of 101 pieces, turned
// figures, some locked into the board) and resuming it from the file into the models.
#include "BenchHarness.h"
#include "JigsawSave.h"
#include "RandomSource.h"
#include "Twips.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

struct SavedJigsaw
{
    QTemporaryDir dir;
    QString path;
    QImage picture { 667, 500, QImage::Format_RGB32 };
    PieceTable table;
    JigsawPlay play;
    JigsawSave::Level level;

    SavedJigsaw()
    {
        QPainter painter(&picture);
        for (int y = 0; y < picture.height(); y += 20)
            for (int x = 0; x < picture.width(); x += 20)
                painter.fillRect(x, y, 20, 20, QColor::fromHsv((x + y) % 360, 160, 80 + (x * 7 + y) % 170));
        painter.end();
        path = dir.filePath(QStringLiteral("jigsaw.save"));
        QImage working = picture.copy();
        ScriptedRandom random({ 0.9 }); // keeps M1 and D2: the smallest cells, 100 figures
        level = JigsawSave::buildNew(QStringLiteral("G1,BE0132768,D2,R1,M1,S0,P2,"), working, table, random);
        if (level.pieceCount != 101)
            qFatal("quarry-bench: the shape board has %d pieces, not 101", level.pieceCount);
        play.startGame(&table, level.shapeFamily, level.rotation);
        const QSizeF client(28000, 15000);
        play.moveUnit(101, QPointF(300, 900));
        for (int k = 1; k <= 100; ++k) {
            play.window(k).visible = true;
            play.moveUnit(k, QPointF(200 + 230 * (k % 100), 9000 + 40 * k));
            if (k % 3 == 0)
                play.turn(k, working.size(), client);
        }
        play.window(101).visible = true;
        // Every tenth figure into its hole.
        for (int k = 10; k <= 100; k += 10) {
            const PieceRecord& r = table.piece(k);
            const PieceRecord& b = table.piece(101);
            const QPointF hole = play.window(101).pos
                + QPointF(Twips::fromPixels(r.homeLeft - b.homeLeft), Twips::fromPixels(r.homeTop - b.homeTop));
            if (play.press(k, { 0, 0 }))
                play.release(k, hole - play.window(k).pos, client);
        }
        if (play.joinCounter() < 5)
            qFatal("quarry-bench: only %d joins in the saved game", play.joinCounter() - 1);
    }

    SavedGame::Document document() const
    {
        SavedGame::Document d = JigsawSave::capture(play, level, 1234, false);
        d.picture.builtIn = 3;
        return d;
    }
};

SavedJigsaw& saved()
{
    static SavedJigsaw game;
    return game;
}

} // namespace

QUARRY_BENCH(SavedGame_save_jigsaw101, "< 10 ms: a 101-piece game captured and written atomically")
{
    SavedJigsaw& game = saved();
    if (!SavedGame::write(game.path, game.document()))
        qFatal("quarry-bench: the game could not be saved");
}

QUARRY_BENCH(SavedGame_resume_jigsaw101_models,
    "< 100 ms with the pieces shown: a 101-piece game read, its level cut again, every unit restored")
{
    SavedJigsaw& game = saved();
    static const bool written = SavedGame::write(game.path, game.document());
    if (!written)
        qFatal("quarry-bench: the game could not be saved");
    const SavedGame::ReadResult read = SavedGame::read(game.path, SavedGame::Game::Jigsaw);
    QImage fitted;
    QImage working;
    PieceTable table;
    JigsawPlay play;
    JigsawSave::Level level;
    QString problem;
    if (!read.ok || !JigsawSave::resume(read.document, game.picture, fitted, working, table, play, &level, &problem))
        qFatal("quarry-bench: the game could not be resumed: %s", qPrintable(read.ok ? problem : read.problem));
    Bench::keep(play.joinCounter());
}
