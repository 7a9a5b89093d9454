// tst_inspectjigsaw.cpp: the level and shapeboard subcommands of quarry-inspect.
#include "Inspect.h"

#include <QtTest>

namespace {

struct Result {
    int status = 0;
    QStringList lines;
    QString err;
};

Result run(const QStringList& args, const QString* input = nullptr)
{
    QString out, err, in = input ? *input : QString();
    QTextStream outStream(&out), errStream(&err), inStream(&in);
    Result result;
    result.status = input ? Inspect::run(args, inStream, outStream, errStream)
                          : Inspect::run(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    result.lines = out.split(u'\n', Qt::SkipEmptyParts);
    result.err = err;
    return result;
}

QString unit(int k, int left, int top, QSize size, int turn = 0, int locked = 0, int visible = 1)
{
    return QStringLiteral("unit %1 left %2 top %3 width %4 height %5 turn %6 locked %7 visible %8")
        .arg(k)
        .arg(left)
        .arg(top)
        .arg(size.width())
        .arg(size.height())
        .arg(turn)
        .arg(locked)
        .arg(visible);
}

} // namespace

class TestInspectJigsaw : public QObject {
    Q_OBJECT

private slots:
    void squareGrid()
    {
        const Result r = run({ "level", "1601", "--picture", "200x200" });
        QCOMPARE(r.status, 0);
        QCOMPARE(r.lines.size(), 2 + 16);
        QVERIFY(r.lines[0].startsWith(QLatin1String("W400,H400,P16,VC5,0,0,100,0,")));
        QCOMPARE(r.lines[1], QStringLiteral("record0 "));
        QCOMPARE(r.lines[2],
            QStringLiteral("piece 1 left 0 top 0 width 50 height 50 area 2500 neighbours P2_P5_"));
        QCOMPARE(r.lines[17],
            QStringLiteral("piece 16 left 150 top 150 width 50 height 50 area 2500 neighbours P12_P15_"));
    }

    void levelWithoutRuleListsEveryPieceInRecord0()
    {
        const Result r = run({ "level", "1607", "--random", "0.5" });
        QCOMPARE(r.status, 0);
        QCOMPARE(r.lines.size(), 2 + 18);
        QVERIFY(r.lines[1].startsWith(QLatin1String("record0 P1_P2_P3_")));
        QVERIFY(r.lines[1].endsWith(QLatin1String("P18_")));
        QVERIFY(r.lines[2].endsWith(QLatin1String(" neighbours ")));
    }

    void scriptedValuesReplay()
    {
        const QStringList args { "level", "3605", "--random", "0.3,0.8,0.1,0.65", "--picture", "300x300" };
        QCOMPARE(run(args).lines, run(args).lines);
    }

    void shapeBoard()
    {
        // D0 draws index 0 (120 x 90 cells: 5 x 5 on 640 x 480); P7 squares with rho 60.
        const Result r = run({ "shapeboard", "0", "7", "--random", "0.1", "--picture", "640x480" });
        QCOMPARE(r.status, 0);
        QCOMPARE(r.lines.size(), 2 + 26);
        QVERIFY(r.lines[0].startsWith(QLatin1String("VB2,")));
        QCOMPARE(r.lines[0].count(QLatin1String("VB2")), 25);
        QVERIFY(r.lines[1].endsWith(QLatin1String("P25_P26_")));
        QVERIFY(r.lines[27].startsWith(QLatin1String("piece 26 left 0 top 0 width 640 height 480 area ")));
    }

    // Scripted sessions of play; client 1600 x 1000 pixels (24000 x 15000 twips).
    void playSessions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("status");
        // 4 x 4 squares of 50; all draws 0.5: even pieces at (9000, 2250) twips = (600, 150),
        // odd ones at (10000, 8500) = (666.7, 566.7).
        const QSize sq(50, 50);
        QTest::newRow("drops, join, clamp, gather")
            << QStringList { "play", "1601", "--picture", "200x200", "--random", "0.5" }
            << "show 3\ndrop 2 100 100\ndrop 1 55 105\ndrop 2 -500 50\nplace 6 10 700\ngather\nshow 1\nturn "
               "3\n"
            << QStringList { unit(3, 667, 567, sq), unit(2, 100, 100, sq), "none",
                   // 1 lies 5 px off 2's place: 2 absorbs it and spans both, from the smaller left and top.
                   unit(1, 55, 105, sq, 0, 0, 0), unit(2, 55, 100, { 100, 50 }), "join 2 1",
                   // left = 200 - 1500 twips = -86.7 px.
                   unit(2, -87, 50, { 100, 50 }), "none", unit(6, 10, 700, sq),
                   // 2 reaches out of the client: onto the first free place of the play area.
                   unit(2, 0, 40, { 100, 50 }), unit(1, 55, 105, sq, 0, 0, 0) }
            << 0;
        // Pieces 50 x 25; a quarter turn makes them 25 x 50 and clamps: left = 200 - 375 twips,
        // left = 24000 - 200 and top = 15000 - 1000 twips.
        QTest::newRow("turns at the edges")
            << QStringList { "play", "1601", "--picture", "200x100", "--random", "0.1", "--rotation" }
            << "place 1 -37 10\nturn 1\nplace 2 1590 995\nturn 2\n"
            << QStringList { unit(1, -37, 10, { 50, 25 }), unit(1, -12, 10, { 25, 50 }, 90),
                   unit(2, 1590, 995, { 50, 25 }), unit(2, 1587, 933, { 25, 50 }, 90) }
            << 0;
        // One 120 x 90 cell with a square (corners 9, 7 and 111, 83 of the cell, margins 5):
        // figure box 14, 12, 102 x 76; board at (952, 600) twips, its hole at (1162, 780).
        const QSize fig(102, 76);
        QTest::newRow("shape board completes")
            << QStringList { "play", "board:0:7", "--picture", "130x100", "--random", "0.05" }
            << "show 2\ndrop 2 0 0\ndrop 1 85 45\ndrop 1 300 300\nplace 2 200 200\n"
            << QStringList { unit(2, 63, 40, { 130, 100 }), "none", unit(1, 77, 52, fig, 0, 1), "board 2 1",
                   "completed", "none", unit(1, 214, 212, fig, 0, 1), unit(2, 200, 200, { 130, 100 }) }
            << 0;
        QTest::newRow("no such unit") << QStringList { "play", "1601" } << "show 1\ndrop 17 0 0\nshow 1\n"
                                      << QStringList { "-" } << 2;
        QTest::newRow("unknown command") << QStringList { "play", "1601" } << "jump 1\n"
                                         << QStringList {} << 2;
        QTest::newRow("bad position") << QStringList { "play", "1601" } << "drop 1 x 3\n"
                                      << QStringList {} << 2;
    }
    void playSessions()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(QStringList, expected);
        QFETCH(int, status);
        const Result r = run(args, &input);
        QCOMPARE(r.status, status);
        if (expected == QStringList { "-" }) // one line, whatever the scatter made of unit 1
            QCOMPARE(r.lines.size(), 1);
        else
            QCOMPARE(r.lines, expected);
        QCOMPARE(r.err.isEmpty(), status == 0);
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no code") << QStringList { "level" };
        QTest::newRow("code not a number") << QStringList { "level", "16x1" };
        QTest::newRow("two codes") << QStringList { "level", "1601", "1602" };
        QTest::newRow("empty picture") << QStringList { "level", "1601", "--picture", "0x400" };
        QTest::newRow("picture without size") << QStringList { "level", "1601", "--picture" };
        QTest::newRow("picture not WxH") << QStringList { "level", "1601", "--picture", "400" };
        QTest::newRow("random out of range") << QStringList { "level", "1601", "--random", "0.5,1" };
        QTest::newRow("unknown option") << QStringList { "level", "1601", "--seed", "4" };
        QTest::newRow("shapeboard without P") << QStringList { "shapeboard", "0" };
        QTest::newRow("shapeboard P not a number") << QStringList { "shapeboard", "0", "p" };
        QTest::newRow("play without level") << QStringList { "play" };
        QTest::newRow("play board without P") << QStringList { "play", "board:0" };
        QTest::newRow("play client not WxH") << QStringList { "play", "1601", "--client", "10" };
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        const Result r = run(args);
        QCOMPARE(r.status, Inspect::UsageError);
        QVERIFY(r.lines.isEmpty());
        QVERIFY(r.err.contains(QLatin1String("usage")));
    }
};

QTEST_GUILESS_MAIN(TestInspectJigsaw)
#include "tst_inspectjigsaw.moc"
