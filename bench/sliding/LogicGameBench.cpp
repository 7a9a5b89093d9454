// LogicGameBench.cpp: the sliding window building a 10 x 10 board on an 800 x 600 picture, one
// tile move from the click to the repaint, and the frames of a tile slide; all run to the repaint
// on screen.
#include "BenchHarness.h"
#include "BenchPictures.h"
#include "PeakMemory.h"
#include "AppContext.h"
#include "BuiltInPictures.h"
#include "Frm_LogicGame.h"
#include "MessageBoxes.h"
#include "PaintWatch.h"
#include "RandomSource.h"
#include "SlidingTile.h"
#include "TileSlide.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QVariantAnimation>

#include <algorithm>

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
        activateFirst(window.get(), "the sliding window");
    }

    QTemporaryDir dir;
    ScriptedRandom random;
    ScriptedMessageBoxes messages;
    AppContext context;
    std::unique_ptr<BuiltInPictures> pictures;
    std::unique_ptr<Frm_LogicGame> window;
    PaintWatch paints;
};

// The tiles on show, which a new board must all paint.
QList<QWidget*> shownTiles(const Frm_LogicGame& window)
{
    QList<QWidget*> shown;
    for (int k = 1; SlidingTile* tile = window.tile(k); ++k) {
        if (tile->isVisible())
            shown << tile;
    }
    return shown;
}

// A left click as the mouse gives it: press and release inside the tile.
void click(QWidget* tile)
{
    const QPointF inside(tile->width() / 2.0, tile->height() / 2.0);
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, inside, tile->mapToGlobal(inside), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tile, &event);
    }
}

// A new 10 x 10 board painted; returns a tile beside the blank, which goes back and forth.
int boardWithMovableTile(BenchWindow& bench)
{
    bench.paints.begin();
    bench.window->NewPictureGame();
    bench.paints.waitFor(shownTiles(*bench.window), "the sliding board");
    const SlidingBoard& board = bench.window->game().board();
    for (ArrowKey key : { ArrowKey::Left, ArrowKey::Right, ArrowKey::Up, ArrowKey::Down })
        if (const int found = board.tileForArrow(key))
            return found;
    qFatal("quarry-bench: no tile beside the blank");
}

} // namespace

QUARRY_BENCH(LogicGame_StartGame_10x10, "< 30 ms: from StartGame to the board painted")
{
    static BenchWindow& bench = *new BenchWindow; // lives until the process ends, past the application object
    bench.paints.begin();
    bench.window->NewPictureGame();
    bench.paints.waitFor(shownTiles(*bench.window), "the sliding board");
}

QUARRY_BENCH(LogicGame_openPicture_photo6000x4000_10x10,
    "< 200 ms: a 6000 x 4000 JPEG, from the command to the 10 x 10 board painted")
{
    static BenchWindow& bench = *new BenchWindow; // lives until the process ends, past the application object
    static const QString photo = BenchPictures::photo6000x4000();
    bench.paints.begin();
    if (!bench.window->openPictureFile(photo, false))
        qFatal("quarry-bench: the photo was refused");
    bench.paints.waitFor(shownTiles(*bench.window), "the sliding board");
}

QUARRY_BENCH_MEMORY(LogicGame_openPicture_photo6000x4000_10x10_memory,
    "< 60 MiB: peak resident growth over the game's memory while the photo is opened, to the board painted")
{
    static BenchWindow& bench = *new BenchWindow; // lives until the process ends, past the application object
    static const QString photo = BenchPictures::photo6000x4000();
    const Bench::PeakMemory peak;
    bench.paints.begin();
    if (!bench.window->openPictureFile(photo, false))
        qFatal("quarry-bench: the photo was refused");
    bench.paints.waitFor(shownTiles(*bench.window), "the sliding board");
    return peak.grownBytes();
}

QUARRY_BENCH_EACH(LogicGame_TileMove, "< 1 ms: from the click to the repaint done (animations off)")
{
    static BenchWindow& bench = *new BenchWindow; // lives until the process ends, past the application object
    static int tile = [] {
        bench.window->setAnimations(false);
        return boardWithMovableTile(bench);
    }();
    // The same tile goes back and forth beside the blank.
    bench.paints.begin();
    click(bench.window->tile(tile));
    bench.paints.waitForAnyIn(bench.window.get(), "a tile move");
}

// Each sample is one frame of a slide at 60 frames a second: the slide's clock set forward by a
// frame, to the repaint done. The slide is stepped by the benchmark, not by the animation timer,
// so every frame is timed alone; steps that move the tile by no whole pixel (at the end of the
// eased slide) draw nothing and are passed over.
QUARRY_BENCH_EACH(LogicGame_TileSlideFrame_10x10, "<= 4 ms: one frame of a tile slide, to the repaint done")
{
    constexpr int FrameMs = 16;
    static BenchWindow& bench = *new BenchWindow; // lives until the process ends, past the application object
    static int tile = boardWithMovableTile(bench);
    static int frame = 0;
    QVariantAnimation* clock = bench.window->slideAnimation();
    SlidingTile* moving = bench.window->tile(tile);
    for (;;) {
        if (!bench.window->slide().running()) {
            Bench::Untimed untimed;
            bench.paints.begin();
            click(moving);
            bench.paints.waitForAnyIn(bench.window.get(), "the start of a slide");
            clock->pause();
            frame = 0;
        }
        const QPoint before = moving->pos();
        bench.paints.begin();
        clock->setCurrentTime(std::min(++frame * FrameMs, TileSlide::DurationMs));
        if (moving->pos() != before)
            break;
        if (frame * FrameMs >= TileSlide::DurationMs && bench.window->slide().running())
            qFatal("quarry-bench: the slide did not end with its time");
    }
    bench.paints.waitForAnyIn(bench.window.get(), "a slide frame");
}
