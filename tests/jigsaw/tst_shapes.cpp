// tst_shapes.cpp: shape strings in header and cell-relative form, damaged ones included; the outlines
// built from them: combination modes, edge ownership, bounds and translation.
#include "JoinGlow.h"
#include "Outline.h"
#include "ShapeParser.h"
#include "TestSupport.h"

#include <QtTest>

#include <limits>

using Points = QList<QPoint>;
using Probes = QList<QPoint>;
using TestSupport::area;

class TestShapes : public QObject
{
    Q_OBJECT

private slots:
    // The counts of a head's primitives added: missing or negative is none, a fraction cut, the sum saturates.
    void headPointCount()
    {
        const QList<std::pair<const char*, int>> rows = { { "A2P3C12", 14 }, { "A2P3A2P2A2P2A2", 8 }, { "C6P3A2", 8 },
            { "C5", 5 }, { "C13", 13 }, { "", 0 }, { "C", 0 }, { "C5P", 5 }, { "C-5P2C3", 3 }, { "C5.7", 5 },
            { "C999999999", 999999999 }, { "C2147483647P2C2147483647", std::numeric_limits<int>::max() } };
        for (const auto& [head, count] : rows)
            QVERIFY2(::headPointCount(QString::fromLatin1(head)) == count, head);
    }

    // The header's fields, and the points of a one-piece shape scaled from the design to the picture.
    void headerAndScaling()
    {
        const ParsedShape parsed = parseShapeString(u"W400,H300,P16,VC1,0,0", QSize(40, 30));
        QCOMPARE(QList<int>({ parsed.designWidth, parsed.designHeight, parsed.declaredCount }), QList<int>({ 400, 300, 16 }));
        QCOMPARE(parsed.pieces.size(), 1);
        QCOMPARE(parsed.pieces.first().head, QStringLiteral("C1"));
        const auto points = [](QStringView shape, QSize picture) {
            const ParsedShape one = parseShapeString(shape, picture);
            return one.pieces.size() == 1 ? one.pieces.first().points : Points { { -1, -1 } };
        };
        QCOMPARE(points(u"W400,H400,P1,VC5,0,0,100,0,100,100,0,100,0,0", QSize(200, 200)),
            (Points { { 0, 0 }, { 50, 0 }, { 50, 50 }, { 0, 50 }, { 0, 0 } }));
        // 25 -> 12.5 -> 12 and 27 -> 13.5 -> 14: halves go to the even neighbour.
        QCOMPARE(points(u"W400,H400,P1,VC3,25,27,27,25,0,0", QSize(200, 200)), (Points { { 12, 14 }, { 14, 12 }, { 0, 0 } }));
        QCOMPARE(points(u"W100,H100,P1,VC2,46.67,66.67,0.4,99.6", QSize(100, 100)), (Points { { 47, 67 }, { 0, 100 } }));
        QCOMPARE(points(u"W90,H90,P1,VC2,30,60,90,90", QSize(400, 300)), (Points { { 133, 200 }, { 400, 300 } }));
        QCOMPARE(points(u"W400.5,H400,P1,VC1,400.5,400", QSize(200, 200)), (Points { { 200, 200 } }));
        // A truncated point keeps its x and reads the missing y as 0.
        QCOMPARE(points(u"W100,H100,P1,VC3,10,,30,40,50", QSize(100, 100)), (Points { { 10, 0 }, { 30, 40 }, { 50, 0 } }));
        // Coordinates far outside the design space are kept within one picture size around the picture.
        QCOMPARE(points(u"W1,H1,P1,VC1,99999999999999999999999999,-99999999999999", QSize(90, 60)), (Points { { 180, -60 } }));
        QCOMPARE(points(u"W0.000001,H1,P1,VC1,1,0.5", QSize(90, 60)), (Points { { 180, 30 } }));
        QCOMPARE(points(u"W90,H60,P1,VC1,-90,120", QSize(90, 60)), (Points { { -90, 120 } }));
    }

    // Forms the generators write differently that must read alike: a trailing comma, a V right after
    // a number, bare letters between pieces.
    void equivalentForms()
    {
        const QString a = "W200,H100,P2,VC5,0,0,100,0,100,100,0,100,0,0";
        const QString b = "VC5,100,0,200,0,200,100,100,100,100,0";
        const ParsedShape first = parseShapeString(a + "," + b, QSize(400, 300));
        for (const QString& same : { a + "," + b + ",", a + b, a + ",xyz" + b }) {
            const ParsedShape second = parseShapeString(same, QSize(400, 300));
            QVERIFY2(first.pieces.size() == second.pieces.size(), qPrintable(same));
            for (qsizetype i = 0; i < first.pieces.size(); ++i) {
                QCOMPARE(first.pieces[i].head, second.pieces[i].head);
                QCOMPARE(first.pieces[i].points, second.pieces[i].points);
            }
        }
    }

    // Damaged strings give bounded results and never read past the text.
    void damaged_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QPoint>("counts"); // pieces, points
        QTest::newRow("empty") << "" << QPoint(0, 0);
        QTest::newRow("no header") << "VC5,0,0,1,1,2,2,3,3,0,0" << QPoint(0, 0);
        QTest::newRow("zero width") << "W0,H400,P1,VC1,1,1" << QPoint(0, 0);
        QTest::newRow("negative height") << "W400,H-400,P1,VC1,1,1" << QPoint(0, 0);
        QTest::newRow("no count") << "W400,H400,VC1,1,1" << QPoint(0, 0);
        QTest::newRow("count beyond pieces present") << "W400,H400,P999999999,VC1,1,1,VC1,2,2" << QPoint(2, 2);
        QTest::newRow("count below pieces present") << "W400,H400,P1,VC1,1,1,VC1,2,2" << QPoint(1, 1);
        QTest::newRow("absurd point count") << "W400,H400,P1,VC999999999,1,2,3,4,5" << QPoint(1, 3);
        QTest::newRow("truncated in a point") << "W400,H400,P1,VC5,0,0,100" << QPoint(1, 2);
        QTest::newRow("truncated after the head") << "W400,H400,P1,VC5" << QPoint(1, 0);
        QTest::newRow("head without comma") << "W400,H400,P3,VVV" << QPoint(1, 0);
        QTest::newRow("garbage") << "%%W%%H%%P%%V,,,,V" << QPoint(0, 0);
        QTest::newRow("letters only") << "WHPVCCCC,,,," << QPoint(0, 0);
        QTest::newRow("count reads into the next piece") << "W9,H9,P2,VC9,1,1,VC1,2,2" << QPoint(1, 3);
    }
    void damaged()
    {
        QFETCH(QString, shape);
        QFETCH(QPoint, counts);
        const ParsedShape parsed = parseShapeString(shape, QSize(90, 60));
        int total = 0;
        for (const ParsedPiece& piece : parsed.pieces)
            total += int(piece.points.size());
        QCOMPARE(QPoint(int(parsed.pieces.size()), total), counts);
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

    // Two 10 x 10 squares overlapping in a 5 x 5 corner, combined by every mode.
    void modes_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<qint64>("area");
        QTest::addColumn<Probes>("inside");
        QTest::addColumn<Probes>("outside");
        const QPoint firstOnly(2, 2), both(7, 7), secondOnly(12, 12);
        QTest::newRow("1 intersection") << "B2P1B2" << qint64(25) << Probes { both } << Probes { firstOnly, secondOnly };
        QTest::newRow("2 union") << "B2P2B2" << qint64(175) << Probes { firstOnly, both, secondOnly } << Probes {};
        QTest::newRow("3 xor") << "B2P3B2" << qint64(150) << Probes { firstOnly, secondOnly } << Probes { both };
        QTest::newRow("4 difference") << "B2P4B2" << qint64(75) << Probes { firstOnly } << Probes { both, secondOnly };
        QTest::newRow("5 copy") << "B2P5B2" << qint64(100) << Probes { both, secondOnly } << Probes { firstOnly };
        QTest::newRow("0 keeps the outline") << "B2P0B2" << qint64(100) << Probes { firstOnly, both } << Probes { secondOnly };
        QTest::newRow("7 keeps the outline") << "B2P7B2" << qint64(100) << Probes { firstOnly, both } << Probes { secondOnly };
        QTest::newRow("polygons, union") << "C4P2C4" << qint64(175) << Probes { firstOnly, secondOnly } << Probes {};
    }
    void modes()
    {
        QFETCH(QString, head);
        QFETCH(qint64, area);
        QFETCH(Probes, inside);
        QFETCH(Probes, outside);
        const Points points = head.startsWith(u'B')
            ? Points { { 0, 0 }, { 10, 10 }, { 5, 5 }, { 15, 15 } }
            : Points { { 0, 0 }, { 10, 0 }, { 10, 10 }, { 0, 10 }, { 5, 5 }, { 15, 5 }, { 15, 15 }, { 5, 15 } };
        const QRegion outline = buildOutline(head, points);
        QCOMPARE(::area(outline), area);
        for (const QPoint& p : inside)
            QVERIFY2(outline.contains(p), qPrintable(QStringLiteral("(%1,%2) inside").arg(p.x()).arg(p.y())));
        for (const QPoint& p : outside)
            QVERIFY2(!outline.contains(p), qPrintable(QStringLiteral("(%1,%2) outside").arg(p.x()).arg(p.y())));
    }

    // A polygon through points 1..6 united with the ellipse of points 7 and 8; a ring with a polygon hole.
    void mixedPrimitives()
    {
        const Points points { { 0, 0 }, { 40, 0 }, { 40, 20 }, { 20, 20 }, { 20, 40 }, { 0, 40 }, { 30, 30 }, { 50, 50 } };
        const QRegion outline = buildOutline(u"C6P2A2", points);
        QVERIFY(outline.contains(QPoint(5, 35)));   // polygon only
        QVERIFY(outline.contains(QPoint(40, 40)));  // ellipse only
        QVERIFY(!outline.contains(QPoint(31, 31))); // ellipse's box corner, outside the ellipse
        QCOMPARE(outline.boundingRect(), QRect(0, 0, 50, 50));
        const QRegion ring = buildOutline(u"A2P3C5",
            Points { { 0, 0 }, { 100, 100 }, { 40, 40 }, { 60, 40 }, { 60, 60 }, { 40, 60 }, { 40, 40 } });
        QVERIFY(!ring.contains(QPoint(50, 50)));
        QVERIFY(ring.contains(QPoint(20, 50)));
        QVERIFY(!ring.contains(QPoint(2, 2)));
        QCOMPARE(area(ring), area(QRegion(0, 0, 100, 100, QRegion::Ellipse)) - 400);
    }

    // Right and bottom edges are exclusive for every kind and corner order, so pieces sharing an edge
    // never share its pixels; heads naming absent points use what is there; huge coordinates clamp.
    void boundingBox()
    {
        const auto box = [](QStringView head, const Points& points) { return buildOutline(head, points).boundingRect(); };
        const QRect expected(10, 20, 100, 50);
        QCOMPARE(box(u"C5", { { 10, 20 }, { 110, 20 }, { 110, 70 }, { 10, 70 }, { 10, 20 } }), expected);
        QCOMPARE(box(u"B2", { { 10, 20 }, { 110, 70 } }), expected);
        QCOMPARE(box(u"B2", { { 110, 20 }, { 10, 70 } }), expected); // corners swapped
        const QRect ellipse = box(u"A2", { { 110, 70 }, { 10, 20 } });
        QCOMPARE(ellipse.united(expected), expected);
        QCOMPARE(
            QList<int>({ ellipse.left(), ellipse.right(), ellipse.bottom() }), QList<int>({ 10, 109, 69 }));
        QCOMPARE(box(u"B2", { { 10, 20 }, { 110, 20 } }), QRect()); // flat
        QCOMPARE(box(u"C999999999", { { 0, 0 }, { 10, 0 }, { 10, 10 } }), QRect(0, 0, 10, 10)); // through the present points
        QCOMPARE(box(u"C5", { { 0, 0 }, { 10, 10 } }), QRect()); // a polygon of two points
        QCOMPARE(box(u"A2", { { 5, 5 } }), QRect()); // an ellipse missing a corner
        QCOMPARE(box(u"B2P2B2", { { 0, 0 }, { 4, 4 }, { 9, 9 } }), QRect(0, 0, 4, 4)); // a later primitive missing
        QCOMPARE(box(u"A2P3A2P2A2P2A2", {}), QRect());
        QCOMPARE(box(u"", { { 0, 0 }, { 4, 4 } }), QRect());
        QCOMPARE(box(u"C2147483647P2B2P2B2", { { 0, 0 }, { 4, 4 } }), QRect()); // counts beyond any index
        const int big = std::numeric_limits<int>::max();
        QCOMPARE(box(u"B2", { { -big - 1, 0 }, { big, 10 } }),
            QRect(-outlineCoordinateLimit, 0, 2 * outlineCoordinateLimit, 10)); // huge coordinates clamped
    }

    // Points moved by whole pixels give the same pixels moved (turns rebuild outlines elsewhere).
    void translationInvariant_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<Points>("points");
        QTest::addColumn<QPoint>("shift");
        const Points tinyEllipses { { 0, 0 }, { 3, 4 }, { 0, 0 }, { 3, 1 }, { 1, 2 }, { 2, 1 }, { 27, 36 }, { 64, 36 } };
        QTest::newRow("tiny ellipses into negative") << "A2P3A2P2A2P2A2" << tinyEllipses << QPoint(-44, -1);
        QTest::newRow("tiny ellipses far away") << "A2P3A2P2A2P2A2" << tinyEllipses << QPoint(1001, 613);
        QTest::newRow("odd ellipse") << "A2" << Points { { 3, 5 }, { 20, 12 } } << QPoint(-7, 9);
        QTest::newRow("slanted polygon") << "C4" << Points { { 13, 7 }, { 191, 40 }, { 77, 180 }, { 13, 7 } }
                                         << QPoint(-100, -37);
    }
    void translationInvariant()
    {
        QFETCH(QString, head);
        QFETCH(Points, points);
        QFETCH(QPoint, shift);
        Points moved;
        for (const QPoint& p : points)
            moved.append(p + shift);
        QCOMPARE(buildOutline(head, moved), buildOutline(head, points).translated(shift));
    }

    // The join glow's ring: the pixels at most the width away from the outline, outside it.
    void glowRingHugsTheOutline()
    {
        const QRegion ring = JoinGlow::ring(QRegion(0, 0, 10, 10) + QRegion(10, 3, 4, 4), 2);
        QVERIFY(!ring.contains(QPoint(12, 4))); // in the tab
        QVERIFY(ring.contains(QPoint(-2, -2))); // the corner, 2 away both ways
        QVERIFY(!ring.contains(QPoint(16, 5))); // 3 right of the tab
        QVERIFY(ring.contains(QPoint(11, 1))); // beside the tab, 2 right of the body
    }
};

QTEST_GUILESS_MAIN(TestShapes)
#include "tst_shapes.moc"
