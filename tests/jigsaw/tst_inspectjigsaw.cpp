// tst_inspectjigsaw.cpp: the level and shapeboard subcommands of quarry-inspect.
#include "Inspect.h"

#include <QtTest>

namespace {

struct Result {
    int status = 0;
    QStringList lines;
    QString err;
};

Result run(const QStringList& args)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    Result result;
    result.status = Inspect::run(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    result.lines = out.split(u'\n', Qt::SkipEmptyParts);
    result.err = err;
    return result;
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
