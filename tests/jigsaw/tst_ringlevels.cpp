// tst_ringlevels.cpp: the exact shape strings of patterns 07-11, oval tiles with figure holes.
#include "RandomSource.h"
#include "RingLevels.h"
#include "ScriptedValues.h"
#include "ShapeCatalogue.h"
#include "ShapeStrings.h"

#include <QtTest>

using ScriptedValues::between;
using ShapeStrings::numbersOf;
using ShapeStrings::piecesOf;

class TestRingLevels : public QObject {
    Q_OBJECT

private slots:
    void squareRingFirstCells()
    {
        ScriptedRandom random({ between(30, 30, 48) });
        const QString shape = RingLevels::squareRings(1, random);
        QVERIFY2(shape.startsWith(QLatin1String(
                     "W300,H300,P18,VA2P3B2,0,0,100,100,28.8,71.2,71.2,28.8,VB2,28.8,71.2,71.2,28.8"
                     "VA2P3B2,0,100,100,200,28.8,171.2,71.2,128.8,VB2,")),
            qPrintable(shape.left(200)));
        QCOMPARE(random.reseeds(), 9);
    }

    void ringPatternsReseedEveryCell_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("draws");
        QTest::newRow("1607") << 1607 << 9 << 9;
        QTest::newRow("3608") << 3608 << 20 << 40;
        QTest::newRow("6409") << 6409 << 30 << 60;
        QTest::newRow("3610") << 3610 << 20 << 40;
        QTest::newRow("6411 draws nothing") << 6411 << 0 << 0;
    }
    void ringPatternsReseedEveryCell()
    {
        QFETCH(int, code);
        QFETCH(int, cells);
        QFETCH(int, draws);
        ScriptedRandom random({ 0.5 });
        ShapeCatalogue::generateLevel(code, random);
        QCOMPARE(random.reseeds(), cells);
        QCOMPARE(random.drawn(), draws);
    }

    void ringFiguresOfTheFirstCell_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QString>("firstCell");
        QTest::newRow("08 triangle, phi 0")
            << 1608 << QList<double> { between(40, 30, 48), between(0, 0, 180) }
            << "VA2P3C3,0,0,100,100,90,50,30,84.6,30,15.4,VC3,90,50,30,84.6,30,15.4V";
        QTest::newRow("09 nested squares")
            << 1609 << QList<double> { between(40, 40, 47), between(30, 30, 37) }
            << "VA2P3B2,0,0,100,100,21.7,78.3,78.3,21.7,VB2P3B2,21.7,78.3,78.3,21.7,28.8,71.2,71.2,28.8,"
               "VB2,28.8,71.2,71.2,28.8V";
        QTest::newRow("10 star, phi 0")
            << 1610 << QList<double> { between(40, 40, 47), between(0, 0, 180) }
            << "VA2P3C10,0,0,100,100,90,50,66.2,61.8,62.4,88,43.8,69,17.6,73.5,30,50,17.6,26.5,43.8,31,"
               "62.4,12,66.2,38.2,VC10,90,50,66.2,61.8,62.4,88,43.8,69,17.6,73.5,30,50,17.6,26.5,43.8,31,"
               "62.4,12,66.2,38.2V";
    }
    void ringFiguresOfTheFirstCell()
    {
        QFETCH(int, code);
        QFETCH(QList<double>, values);
        QFETCH(QString, firstCell);
        ScriptedRandom random(values);
        const QString shape = ShapeCatalogue::generateLevel(code, random);
        const QString afterHeader = shape.mid(shape.indexOf(u'V'));
        QVERIFY2(afterHeader.startsWith(firstCell), qPrintable(afterHeader.left(firstCell.size() + 20)));
    }

    void offsetTemplate()
    {
        QCOMPARE(RingLevels::OffsetTemplate(0, 20, 0),
            QStringLiteral("VA2,26,6,34,26,VA2P3A2,20,0,40,30,26,6,34,26,"));
        QCOMPARE(RingLevels::OffsetTemplate(1, 20, 30),
            QStringLiteral(
                "VA2P3C4,20,30,40,60,34,36,38,32,38,58,34,54,VC4,34,36,38,32,38,58,34,54,"));
        QCOMPARE(RingLevels::OffsetTemplate(8, 0, 0), RingLevels::digitTemplate(8) + u',');
    }

    void digitTilesOfSizeClass2()
    {
        const QString shape = RingLevels::digitTiles(2);
        QVERIFY(shape.startsWith(QLatin1String("W100,H120,P40,")));
        const QList<int> digits = { 1, 2, 3, 4, 5, 4, 5, 6, 7, 8, 7, 8, 9, 0, 1, 0, 1, 2, 3, 4 };
        QString expected = QStringLiteral("W100,H120,P40,");
        for (int cell = 0; cell < digits.size(); ++cell)
            expected += RingLevels::OffsetTemplate(digits[cell], (cell % 5) * 20, (cell / 5) * 30);
        QCOMPARE(shape, expected);
        // Row 2, column 1 holds a 4 whose oval runs from (0, 30) to (20, 60).
        QVERIFY(RingLevels::OffsetTemplate(4, 0, 30).startsWith(QLatin1String("VA2P3C10,0,30,20,60,")));
    }

    // Each piece of a digit template carries exactly the points its head asks for.
    void everyDigitTemplateCountsItsPoints()
    {
        for (int digit = 0; digit <= 9; ++digit) {
            const QStringList pieces = piecesOf(RingLevels::digitTemplate(digit));
            QCOMPARE(pieces.size(), 2);
            for (const QString& piece : pieces) {
                const QStringList primitives = piece.mid(1).section(u',', 0, 0).split(u'P');
                int points = primitives.first().mid(1).toInt();
                for (const QString& next : primitives.mid(1))
                    points += next.mid(2).toInt();
                QCOMPARE(int(numbersOf(piece).size()), 2 * points);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRingLevels)
#include "tst_ringlevels.moc"
