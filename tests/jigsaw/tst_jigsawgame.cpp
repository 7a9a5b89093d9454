// tst_jigsawgame.cpp: the jigsaw's game flow: clock, pause, time end and completion with its score.
#include "JigsawGame.h"
#include "NeighbourList.h"
#include "StringTable.h"
#include "Twips.h"

#include <QtTest>

namespace {
const QSizeF Client(20000, 15000);
const QPointF Left(1000, 1000); // piece 1, twips
const QPointF Beside(2500, 1000); // piece 2 at its place right of piece 1 (100 px = 1500 twips)
const QPointF Far(9000, 9000);

// Two 100-pixel squares side by side, each the other's neighbour.
PieceTable twoSquares()
{
    PieceTable table;
    for (int k = 1; k <= 2; ++k) {
        PieceRecord p;
        p.homeLeft = 100 * (k - 1);
        p.outline = QRegion(p.homeLeft, 0, 100, 100);
        p.group = QStringLiteral("P%1").arg(k);
        p.neighbours = NeighbourList::entry(3 - k);
        table.append(p);
    }
    return table;
}
} // namespace

class TestJigsawGame : public QObject
{
    Q_OBJECT

private slots:
    void init() { Twips::overridePerPixel(15); }
    void cleanup() { Twips::overridePerPixel(0); }

    // A script of events on a two-piece level: '-' no game started, t one tick, E ticks until the
    // clock ends, p the Pause command, j piece 2 dragged beside piece 1 and dropped (the join
    // completes the level), h piece 2 held beside piece 1, f held far away.
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
        PieceTable table = twoSquares();
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

    void pictureArea_data()
    {
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QSize>("pixels"); // 15 twips a pixel
        QTest::newRow("capped") << QSizeF(12001, 9001) << QSize(533, 400);
        QTest::newRow("at the caps' edge") << QSizeF(12000, 9000) << QSize(500, 311);
        QTest::newRow("tiny") << QSizeF(1000, 1000) << QSize(1, 1);
    }
    void pictureArea()
    {
        QFETCH(QSizeF, window);
        QFETCH(QSize, pixels);
        QCOMPARE(JigsawGame::pictureArea(window), pixels);
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
        const CompletionScore s = JigsawGame::completionScore(family, seconds, pieces, rotation,
                                                              StringTable(StringTable::Language::English));
        QCOMPARE(s.score, score);
        QCOMPARE(s.showMessage, !message.isEmpty());
        QCOMPARE(s.message, message);
    }
};

QTEST_MAIN(TestJigsawGame)
#include "tst_jigsawgame.moc"
