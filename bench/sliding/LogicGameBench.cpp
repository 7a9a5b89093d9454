// LogicGameBench.cpp: the sliding window building a 10 x 10 board on an 800 x 600 picture, and
// one tile move from the click to the repaint.
#include "BenchHarness.h"
#include "AppContext.h"
#include "BuiltInPictures.h"
#include "Frm_LogicGame.h"
#include "MessageBoxes.h"
#include "RandomSource.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A window over a temporary folder whose record, with every random value 0.9, gives a 10 x 10
// board (D drawn as 7) on built-in picture 9; questions are answered Yes.
struct BenchWindow {
    BenchWindow()
        : random({ 0.9 })
    {
        QFile file(QDir(dir.path()).filePath(QStringLiteral("fav.dll")));
        if (!dir.isValid() || !file.open(QIODevice::WriteOnly))
            qFatal("quarry-bench: cannot write a fav.dll");
        file.write("G0,BF0132768,D7,M1,L1,K1,S0,\r\nG1,BE0132768,D0,R0,M0,S1,P0,\r\n");
        file.close();
        QList<QImage> images;
        for (int i = 0; i < 10; ++i) {
            QImage image(800, 600, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 36, 180, 200));
            images.append(image);
        }
        pictures = std::make_unique<BuiltInPictures>(images);
        context.dataFolder = dir.path();
        context.random = &random;
        context.messages = &messages;
        context.setSoundPaths();
        window = std::make_unique<Frm_LogicGame>(context, *pictures);
        window->show();
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    ScriptedRandom random;
    ScriptedMessageBoxes messages;
    AppContext context;
    std::unique_ptr<BuiltInPictures> pictures;
    std::unique_ptr<Frm_LogicGame> window;
};

} // namespace

QUARRY_BENCH(LogicGame_StartGame_10x10, "< 30 ms: from StartGame to the board painted")
{
    static BenchWindow& bench = *new BenchWindow; // lives until the process ends, past the application object
    bench.window->NewPictureGame();
    Bench::keep(bench.window->grab());
}

QUARRY_BENCH(LogicGame_TileMove, "< 1 ms: from the click to the repaint done")
{
    static BenchWindow& bench = *new BenchWindow; // lives until the process ends, past the application object
    static int tile = [] {
        bench.window->NewPictureGame();
        QApplication::processEvents();
        const SlidingBoard& board = bench.window->game().board();
        for (ArrowKey key : { ArrowKey::Left, ArrowKey::Right, ArrowKey::Up, ArrowKey::Down })
            if (const int found = board.tileForArrow(key))
                return found;
        return 0;
    }();
    // The same tile goes back and forth beside the blank.
    bench.window->Pic_show_Click(tile);
    QApplication::processEvents();
}
