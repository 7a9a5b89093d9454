// EyesGameBench.cpp: the jigsaw window at work: new games of the largest levels, drag steps of a
// single piece and of a large unit among 101 pieces, and joins.
#include "AppContext.h"
#include "BenchHarness.h"
#include "BuiltInPictures.h"
#include "FavRecord.h"
#include "Frm_EyesGame.h"
#include "MessageBoxes.h"
#include "PieceWindow.h"
#include "RandomSource.h"
#include "Twips.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

// 120 dpi, with the large window below: the play area takes the biggest picture the game allows.
// Pinned only while a jigsaw benchmark runs, so the other modules' benchmarks see the screen.
struct TwipsAt120Dpi
{
    TwipsAt120Dpi() { Twips::overridePerPixel(12); }
    ~TwipsAt120Dpi() { Twips::overridePerPixel(0); }
    TwipsAt120Dpi(const TwipsAt120Dpi&) = delete;
    TwipsAt120Dpi& operator=(const TwipsAt120Dpi&) = delete;
};

// One jigsaw window over a temporary data folder holding record as the jigsaw line.
class BenchGame {
public:
    explicit BenchGame(const QByteArray& record)
    {
        QFile fav(favFilePath(m_dir.path()));
        if (!m_dir.isValid() || !fav.open(QIODevice::WriteOnly))
            qFatal("quarry-bench: cannot write a preferences file");
        fav.write("G0,BF0132768,D1,M1,L0,K1,S0,\r\n" + record + "\r\n");
        fav.close();
        m_context.dataFolder = m_dir.path();
        m_context.random = &random;
        m_context.messages = &m_messages;
        m_context.strings = StringTable(StringTable::Language::English);
        window = std::make_unique<Frm_EyesGame>(m_context, m_pictures);
        window->resize(1900, 1060);
        window->show();
        QApplication::processEvents();
    }

    // A new picture game with the random values given (the first picks the picture, the next two
    // redraw M and D of the record).
    void newGame(QList<double> values)
    {
        random.setValues(std::move(values));
        window->newPictureGame();
        QApplication::processEvents();
    }

    // Drops unit k so that it stands at its home offset relative to unit ref.
    void dropBeside(int ref, int k)
    {
        const auto homeOf = [&](int i) {
            const PieceRecord& r = window->table().piece(i);
            return QPointF(Twips::fromPixels(r.homeLeft), Twips::fromPixels(r.homeTop));
        };
        dropAt(k, window->play().window(ref).pos - homeOf(ref) + homeOf(k));
    }

    // Drags unit k with the left button so that it lands at target (twips).
    void dropAt(int k, QPointF target)
    {
        const QPointF delta = (target - window->play().window(k).pos) / Twips::perPixel();
        const QPointF grab(4, 4);
        window->Pic_show_MouseDown(k, Qt::LeftButton, grab);
        window->Pic_show_MouseUp(k, Qt::LeftButton, grab + delta);
        QApplication::processEvents();
    }

    // A game that lives until the application goes: windows must not outlive it, so they are
    // not left to the destructors of statics, which run after main has returned.
    static BenchGame& make(const QByteArray& record)
    {
        static QList<BenchGame*> games;
        if (games.isEmpty())
            qAddPostRoutine([] {
                qDeleteAll(games);
                games.clear();
            });
        games << new BenchGame(record);
        return *games.last();
    }

    ScriptedRandom random;
    std::unique_ptr<Frm_EyesGame> window;

private:
    QTemporaryDir m_dir;
    ScriptedMessageBoxes m_messages;
    BuiltInPictures m_pictures;
    AppContext m_context;
};

// The picture, M and D draws, then well spread values for the scatter, so that no two pieces
// land on the same place.
QList<double> drawsFor(double m)
{
    QList<double> values { 0.9, m, 0.9 };
    for (int i = 1; i <= 257; ++i)
        values << (i * 97 % 257) / 257.0;
    return values;
}

// Catalogue family, 64 squares (M drawn 0, D drawn 2).
const QList<double> Catalogue64 = drawsFor(0.1);
// Shape-board family, smallest cells (M drawn 1, D drawn 2): 100 figures and the board.
const QList<double> ShapeBoard101 = { 0.9 };

BenchGame& shapeBoardGame()
{
    static BenchGame& game = BenchGame::make("G1,BE0132768,D2,R0,M1,S0,P2,");
    return game;
}

// Moves unit k one pixel back and forth while it is held.
void dragStep(BenchGame& game, int k)
{
    static bool right = true;
    const QPointF grab(4, 4);
    game.window->Pic_show_MouseMove(k, Qt::LeftButton, grab + QPointF(right ? 1 : -1, 0));
    right = !right;
    QApplication::processEvents();
}

} // namespace

QUARRY_BENCH(EyesGame_newGame_catalogue64_rotation, "< 100 ms: from the command to all pieces shown")
{
    const TwipsAt120Dpi dpi;
    static BenchGame& game = BenchGame::make("G1,BE0132768,D2,R1,M0,S0,P2,");
    game.newGame(Catalogue64);
    Bench::keep(game.window->play().pieceCount());
}

QUARRY_BENCH(EyesGame_newGame_shapeBoard101_rotation, "< 100 ms: from the command to all pieces shown")
{
    const TwipsAt120Dpi dpi;
    static BenchGame& game = BenchGame::make("G1,BE0132768,D2,R1,M1,S0,P2,");
    game.newGame(ShapeBoard101);
    Bench::keep(game.window->play().pieceCount());
}

QUARRY_BENCH(EyesGame_dragStep_single_of101, "< 1.5 ms at p95: one mouse move dragging a single piece")
{
    const TwipsAt120Dpi dpi;
    static const bool pressed = [] {
        BenchGame& game = shapeBoardGame();
        game.newGame(ShapeBoard101);
        if (game.window->play().pieceCount() != 101)
            qFatal("quarry-bench: the shape board has %d pieces, not 101", game.window->play().pieceCount());
        game.window->Pic_show_MouseDown(1, Qt::LeftButton, QPointF(4, 4));
        return true;
    }();
    Bench::keep(pressed);
    dragStep(shapeBoardGame(), 1);
}

QUARRY_BENCH(EyesGame_dragStep_unit30, "< 3 ms at p95: one mouse move dragging a 30-piece unit")
{
    const TwipsAt120Dpi dpi;
    static BenchGame& game = BenchGame::make("G1,BE0132768,D2,R0,M0,S0,P2,");
    static const bool pressed = [] {
        game.newGame(Catalogue64);
        game.dropAt(1, QPointF(600, 600));
        for (int k = 2; k <= 30; ++k)
            game.dropBeside(1, k);
        // Piece 1 may have met a neighbour on its first drop already: a unit of at least 30.
        if (game.window->play().joinCounter() < 30 || !game.window->play().window(1).visible)
            qFatal("quarry-bench: the 30-piece unit did not form");
        game.window->Pic_show_MouseDown(1, Qt::LeftButton, QPointF(4, 4));
        return true;
    }();
    Bench::keep(pressed);
    dragStep(game, 1);
}

QUARRY_BENCH(EyesGame_join, "< 3 ms: a drop that joins, merge and repaint (a new game every 63 joins)")
{
    const TwipsAt120Dpi dpi;
    static BenchGame& game = BenchGame::make("G1,BE0132768,D2,R0,M0,S0,P2,");
    static int next = 65;
    if (next > game.window->play().pieceCount()) {
        game.newGame(Catalogue64);
        game.dropAt(1, QPointF(600, 600));
        next = 2;
    }
    const int before = game.window->play().joinCounter();
    game.dropBeside(1, next++);
    if (game.window->play().joinCounter() != before + 1)
        qFatal("quarry-bench: a drop beside its neighbour did not join");
}
