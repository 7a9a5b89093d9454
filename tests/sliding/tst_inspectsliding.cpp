// tst_inspectsliding.cpp: the scramble subcommand of quarry-inspect, run as the real executable.
#include "SlidingBoard.h"
#include "SlidingSolver.h"

#include "TestSupport.h"

#include <QDir>
#include <QtTest>

namespace {

using Run = TestSupport::InspectRun;

Run inspect(const QStringList& args) { return TestSupport::runInspect(args); }

} // namespace

class TestInspectSliding : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!qEnvironmentVariableIsEmpty("QUARRY_RUNTIME_DIR")); }

    void example()
    {
        const Run run = inspect({ "scramble", "4", "1" });
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("10 3 14 2\n1 15 7 12\n9 4 13 8\n6 11 5 16\n"));
    }

    void printsTheBoard_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<int>("blank");
        QTest::newRow("3 x 3, last blank") << 3 << 9;
        QTest::newRow("10 x 10") << 10 << 37;
    }
    void printsTheBoard()
    {
        QFETCH(int, gridSize);
        QFETCH(int, blank);
        SlidingBoard board;
        board.BuildTiles(gridSize);
        board.scramble(blank);
        QString expected;
        for (const QList<int>& row : board.rows()) {
            QStringList numbers;
            for (int tile : row)
                numbers.append(QString::number(tile));
            expected += numbers.join(u' ') + u'\n';
        }
        const Run run = inspect({ "scramble", QString::number(gridSize), QString::number(blank) });
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, expected);
    }

    // The tiles to click come from the solver; the line reports them or "unsolvable".
    void solve_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("scrambled 3 x 3") << QString("3 9 7 3 5 2 6 9 8 1 4").split(u' ');
        QTest::newRow("two tiles exchanged") << QString("3 9 2 1 3 4 5 6 7 8 9").split(u' ');
    }
    void solve()
    {
        QFETCH(QStringList, args);
        SlidingSolver::Position position { args[0].toInt(), args[1].toInt(), {} };
        for (const QString& tile : args.mid(2))
            position.tiles.push_back(tile.toInt());
        const SlidingSolver::Solution solution = SlidingSolver::solve(position);
        QString expected = QStringLiteral("unsolvable\n");
        if (solution.solvable) {
            expected = QStringLiteral("moves %1").arg(solution.clicks.size());
            for (const int tile : solution.clicks)
                expected += QStringLiteral(" %1").arg(tile);
            expected += u'\n';
        }
        const Run run = inspect(QStringList { "solve" } + args);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, expected);
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("none") << QStringList { "scramble" };
        QTest::newRow("one") << QStringList { "scramble", "4" };
        QTest::newRow("extra") << QStringList { "scramble", "4", "1", "2" };
        QTest::newRow("not a number") << QStringList { "scramble", "four", "1" };
        QTest::newRow("fraction") << QStringList { "scramble", "4", "1.5" };
        QTest::newRow("grid too small") << QStringList { "scramble", "2", "1" };
        QTest::newRow("grid too large") << QStringList { "scramble", "11", "1" };
        QTest::newRow("blank 0") << QStringList { "scramble", "4", "0" };
        QTest::newRow("blank past N") << QStringList { "scramble", "4", "17" };
        QTest::newRow("solve: a tile short")
            << QStringList { "solve", "3", "9", "1", "2", "3", "4", "5", "6", "7", "8" };
        QTest::newRow("solve: a tile twice")
            << QStringList { "solve", "3", "9", "1", "1", "3", "4", "5", "6", "7", "8", "9" };
        QTest::newRow("solve: not a number")
            << QStringList { "solve", "3", "9", "1", "2", "3", "4", "x", "6", "7", "8", "9" };
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        const Run run = inspect(args);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        const QString synopsis = args[0] == u"solve" ? QStringLiteral("quarry-inspect solve G B TILES...")
                                                     : QStringLiteral("quarry-inspect scramble G B");
        QVERIFY2(run.err.contains(synopsis), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestInspectSliding)
#include "tst_inspectsliding.moc"
