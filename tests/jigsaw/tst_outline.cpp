// tst_outline.cpp: outline regions: combination modes, edge ownership and exact tiling of levels.
#include "JoinGlow.h"
#include "Outline.h"
#include "ShapeParser.h"

#include <QtTest>

using Points = QList<QPoint>;
using Probes = QList<QPoint>;

namespace {

qint64 area(const QRegion& region)
{
    qint64 sum = 0;
    for (const QRect& r : region)
        sum += qint64(r.width()) * r.height();
    return sum;
}

} // namespace

class TestOutline : public QObject
{
    Q_OBJECT

private slots:
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

    // Polygon through points 1..6, then the union with the ellipse bounded by points 7 and 8.
    void polygonUnionEllipse()
    {
        const Points points { { 0, 0 }, { 40, 0 }, { 40, 20 }, { 20, 20 }, { 20, 40 }, { 0, 40 }, { 30, 30 }, { 50, 50 } };
        const QRegion outline = buildOutline(u"C6P2A2", points);
        QVERIFY(outline.contains(QPoint(5, 35)));   // polygon only
        QVERIFY(outline.contains(QPoint(40, 40)));  // ellipse only
        QVERIFY(!outline.contains(QPoint(31, 31))); // ellipse's box corner, outside the ellipse
        QCOMPARE(outline.boundingRect(), QRect(0, 0, 50, 50));
    }

    // An ellipse stays inside the box of its corners: it never owns the column or row of the far corner.
    void ellipseInsideItsBox()
    {
        const QRect box(10, 20, 100, 50);
        const QRegion outline = buildOutline(u"A2", Points { { 110, 70 }, { 10, 20 } });
        QCOMPARE(outline.boundingRect().united(box), box);
        QCOMPARE(outline.boundingRect().left(), 10);
        QCOMPARE(outline.boundingRect().right(), 109);
        QCOMPARE(outline.boundingRect().bottom(), 69);
    }

    // Two squares sharing the edge x = 100: column 100 belongs to the right one only.
    void sharedEdge_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<Points>("left");
        QTest::addColumn<Points>("right");
        QTest::newRow("polygons") << "C5" << Points { { 0, 0 }, { 100, 0 }, { 100, 100 }, { 0, 100 }, { 0, 0 } }
                                  << Points { { 100, 0 }, { 200, 0 }, { 200, 100 }, { 100, 100 }, { 100, 0 } };
        QTest::newRow("rectangles") << "B2" << Points { { 0, 0 }, { 100, 100 } } << Points { { 200, 100 }, { 100, 0 } };
    }
    void sharedEdge()
    {
        QFETCH(QString, head);
        QFETCH(Points, left);
        QFETCH(Points, right);
        const QRegion a = buildOutline(head, left);
        const QRegion b = buildOutline(head, right);
        QVERIFY(a.intersected(b).isEmpty());
        QCOMPARE(a.united(b), QRegion(0, 0, 200, 100));
        QVERIFY(!a.contains(QPoint(100, 50)));
        QVERIFY(b.contains(QPoint(100, 50)));
    }

    // Levels tile the picture: no pixel owned twice, none left over (the generated catalogue levels are
    // checked the same way in tst_levelregions; these rows are the hand-written shapes).
    void levelsTile_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QSize>("picture");
        QString squares = "W400,H400,P16,";
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                squares += QStringLiteral("VC5,%1,%2,%3,%2,%3,%4,%1,%4,%1,%2,")
                               .arg(100 * c)
                               .arg(100 * r)
                               .arg(100 * c + 100)
                               .arg(100 * r + 100);
        QTest::newRow("squares, scaled unevenly") << squares << QSize(333, 251);
        QTest::newRow("framed tiles")
            << "W30,H30,P2,VC5P3C5,0,0,30,0,30,30,0,30,0,0,4,7,23,7,23,27,4,27,4,7,VC5,4,7,23,7,23,27,4,27,4,7"
            << QSize(91, 77);
        QTest::newRow("oval with a hole and its filler")
            << "W20,H30,P2,VA2P3C5,0,0,20,30,6,8,14,8,14,22,6,22,6,8,VC5,6,8,14,8,14,22,6,22,6,8" << QSize(200, 300);
    }
    void levelsTile()
    {
        QFETCH(QString, shape);
        QFETCH(QSize, picture);
        const ParsedShape parsed = parseShapeString(shape, picture);
        QCOMPARE(parsed.pieces.size(), parsed.declaredCount);
        QRegion covered;
        qint64 sum = 0;
        for (const ParsedPiece& piece : parsed.pieces) {
            const QRegion outline = buildOutline(piece.head, piece.points);
            QVERIFY(!outline.isEmpty());
            QVERIFY(covered.intersected(outline).isEmpty());
            covered += outline;
            sum += area(outline);
        }
        QCOMPARE(sum, area(covered));
        if (!shape.contains(u'A'))
            QCOMPARE(covered, QRegion(QRect(QPoint(0, 0), picture)));
        else
            QCOMPARE(covered, QRegion(QRect(QPoint(0, 0), picture), QRegion::Ellipse));
    }

    // A ring: the hole lies outside the outline, the ring inside.
    void ellipseXorPolygonHole()
    {
        const Points points { { 0, 0 }, { 100, 100 }, { 40, 40 }, { 60, 40 }, { 60, 60 }, { 40, 60 }, { 40, 40 } };
        const QRegion outline = buildOutline(u"A2P3C5", points);
        QVERIFY(!outline.contains(QPoint(50, 50)));
        QVERIFY(outline.contains(QPoint(20, 50)));
        QVERIFY(!outline.contains(QPoint(2, 2)));
        QCOMPARE(area(outline), area(QRegion(0, 0, 100, 100, QRegion::Ellipse)) - 400);
    }

    // Right and bottom edges are exclusive for every kind, whatever the corner order; heads referring to
    // absent points use only what is there; huge coordinates are clamped.
    void boundingBox_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<Points>("points");
        QTest::addColumn<QRect>("box");
        QTest::newRow("polygon square")
            << "C5" << Points { { 10, 20 }, { 110, 20 }, { 110, 70 }, { 10, 70 }, { 10, 20 } }
            << QRect(10, 20, 100, 50);
        QTest::newRow("rectangle") << "B2" << Points { { 10, 20 }, { 110, 70 } } << QRect(10, 20, 100, 50);
        QTest::newRow("rectangle, corners swapped")
            << "B2" << Points { { 110, 20 }, { 10, 70 } } << QRect(10, 20, 100, 50);
        QTest::newRow("flat rectangle") << "B2" << Points { { 10, 20 }, { 110, 20 } } << QRect();
        QTest::newRow("polygon through present points") << "C999999999" << Points { { 0, 0 }, { 10, 0 }, { 10, 10 } }
                                                        << QRect(0, 0, 10, 10);
        QTest::newRow("polygon of two points") << "C5" << Points { { 0, 0 }, { 10, 10 } } << QRect();
        QTest::newRow("ellipse missing a corner") << "A2" << Points { { 5, 5 } } << QRect();
        QTest::newRow("later primitive missing") << "B2P2B2" << Points { { 0, 0 }, { 4, 4 }, { 9, 9 } }
                                                 << QRect(0, 0, 4, 4);
        QTest::newRow("no points") << "A2P3A2P2A2P2A2" << Points {} << QRect();
        QTest::newRow("empty head") << "" << Points { { 0, 0 }, { 4, 4 } } << QRect();
        QTest::newRow("counts beyond any index") << "C2147483647P2B2P2B2" << Points { { 0, 0 }, { 4, 4 } } << QRect();
        const int big = std::numeric_limits<int>::max();
        QTest::newRow("huge coordinates clamped")
            << "B2" << Points { { -big - 1, 0 }, { big, 10 } }
            << QRect(-outlineCoordinateLimit, 0, 2 * outlineCoordinateLimit, 10);
    }
    void boundingBox()
    {
        QFETCH(QString, head);
        QFETCH(Points, points);
        QFETCH(QRect, box);
        QCOMPARE(buildOutline(head, points).boundingRect(), box);
    }

    // The same head over points moved by whole pixels gives the same pixels moved (turning rebuilds
    // outlines at other places and must not change their shape).
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

QTEST_GUILESS_MAIN(TestOutline)
#include "tst_outline.moc"
