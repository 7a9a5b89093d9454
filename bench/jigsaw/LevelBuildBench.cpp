// LevelBuildBench.cpp: the largest level of every family built on an 800 x 600 working picture,
// from its shape string to every piece window painted: generating the string, parsing it,
// cutting the pieces and their seams, the neighbour lists, and one masked window per piece.
#include "BenchHarness.h"
#include "LevelBuilder.h"
#include "PaintWatch.h"
#include "PieceTable.h"
#include "PieceWindow.h"
#include "RandomSource.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>

namespace {

const QSize WorkingSize(800, 600);

QImage makeWorkingPicture()
{
    QImage image(WorkingSize, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < WorkingSize.height(); y += 20) {
        for (int x = 0; x < WorkingSize.width(); x += 20)
            painter.fillRect(x, y, 20, 20, QColor::fromHsv((x + y) % 360, 160, 80 + (x * 7 + y) % 170));
    }
    return image;
}

// A window the size of the picture on which every piece window stands at its home place, so
// that all of them are on screen.
class LevelHost {
public:
    LevelHost()
        : m_clean(makeWorkingPicture())
    {
        m_window.setWindowTitle(QStringLiteral("quarry-bench level"));
        m_window.resize(WorkingSize);
        m_paints.begin();
        m_window.show();
        // On screen before the first level: its pieces paint only once the window is exposed.
        m_paints.waitForAnyIn(&m_window, "the level window");
    }

    // Builds the level with build, makes its piece windows and waits until all have painted.
    // The previous level's windows go first, untimed.
    void show(const std::function<void(QImage&, PieceTable&)>& build, int expectedPieces, const char* what)
    {
        clear();
        m_working = m_clean.copy();
        build(m_working, m_table);
        if (m_table.count() != expectedPieces)
            qFatal("quarry-bench: %s has %d pieces, not %d", what, m_table.count(), expectedPieces);
        m_paints.begin();
        for (int k = 1; k <= m_table.count(); ++k) {
            const PieceRecord& r = m_table.piece(k);
            auto* piece = new PieceWindow(k, &m_window);
            const QRect box = r.outline.boundingRect();
            piece->showUnit(&m_working, QRect(QPoint(r.homeLeft, r.homeTop), box.size()),
                r.outline.translated(-r.homeLeft, -r.homeTop));
            piece->move(r.homeLeft, r.homeTop);
            piece->show();
            m_pieces << piece;
        }
        m_paints.waitFor(m_pieces, what);
    }

private:
    void clear()
    {
        if (m_pieces.isEmpty())
            return;
        const Bench::Untimed takeDown;
        m_paints.begin();
        qDeleteAll(m_pieces);
        m_pieces.clear();
        m_paints.waitForAnyIn(&m_window, "the emptied level window");
    }

    QWidget m_window;
    QImage m_clean;
    QImage m_working;
    PieceTable m_table;
    QList<QWidget*> m_pieces;
    PaintWatch m_paints;
};

// Lives until the application goes (its widgets may not outlive it).
LevelHost& host()
{
    static LevelHost* instance = [] {
        auto* made = new LevelHost;
        qAddPostRoutine([] { delete instance; });
        return made;
    }();
    return *instance;
}

// Fixed values, so every run builds the same level.
ScriptedRandom& fixedRandom()
{
    static ScriptedRandom random({ 0.13, 0.57, 0.91, 0.29, 0.74, 0.42, 0.05, 0.66 });
    return random;
}

template <int Code, int Pieces> void buildCatalogue()
{
    host().show(
        [](QImage& picture, PieceTable& table) {
            Bench::keep(LevelBuilder::buildCatalogueLevel(Code, picture, table, fixedRandom()));
        },
        Pieces, "a catalogue level");
}

#define QUARRY_BUILD_LEVEL(code, pieces, what)                                                               \
    const Bench::Registration buildLevel##code("BuildCatalogueLevel_" #code,                                 \
        "< 50 ms: " what " on 800 x 600, shape string to all piece windows painted",                         \
        &buildCatalogue<code, pieces>)

QUARRY_BUILD_LEVEL(6401, 64, "64 squares");
QUARRY_BUILD_LEVEL(6402, 64, "64 triangles");
QUARRY_BUILD_LEVEL(6403, 60, "60 frames and tiles");
QUARRY_BUILD_LEVEL(6404, 60, "60 crosses and corners");
QUARRY_BUILD_LEVEL(6405, 64, "64 quadrilaterals");
QUARRY_BUILD_LEVEL(6406, 60, "60 octagons and corners");
QUARRY_BUILD_LEVEL(6407, 60, "60 rings and squares");
QUARRY_BUILD_LEVEL(6408, 60, "60 rings and triangles");
QUARRY_BUILD_LEVEL(6409, 90, "90 rings, frames and squares");
QUARRY_BUILD_LEVEL(6410, 60, "60 rings and stars");
QUARRY_BUILD_LEVEL(6411, 60, "60 ovals and digits");

} // namespace

// The smallest cells with a figure kind drawn for every cell: on 800 x 600, 12 x 12 figures and
// the board (the game's own play area, at most 667 x 500 at 120 dpi, holds 10 x 10).
QUARRY_BENCH(
    BuildShapeBoard_D2P0, "< 50 ms: 144 figures and the board on 800 x 600, to all piece windows painted")
{
    host().show(
        [](QImage& picture, PieceTable& table) {
            Bench::keep(LevelBuilder::buildShapeBoard(2, 0, picture, table, fixedRandom()));
        },
        145, "the shape board");
}
