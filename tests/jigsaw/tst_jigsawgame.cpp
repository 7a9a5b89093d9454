// tst_jigsawgame.cpp: the jigsaw's game flow (clock, pause, time end, completion and score); a saved
// game resumes exactly, and a save that does not fit its level is refused and changes nothing.
#include "GameClock.h"
#include "JigsawGame.h"
#include "JigsawSave.h"
#include "JigsawTables.h"
#include "RandomSource.h"
#include "StringTable.h"
#include "Twips.h"

#include <QJsonArray>
#include <QtTest>

namespace {
const QSize Picture(300, 200);
const QSizeF Client(30000, 20000);
const QPointF Left(1000, 1000); // piece 1, twips
const QPointF Beside(2500, 1000); // piece 2 at its place right of piece 1 (100 px = 1500 twips)
const QPointF Far(9000, 9000);

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

class TestJigsawGame : public QObject
{
    Q_OBJECT

private slots:
    void init() { Twips::overridePerPixel(15); }
    void cleanup() { Twips::overridePerPixel(0); }

    // Events on a two-piece level: '-' no game started, t one tick, E ticks until the clock ends,
    // p Pause, j piece 2 dropped beside piece 1 (completes), h piece 2 held beside piece 1, f far away.
    void flow_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("state"); // running, paused, timeEnded, ended: 1 or 0 each
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("dropped"); // unit dropped by the last tick

        QTest::newRow("no game yet") << "-" << 9999 << "0001" << 0 << 0;
        QTest::newRow("no game yet, pause and resume") << "-pp" << 9999 << "0001" << 0 << 0;
        QTest::newRow("new game") << "" << 0 << "1000" << 0 << 0;
        QTest::newRow("ticks count") << "ttt" << 3 << "1000" << 0 << 0;
        QTest::newRow("pause stops the clock") << "tpttt" << 1 << "0100" << 0 << 0;
        QTest::newRow("resume counts on") << "tpttptt" << 3 << "1000" << 0 << 0;
        QTest::newRow("paused refuses the drop") << "pj" << 0 << "0100" << 0 << 0;
        QTest::newRow("time end at 9999") << "E" << 9999 << "0010" << 0 << 0;
        QTest::newRow("time end stays after resume") << "Eppt" << 9999 << "0010" << 0 << 0;
        QTest::newRow("time end refuses the drop") << "Ej" << 9999 << "0010" << 0 << 0;
        // 19999 - 4 * 7 + 99 * 2
        QTest::newRow("completion") << "tttttttj" << 7 << "0001" << 20169 << 0;
        QTest::newRow("completed clock stays stopped") << "jppt" << 0 << "0001" << 20197 << 0;
        // The unit held at the time end is dropped first and completes: 19999 - 4 * 9999 + 198.
        QTest::newRow("held unit completes at time end") << "hE" << 9999 << "0001" << -19799 << 2;
        QTest::newRow("held unit dropped at time end") << "fE" << 9999 << "0010" << 0 << 2;
    }
    void flow()
    {
        QFETCH(QString, script);
        QFETCH(int, seconds);
        QFETCH(QString, state);
        QFETCH(int, score);
        QFETCH(int, dropped);
        PieceTable table = squareGrid(2, 1);
        const StringTable strings(StringTable::Language::English);
        JigsawGame game(strings);
        if (!script.startsWith(u'-')) {
            QCOMPARE(game.needsNewGameQuestion(), false);
            game.startGame(&table, JigsawPlay::Catalogue, false);
            for (int k = 1; k <= 2; ++k)
                game.play().window(k).visible = true;
            game.play().window(1).pos = Left;
            game.play().window(2).pos = QPointF(0, 5000);
        }
        auto hold = [&](QPointF target) {
            if (game.play().press(2, QPointF(0, 0)))
                game.play().drag(2, target - game.play().window(2).pos);
        };
        JigsawGame::Tick tick;
        for (QChar event : script) {
            switch (event.unicode()) {
            case u't': tick = game.tick(Client); break;
            case u'E':
                for (int t = 0; t < 10000 && game.isRunning(); ++t)
                    tick = game.tick(Client);
                break;
            case u'p': game.togglePause(); break;
            case u'h': hold(Beside); break;
            case u'f': hold(Far); break;
            case u'j':
                hold(Beside);
                game.release(2, QPointF(0, 0), Client);
                break;
            }
        }
        const QString actual = QString::number(game.isRunning()) + QString::number(game.isPaused())
            + QString::number(game.isTimeEnded()) + QString::number(game.isEnded());
        QCOMPARE(actual, state);
        QCOMPARE(game.seconds(), seconds);
        QCOMPARE(game.score(), score);
        QCOMPARE(game.steps(), game.isEnded() && !script.startsWith(u'-') ? 1 : 0);
        QCOMPARE(game.refusesInput(), game.isPaused() || game.isTimeEnded());
        QCOMPARE(game.needsNewGameQuestion(), !game.isEnded());
        QCOMPARE(tick.droppedUnit, dropped);
        // The tick that reached the end says so, unless a drop then completed the level.
        const qsizetype lastTick = std::max(script.lastIndexOf(u't'), script.lastIndexOf(u'E'));
        QCOMPARE(tick.timeEnded, lastTick >= 0 && script[lastTick] == u'E' && game.isTimeEnded());
        QVERIFY(!game.play().dragging() || !script.contains(u'E'));
    }

    void pictureArea()
    {
        QCOMPARE(JigsawGame::pictureArea(QSizeF(12001, 9001)), QSize(533, 400));
        QCOMPARE(JigsawGame::pictureArea(QSizeF(12000, 9000)), QSize(500, 311));
        QCOMPARE(JigsawGame::pictureArea(QSizeF(1000, 1000)), QSize(1, 1));
    }

    // Family, seconds, pieces, rotation -> score; a score of exactly 0 shows no message.
    void completionScore()
    {
        const QList<std::tuple<int, int, int, bool, int>> rows = { { 0, 245, 36, true, 24347 }, // worked example
            { 0, 100, 16, false, 21183 }, { 1, 0, 26, false, 18573 }, { 0, 9000, 16, false, -14417 },
            { 1, 4074, 3, false, 0 } }; // 15999 + 99 * 3 = 16296 = 4 * 4074
        for (const auto& [family, seconds, pieces, rotation, score] : rows) {
            const CompletionScore s = JigsawGame::completionScore(
                family, seconds, pieces, rotation, StringTable(StringTable::Language::English));
            QCOMPARE(s.score, score);
            QCOMPARE(s.showMessage, score != 0);
            QCOMPARE(s.message,
                score ? QStringLiteral("Well done! Spend %1 sec., Score %2.").arg(seconds).arg(score) : QString());
        }
    }

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
        PieceTable straightTable = board ? threeFiguresAndBoard() : squareGrid(3, 2, true);
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

        PieceTable resumedTable = board ? threeFiguresAndBoard() : squareGrid(3, 2, true);
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

    // A catalogue level comes back cut as it was: same pieces, same seams.
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
        PieceTable table = threeFiguresAndBoard();
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

QTEST_MAIN(TestJigsawGame)
#include "tst_jigsawgame.moc"
