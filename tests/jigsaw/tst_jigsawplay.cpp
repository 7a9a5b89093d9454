// tst_jigsawplay.cpp: drag, clamp, join, completion and scatter rules of the jigsaw.
#include "JigsawPlay.h"
#include "JigsawScatter.h"
#include "NeighbourList.h"
#include "RandomSource.h"
#include "StringTable.h"
#include "Twips.h"

#include <QtTest>

namespace {
// A cols x rows grid of 100-pixel squares with grid neighbour lists (or record 0's list).
PieceTable squareGrid(int cols, int rows, bool record0List = false)
{
    PieceTable table;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            PieceRecord p;
            p.homeLeft = 100 * c;
            p.homeTop = 100 * r;
            p.outline = QRegion(100 * c, 100 * r, 100, 100);
            const int k = table.count() + 1;
            p.group = QStringLiteral("P%1").arg(k);
            if (!record0List) {
                if (c > 0) p.neighbours += NeighbourList::entry(k - 1);
                if (c < cols - 1) p.neighbours += NeighbourList::entry(k + 1);
                if (r > 0) p.neighbours += NeighbourList::entry(k - cols);
                if (r < rows - 1) p.neighbours += NeighbourList::entry(k + cols);
            }
            table.append(p);
        }
    }
    if (record0List)
        table.record0().neighbours = NeighbourList::allPieces(table.count());
    return table;
}

// Places every piece's window at its home position shifted by (dx, dy) pixels, visible.
void placeAtHome(JigsawPlay& play, QPointF shiftPixels = {})
{
    for (int k = 1; k <= play.pieceCount(); ++k) {
        const PieceRecord& r = play.table().piece(k);
        play.window(k).pos = QPointF(Twips::fromPixels(r.homeLeft + shiftPixels.x()),
                                     Twips::fromPixels(r.homeTop + shiftPixels.y()));
        play.window(k).visible = true;
    }
}
} // namespace

class TestJigsawPlay : public QObject
{
    Q_OBJECT

private slots:
    void init() { Twips::overridePerPixel(15); }
    void cleanup() { Twips::overridePerPixel(0); }

    void joinTolerance_data()
    {
        QTest::addColumn<double>("dxTwips");
        QTest::addColumn<double>("dyTwips");
        QTest::addColumn<bool>("joins");
        QTest::newRow("exact") << 0.0 << 0.0 << true;
        QTest::newRow("10 px right and down") << 150.0 << 150.0 << true;
        QTest::newRow("10 px left and up") << -150.0 << -150.0 << true;
        QTest::newRow("11 px right") << 165.0 << 0.0 << false;
        QTest::newRow("11 px down") << 0.0 << 165.0 << false;
        QTest::newRow("10.5 px after conversion") << 157.5 << 0.0 << false;
        QTest::newRow("10.5 px up") << 0.0 << -157.5 << false;
    }
    void joinTolerance()
    {
        QFETCH(double, dxTwips);
        QFETCH(double, dyTwips);
        QFETCH(bool, joins);
        PieceTable table = squareGrid(2, 1);
        JigsawPlay play;
        play.startGame(&table, JigsawPlay::Catalogue, false);
        placeAtHome(play);
        play.window(2).pos += QPointF(dxTwips, dyTwips);
        const JoinResult r = play.tryJoin(2);
        QCOMPARE(r.joined, joins);
        QCOMPARE(play.joinCounter(), joins ? 2 : 1);
        QCOMPARE(play.window(2).visible, !joins);
    }

    void differentTurnsNeverJoin()
    {
        PieceTable table = squareGrid(2, 1);
        JigsawPlay play;
        play.startGame(&table, JigsawPlay::Catalogue, true);
        placeAtHome(play);
        table.piece(2).turn = 90;
        QVERIFY(!play.tryJoin(2).joined);
        table.piece(1).turn = 90;
        QVERIFY(play.tryJoin(2).joined);
    }

    void mergeGeometryAndBookkeeping()
    {
        PieceTable table = squareGrid(3, 1);
        JigsawPlay play;
        play.startGame(&table, JigsawPlay::Catalogue, false);
        placeAtHome(play, {400, 300});
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

    void hiddenCandidateIsSkipped()
    {
        PieceTable table = squareGrid(3, 1, true);
        JigsawPlay play;
        play.startGame(&table, JigsawPlay::Catalogue, false);
        placeAtHome(play);
        play.window(1).visible = false; // already absorbed
        const JoinResult r = play.tryJoin(3);
        QVERIFY(r.joined);
        QCOMPARE(r.survivor, 2); // record 0 lists P1 first; P1 is hidden, so P2 is taken
    }

    void record0ListLetsAnyPieceJoin()
    {
        PieceTable table = squareGrid(3, 3, true);
        JigsawPlay play;
        play.startGame(&table, JigsawPlay::Catalogue, false);
        placeAtHome(play);
        QCOMPARE(play.tryJoin(9).survivor, 1); // corner pieces that never touch still join
    }

    void sixteenPiecesCompleteAfterFifteenJoins()
    {
        PieceTable table = squareGrid(4, 4);
        JigsawPlay play;
        play.startGame(&table, JigsawPlay::Catalogue, false);
        placeAtHome(play, {37, 11});
        int joins = 0;
        bool completed = false;
        for (int k = 16; k >= 1 && !completed; --k) {
            if (!play.window(k).visible)
                continue;
            const JoinResult r = play.tryJoin(k);
            if (r.joined) {
                ++joins;
                completed = r.completed;
            }
        }
        QVERIFY(completed);
        QCOMPARE(joins, 15);
        QCOMPARE(play.joinCounter(), 16);
        int visible = 0;
        for (int k = 1; k <= 16; ++k)
            visible += play.window(k).visible ? 1 : 0;
        QCOMPARE(visible, 1);
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
        PieceTable table = squareGrid(2, 1);
        JigsawPlay play;
        play.startGame(&table, JigsawPlay::Catalogue, false);
        play.window(1).pos = QPointF(9000, 9000);
        play.window(1).visible = true;
        play.window(2).visible = true;
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
        PieceTable table = squareGrid(2, 2);
        JigsawPlay play;
        play.startGame(&table, family, false);
        placeAtHome(play);
        play.paused = state == u"paused";
        play.timeEnded = state == u"timeEnded";
        play.ended = state == u"ended";
        QCOMPARE(play.press(piece, QPointF(10, 10)), accepted);
        QCOMPARE(play.dragging(), accepted);
    }

    void shapeBoardJoinSnapsAndLocks()
    {
        // Three figures and a board (piece 4) covering the picture.
        PieceTable table = squareGrid(3, 1);
        PieceRecord board;
        board.outline = QRegion(0, 0, 300, 200).subtracted(QRegion(0, 0, 300, 100));
        board.homeTop = 100;
        board.group = QStringLiteral("P4");
        table.append(board);
        table.record0().neighbours = NeighbourList::allPieces(4);
        JigsawPlay play;
        play.startGame(&table, JigsawPlay::ShapeBoard, false);
        placeAtHome(play, {500, 300});
        play.window(1).pos = QPointF(0, 0); // far from its place
        play.window(2).pos = QPointF(0, 3000);
        // Figure 3 dropped 7 px right of its hole: joins the board and snaps exactly into it.
        play.window(3).pos += QPointF(105, 0);
        const JoinResult r = play.tryJoin(3);
        QVERIFY(r.joined);
        QVERIFY(r.intoBoard);
        QCOMPARE(r.survivor, 4);
        QVERIFY(play.window(3).visible);
        QCOMPARE(play.window(3).pos, QPointF(Twips::fromPixels(500 + 200), Twips::fromPixels(300)));
        QVERIFY(play.window(3).locked);
        QVERIFY(!play.press(3, QPointF(1, 1))); // cannot be picked up and counted again
        QCOMPARE(play.joinCounter(), 2);
    }

    void completionScore_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<bool>("rotation");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("message");
        QTest::newRow("worked example") << 0 << 245 << 36 << true << 24347
                                        << "Well done! Spend 245 sec., Score 24347.";
        QTest::newRow("no rotation") << 0 << 100 << 16 << false << 21183 << "Well done! Spend 100 sec., Score 21183.";
        QTest::newRow("shape board") << 1 << 0 << 26 << false << 18573 << "Well done! Spend 0 sec., Score 18573.";
        QTest::newRow("negative") << 0 << 9000 << 16 << false << -14417
                                  << "Well done! Spend 9000 sec., Score -14417.";
        // 15999 + 99 * 3 = 16296 = 4 * 4074.
        QTest::newRow("exactly zero") << 1 << 4074 << 3 << false << 0 << "";
    }
    void completionScore()
    {
        QFETCH(int, family);
        QFETCH(int, seconds);
        QFETCH(int, pieces);
        QFETCH(bool, rotation);
        QFETCH(int, score);
        QFETCH(QString, message);
        const CompletionScore s = JigsawPlay::completionScore(family, seconds, pieces, rotation,
                                                              StringTable(StringTable::Language::English));
        QCOMPARE(s.score, score);
        QCOMPARE(s.showMessage, !message.isEmpty());
        QCOMPARE(s.message, message);
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

    // The board piece is never scattered past the window's edges: every hole must stay reachable.
    // Other pieces keep the plain draws even where they reach past the edge.
    void scatterKeepsTheBoardInside_data()
    {
        QTest::addColumn<double>("r1");
        QTest::addColumn<double>("r2");
        QTest::addColumn<QPointF>("board");
        QTest::addColumn<QPointF>("other");
        // Window 30000 x 20000, picture 8000 x 6000: C = 26000, D = 12000.
        QTest::newRow("inside stays") << 0.5 << 0.5 << QPointF(13000, 12500) << QPointF(13000, 12500);
        QTest::newRow("low is raised") << 0.5 << 0.99 << QPointF(13000, 12500) << QPointF(13000, 18380);
        QTest::newRow("far right is pulled in") << 0.99 << 0.0 << QPointF(21500, 6500) << QPointF(25740, 6500);
    }

    void scatterKeepsTheBoardInside()
    {
        QFETCH(double, r1);
        QFETCH(double, r2);
        QFETCH(QPointF, board);
        QFETCH(QPointF, other);
        for (const int boardPiece : {1, 0}) {
            ScriptedRandom random({r1, r2});
            const QList<QPointF> places = JigsawScatter::scatter(
                1, QSizeF(30000, 20000), QSizeF(8000, 6000), false, boardPiece, random, {});
            QCOMPARE(places[1], boardPiece == 1 ? board : other);
        }
    }
};

QTEST_GUILESS_MAIN(TestJigsawPlay)
#include "tst_jigsawplay.moc"
