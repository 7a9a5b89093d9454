// tst_jigsawplay.cpp: drag, clamp, join and scatter rules of the jigsaw.
#include "JigsawPlay.h"
#include "JigsawScatter.h"
#include "JigsawTables.h"
#include "LevelBuilder.h"
#include "NeighbourList.h"
#include "RandomSource.h"
#include "Twips.h"

#include <QtTest>

namespace {
// One piece whose outline is region (its box is the region's bounding box).
PieceTable onePiece(const QRegion& region)
{
    PieceTable table;
    PieceRecord p;
    p.outline = region;
    p.group = QStringLiteral("P1");
    table.append(p);
    return table;
}

QPointF twips(QPoint pixels)
{
    return { Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y()) };
}

// Presses unit k at its top left and releases it with its window's left and top at target.
JigsawPlay::Drop dropAt(JigsawPlay& play, int k, QPointF target, QSizeF client = { 30000, 20000 })
{
    if (!play.press(k, QPointF(0, 0)))
        return {};
    return play.release(k, target - play.window(k).pos, client);
}

// A play over its own table, started, its pieces shown at home shifted by the pixels given.
struct Played {
    explicit Played(PieceTable t, int family = JigsawPlay::Catalogue, bool rotation = false, QPointF shift = {})
        : table(std::move(t))
    {
        play.startGame(&table, family, rotation);
        for (int k = 1; k <= play.pieceCount(); ++k) {
            const PieceRecord& r = table.piece(k);
            play.window(k).pos = twips(QPoint(r.homeLeft, r.homeTop)) + shift * Twips::perPixel();
            play.window(k).visible = true;
        }
    }
    PieceTable table;
    JigsawPlay play;
};
} // namespace

class TestJigsawPlay : public QObject
{
    Q_OBJECT

private slots:
    void init() { Twips::overridePerPixel(15); }
    void cleanup() { Twips::overridePerPixel(0); }

    // Piece 2 moved by (dx, dy) twips off its place joins within 10 pixels either way, compared after
    // conversion (10.5 pixels is too far); a unit turned otherwise never joins.
    void joinTolerance()
    {
        const QList<std::tuple<double, double, int, bool>> rows = { { 0, 0, 0, true }, { 150, 150, 0, true },
            { -150, -150, 0, true }, { 165, 0, 0, false }, { 0, 165, 0, false }, { 157.5, 0, 0, false },
            { 0, -157.5, 0, false }, { 0, 0, 90, false } };
        for (const auto& [dx, dy, turn, joins] : rows) {
            Played game(squareGrid(2, 1));
            auto& [table, play] = game;
            play.window(2).pos += QPointF(dx, dy);
            table.piece(2).turn = turn;
            QVERIFY2(play.tryJoin(2).joined == joins, qPrintable(QStringLiteral("%1, %2").arg(dx).arg(dy)));
            QCOMPARE(play.joinCounter(), joins ? 2 : 1);
            QCOMPARE(play.window(2).visible, !joins);
        }
    }

    // A right click reaches a unit whose outline (not box) it misses by at most 3 pixels each way.
    void unitNear_data()
    {
        QTest::addColumn<QPoint>("point"); // relative to an L-shaped piece at (200, 200) pixels
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("unit");
        QTest::newRow("3 px left") << QPoint(-3, 50) << false << 1;
        QTest::newRow("4 px left") << QPoint(-4, 50) << false << 0;
        QTest::newRow("3 px below the arm") << QPoint(60, 22) << false << 1;
        QTest::newRow("3 px off a corner both ways") << QPoint(-3, -3) << false << 1;
        QTest::newRow("inside the box, off the outline") << QPoint(60, 60) << false << 0;
        QTest::newRow("paused") << QPoint(-3, 50) << true << 0;
    }
    void unitNear()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, paused);
        QFETCH(int, unit);
        Played game(onePiece(QRegion(0, 0, 100, 20).united(QRegion(0, 0, 20, 100))), JigsawPlay::Catalogue,
            true, QPointF(200, 200));
        game.play.paused = paused;
        QCOMPARE(game.play.unitNear(QPoint(200, 200) + point), unit);
    }

    void mergeGeometryAndBookkeeping()
    {
        Played game(squareGrid(3, 1), JigsawPlay::Catalogue, false, QPointF(400, 300));
        auto& [table, play] = game;
        // Piece 2 dropped 6 px left and 4 px up of its exact place beside piece 1.
        play.window(2).pos += QPointF(-90, -60);
        const QPointF before2 = play.window(2).pos;
        const JoinResult r = play.tryJoin(2);
        QVERIFY(r.joined);
        QCOMPARE(r.survivor, 1);
        QCOMPARE(r.absorbed, 2);
        const UnitWindow& w = play.window(1);
        QCOMPARE(w.size, QSize(200, 100));
        QCOMPARE(w.outline, QRegion(0, 0, 200, 100)); // the drop error is gone
        QCOMPARE(w.pos, QPointF(Twips::fromPixels(400), before2.y())); // smaller left, smaller top
        QCOMPARE(table.piece(1).homeLeft, 0);
        QCOMPARE(table.piece(1).homeTop, 0);
        QCOMPARE(table.piece(1).group, QStringLiteral("P1P2"));
        QVERIFY(!play.window(2).visible);
        QVERIFY(!play.shadow().visible);
        // C's list is both lists without U; U's other neighbour now names C instead of U.
        QCOMPARE(NeighbourList::pieces(table.piece(1).neighbours), QList<int>({1, 3}));
        QCOMPARE(table.piece(3).neighbours, NeighbourList::entry(1));
        // A third piece finds the survivor through its rewritten list.
        play.window(3).pos = play.window(1).pos + QPointF(Twips::fromPixels(200), 0);
        const JoinResult third = play.tryJoin(3);
        QVERIFY(third.joined);
        QCOMPARE(third.survivor, 1);
        QCOMPARE(table.piece(1).group, QStringLiteral("P1P2P3"));
        QCOMPARE(play.window(1).size, QSize(300, 100));
    }

    // Record 0's list lets any piece join any other; a hidden candidate is skipped: P1 comes first.
    void record0ListSkipsHiddenCandidates()
    {
        Played game(squareGrid(3, 3, true));
        auto& [table, play] = game;
        play.window(1).visible = false;
        QCOMPARE(play.tryJoin(9).survivor, 2);
    }

    void dragAndClamp_data()
    {
        QTest::addColumn<QPointF>("drop");
        QTest::addColumn<QPointF>("clamped");
        // Piece 100 x 100 px = 1500 twips; client 30000 x 20000 twips.
        QTest::newRow("inside") << QPointF(5000, 6000) << QPointF(5000, 6000);
        QTest::newRow("only 100 twips visible at the left") << QPointF(-1400, 6000) << QPointF(-1300, 6000);
        QTest::newRow("above the top") << QPointF(5000, -2000) << QPointF(5000, -1000);
        QTest::newRow("past the right") << QPointF(29900, 6000) << QPointF(29800, 6000);
        QTest::newRow("below the bottom") << QPointF(5000, 25000) << QPointF(5000, 19000);
        QTest::newRow("corner") << QPointF(-9000, 99999) << QPointF(-1300, 19000);
    }
    void dragAndClamp()
    {
        QFETCH(QPointF, drop);
        QFETCH(QPointF, clamped);
        Played game(squareGrid(2, 1));
        auto& [table, play] = game;
        play.window(1).pos = QPointF(9000, 9000);
        play.window(2).pos = QPointF(0, 0);
        QVERIFY(play.press(1, QPointF(300.4, 600.6)));
        QCOMPARE(play.shadow().pos, QPointF(9030, 9050));
        QVERIFY(play.drag(1, QPointF(400, 700)));
        QCOMPARE(play.window(1).pos, QPointF(9100, 9099)); // the grab was rounded to (300, 601)
        QCOMPARE(play.shadow().pos, QPointF(9150, 9149));
        const QPointF mouse = drop - play.window(1).pos + QPointF(300, 601);
        const JigsawPlay::Drop d = play.release(1, mouse, QSizeF(30000, 20000));
        QVERIFY(d.dropped);
        QCOMPARE(play.window(1).pos, clamped);
        QCOMPARE(play.shadow().pos, clamped + QPointF(50, 50));
        QVERIFY(play.shadow().visible);
        QVERIFY(!play.dragging());
        QVERIFY(!play.drag(1, QPointF(0, 0)));
    }

    void inputRefused_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("piece");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("normal") << 0 << "" << 1 << true;
        QTest::newRow("paused") << 0 << "paused" << 1 << false;
        QTest::newRow("time ended") << 0 << "timeEnded" << 1 << false;
        QTest::newRow("index 0") << 0 << "" << 0 << false;
        QTest::newRow("past the end") << 0 << "" << 5 << false;
        QTest::newRow("last piece of the catalogue") << 0 << "" << 4 << true;
        QTest::newRow("board of a shape board") << 1 << "" << 4 << false;
        QTest::newRow("figure of a shape board") << 1 << "" << 3 << true;
        QTest::newRow("completed games stay playable") << 0 << "ended" << 2 << true;
    }
    void inputRefused()
    {
        QFETCH(int, family);
        QFETCH(QString, state);
        QFETCH(int, piece);
        QFETCH(bool, accepted);
        Played game(squareGrid(2, 2), family);
        auto& [table, play] = game;
        play.paused = state == u"paused";
        play.timeEnded = state == u"timeEnded";
        play.ended = state == u"ended";
        QCOMPARE(play.press(piece, QPointF(10, 10)), accepted);
        QCOMPARE(play.dragging(), accepted);
    }

    // A quarter turn at an edge keeps the strip a drop keeps: left = 200 - width, top = 500 - height.
    void turnIsClampedLikeADrop()
    {
        const QList<std::tuple<QSize, QPointF, QPointF>> rows
            = { { QSize(300, 100), QPointF(200 - 4500, 3000), QPointF(200 - 1500, 3000) },
                  { QSize(100, 300), QPointF(3000, 500 - 4500), QPointF(3000, 500 - 1500) },
                  { QSize(300, 100), QPointF(5000, 5000), QPointF(5000, 5000) } };
        for (const auto& [piece, at, turned] : rows) {
            Played game(onePiece(QRegion(QRect(QPoint(0, 0), piece))), JigsawPlay::Catalogue, true);
            auto& [table, play] = game;
            play.window(1).pos = at;
            QVERIFY(play.turn(1, piece, QSizeF(30000, 20000)));
            QCOMPARE(table.piece(1).turn, 90);
            QCOMPARE(play.window(1).size, piece.transposed());
            QCOMPARE(play.window(1).pos, turned);
        }
    }

    // The box clamp alone can leave only a stray pixel of the outline inside: a 50 x 50 patch and one
    // pixel in the far corner of a 200 x 200 box. 178 pixels of outline must stay (200 x 200 twips),
    // or all of a smaller one. Client 2000 x 1333 pixels: a patch at the left/top shows 4 columns
    // (rows) at -46 where the box clamp gave -187; at the right/bottom its first 4 end at 2000 - 4.
    void dropKeepsOutlineWithinReach()
    {
        const auto keptAt = [](QRect patch, QPoint dot, QPointF drop) {
            Played game(onePiece(QRegion(patch) + QRegion(dot.x(), dot.y(), 1, 1)));
            return dropAt(game.play, 1, drop).dropped ? game.play.window(1).pos : QPointF(-1, -1);
        };
        QCOMPARE(keptAt(QRect(0, 0, 50, 50), QPoint(199, 199), QPointF(-9000, 3000)), twips(QPoint(-46, 200)));
        QCOMPARE(keptAt(QRect(0, 0, 50, 50), QPoint(199, 199), QPointF(3000, -9000)), twips(QPoint(200, -46)));
        QCOMPARE(keptAt(QRect(150, 150, 50, 50), QPoint(0, 0), QPointF(40000, 3000)), twips(QPoint(1846, 200)));
        QCOMPARE(keptAt(QRect(150, 150, 50, 50), QPoint(0, 0), QPointF(3000, 40000)), twips(QPoint(200, 1179)));
        // A small outline stays wholly inside.
        QCOMPARE(keptAt(QRect(0, 0, 10, 10), QPoint(99, 99), QPointF(-9000, 3000)), twips(QPoint(0, 200)));
    }

    // Every figure dropped a few pixels off its hole snaps exactly in, never into a figure locked
    // before it, counts one join and stays put; locked figures stack between board and loose ones.
    void shapeBoardPlaysToCompletion()
    {
        PieceTable table;
        QImage picture(640, 480, QImage::Format_RGB32);
        ScriptedRandom random({ 0.1 });
        LevelBuilder::buildShapeBoard(0, 7, picture, table, random);
        JigsawPlay play;
        play.startGame(&table, JigsawPlay::ShapeBoard, false);
        const int board = play.pieceCount();
        QCOMPARE(board, 26);
        for (int k = 1; k <= board; ++k) {
            play.window(k).pos = k == board ? QPointF(3000, 1500) : QPointF(15000 + 100 * k, 9000);
            play.window(k).visible = true;
        }
        auto hole = [&](int k) {
            return play.window(board).pos + twips(QPoint(table.piece(k).homeLeft, table.piece(k).homeTop));
        };
        for (int k = 1; k < board; ++k) {
            const QPoint error(k % 2 ? 7 : -9, k % 3 ? -6 : 10);
            const JigsawPlay::Drop drop = dropAt(play, k, hole(k) + twips(error));
            QVERIFY(drop.join.intoBoard);
            QCOMPARE(drop.join.survivor, board);
            QCOMPARE(drop.join.completed, k == board - 1);
            QCOMPARE(play.joinCounter(), k + 1);
            QVERIFY(!play.press(k, QPointF(1, 1)));
            const QList<int>& stack = play.stacking();
            QCOMPARE(stack.first(), board);
            for (int j = 1; j < board; ++j)
                QCOMPARE(stack.indexOf(j) <= k, j <= k); // the locked ones right above the board
        }
        for (int k = 1; k < board; ++k) {
            QVERIFY(play.window(k).locked);
            QVERIFY(play.window(k).visible);
            QCOMPARE(play.window(k).pos, hole(k));
        }
    }

    // A command in the middle of a drag ends it as a drop where the unit is: clamp, shadow, join.
    void endDragDrops()
    {
        Played game(squareGrid(2, 1), JigsawPlay::Catalogue, false, QPointF(400, 300));
        auto& [table, play] = game;
        QVERIFY(play.press(2, QPointF(0, 0)));
        QVERIFY(play.drag(2, QPointF(-90000, 45)));
        const JigsawPlay::Drop drop = play.endDrag(QSizeF(30000, 20000));
        QVERIFY(drop.dropped);
        QVERIFY(!play.dragging());
        QCOMPARE(play.window(2).pos.x(), 200 - 1500.0);
        QVERIFY(play.shadow().visible);
        QVERIFY(!play.endDrag(QSizeF(30000, 20000)).dropped);
    }

    // A shrunk client clamps every shown unlocked unit as a drop; the board carries its figures along.
    void clampAllAfterResize()
    {
        Played game(threeFiguresAndBoard(), JigsawPlay::ShapeBoard, false, QPointF(1500, 1000));
        auto& [table, play] = game;
        QVERIFY(play.tryJoin(1).intoBoard);
        play.window(2).pos = QPointF(1000, 1000);
        play.window(3).pos = QPointF(90000, 1000);
        const QList<int> moved = play.clampAll(QSizeF(12000, 9000)); // 800 x 600 pixels
        QCOMPARE(moved, QList<int>({ 1, 3, 4 }));
        QCOMPARE(play.window(3).pos, QPointF(12000 - 200, 1000));
        QCOMPARE(play.window(4).pos, QPointF(12000 - 200, 9000 - 1000));
        QCOMPARE(play.window(1).pos, play.window(4).pos + QPointF(0, Twips::fromPixels(-100)));
        QCOMPARE(play.window(2).pos, QPointF(1000, 1000));
    }

    // Unit 1 is pieces 1 and 2 joined (200 x 100), unit 3 a single square; client 2000 x 1333 pixels.
    void gather_data()
    {
        QTest::addColumn<QPoint>("third");
        QTest::addColumn<bool>("thirdOnTop");
        QTest::addColumn<QRect>("companion");
        QTest::addColumn<bool>("gathered");
        QTest::newRow("wholly visible") << QPoint(300, 300) << false << QRect() << false;
        QTest::newRow("partly outside the client") << QPoint(-50, 300) << false << QRect() << true;
        QTest::newRow("partly below the client") << QPoint(300, 1300) << false << QRect() << true;
        QTest::newRow("under a companion") << QPoint(300, 300) << false << QRect(390, 390, 100, 100) << true;
        QTest::newRow("under the larger unit") << QPoint(700, 650) << false << QRect() << true;
        QTest::newRow("over the larger unit") << QPoint(700, 650) << true << QRect() << false;
    }
    void gather()
    {
        QFETCH(QPoint, third);
        QFETCH(bool, thirdOnTop);
        QFETCH(QRect, companion);
        QFETCH(bool, gathered);
        Played game(squareGrid(3, 1), JigsawPlay::Catalogue, true, QPointF(600, 600));
        auto& [table, play] = game;
        QVERIFY(play.tryJoin(2).joined);
        table.piece(3).turn = 90;
        play.window(3).pos = twips(third);
        QVERIFY(play.press(thirdOnTop ? 3 : 1, QPointF(0, 0))); // the pressed unit goes on top
        play.release(thirdOnTop ? 3 : 1, QPointF(0, 0), QSizeF(30000, 20000));
        const QList<QRect> companions = companion.isNull() ? QList<QRect>() : QList<QRect> { companion };
        const QPointF before = play.window(3).pos;
        QCOMPARE(play.gather(QSizeF(30000, 20000), companions), gathered ? QList<int> { 3 } : QList<int>());
        QCOMPARE(play.window(3).pos != before, gathered);
        const QRect placed(
            Twips::toPixelsInt(play.window(3).pos.x()), Twips::toPixelsInt(play.window(3).pos.y()), 100, 100);
        const QRect unit1(
            Twips::toPixelsInt(play.window(1).pos.x()), Twips::toPixelsInt(play.window(1).pos.y()), 200, 100);
        if (gathered) {
            QVERIFY(QRect(0, Twips::toPixelsInt(JigsawPlay::PlayAreaTop), 2000, 1333).contains(placed));
            QVERIFY(!placed.intersects(unit1));
            QVERIFY(!placed.intersects(companion));
            QCOMPARE(play.stacking().last(), 3);
        }
        QCOMPARE(table.piece(3).turn, 90);
        QCOMPARE(play.window(1).size, QSize(200, 100));
        QCOMPARE(play.joinCounter(), 2);
    }

    void scatterRangesAndDraws()
    {
        // Window 30000 x 20000, picture 8000 x 6000 twips.
        const JigsawScatter::Ranges r = JigsawScatter::ranges(QSizeF(30000, 20000), QSizeF(8000, 6000));
        QCOMPARE(r.a, 19000.0);
        QCOMPARE(r.b, 6500.0);
        QCOMPARE(r.c, 26000.0);
        QCOMPARE(r.d, 12000.0);
        QCOMPARE(JigsawScatter::ranges(QSizeF(10000, 9000), QSizeF(8000, 6000)).a, 8000.0); // narrow window

        ScriptedRandom random({0.75, 0.5, 0.25, /*piece 2*/ 0.1, 0.5, 0.5, /*piece 3, the board*/ 0.5, 0.5});
        QList<QPair<int, int>> turns;
        const QList<QPointF> places = JigsawScatter::scatter(
            3, QSizeF(30000, 20000), QSizeF(8000, 6000), true, 3, random,
            [&turns](int k, int degrees) { turns.append({k, degrees}); });
        QCOMPARE(turns, (QList<QPair<int, int>>{{1, 270}}));   // piece 2 drew 0 turns, the board none
        QCOMPARE(places[1], QPointF(13000, 3000 + 6000 + 500)); // odd: int(0.5 * C), int(0.25 * D) + PH + 500
        QCOMPARE(places[2], QPointF(9500, 3250 + 500));         // even: int(0.5 * A), int(0.5 * B) + 500
        QCOMPARE(places[3], QPointF(13000, 6000 + 6000 + 500));
        QCOMPARE(random.drawn(), 8);
    }

    // The board is never scattered past the window's edges (its holes must stay reachable); others are.
    void scatterKeepsTheBoardInside()
    {
        // Window 30000 x 20000, picture 8000 x 6000: C = 26000, D = 12000. Inside stays, low is
        // raised, far right is pulled in.
        const QList<std::tuple<double, double, QPointF, QPointF>> rows
            = { { 0.5, 0.5, QPointF(13000, 12500), QPointF(13000, 12500) },
                  { 0.5, 0.99, QPointF(13000, 12500), QPointF(13000, 18380) },
                  { 0.99, 0.0, QPointF(21500, 6500), QPointF(25740, 6500) } };
        for (const auto& [r1, r2, board, other] : rows)
            for (const int boardPiece : { 1, 0 }) {
                ScriptedRandom random({ r1, r2 });
                const QList<QPointF> places = JigsawScatter::scatter(
                    1, QSizeF(30000, 20000), QSizeF(8000, 6000), false, boardPiece, random, {});
                QCOMPARE(places[1], boardPiece == 1 ? board : other);
            }
    }
};

QTEST_GUILESS_MAIN(TestJigsawPlay)
#include "tst_jigsawplay.moc"
