// tst_piecebuilder.cpp: piece records and the seam lines drawn into the working picture.
#include "PieceBuilder.h"
#include "ShapeParser.h"

#include <QtTest>

namespace {

const QRgb base = qRgb(0x90, 0x20, 0x05);

// Two 100 x 100 squares side by side, the second written right after the first's last number.
const char16_t twoSquares[]
    = u"W200,H100,P2,VC5,0,0,100,0,100,100,0,100,0,0VC5,100,0,200,0,200,100,100,100,100,0";

QImage picture(QImage::Format format, QSize size = QSize(200, 100))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(base);
    return image.convertToFormat(format);
}

PieceTable build(QImage& working, QStringView shape)
{
    PieceTable table;
    PieceBuilder builder(working);
    for (const ParsedPiece& piece : parseShapeString(shape, working.size()).pieces)
        builder.addPiece(table, piece);
    return table;
}

} // namespace

class TestPieceBuilder : public QObject
{
    Q_OBJECT

private slots:
    void records()
    {
        QImage working = picture(QImage::Format_RGB32, QSize(400, 300));
        PieceTable table;
        PieceBuilder builder(working);
        const ParsedShape parsed = parseShapeString(
            u"W400,H300,P2,VB2,100,50,180,110,VA2P3C5,0,0,100,100,40,40,60,40,60,60,40,60,40,40", working.size());
        QCOMPARE(builder.addPiece(table, parsed.pieces[0]), 1);
        QCOMPARE(builder.addPiece(table, parsed.pieces[1]), 2);
        QCOMPARE(table.count(), 2);

        const PieceRecord& rectangle = table.piece(1);
        QCOMPARE(rectangle.homeLeft, 100);
        QCOMPARE(rectangle.homeTop, 50);
        QCOMPARE(rectangle.turn, 0);
        QCOMPARE(rectangle.head, QStringLiteral("B2"));
        QCOMPARE(rectangle.group, QStringLiteral("P1"));
        QCOMPARE(rectangle.neighbours, QString());
        QCOMPARE(rectangle.points, (QList<QPoint> { { 100, 50 }, { 180, 110 } }));
        QCOMPARE(PieceBuilder::pieceBox(rectangle), QRect(100, 50, 80, 60));
        QCOMPARE(PieceBuilder::pieceMask(rectangle), QRegion(0, 0, 80, 60));

        // The window mask is the outline moved to the box's corner (the ring's shape is tst_outline's).
        const PieceRecord& ring = table.piece(2);
        QCOMPARE(ring.group, QStringLiteral("P2"));
        QCOMPARE(
            PieceBuilder::pieceMask(ring), ring.outline.translated(-PieceBuilder::pieceBox(ring).topLeft()));
    }

    // Each of two adjacent squares shows a light seam along the common edge; black board pixels leave
    // the picture unchanged everywhere else.
    void seams_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("32-bit") << QImage::Format_RGB32;
        QTest::newRow("32-bit with alpha") << QImage::Format_ARGB32;
        QTest::newRow("24-bit") << QImage::Format_RGB888;
        QTest::newRow("16-bit, converted") << QImage::Format_RGB16;
    }
    void seams()
    {
        QFETCH(QImage::Format, format);
        QImage working = picture(format);
        const QImage before = working.convertToFormat(QImage::Format_RGB32);
        const PieceTable table = build(working, twoSquares);
        const QRgb lighter = before.pixel(150, 50) | 0x7F7F7F;
        for (const int y : { 10, 50, 90 }) {
            QCOMPARE(QColor(working.pixel(99, y)), QColor(lighter)); // left square, its own right edge
            QCOMPARE(QColor(working.pixel(100, y)), QColor(lighter)); // right square, its own left edge
        }
        QVERIFY(table.piece(1).outline.contains(QPoint(99, 50)));
        QVERIFY(table.piece(2).outline.contains(QPoint(100, 50)));
        // Every changed pixel lies on a piece's edge (within the 2-pixel line) and is exactly base | grey.
        int changed = 0;
        for (int y = 0; y < working.height(); ++y)
            for (int x = 0; x < working.width(); ++x) {
                const QRgb pixel = working.pixel(x, y) | 0xFF000000;
                if (pixel == before.pixel(x, y))
                    continue;
                ++changed;
                QCOMPARE(QColor(pixel), QColor(before.pixel(x, y) | 0x7F7F7F));
                const bool nearEdge = x <= 0 || x >= 199 || (x >= 99 && x <= 100) || y <= 0 || y >= 99;
                QVERIFY2(nearEdge, qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
            }
        QVERIFY(changed > 0);
    }

    // The seam of a piece reaches only the piece's own box.
    void seamStaysInsideTheBox()
    {
        QImage working = picture(QImage::Format_RGB32, QSize(300, 200));
        const QImage before = working;
        const PieceTable table = build(working, u"W300,H200,P1,VA2,50,40,150,140");
        const QRect box = PieceBuilder::pieceBox(table.piece(1));
        bool lightened = false;
        for (int y = 0; y < working.height(); ++y)
            for (int x = 0; x < working.width(); ++x) {
                if (working.pixel(x, y) == before.pixel(x, y))
                    continue;
                QVERIFY(box.contains(x, y));
                lightened = true;
            }
        QVERIFY(lightened);
    }

    // The board of a shape-board level: a region with holes, no seam, its own group.
    void regionPiece()
    {
        QImage working = picture(QImage::Format_RGB32);
        const QImage before = working;
        PieceTable table;
        PieceBuilder builder(working);
        builder.addPiece(table, parseShapeString(u"W200,H100,P1,VB2,10,10,30,30", working.size()).pieces.first());
        const QImage afterFigure = working;
        const QRegion board = QRegion(0, 0, 200, 100).xored(table.piece(1).outline);
        QCOMPARE(builder.addRegionPiece(table, board), 2);
        const PieceRecord& record = table.piece(2);
        QCOMPARE(record.group, QStringLiteral("P2"));
        QCOMPARE(record.outline, board);
        QCOMPARE(PieceBuilder::pieceBox(record), QRect(0, 0, 200, 100));
        QVERIFY(record.head.isEmpty());
        QVERIFY(record.points.isEmpty());
        QCOMPARE(working, afterFigure);
        QVERIFY(working != before);
    }

    // A piece with nothing to show has an empty box and draws nothing.
    void emptyPiece()
    {
        QImage working = picture(QImage::Format_RGB32);
        const QImage before = working;
        PieceTable table;
        PieceBuilder builder(working);
        QCOMPARE(builder.addPiece(table, ParsedPiece { QStringLiteral("C5"), { { 3, 3 } } }), 1);
        QVERIFY(PieceBuilder::pieceBox(table.piece(1)).isEmpty());
        QCOMPARE(working, before);
    }
};

QTEST_GUILESS_MAIN(TestPieceBuilder)
#include "tst_piecebuilder.moc"
