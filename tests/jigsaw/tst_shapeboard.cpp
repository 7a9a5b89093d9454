// tst_shapeboard.cpp: grid, level index, figure kinds and figure texts of the shape-board levels.
#include "Figures.h"
#include "LevelBuilder.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "ScriptedValues.h"
#include "ShapeBoard.h"

#include <QtTest>

using ScriptedValues::below;
using ScriptedValues::between;

namespace {
qint64 area(const QRegion& region)
{
    qint64 total = 0;
    for (const QRect& r : region)
        total += qint64(r.width()) * r.height();
    return total;
}
} // namespace

class TestShapeBoard : public QObject {
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QPoint>("margin");
        QTest::newRow("640x480 index 0") << QSize(640, 480) << 0 << 5 << 5 << QPoint(20, 15);
        QTest::newRow("640x480 index 4") << QSize(640, 480) << 4 << 10 << 10 << QPoint(0, 0);
        QTest::newRow("400x400 index 1") << QSize(400, 400) << 1 << 4 << 5 << QPoint(20, 25);
        QTest::newRow("odd margins round down") << QSize(805, 603) << 2 << 10 << 10 << QPoint(2, 1);
        QTest::newRow("narrower than a cell") << QSize(100, 400) << 0 << 0 << 4 << QPoint(50, 20);
        QTest::newRow("empty picture") << QSize(0, 0) << 3 << 0 << 0 << QPoint(0, 0);
    }
    void layout()
    {
        QFETCH(QSize, picture);
        QFETCH(int, index);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QPoint, margin);
        const ShapeBoardLayout grid = ShapeBoard::layout(picture, index);
        QCOMPARE(grid.columns, columns);
        QCOMPARE(grid.rows, rows);
        QCOMPARE(grid.margin, margin);
        QCOMPARE(grid.cell, ShapeBoard::cellSize(index));
    }

    void cellOriginIsColumnMajorFriendly()
    {
        const ShapeBoardLayout grid = ShapeBoard::layout({ 640, 480 }, 0);
        QCOMPARE(grid.cellOrigin(1, 1), QPoint(20, 15));
        QCOMPARE(grid.cellOrigin(1, 2), QPoint(20, 105));
        QCOMPARE(grid.cellOrigin(3, 1), QPoint(260, 15));
    }

    void levelIndex_data()
    {
        QTest::addColumn<int>("d");
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("draws");
        QTest::newRow("D0 low") << 0 << 0.0 << 0 << 1;
        QTest::newRow("D0 high") << 0 << 0.99 << 2 << 1;
        QTest::newRow("D1") << 1 << 0.0 << 3 << 0;
        QTest::newRow("D2") << 2 << 0.0 << 4 << 0;
        QTest::newRow("D3") << 3 << 0.0 << 3 << 0;
        QTest::newRow("D4") << 4 << 0.0 << 4 << 0;
        QTest::newRow("D7 builds as 4") << 7 << 0.0 << 4 << 0;
        QTest::newRow("negative D builds as 4") << -1 << 0.0 << 4 << 0;
    }
    void levelIndex()
    {
        QFETCH(int, d);
        QFETCH(double, u);
        QFETCH(int, index);
        QFETCH(int, draws);
        ScriptedRandom random({ u });
        QCOMPARE(ShapeBoard::levelIndex(d, random), index);
        QCOMPARE(random.drawn(), draws);
    }

    void figureKind()
    {
        ScriptedRandom random({ 0.0, 0.999 });
        QCOMPARE(ShapeBoard::figureKind(1, random), 1);
        QCOMPARE(ShapeBoard::figureKind(11, random), 11);
        QCOMPARE(random.drawn(), 0);
        QCOMPARE(ShapeBoard::figureKind(0, random), 2);
        QCOMPARE(ShapeBoard::figureKind(12, random), 11);
        QCOMPARE(ShapeBoard::figureKind(-4, random), 2);
    }

    void figureTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 triangle") << 1 << QList<double> { between(40, 40, 49), between(0, 0, 180) }
                                    << "VC3,90,50,30,84.6,30,15.4";
        QTest::newRow("2 disc") << 2 << QList<double> { between(60, 30, 69) } << "VA2,7.6,92.4,92.4,7.6";
        QTest::newRow("3 ring") << 3 << QList<double> { between(60, 50, 69), between(20, 10, 29) }
                                << "VA2P3A2,7.6,92.4,92.4,7.6,35.9,64.1,64.1,35.9";
        QTest::newRow("4 cross")
            << 4 << QList<double> { between(1, 1, 60), between(60, 1, 60) }
            << "VC12,11,0,31,0,31,70,100,70,100,80,31,80,31,100,11,100,11,80,0,80,0,70,11,70";
        QTest::newRow("5 turned square") << 5 << QList<double> { between(40, 40, 49), between(90, 0, 180) }
                                         << "VC4,50,90,10,50,50,10,90,50";
        QTest::newRow("6 octagon") << 6 << QList<double> { between(60, 1, 60), between(1, 1, 60) }
                                   << "VC8,70,0,90,0,100,11,100,21,90,100,70,100,0,21,0,11";
        QTest::newRow("7 square") << 7 << QList<double> { between(60, 60, 69) } << "VB2,7.6,92.4,92.4,7.6";
        QTest::newRow("8 triangle frame")
            << 8 << QList<double> { between(40, 40, 49), between(10, 10, 19), between(0, 0, 180) }
            << "VC3P3C3,90,50,30,84.6,30,15.4,60,50,45,58.7,45,41.3";
        QTest::newRow("9 square frame") << 9 << QList<double> { between(60, 50, 69), between(20, 10, 29) }
                                        << "VB2P3B2,7.6,92.4,92.4,7.6,35.9,64.1,64.1,35.9";
        QTest::newRow("10 star") << 10 << QList<double> { between(45, 45, 49), between(0, 0, 180) }
                                 << "VC10,95,50,62.1,58.8,63.9,92.8,45.4,64.3,13.6,76.5,35,50,13.6,23.5,45.4,"
                                    "35.7,63.9,7.2,62.1,41.2";
        QTest::newRow("11 digit 7") << 11 << QList<double> { below(7, 10) }
                                    << "VC6,6.66,6.66,60,6.66,60,93.33,46.67,80,46.67,20,20,20";
    }
    void figureTexts()
    {
        QFETCH(int, kind);
        QFETCH(QList<double>, values);
        QFETCH(QString, text);
        ScriptedRandom random(values);
        QCOMPARE(Figures::figureText(kind, random), text);
        QCOMPARE(random.drawn(), int(values.size()));
        QCOMPARE(random.reseeds(), kind == Figures::Digit ? 0 : 1);
    }

    void unknownKindGivesNoFigure()
    {
        ScriptedRandom random({ 0.5 });
        QCOMPARE(Figures::figureText(0, random), QString());
        QCOMPARE(Figures::figureText(12, random), QString());
        QCOMPARE(random.drawn(), 0);
    }

    void digitTemplatesStandAsWritten()
    {
        QCOMPARE(Figures::digitTemplate(0), QStringLiteral("VA2P3A2,0,0,66.67,100,20,20,46.67,86.67"));
        QCOMPARE(Figures::digitTemplate(1), QStringLiteral("VC4,46.67,20,60,6.66,60,93.33,46.67,80,"));
        QCOMPARE(Figures::digitTemplate(8),
            QStringLiteral("VA2P3A2P3A2,6.66,6.66,60,93.33,20,20,46.67,43.33,20,56.67,46.67,86.67"));
        QCOMPARE(Figures::digitTemplate(10), QString());
        // Every digit stays in the left two thirds of its cell.
        for (int digit = 0; digit <= 9; ++digit) {
            const QStringList numbers
                = Figures::digitTemplate(digit).section(u',', 1).split(u',', Qt::SkipEmptyParts);
            for (qsizetype i = 0; i < numbers.size(); i += 2)
                QVERIFY2(numbers[i].toDouble() <= 66.67, qPrintable(QString::number(digit)));
        }
    }

    // Column by column, each cell drawing its kind and then the kind's values.
    void figuresInBuildOrder()
    {
        const ShapeBoardLayout grid = ShapeBoard::layout({ 250, 190 }, 0); // 2 x 2 cells
        ScriptedRandom random({ between(7, 2, 11), between(65, 60, 69), between(11, 2, 11), below(3, 10),
            between(2, 2, 11), between(30, 30, 69), between(11, 2, 11), below(0, 10) });
        const QList<ShapeBoardFigure> cells = ShapeBoard::figures(grid, 0, random);
        QCOMPARE(cells.size(), 4);
        QCOMPARE(cells[0].column, 1);
        QCOMPARE(cells[0].row, 1);
        QCOMPARE(cells[1].column, 1);
        QCOMPARE(cells[1].row, 2);
        QCOMPARE(cells[2].column, 2);
        QCOMPARE(cells[0].kind, 7);
        QCOMPARE(cells[0].text, QStringLiteral("VB2,4,96,96,4"));
        QCOMPARE(cells[1].text, Figures::digitTemplate(3));
        QCOMPARE(cells[2].text, QStringLiteral("VA2,28.8,71.2,71.2,28.8"));
        QCOMPARE(cells[3].text, Figures::digitTemplate(0));
        QCOMPARE(random.reseeds(), 2);
    }

    void explicitKindDrawsNoKind()
    {
        const ShapeBoardLayout grid = ShapeBoard::layout({ 640, 480 }, 4);
        ScriptedRandom random({ between(60, 60, 69) });
        const QList<ShapeBoardFigure> cells = ShapeBoard::figures(grid, 7, random);
        QCOMPARE(cells.size(), 100);
        for (const ShapeBoardFigure& cell : cells)
            QCOMPARE(cell.text, QStringLiteral("VB2,7.6,92.4,92.4,7.6"));
        QCOMPARE(random.drawn(), 100);
    }

    void builtLevelSizes_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("pieces");
        QTest::newRow("index 0") << "G1,BE0132768,D0,R0,M1,S1,P0," << 0.0 << 0 << 26;
        QTest::newRow("index 4") << "G1,BE0132768,D2,R0,M1,S1,P0," << 0.0 << 4 << 101;
        QTest::newRow("index 3") << "G1,BE0132768,D1,R0,M1,S1,P5," << 0.0 << 3 << 82;
        QTest::newRow("D above 4") << "G1,BE0132768,D9,R0,M1,S1,P3," << 0.0 << 4 << 101;
    }
    void builtLevelSizes()
    {
        QFETCH(QString, record);
        QFETCH(double, u);
        QFETCH(int, index);
        QFETCH(int, pieces);
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        PieceTable table;
        ScriptedRandom random({ u });
        const ShapeBoardLevel level = LevelBuilder::buildShapeBoard(record, picture, table, random);
        QCOMPARE(level.levelIndex, index);
        QCOMPARE(table.count(), pieces);
        QCOMPARE(level.boardPiece, pieces);
        qint64 figures = 0;
        for (int k = 1; k < pieces; ++k)
            figures += area(table.piece(k).outline);
        QCOMPARE(area(table.piece(pieces).outline), 640 * 480 - figures);
        QCOMPARE(table.piece(pieces).group, QStringLiteral("P%1").arg(pieces));
        QCOMPARE(table.record0().neighbours.count(u'P'), pieces);
    }

    void squareFigureScaledIntoItsCell()
    {
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::black);
        PieceTable table;
        QList<double> values { between(0, 0, 2) };
        values.append(QList<double>(25, between(60, 60, 69)));
        ScriptedRandom random(values);
        const ShapeBoardLevel level = LevelBuilder::buildShapeBoard(0, 7, picture, table, random);
        QCOMPARE(level.layout.margin, QPoint(20, 15));
        // Template corners (7.6, 92.4) and (92.4, 7.6) in a 120 x 90 cell: (9, 83) and (111, 7).
        QCOMPARE(table.piece(1).points,
            (QList<QPoint> { QPoint(9, 83) + QPoint(20, 15), QPoint(111, 7) + QPoint(20, 15) }));
        QCOMPARE(table.piece(1).head, QStringLiteral("B2"));
        // Column order: piece 2 lies below piece 1, piece 6 to its right.
        QCOMPARE(table.piece(2).points.first(), table.piece(1).points.first() + QPoint(0, 90));
        QCOMPARE(table.piece(6).points.first(), table.piece(1).points.first() + QPoint(120, 0));
        QVERIFY(picture.pixel(20 + 9, 15 + 50) != qRgb(0, 0, 0)); // the figure's seam
    }

    void pictureSmallerThanACellGivesTheBoardAlone()
    {
        QImage picture(100, 80, QImage::Format_RGB32);
        picture.fill(Qt::black);
        PieceTable table;
        table.append(PieceRecord {}); // left over from an earlier game
        ScriptedRandom random({ 0.0 });
        const ShapeBoardLevel level = LevelBuilder::buildShapeBoard(0, 0, picture, table, random);
        QCOMPARE(table.count(), 1);
        QCOMPARE(level.figures, QString());
        QCOMPARE(table.piece(1).outline, QRegion(0, 0, 100, 80));
        QCOMPARE(table.record0().neighbours, QStringLiteral("P1_"));
    }

    void chooseLevelBuildsTheCatalogueLevel()
    {
        QImage picture(400, 400, QImage::Format_RGB32);
        picture.fill(Qt::black);
        PieceTable table;
        for (int k = 0; k < 3; ++k)
            table.append(PieceRecord {});
        ScriptedRandom random({ 0.5 });
        const CatalogueLevel level
            = LevelBuilder::ChooseLevel(u"G1,BE0132768,D0,R0,M0,S1,P2,", picture, table, random);
        QCOMPARE(level.levelCode, 1601);
        QVERIFY(level.shape.startsWith(QLatin1String("W400,H400,P16,VC5,0,0,100,0,")));
        QCOMPARE(table.count(), 16);
        QCOMPARE(table.piece(6).homeLeft, 100);
        QCOMPARE(table.piece(6).homeTop, 100);
        QCOMPARE(table.piece(6).neighbours, QStringLiteral("P2_P5_P7_P10_"));
        QCOMPARE(table.record0().neighbours, QString());
    }
};

QTEST_GUILESS_MAIN(TestShapeBoard)
#include "tst_shapeboard.moc"
