// tst_catalogue.cpp: level codes, writing helpers and the exact shape strings of patterns 01-06.
#include "RandomSource.h"
#include "ScriptedValues.h"
#include "ShapeCatalogue.h"
#include "ShapeStrings.h"
#include "ShapeText.h"
#include "TileLevels.h"

#include <QtTest>

using ScriptedValues::below;
using ScriptedValues::between;
using ShapeStrings::numbersOf;
using ShapeStrings::piecesOf;

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void numberFormatting_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 100.0 << "100";
        QTest::newRow("one decimal") << 28.8 << "28.8";
        QTest::newRow("sum of cell corner and fraction") << 100.0 + 21.2 << "121.2";
        QTest::newRow("rounds to one decimal, half to even") << 28.75 << "28.8";
        QTest::newRow("whole after rounding") << 7.96 << "8";
        QTest::newRow("negative zero") << -0.01 << "0";
    }
    void numberFormatting()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ShapeText::number(value), text);
    }

    void pointListTextClosesTheList()
    {
        QCOMPARE(
            ShapeText::PointListText({ { 1, 2 }, { 3, 4 }, { 5, 6 } }), QStringLiteral(",1,2,3,4,5,6,1,2"));
        QCOMPARE(ShapeText::PointListText({}), QString());
    }

    void polarPointUsesSixThenOneDecimal()
    {
        QCOMPARE(ShapeText::polarPoint(135, 30), QPointF(28.8, 71.2));
        QCOMPARE(ShapeText::polarPoint(315, 60), QPointF(92.4, 7.6));
        QCOMPARE(ShapeText::polarPoint(0, 47), QPointF(97, 50));
    }

    void levelCode_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("code");
        QTest::newRow("D2 P1 triangles") << "G1,BE0132768,D2,R0,M0,S1,P1," << 0.0 << 6402;
        QTest::newRow("D0 P2 squares") << "G1,BE0132768,D0,R0,M0,S1,P2," << 0.0 << 1601;
        QTest::newRow("D5 reads as 16") << "G1,BE0132768,D5,R0,M0,S1,P4," << 0.0 << 1604;
        QTest::newRow("D1 P11") << "G1,BE0132768,D1,R0,M0,S1,P11," << 0.0 << 3611;
        QTest::newRow("P3 keeps its number") << "G1,BE0132768,D1,R0,M0,S1,P3," << 0.9 << 3603;
        QTest::newRow("default record, low draw") << "G1,BE0132768,D0,R0,M0,S1,P0," << 0.0 << 1601;
        QTest::newRow("default record, high draw") << "G1,BE0132768,D0,R0,M0,S1,P0," << 0.99 << 1606;
        QTest::newRow("P12 is random") << "G1,BE0132768,D2,R0,M0,S1,P12," << between(3, 1, 6) << 6403;
        QTest::newRow("negative P is random") << "G1,BE0132768,D1,R0,M0,S1,P-3," << between(5, 1, 6) << 3605;
        QTest::newRow("missing fields") << "G1," << between(2, 1, 6) << 1602;
    }
    void levelCode()
    {
        QFETCH(QString, record);
        QFETCH(double, u);
        QFETCH(int, code);
        ScriptedRandom random({ u });
        QCOMPARE(ShapeCatalogue::LevelCode(record, random), code);
    }

    void defaultRecordNeverGivesARingPattern()
    {
        ScriptedRandom random;
        for (int i = 0; i < 60; ++i) {
            random.setValues({ i / 60.0 });
            const int code = ShapeCatalogue::LevelCode(u"G1,BE0132768,D0,R0,M0,S1,P0,", random);
            QVERIFY2(code >= 1601 && code <= 1606, qPrintable(QString::number(code)));
        }
    }

    void sizeClass()
    {
        QCOMPARE(ShapeCatalogue::SizeClass(1607), 1);
        QCOMPARE(ShapeCatalogue::SizeClass(3611), 2);
        QCOMPARE(ShapeCatalogue::SizeClass(6409), 3);
        QCOMPARE(ShapeCatalogue::SizeClass(9999), 0);
    }

    // Header and number of pieces of every level; the generator must write as many pieces as
    // its header announces.
    void headers_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("header");
        const QList<std::pair<int, const char*>> rows = {
            { 1601, "W400,H400,P16," },
            { 1602, "W200,H200,P16," },
            { 1603, "W90,H90,P18," },
            { 1604, "W200,H160,P20," },
            { 1605, "W500,H400,P20," },
            { 1606, "W200,H160,P20," },
            { 3601, "W600,H600,P36," },
            { 3602, "W300,H300,P36," },
            { 3603, "W150,H120,P40," },
            { 3604, "W300,H240,P45," },
            { 3605, "W600,H600,P36," },
            { 3606, "W300,H240,P45," },
            { 6401, "W800,H800,P64," },
            { 6402, "W400,H400,P64," },
            { 6403, "W180,H150,P60," },
            { 6404, "W400,H240,P60," },
            { 6405, "W800,H800,P64," },
            { 6406, "W400,H240,P60," },
            { 1607, "W300,H300,P18," },
            { 1608, "W300,H300,P18," },
            { 1609, "W300,H300,P27," },
            { 1610, "W300,H300,P18," },
            { 1611, "W80,H90,P24," },
            { 3607, "W500,H400,P40," },
            { 3608, "W500,H400,P40," },
            { 3609, "W500,H400,P60," },
            { 3610, "W500,H400,P40," },
            { 3611, "W100,H120,P40," },
            { 6407, "W600,H500,P60," },
            { 6408, "W600,H500,P60," },
            { 6409, "W600,H500,P90," },
            { 6410, "W600,H500,P60," },
            { 6411, "W120,H150,P60," },
            { 1234, "W500,H400,P20," },
            { 1600, "W500,H400,P20," },
            { 6412, "W500,H400,P20," },
        };
        for (const auto& [code, header] : rows)
            QTest::newRow(QByteArray::number(code).constData()) << code << QString::fromLatin1(header);
    }
    void headers()
    {
        QFETCH(int, code);
        QFETCH(QString, header);
        ScriptedRandom random({ 0.3, 0.7, 0.1, 0.9, 0.5 });
        const QString shape = ShapeCatalogue::generateLevel(code, random);
        QVERIFY2(shape.startsWith(header), qPrintable(shape.left(40)));
        const int declared = header.section(u'P', 1).section(u',', 0, 0).toInt();
        QCOMPARE(int(shape.count(u'V')), declared);
        QVERIFY(!shape.contains(u' '));
        QVERIFY(!shape.contains(QLatin1String(",,")));
    }

    void unknownCodeIsBuiltLike1605()
    {
        ScriptedRandom a({ 0.2, 0.6, 0.4 }), b({ 0.2, 0.6, 0.4 });
        QCOMPARE(ShapeCatalogue::generateLevel(4242, a), ShapeCatalogue::generateLevel(1605, b));
    }

    void squareGridWholeText()
    {
        QString expected = QStringLiteral("W400,H400,P16,");
        QStringList pieces;
        for (int y = 0; y < 400; y += 100)
            for (int x = 0; x < 400; x += 100)
                pieces.append(QStringLiteral("VC5,%1,%2,%3,%2,%3,%4,%1,%4,%1,%2")
                                  .arg(x)
                                  .arg(y)
                                  .arg(x + 100)
                                  .arg(y + 100));
        expected += pieces.join(u',');
        const QString shape = TileLevels::squareGrid(1601);
        QCOMPARE(shape, expected);
        QVERIFY(shape.startsWith(QLatin1String(
            "W400,H400,P16,VC5,0,0,100,0,100,100,0,100,0,0,VC5,100,0,200,0,200,100,100,100,100,0,")));
        QVERIFY(shape.endsWith(QLatin1String(",VC5,300,300,400,300,400,400,300,400,300,300")));
    }

    void triangleInnerPoint_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("firstCell");
        // r = 40, theta = 90: the 16-piece level moves the point left, the others right.
        QTest::newRow("1602") << 1602
                              << "W200,H200,P16,VC4,0,0,10,50,0,100,0,0VC4,0,0,10,50,100,0,0,0"
                                 "VC4,100,0,10,50,100,100,100,0VC4,0,100,10,50,100,100,0,100VC4,100,0,";
        QTest::newRow("3602") << 3602
                              << "W300,H300,P36,VC4,0,0,90,50,0,100,0,0VC4,0,0,90,50,100,0,0,0"
                                 "VC4,100,0,90,50,100,100,100,0VC4,0,100,90,50,100,100,0,100VC4,100,0,";
    }
    void triangleInnerPoint()
    {
        QFETCH(int, code);
        QFETCH(QString, firstCell);
        ScriptedRandom random({ between(40, 0, 40), between(90, 0, 360) });
        const QString shape = TileLevels::starCutTriangles(code, random);
        QVERIFY2(shape.startsWith(firstCell), qPrintable(shape.left(160)));
        QCOMPARE(random.reseeds(), 1);
        QCOMPARE(random.drawn(), 2 * TileLevels::triangleCellOrder(code).size());
    }

    void triangleCellOrderOf6402()
    {
        // r = 0: every inner point at its cell's centre, so each left triangle names its cell.
        ScriptedRandom random({ 0.0 });
        const QStringList pieces = piecesOf(TileLevels::starCutTriangles(6402, random));
        QCOMPARE(pieces.size(), 64);
        const QList<QPoint> cells = { { 0, 0 }, { 1, 0 }, { 2, 0 }, { 0, 1 }, { 1, 1 }, { 2, 1 }, { 0, 2 },
            { 1, 2 }, { 2, 2 }, { 3, 0 }, { 3, 1 }, { 3, 2 }, { 0, 3 }, { 1, 3 }, { 2, 3 }, { 3, 3 } };
        for (int i = 0; i < cells.size(); ++i) {
            const int x0 = cells[i].x() * 100, y0 = cells[i].y() * 100;
            QCOMPARE(pieces[4 * i],
                QStringLiteral("VC4,%1,%2,%3,%4,%1,%5,%1,%2")
                    .arg(x0)
                    .arg(y0)
                    .arg(x0 + 50)
                    .arg(y0 + 50)
                    .arg(y0 + 100));
        }
    }

    void framedTileFirstCell()
    {
        ScriptedRandom random({ between(9, 5, 9) });
        const QString shape = TileLevels::framedTiles(1603, random);
        QVERIFY(shape.startsWith(
            QLatin1String("W90,H90,P18,VC5P3C5,0,0,30,0,30,30,0,30,0,0,3,6,22,6,22,26,3,26,3,6,"
                          "VC5,3,6,22,6,22,26,3,26,3,6,VC5P3C5,30,0,")));
        QVERIFY(shape.endsWith(QLatin1String(",VC5,63,66,82,66,82,86,63,86,63,66")));
        QCOMPARE(random.drawn(), 20);
    }

    // One a and one b of the pool of ten pairs set to 9, the rest to 5: the cells that come out
    // wide or tall show which pairs they use.
    void framedTilePairTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("wideIndex");
        QTest::addColumn<int>("tallIndex");
        QTest::addColumn<QList<int>>("wideCells");
        QTest::addColumn<QList<int>>("tallCells");
        QTest::newRow("1603 pair 5") << 1603 << 5 << 5 << QList<int> { 4 } << QList<int> { 4 };
        QTest::newRow("3603 a6, b4") << 3603 << 6 << 4 << QList<int> { 5, 15 }
                                     << QList<int> { 3, 13, 15, 16, 17, 18, 19 };
        QTest::newRow("6403 a7, b4") << 6403 << 7 << 4 << QList<int> { 6, 7, 19, 25 }
                                     << QList<int> { 3, 15, 24, 25, 26, 27, 28 };
        QTest::newRow("6403 a5, b5") << 6403 << 5 << 5 << QList<int> { 4, 11, 16, 17, 23, 29 }
                                     << QList<int> { 4, 11, 16, 17, 23, 29 };
    }
    void framedTilePairTable()
    {
        QFETCH(int, code);
        QFETCH(int, wideIndex);
        QFETCH(int, tallIndex);
        QFETCH(QList<int>, wideCells);
        QFETCH(QList<int>, tallCells);
        QList<double> values;
        for (int k = 1; k <= 10; ++k) {
            values.append(between(k == wideIndex ? 9 : 5, 5, 9));
            values.append(between(k == tallIndex ? 9 : 5, 5, 9));
        }
        ScriptedRandom random(values);
        const QStringList pieces = piecesOf(TileLevels::framedTiles(code, random));
        QList<int> wide, tall;
        for (int cell = 0; cell < pieces.size() / 2; ++cell) {
            const QList<int> filler = numbersOf(pieces[2 * cell + 1]);
            QCOMPARE(numbersOf(pieces[2 * cell]).mid(10), filler);
            if (filler[2] - filler[0] == 19)
                wide.append(cell);
            if (filler[5] - filler[1] == 20)
                tall.append(cell);
        }
        QCOMPARE(wide, wideCells);
        QCOMPARE(tall, tallCells);
    }

    void crossBlockExtremes()
    {
        ScriptedRandom random({ between(60, 1, 60), between(48, 1, 48) });
        const QStringList pieces = piecesOf(TileLevels::crossBlocks(1604, random));
        QCOMPARE(pieces.size(), 20);
        QCOMPARE(pieces[0], QStringLiteral("VC5,0,0,70,0,70,56,0,56,0,0"));
        QCOMPARE(pieces[1], QStringLiteral("VC5,90,0,100,0,100,56,90,56,90,0"));
        QCOMPARE(pieces[2], QStringLiteral("VC5,100,64,90,64,90,80,100,80,100,64"));
        QCOMPARE(pieces[3], QStringLiteral("VC5,0,80,0,64,70,64,70,80,0,80"));
        QCOMPARE(pieces[4],
            QStringLiteral(
                "VC13,70,0,90,0,90,56,100,56,100,64,90,64,90,80,70,80,70,64,0,64,0,56,70,56,70,0"));
        QCOMPARE(random.drawn(), 20);
    }

    void octagonBlockPieces()
    {
        ScriptedRandom random({ between(60, 1, 60), between(48, 1, 48) });
        const QStringList pieces = piecesOf(TileLevels::octagonBlocks(1606, random));
        QCOMPARE(pieces.size(), 20);
        QCOMPARE(pieces[0], QStringLiteral("VC4,0,0,70,0,0,56,0,0"));
        QCOMPARE(pieces[1], QStringLiteral("VC4,90,0,100,0,100,56,90,0"));
        QCOMPARE(pieces[2], QStringLiteral("VC4,100,64,90,80,100,80,100,64"));
        QCOMPARE(pieces[3], QStringLiteral("VC4,0,80,0,64,70,80,0,80"));
        QCOMPARE(pieces[4], QStringLiteral("VC9,70,0,90,0,100,56,100,64,90,80,70,80,0,64,0,56,70,0"));
    }

    // a_k = b_k = k identifies the pair of every block from its first piece.
    void blockPairOrder_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<int>>("pairs");
        QTest::newRow("3604") << 3604 << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9 };
        QTest::newRow("6404") << 6404 << QList<int> { 1, 2, 3, 10, 4, 5, 6, 11, 7, 8, 9, 12 };
        QTest::newRow("6406") << 6406 << QList<int> { 1, 2, 3, 10, 4, 5, 6, 11, 7, 8, 9, 12 };
    }
    void blockPairOrder()
    {
        QFETCH(int, code);
        QFETCH(QList<int>, pairs);
        QList<double> values;
        for (int k = 1; k <= 12; ++k)
            values << between(k, 1, 60) << between(k, 1, 48);
        ScriptedRandom random(values);
        const QStringList pieces = piecesOf(ShapeCatalogue::generateLevel(code, random));
        const int columns = code / 100 == 64 ? 4 : 3;
        QList<int> used;
        for (int block = 0; block < pieces.size() / 5; ++block) {
            const QList<int> topLeft = numbersOf(pieces[5 * block]);
            const int x0 = (block % columns) * 100, y0 = (block / columns) * 80;
            // Both cuts start with (x0, y0), (X1, y0) and reach Y1 in their third point.
            const int a = topLeft[2] - x0 - 10, b = topLeft[5] - y0 - 8;
            QCOMPARE(a, b);
            used.append(a);
        }
        QCOMPARE(used, pairs);
        QCOMPARE(random.drawn(), code / 100 == 64 ? 24 : 20);
    }

    void quadrilateralMovedPoint()
    {
        // q = 0, then r = 90 and theta = 90 for every inner point.
        QList<double> values { between(0, 0, 3) };
        for (int i = 0; i < 12; ++i)
            values << between(90, 10, 90) << below(90, 91);
        ScriptedRandom random(values);
        const QStringList pieces = piecesOf(TileLevels::jitteredQuadrilaterals(1605, random));
        QCOMPARE(pieces.size(), 20);
        QCOMPARE(pieces[0], QStringLiteral("VC5,0,0,100,0,10,100,0,100,0,0"));
        QCOMPARE(pieces[6], QStringLiteral("VC5,10,100,110,100,110,200,10,200,10,100"));
        QCOMPARE(random.drawn(), 25);
    }

    void quadrilateralLeastShift()
    {
        // u = 0 throughout: q = 0, r at its least, theta 0 (straight up).
        ScriptedRandom random({ 0.0 });
        QCOMPARE(piecesOf(TileLevels::jitteredQuadrilaterals(1605, random))[0],
            QStringLiteral("VC5,0,0,100,0,100,90,0,100,0,0"));
        QCOMPARE(piecesOf(TileLevels::jitteredQuadrilaterals(3605, random))[0],
            QStringLiteral("VC5,0,0,100,0,100,100,0,100,0,0"));
    }

    void quadrilateralQuarterTurn()
    {
        // q = 2: theta from 180 to 270, so points move right and down.
        QList<double> values { between(2, 0, 3) };
        for (int i = 0; i < 25; ++i)
            values << between(50, 0, 90) << below(0, 91);
        ScriptedRandom random(values);
        QCOMPARE(piecesOf(TileLevels::jitteredQuadrilaterals(3605, random))[0],
            QStringLiteral("VC5,0,0,100,0,100,150,0,100,0,0"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
