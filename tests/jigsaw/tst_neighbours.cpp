// tst_neighbours.cpp: the neighbour rules of the catalogue and record 0's list.
#include "NeighbourLists.h"
#include "PieceTable.h"

#include <QtTest>

namespace {

PieceTable tableOf(int pieces)
{
    PieceTable table;
    for (int k = 1; k <= pieces; ++k)
        table.append(PieceRecord {});
    return table;
}

QString allPieces(int n)
{
    QString text;
    for (int k = 1; k <= n; ++k)
        text += QStringLiteral("P%1_").arg(k);
    return text;
}

} // namespace

class TestNeighbours : public QObject {
    Q_OBJECT

private slots:
    void listsOfSinglePieces_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<int>("piece");
        QTest::addColumn<QList<int>>("neighbours");
        QTest::newRow("1601 inner square") << 1601 << 16 << 6 << QList<int> { 2, 5, 7, 10 };
        QTest::newRow("1601 corner") << 1601 << 16 << 16 << QList<int> { 12, 15 };
        QTest::newRow("3601 right edge") << 3601 << 36 << 12 << QList<int> { 6, 11, 18 };
        QTest::newRow("1605 five columns") << 1605 << 20 << 5 << QList<int> { 4, 10 };
        QTest::newRow("1605 last row") << 1605 << 20 << 17 << QList<int> { 12, 16, 18 };
        QTest::newRow("1602 top triangle of the first cell") << 1602 << 16 << 2 << QList<int> { 1, 3 };
        QTest::newRow("1602 right triangle") << 1602 << 16 << 3 << QList<int> { 2, 4, 5 };
        QTest::newRow("1602 bottom triangle") << 1602 << 16 << 4 << QList<int> { 1, 3, 10 };
        QTest::newRow("3602 middle cell left") << 3602 << 36 << 17 << QList<int> { 15, 18, 20 };
        QTest::newRow("6402 right of column 3") << 6402 << 64 << 11 << QList<int> { 10, 12, 37 };
        QTest::newRow("6402 column 4 row 1 left") << 6402 << 64 << 37 << QList<int> { 11, 38, 40 };
        QTest::newRow("6402 column 4 row 3 bottom") << 6402 << 64 << 48 << QList<int> { 45, 47, 62 };
        QTest::newRow("6402 row 4 column 1 top") << 6402 << 64 << 50 << QList<int> { 28, 49, 51 };
        QTest::newRow("1603 frame of row 2") << 1603 << 18 << 7 << QList<int> { 1, 8, 9, 13 };
        QTest::newRow("1603 filler") << 1603 << 18 << 10 << QList<int> { 9 };
        QTest::newRow("3603 frame of row 3") << 3603 << 40 << 21 << QList<int> { 11, 22, 23, 31 };
        QTest::newRow("1604 top-left corner") << 1604 << 20 << 1 << QList<int> { 5 };
        QTest::newRow("1604 top-right corner") << 1604 << 20 << 2 << QList<int> { 5, 6, 9, 10 };
        QTest::newRow("1604 middle") << 1604 << 20 << 5 << QList<int> { 1, 2, 3, 4, 6, 9, 10, 11, 12, 15 };
        QTest::newRow("1606 bottom-right corner")
            << 1606 << 20 << 3 << QList<int> { 5, 6, 9, 10, 11, 12, 15 };
        QTest::newRow("3604 centre block middle")
            << 3604 << 45 << 25
            << QList<int> { 8, 9, 10, 17, 18, 20, 21, 22, 23, 24, 26, 29, 30, 36, 37, 40 };
        QTest::newRow("3606 bottom-left of last block") << 3606 << 45 << 44 << QList<int> { 37, 38, 40, 45 };
    }
    void listsOfSinglePieces()
    {
        QFETCH(int, code);
        QFETCH(int, pieces);
        QFETCH(int, piece);
        QFETCH(QList<int>, neighbours);
        PieceTable table = tableOf(pieces);
        NeighbourLists::WriteNeighbourLists(code, table);
        QCOMPARE(table.piece(piece).neighbours, NeighbourLists::entryText(neighbours));
        QCOMPARE(table.record0().neighbours, QString());
    }

    void ruleIsSymmetric_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("pieces");
        for (auto [code, pieces] : QList<std::pair<int, int>> { { 1601, 16 }, { 3601, 36 }, { 1605, 20 },
                 { 1602, 16 }, { 3602, 36 }, { 6402, 64 }, { 1603, 18 }, { 3603, 40 }, { 1604, 20 },
                 { 1606, 20 }, { 3604, 45 }, { 3606, 45 } })
            QTest::newRow(QByteArray::number(code).constData()) << code << pieces;
    }
    void ruleIsSymmetric()
    {
        QFETCH(int, code);
        QFETCH(int, pieces);
        const QList<QList<int>> lists = NeighbourLists::neighbourTable(code, pieces);
        for (int a = 1; a <= pieces; ++a) {
            QVERIFY2(!lists[a].isEmpty(), qPrintable(QString::number(a)));
            for (int b : lists[a]) {
                QVERIFY(b != a);
                QVERIFY2(lists[b].contains(a), qPrintable(QStringLiteral("%1 lists %2").arg(a).arg(b)));
            }
        }
    }

    void levelsWithoutRuleListEveryPieceInRecord0_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("pieces");
        QTest::newRow("6401") << 6401 << 64;
        QTest::newRow("3605") << 3605 << 36;
        QTest::newRow("6403") << 6403 << 60;
        QTest::newRow("6404") << 6404 << 60;
        QTest::newRow("6406") << 6406 << 60;
        QTest::newRow("1607") << 1607 << 18;
        QTest::newRow("3611") << 3611 << 40;
        QTest::newRow("shape board") << 9999 << 26;
        QTest::newRow("no pieces") << 9999 << 0;
    }
    void levelsWithoutRuleListEveryPieceInRecord0()
    {
        QFETCH(int, code);
        QFETCH(int, pieces);
        PieceTable table = tableOf(pieces);
        NeighbourLists::WriteNeighbourLists(code, table);
        QCOMPARE(table.record0().neighbours, allPieces(pieces));
        for (int k = 1; k <= pieces; ++k)
            QCOMPARE(table.piece(k).neighbours, QString());
    }

    void rewritingReplacesRecord0()
    {
        PieceTable table = tableOf(16);
        NeighbourLists::WriteNeighbourLists(6401, table);
        NeighbourLists::WriteNeighbourLists(1601, table);
        QCOMPARE(table.record0().neighbours, QString());
        QCOMPARE(table.piece(1).neighbours, QStringLiteral("P2_P5_"));
    }

    void shortTableNamesOnlyPiecesItHas()
    {
        PieceTable table = tableOf(5);
        NeighbourLists::WriteNeighbourLists(1601, table);
        QCOMPARE(table.piece(1).neighbours, QStringLiteral("P2_P5_"));
        QCOMPARE(table.piece(4).neighbours, QStringLiteral("P3_"));
        QCOMPARE(table.piece(5).neighbours, QStringLiteral("P1_"));
    }
};

QTEST_GUILESS_MAIN(TestNeighbours)
#include "tst_neighbours.moc"
