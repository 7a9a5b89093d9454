// tst_jigsawsave.cpp: a jigsaw saved in the middle and resumed plays on exactly as the uninterrupted
// game; a save that does not fit its level is refused and changes nothing.
#include "GameClock.h"
#include "JigsawSave.h"
#include "NeighbourList.h"
#include "RandomSource.h"
#include "Twips.h"

#include <QJsonArray>
#include <QtTest>

namespace {
// Piece k at column c, row r of a grid of 100-pixel squares; board (optional) below three figures.
PieceTable makeTable(const QString& name)
{
    PieceTable table;
    const int cols = 3;
    const int rows = name == QLatin1String("grid") ? 2 : 1;
    for (int k = 1; k <= cols * rows; ++k) {
        PieceRecord p;
        p.homeLeft = 100 * ((k - 1) % cols);
        p.homeTop = 100 * ((k - 1) / cols);
        p.outline = QRegion(p.homeLeft, p.homeTop, 100, 100);
        p.group = NeighbourList::entry(k).chopped(1);
        table.append(p);
    }
    if (name == QLatin1String("board")) {
        PieceRecord board;
        board.outline = QRegion(0, 100, 300, 100);
        board.homeTop = 100;
        board.group = QStringLiteral("P4");
        table.append(board);
    }
    table.record0().neighbours = NeighbourList::allPieces(table.count());
    return table;
}

const QSize Picture(300, 200);
const QSizeF Client(30000, 20000);

// "T k": turn unit k; "H k": drop unit k at its home; "L k": press and drop unit k where it lies.
struct Step { char kind; int piece; };
} // namespace
Q_DECLARE_METATYPE(Step)
namespace {

QString playStep(JigsawPlay& play, Step s)
{
    JigsawPlay::Drop drop;
    if (s.kind == 'T')
        return play.turn(s.piece, Picture, Client) ? QStringLiteral("turned") : QStringLiteral("-");
    const PieceRecord& r = play.table().piece(s.piece);
    const QPointF at = s.kind == 'H' ? QPointF(Twips::fromPixels(r.homeLeft), Twips::fromPixels(r.homeTop))
                                     : play.window(s.piece).pos;
    if (play.press(s.piece, QPointF(0, 0)))
        drop = play.release(s.piece, at - play.window(s.piece).pos, Client);
    return QStringLiteral("%1 %2 %3 %4 %5").arg(drop.dropped).arg(drop.join.survivor).arg(drop.join.absorbed)
        .arg(drop.join.intoBoard).arg(drop.join.completed);
}

// Everything a later move can depend on.
QString snapshot(const JigsawPlay& play)
{
    QString out;
    QDebug d(&out);
    for (int k = 1; k <= play.pieceCount(); ++k) {
        const PieceRecord& r = play.table().piece(k);
        const UnitWindow& w = play.window(k);
        d << k << r.turn << r.homeLeft << r.homeTop << r.group << r.neighbours << r.outline << r.points
          << w.visible << w.locked << w.pos;
        if (w.visible)
            d << w.size << w.outline;
    }
    d << play.stacking() << play.joinCounter() << play.paused << play.table().record0().neighbours;
    return out;
}

void begin(JigsawPlay& play, PieceTable& table, const JigsawSave::Level& level)
{
    play.startGame(&table, level.shapeFamily, level.rotation);
    for (int k = 1; k <= play.pieceCount(); ++k) {
        play.window(k).visible = true;
        play.moveUnit(k, QPointF(k == play.boardPiece() ? 0 : 2500.0 * k, k == play.boardPiece() ? 1500 : 9000));
    }
}

JigsawSave::Level levelOf(const PieceTable& table, bool board, bool rotation)
{
    JigsawSave::Level level;
    level.pieceCount = table.count();
    level.shapeFamily = board ? JigsawPlay::ShapeBoard : JigsawPlay::Catalogue;
    level.rotation = rotation;
    return level;
}

// The document after a round trip through its bytes, as a resumed game reads it.
SavedGame::Document throughBytes(SavedGame::Document d)
{
    d.picture.builtIn = 2;
    const SavedGame::ReadResult read = SavedGame::decode(SavedGame::encode(d), d.game);
    if (!read.ok)
        qFatal("%s", qPrintable(read.problem));
    return read.document;
}
} // namespace

class TestJigsawSave : public QObject
{
    Q_OBJECT

private slots:
    void init() { Twips::overridePerPixel(15); }
    void cleanup() { Twips::overridePerPixel(0); }

    void resumedGamePlaysOnAsTheUninterruptedOne_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QList<Step>>("before");
        QTest::addColumn<QList<Step>>("after");
        // Turned units, a joined unit turned as a whole and back, then joins to the end.
        QTest::newRow("rotation and joined units") << QStringLiteral("grid")
            << QList<Step> { { 'T', 5 }, { 'H', 1 }, { 'H', 2 }, { 'H', 3 }, { 'T', 1 }, { 'H', 4 }, { 'T', 6 },
                   { 'T', 6 } }
            << QList<Step> { { 'T', 1 }, { 'T', 1 }, { 'T', 1 }, { 'H', 1 }, { 'H', 4 }, { 'T', 5 }, { 'T', 5 },
                   { 'T', 5 }, { 'H', 5 }, { 'T', 6 }, { 'T', 6 }, { 'H', 6 }, { 'L', 2 } };
        QTest::newRow("shape board with locked figures") << QStringLiteral("board")
            << QList<Step> { { 'H', 1 }, { 'H', 2 }, { 'L', 1 } }
            << QList<Step> { { 'L', 2 }, { 'H', 3 } };
    }
    void resumedGamePlaysOnAsTheUninterruptedOne()
    {
        QFETCH(QString, fixture);
        QFETCH(QList<Step>, before);
        QFETCH(QList<Step>, after);
        const bool board = fixture == QLatin1String("board");
        PieceTable straightTable = makeTable(fixture);
        const JigsawSave::Level level = levelOf(straightTable, board, !board);
        JigsawPlay straight;
        begin(straight, straightTable, level);
        GameClock clock;
        clock.restart();
        for (Step s : before) {
            playStep(straight, s);
            clock.tick();
        }
        QVERIFY2(straight.joinCounter() >= 3, "the game is saved with units joined");
        const SavedGame::Document saved = throughBytes(JigsawSave::capture(straight, level, clock.value(), false));

        PieceTable resumedTable = makeTable(fixture);
        JigsawPlay resumed;
        GameClock resumedClock;
        QString problem;
        QVERIFY2(JigsawSave::restore(saved, level, resumedTable, Picture, resumedTable, resumed, &problem), qPrintable(problem));
        resumedClock.resume(saved.seconds, !saved.paused);
        QCOMPARE(snapshot(resumed), snapshot(straight));
        for (Step s : after) {
            QCOMPARE(playStep(resumed, s), playStep(straight, s));
            clock.tick();
            resumedClock.tick();
        }
        QCOMPARE(snapshot(resumed), snapshot(straight));
        QCOMPARE(straight.joinCounter(), straight.pieceCount()); // the game was completed
        QCOMPARE(resumedClock.value(), clock.value()); // and so scores alike
    }

    // A real catalogue level comes back cut as it was: same pieces, same seams.
    void levelIsBuiltAgainFromItsDraws()
    {
        QImage first(240, 160, QImage::Format_RGB32);
        first.fill(Qt::white);
        QImage second = first;
        PieceTable built;
        PieceTable rebuilt;
        SystemRandom random([] { return std::uint64_t(42); });
        const JigsawSave::Level level
            = JigsawSave::buildNew(QStringLiteral("G1,BE0132768,D2,R1,M0,S1,P0,"), first, built, random);
        QString problem;
        QVERIFY2(JigsawSave::rebuild(level, second, rebuilt, &problem), qPrintable(problem));
        QVERIFY(level.pieceCount > 1);
        QCOMPARE(second, first);
        for (int k = 1; k <= built.count(); ++k)
            QCOMPARE(rebuilt.piece(k).outline, built.piece(k).outline);
    }

    void unsoundStateIsRefusedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<int>("piece"); // 0: a key of the state itself
        QTest::newRow("a piece missing") << "pieces" << QJsonValue(QJsonArray { QJsonObject {} }) << 0;
        QTest::newRow("stacking repeats") << "stack" << QJsonValue(QJsonArray { 1, 1, 2, 3 }) << 0;
        QTest::newRow("join count off") << "joins" << QJsonValue(1) << 0;
        QTest::newRow("board turned") << "turn" << QJsonValue(90) << 4;
        QTest::newRow("odd turn") << "turn" << QJsonValue(45) << 1;
        QTest::newRow("piece in two units") << "group" << QJsonValue("P3P1") << 3;
        QTest::newRow("foreign piece") << "neighbours" << QJsonValue("P9_") << 2;
        QTest::newRow("board locked") << "locked" << QJsonValue(true) << 4;
        QTest::newRow("place not a number") << "at" << QJsonValue(QJsonArray { "x", 0 }) << 3;
        QTest::newRow("place far out") << "at" << QJsonValue(QJsonArray { 1e300, 0 }) << 3;
    }
    void unsoundStateIsRefusedAndChangesNothing()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(int, piece);
        PieceTable table = makeTable(QStringLiteral("board"));
        const JigsawSave::Level level = levelOf(table, true, true);
        JigsawPlay play;
        begin(play, table, level);
        playStep(play, { 'H', 1 });
        SavedGame::Document saved = JigsawSave::capture(play, level, 10, false);
        if (piece == 0) {
            saved.state.insert(key, value);
        } else {
            QJsonArray pieces = saved.state.value(QStringLiteral("pieces")).toArray();
            QJsonObject p = pieces[piece - 1].toObject();
            p.insert(key, value);
            pieces[piece - 1] = p;
            saved.state.insert(QStringLiteral("pieces"), pieces);
        }
        const QString before = snapshot(play);
        QString problem;
        QVERIFY(!JigsawSave::restore(saved, level, table, Picture, table, play, &problem));
        QVERIFY(!problem.isEmpty());
        QCOMPARE(snapshot(play), before);
    }
};

QTEST_GUILESS_MAIN(TestJigsawSave)
#include "tst_jigsawsave.moc"
