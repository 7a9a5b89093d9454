// tst_shapeparser.cpp: reading shape strings in header and cell-relative form, damaged strings included.
#include "ShapeParser.h"

#include <QtTest>

#include <limits>

using Points = QList<QPoint>;

class TestShapeParser : public QObject
{
    Q_OBJECT

private slots:
    void headPointCount_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<int>("count");
        QTest::newRow("ellipse xor 12-gon") << "A2P3C12" << 14;
        QTest::newRow("four ellipses") << "A2P3A2P2A2P2A2" << 8;
        QTest::newRow("polygon xor ellipse") << "C6P3A2" << 8;
        QTest::newRow("plain polygon") << "C5" << 5;
        QTest::newRow("two-digit count") << "C13" << 13;
        QTest::newRow("empty head") << "" << 0;
        QTest::newRow("no count") << "C" << 0;
        QTest::newRow("P at the end") << "C5P" << 5;
        QTest::newRow("negative count") << "C-5P2C3" << 3;
        QTest::newRow("fractional count") << "C5.7" << 5;
        QTest::newRow("absurd count") << "C999999999" << 999999999;
        QTest::newRow("saturates") << "C2147483647P2C2147483647" << std::numeric_limits<int>::max();
    }
    void headPointCount()
    {
        QFETCH(QString, head);
        QFETCH(int, count);
        QCOMPARE(::headPointCount(head), count);
    }

    void scaling_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<Points>("points");
        QTest::newRow("400 design over 200 pixels")
            << "W400,H400,P1,VC5,0,0,100,0,100,100,0,100,0,0" << QSize(200, 200)
            << Points { { 0, 0 }, { 50, 0 }, { 50, 50 }, { 0, 50 }, { 0, 0 } };
        // 25 -> 12.5 -> 12 and 27 -> 13.5 -> 14: halves go to the even neighbour.
        QTest::newRow("halves to even")
            << "W400,H400,P1,VC3,25,27,27,25,0,0" << QSize(200, 200) << Points { { 12, 14 }, { 14, 12 }, { 0, 0 } };
        QTest::newRow("decimal coordinates")
            << "W100,H100,P1,VC2,46.67,66.67,0.4,99.6" << QSize(100, 100) << Points { { 47, 67 }, { 0, 100 } };
        QTest::newRow("uneven picture")
            << "W90,H90,P1,VC2,30,60,90,90" << QSize(400, 300) << Points { { 133, 200 }, { 400, 300 } };
        QTest::newRow("fractional design size")
            << "W400.5,H400,P1,VC1,400.5,400" << QSize(200, 200) << Points { { 200, 200 } };
        // A truncated point keeps its x and reads the missing y as 0.
        QTest::newRow("missing numbers read as zero") << "W100,H100,P1,VC3,10,,30,40,50" << QSize(100, 100)
                                                      << Points { { 10, 0 }, { 30, 40 }, { 50, 0 } };
        // Coordinates far outside the design space are kept within one picture size around the picture.
        QTest::newRow("huge coordinates bounded") << "W1,H1,P1,VC1,99999999999999999999999999,-99999999999999"
                                                  << QSize(90, 60) << Points { { 180, -60 } };
        QTest::newRow("tiny design bounded")
            << "W0.000001,H1,P1,VC1,1,0.5" << QSize(90, 60) << Points { { 180, 30 } };
        QTest::newRow("one picture size around stays")
            << "W90,H60,P1,VC1,-90,120" << QSize(90, 60) << Points { { -90, 120 } };
    }
    void scaling()
    {
        QFETCH(QString, shape);
        QFETCH(QSize, picture);
        QFETCH(Points, points);
        const ParsedShape parsed = parseShapeString(shape, picture);
        QCOMPARE(parsed.pieces.size(), 1);
        QCOMPARE(parsed.pieces.first().points, points);
    }

    void headerFields()
    {
        const ParsedShape parsed = parseShapeString(u"W400,H300,P16,VC1,0,0", QSize(40, 30));
        QCOMPARE(parsed.designWidth, 400);
        QCOMPARE(parsed.designHeight, 300);
        QCOMPARE(parsed.declaredCount, 16);
        QCOMPARE(parsed.pieces.size(), 1);
        QCOMPARE(parsed.pieces.first().head, QStringLiteral("C1"));
    }

    // Forms the generators write differently that must read alike.
    void equivalentForms_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("same");
        const QString a = "W200,H100,P2,VC5,0,0,100,0,100,100,0,100,0,0";
        const QString b = "VC5,100,0,200,0,200,100,100,100,100,0";
        QTest::newRow("trailing comma") << a + "," + b << a + "," + b + ",";
        QTest::newRow("V right after a number") << a + "," + b << a + b;
        QTest::newRow("bare letters between pieces") << a + "," + b << a + ",xyz" + b;
    }
    void equivalentForms()
    {
        QFETCH(QString, shape);
        QFETCH(QString, same);
        const ParsedShape first = parseShapeString(shape, QSize(400, 300));
        const ParsedShape second = parseShapeString(same, QSize(400, 300));
        QCOMPARE(first.pieces.size(), second.pieces.size());
        for (qsizetype i = 0; i < first.pieces.size(); ++i) {
            QCOMPARE(first.pieces[i].head, second.pieces[i].head);
            QCOMPARE(first.pieces[i].points, second.pieces[i].points);
        }
    }

    void catalogueExamples()
    {
        // Two pieces: an oval tile with a figure-shaped hole, then the figure.
        const ParsedShape tiles = parseShapeString(
            u"W20,H30,P2,VA2P3C12,0,0,20,30,2,2,18,2,18,17,6,17,6,24,14,24,18,28,2,28,2,13,14,13,14,6,6,6,"
            u"VC12,2,2,18,2,18,17,6,17,6,24,14,24,18,28,2,28,2,13,14,13,14,6,6,6,",
            QSize(20, 30));
        QCOMPARE(tiles.pieces.size(), 2);
        QCOMPARE(tiles.pieces[0].points.size(), 14);
        QCOMPARE(tiles.pieces[1].points.size(), 12);
        QCOMPARE(tiles.pieces[0].points.mid(2), tiles.pieces[1].points);
    }

    // Damaged strings give bounded results and never read past the text.
    void damaged_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<int>("points");
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("no header") << "VC5,0,0,1,1,2,2,3,3,0,0" << 0 << 0;
        QTest::newRow("zero width") << "W0,H400,P1,VC1,1,1" << 0 << 0;
        QTest::newRow("negative height") << "W400,H-400,P1,VC1,1,1" << 0 << 0;
        QTest::newRow("no count") << "W400,H400,VC1,1,1" << 0 << 0;
        QTest::newRow("count beyond pieces present") << "W400,H400,P999999999,VC1,1,1,VC1,2,2" << 2 << 2;
        QTest::newRow("count below pieces present") << "W400,H400,P1,VC1,1,1,VC1,2,2" << 1 << 1;
        QTest::newRow("absurd point count") << "W400,H400,P1,VC999999999,1,2,3,4,5" << 1 << 3;
        QTest::newRow("truncated in a point") << "W400,H400,P1,VC5,0,0,100" << 1 << 2;
        QTest::newRow("truncated after the head") << "W400,H400,P1,VC5" << 1 << 0;
        QTest::newRow("head without comma") << "W400,H400,P3,VVV" << 1 << 0;
        QTest::newRow("garbage") << "%%W%%H%%P%%V,,,,V" << 0 << 0;
        QTest::newRow("letters only") << "WHPVCCCC,,,," << 0 << 0;
        QTest::newRow("count reads into the next piece") << "W9,H9,P2,VC9,1,1,VC1,2,2" << 1 << 3;
    }
    void damaged()
    {
        QFETCH(QString, shape);
        QFETCH(int, pieces);
        QFETCH(int, points);
        const QSize picture(90, 60);
        const ParsedShape parsed = parseShapeString(shape, picture);
        QCOMPARE(parsed.pieces.size(), pieces);
        int total = 0;
        for (const ParsedPiece& piece : parsed.pieces)
            total += int(piece.points.size());
        QCOMPARE(total, points);
    }

    void cellPieces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("cell");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QStringList>("heads");
        QTest::addColumn<Points>("points");
        // Kind 7 with rho = 60 in a 120 x 90 cell: (7.6, 92.4) and (92.4, 7.6) give (9, 83) and (111, 7).
        QTest::newRow("square figure") << "VB2,7.6,92.4,92.4,7.6" << QSize(120, 90) << QPoint(0, 0)
                                       << QStringList { "B2" } << Points { { 9, 83 }, { 111, 7 } };
        QTest::newRow("origin added after rounding")
            << "VB2,7.6,92.4,92.4,7.6" << QSize(120, 90) << QPoint(140, 105) << QStringList { "B2" }
            << Points { { 149, 188 }, { 251, 112 } };
        QTest::newRow("halves to even") << "VC2,12.5,37.5,87.5,62.5" << QSize(100, 100) << QPoint(0, 0)
                                        << QStringList { "C2" } << Points { { 12, 38 }, { 88, 62 } };
        QTest::newRow("digit one, trailing comma")
            << "VC4,46.67,20,60,6.66,60,93.33,46.67,80," << QSize(90, 70) << QPoint(0, 0) << QStringList { "C4" }
            << Points { { 42, 14 }, { 54, 5 }, { 54, 65 }, { 42, 56 } };
        QTest::newRow("two figures") << "VC1,0,0VA2,0,0,100,100" << QSize(10, 10) << QPoint(5, 5)
                                     << QStringList { "C1", "A2" } << Points { { 5, 5 }, { 5, 5 }, { 15, 15 } };
    }
    void cellPieces()
    {
        QFETCH(QString, text);
        QFETCH(QSize, cell);
        QFETCH(QPoint, origin);
        QFETCH(QStringList, heads);
        QFETCH(Points, points);
        const QList<ParsedPiece> pieces = parseCellPieces(text, cell, origin);
        QStringList gotHeads;
        Points gotPoints;
        for (const ParsedPiece& piece : pieces) {
            gotHeads.append(piece.head);
            gotPoints += piece.points;
        }
        QCOMPARE(gotHeads, heads);
        QCOMPARE(gotPoints, points);
    }
};

QTEST_GUILESS_MAIN(TestShapeParser)
#include "tst_shapeparser.moc"
