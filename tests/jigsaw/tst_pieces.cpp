// tst_pieces.cpp: piece records, the seams drawn into the picture; quarter turns of pictures and pieces.
#include "PieceBuilder.h"
#include "ShapeParser.h"
#include "TurnBmp.h"
#include "TurnUnit.h"
#include "TurnedPictures.h"

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

// Every pixel distinct, so a misplaced pixel cannot go unnoticed.
QImage pattern(QSize size, QImage::Format format)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgba(x * 7 + y, y * 13 + x * 3, (x ^ y) * 5, 255 - x - y));
    return image.convertToFormat(format);
}

struct Snapshot
{
    int homeLeft, homeTop, turn;
    QList<QList<QPoint>> points;
    QList<QRegion> outlines;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const PieceTable& table, int k)
{
    Snapshot s { table.piece(k).homeLeft, table.piece(k).homeTop, table.piece(k).turn, {}, {} };
    for (int m = 1; m <= table.count(); ++m) {
        s.points.append(table.piece(m).points);
        s.outlines.append(table.piece(m).outline);
    }
    return s;
}

const QSize workingSize(400, 300);

// The pieces of a shape over a patterned 400 x 300 picture.
PieceTable tableOf(const QString& pieces)
{
    QImage working = pattern(workingSize, QImage::Format_RGB32);
    return build(working, pieces);
}

const QString box = QStringLiteral("W400,H300,P1,VB2,100,50,180,110");

} // namespace

class TestPieces : public QObject
{
    Q_OBJECT

private slots:
    // Records in the order added: a rectangle, a ring, an empty piece (nothing drawn) and a shape
    // board's board (a region with holes, no seam); the seams of a piece reach only its own box.
    void records()
    {
        QImage working = picture(QImage::Format_RGB32, QSize(400, 300));
        const QImage before = working;
        PieceTable table;
        PieceBuilder builder(working);
        const ParsedShape parsed = parseShapeString(u"W400,H300,P2,VB2,100,50,180,110,VA2P3C5,200,150,300,"
                                                    u"250,240,190,260,190,260,210,240,210,240,190",
            working.size());
        QCOMPARE(builder.addPiece(table, parsed.pieces[0]), 1);
        QCOMPARE(builder.addPiece(table, parsed.pieces[1]), 2);
        QCOMPARE(table.count(), 2);
        int lightened = 0;
        for (int y = 0; y < working.height(); ++y)
            for (int x = 0; x < working.width(); ++x)
                if (working.pixel(x, y) != before.pixel(x, y)) {
                    QVERIFY(PieceBuilder::pieceBox(table.piece(1)).contains(x, y)
                        || PieceBuilder::pieceBox(table.piece(2)).contains(x, y));
                    ++lightened;
                }
        QVERIFY(lightened > 0);

        const PieceRecord& rectangle = table.piece(1);
        QCOMPARE(QList<int>({ rectangle.homeLeft, rectangle.homeTop, rectangle.turn }), QList<int>({ 100, 50, 0 }));
        QCOMPARE(QStringList({ rectangle.head, rectangle.group, rectangle.neighbours }), QStringList({ "B2", "P1", "" }));
        QCOMPARE(rectangle.points, (QList<QPoint> { { 100, 50 }, { 180, 110 } }));
        QCOMPARE(PieceBuilder::pieceBox(rectangle), QRect(100, 50, 80, 60));
        QCOMPARE(PieceBuilder::pieceMask(rectangle), QRegion(0, 0, 80, 60));

        // The window mask is the outline moved to the box's corner (the ring's shape is tst_shapes').
        const PieceRecord& ring = table.piece(2);
        QCOMPARE(ring.group, QStringLiteral("P2"));
        QCOMPARE(
            PieceBuilder::pieceMask(ring), ring.outline.translated(-PieceBuilder::pieceBox(ring).topLeft()));

        const QImage seamed = working;
        QCOMPARE(builder.addPiece(table, ParsedPiece { QStringLiteral("C5"), { { 3, 3 } } }), 3);
        QVERIFY(PieceBuilder::pieceBox(table.piece(3)).isEmpty());
        const QRegion board = QRegion(0, 0, 400, 300).xored(table.piece(1).outline);
        QCOMPARE(builder.addRegionPiece(table, board), 4);
        const PieceRecord& record = table.piece(4);
        QCOMPARE(record.group, QStringLiteral("P4"));
        QCOMPARE(record.outline, board);
        QCOMPARE(PieceBuilder::pieceBox(record), QRect(0, 0, 400, 300));
        QVERIFY(record.head.isEmpty() && record.points.isEmpty());
        QCOMPARE(working, seamed);
    }

    // Each of two adjacent squares shows a light seam along the common edge, and nothing else changes.
    void seams_data()
    {
        QTest::addColumn<QImage::Format>("format");
        for (const QImage::Format format :
            { QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888, QImage::Format_RGB16 })
            QTest::addRow("format %d", int(format)) << format;
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

    void turnBmp_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("32-bit") << QImage::Format_RGB32 << QSize(40, 30);
        QTest::newRow("32-bit alpha, odd") << QImage::Format_ARGB32 << QSize(7, 3);
        QTest::newRow("24-bit, padded rows") << QImage::Format_RGB888 << QSize(5, 3);
        QTest::newRow("24-bit, one row") << QImage::Format_RGB888 << QSize(9, 1);
        QTest::newRow("24-bit, one column") << QImage::Format_RGB888 << QSize(1, 9);
        QTest::newRow("16-bit") << QImage::Format_RGB16 << QSize(3, 5);
        QTest::newRow("8-bit indexed") << QImage::Format_Indexed8 << QSize(11, 6);
        QTest::newRow("64-bit") << QImage::Format_RGBA64 << QSize(3, 4);
        QTest::newRow("single pixel") << QImage::Format_RGB32 << QSize(1, 1);
        QTest::newRow("nothing") << QImage::Format_RGB32 << QSize(0, 0);
        // Pixels that are not whole bytes are turned through a 32-bit copy.
        QTest::newRow("monochrome") << QImage::Format_Mono << QSize(13, 5);
    }
    void turnBmp()
    {
        QFETCH(QImage::Format, format);
        QFETCH(QSize, size);
        const QImage source = pattern(size, format);
        // A destination of the right size is written over completely; one shared with it is left alone.
        QImage destination = pattern(size.transposed(), format);
        const QImage other = destination;
        const QImage otherBefore = destination.copy();
        TurnBmp(source, destination);
        QCOMPARE(destination.size(), size.transposed());
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                QCOMPARE(destination.pixel(source.height() - 1 - y, x), source.pixel(x, y));
        QCOMPARE(other, otherBefore);
        if (source.depth() < 8)
            return;
        const QImage expected = source.transformed(QTransform().rotate(90));
        QCOMPARE(destination, expected);
        QImage itself = source;
        TurnBmp(itself, itself);
        QCOMPARE(itself, expected);
    }

    void turnedPictures()
    {
        const QImage working = pattern(workingSize, QImage::Format_RGB32);
        TurnedPictures pictures(working);
        QVERIFY(!pictures.hasTurned());
        QVERIFY(pictures.picture(90).isNull());
        QList<int> progress;
        pictures.make([&](int finished) { progress.append(finished); });
        QCOMPARE(progress, (QList<int> { 1, 2, 3 }));
        QCOMPARE(pictures.picture(0).size(), QSize(400, 300));
        QCOMPARE(pictures.picture(90).size(), QSize(300, 400));
        QCOMPARE(pictures.picture(360).size(), QSize(400, 300));
        QVERIFY(pictures.picture(45).isNull());
        QCOMPARE(pictures.picture(180), working.transformed(QTransform().rotate(180)));
        QCOMPARE(pictures.picture(270), working.transformed(QTransform().rotate(270)));
        QCOMPARE(TurnedPictures::sizeForTurn(workingSize, 270), QSize(300, 400));
        const QImage next = pattern(workingSize, QImage::Format_RGB32).mirrored();
        pictures.reset(next);
        QVERIFY(!pictures.hasTurned());
        QVERIFY(pictures.picture(90).isNull());
        pictures.make();
        QCOMPARE(pictures.picture(90), next.transformed(QTransform().rotate(90)));
    }

    // A box (left 100, top 50, 80 x 60) in 400 x 300 turned: home, window, outline, pixels shown.
    void turnsOfTheBox_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QPoint>("home");
        QTest::addColumn<QSize>("window");
        QTest::newRow("90") << 90 << QPoint(190, 100) << QSize(60, 80);
        QTest::newRow("180") << 180 << QPoint(400 - 100 - 80, 300 - 50 - 60) << QSize(80, 60);
        QTest::newRow("270") << 270 << QPoint(50, 400 - 100 - 80) << QSize(60, 80);
        QTest::newRow("-90 is 270") << -90 << QPoint(50, 400 - 100 - 80) << QSize(60, 80);
        QTest::newRow("450 is 90") << 450 << QPoint(300 - 50 - 60, 100) << QSize(60, 80);
    }
    void turnsOfTheBox()
    {
        QFETCH(int, angle);
        QFETCH(QPoint, home);
        QFETCH(QSize, window);
        QImage working = pattern(workingSize, QImage::Format_RGB32);
        PieceTable table = build(working, box);
        const QRegion before = table.piece(1).outline;
        const TurnResult result = turnUnit(table, angle, 1, QSize(80, 60), workingSize);
        const int turn = ((angle % 360) + 360) % 360;
        QVERIFY(result.turned);
        QCOMPARE(result.turn, turn);
        QCOMPARE(table.piece(1).turn, turn);
        QCOMPARE(result.home, home);
        QCOMPARE(QPoint(table.piece(1).homeLeft, table.piece(1).homeTop), home);
        QCOMPARE(result.windowSize, window);
        QCOMPARE(result.outline, QRegion(QRect(QPoint(0, 0), window)));
        QCOMPARE(table.piece(1).outline, turnRegion(before, turn, workingSize));
        TurnedPictures pictures(working);
        pictures.make();
        QCOMPARE(pictures.picture(turn).copy(result.pictureRect),
            working.copy(QRect(100, 50, 80, 60)).transformed(QTransform().rotate(turn)));
    }

    // Angles that are no quarter turn and pieces not in the table leave the table as it is.
    void noTurn()
    {
        const QList<std::pair<int, int>> rows { { 0, 1 }, { 360, 1 }, { 45, 1 }, { 90, 0 }, { 90, -1 }, { 90, 2 } };
        for (const auto& [angle, k] : rows) {
            PieceTable table = tableOf("W400,H300,P1,VC4,10,10,90,20,40,70,10,10");
            const Snapshot before = snapshot(table, 1);
            QVERIFY2(!turnUnit(table, angle, k, QSize(80, 60), workingSize).turned,
                qPrintable(QStringLiteral("%1 %2").arg(angle).arg(k)));
            QVERIFY(snapshot(table, 1) == before);
        }
    }

    // Any sequence of turns adding up to a whole turn gives back the box, the points and the outline.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QList<int>>("angles");
        const QStringList pieces { "VC5,0,0,100,0,100,100,0,100,0,0", "VC4,13,7,191,40,77,180,13,7",
            "VA2P3C5,20,30,220,190,100,90,140,90,140,130,100,130,100,90", "VC6P2A2,0,0,40,0,40,20,20,20,20,40,0,40,30,30,71,53",
            "VB2P4A2,310,150,390,299,320,160,380,290" };
        const QList<QList<int>> sequences { { 90, 90, 90, 90 }, { 180, 180 }, { 270, 270, 270, 270 }, { 90, 270 },
            { 90, 180, 90 }, { 270, 180, 270, 180, 90, 90, 90, 270 } };
        for (const QString& piece : pieces)
            for (const QList<int>& sequence : sequences) {
                QStringList names;
                for (int a : sequence)
                    names.append(QString::number(a));
                QTest::addRow("%s %s", qPrintable(piece.left(12)), qPrintable(names.join(u'+'))) << piece << sequence;
            }
    }
    void roundTrip()
    {
        QFETCH(QString, piece);
        QFETCH(QList<int>, angles);
        PieceTable table = tableOf("W400,H300,P1," + piece);
        const Snapshot before = snapshot(table, 1);
        QSize window = PieceBuilder::pieceBox(table.piece(1)).size();
        const QSize initialWindow = window;
        for (int a : angles) {
            const TurnResult result = turnUnit(table, a, 1, window, workingSize);
            QVERIFY(result.turned);
            window = result.windowSize;
            // The outline fits the window, and is the turned outline in picture coordinates.
            QCOMPARE(result.outline.translated(result.home), table.piece(1).outline);
        }
        QCOMPARE(window, initialWindow);
        QVERIFY(snapshot(table, 1) == before);
    }

    // A group of two joined squares turns as one; four turns restore both members.
    void groupRoundTrip()
    {
        PieceTable table = tableOf(
            "W400,H300,P2,VC5,40,60,140,60,140,160,40,160,40,60,VC5,140,60,200,60,200,160,140,160,140,60");
        // Joined as the join rules do: the union's box becomes the survivor's home, the groups concatenate.
        const QRegion joined = table.piece(1).outline.united(table.piece(2).outline);
        table.piece(1).group = QStringLiteral("P1P2");
        table.piece(1).homeLeft = joined.boundingRect().left();
        table.piece(1).homeTop = joined.boundingRect().top();
        QSize window = joined.boundingRect().size();
        const Snapshot before = snapshot(table, 1);

        const TurnResult first = turnUnit(table, 90, 1, window, workingSize);
        QCOMPARE(first.home, QPoint(300 - 60 - 100, 40));
        QCOMPARE(first.windowSize, QSize(100, 160));
        QCOMPARE(first.outline.translated(first.home), turnRegion(joined, 90, workingSize));
        QCOMPARE(table.piece(2).turn, 90);
        QCOMPARE(table.piece(2).outline, turnRegion(before.outlines[1], 90, workingSize));
        window = first.windowSize;
        for (int i = 0; i < 3; ++i)
            window = turnUnit(table, 90, 1, window, workingSize).windowSize;
        QCOMPARE(window, joined.boundingRect().size());
        QVERIFY(snapshot(table, 1) == before);
        QCOMPARE(table.piece(2).turn, 0);
    }

    // A piece made from a region (the shape-board's board) turns its region pixel for pixel.
    void regionPieceTurns()
    {
        QImage working = pattern(workingSize, QImage::Format_RGB32);
        PieceTable table;
        PieceBuilder builder(working);
        QRegion board(0, 0, 400, 300);
        board -= QRegion(30, 40, 50, 20, QRegion::Ellipse);
        board -= QRegion(200, 100, 13, 77);
        builder.addRegionPiece(table, board);
        const TurnResult result = turnUnit(table, 90, 1, QSize(400, 300), workingSize);
        QCOMPARE(result.windowSize, QSize(300, 400));
        QCOMPARE(result.home, QPoint(0, 0));
        QCOMPARE(result.outline, turnRegion(board, 90, workingSize));
        QVERIFY(!result.outline.contains(QPoint(300 - 1 - 120, 205)));
        QVERIFY(result.outline.contains(QPoint(300 - 1 - 120, 199)));
        turnUnit(table, 270, 1, result.windowSize, workingSize);
        QCOMPARE(table.piece(1).outline, board);
    }
};

QTEST_GUILESS_MAIN(TestPieces)
#include "tst_pieces.moc"
