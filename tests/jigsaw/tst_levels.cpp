// tst_levels.cpp: the level rules as tables, golden texts (shape, neighbour lists, piece areas for a
// fixed seed) for one level of each drawn kind and every size-specific generator path; and every
// level, built from many random sequences, cuts the picture without overlaps or gaps, and its
// neighbour lists name the pieces that border.
#include "LevelBuilder.h"
#include "NeighbourList.h"
#include "NeighbourLists.h"
#include "Outline.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "RingLevels.h"
#include "ShapeBoard.h"
#include "ShapeCatalogue.h"
#include "ShapeParser.h"
#include "ShapeText.h"
#include "TestSupport.h"

#include <QtTest>

using TestSupport::area;
using TestSupport::boxText;
using TestSupport::contact;

namespace {

// "level CODE seed S picture WxH" or "shapeboard D P seed S picture WxH", then the shape text, the
// neighbour lists (record 0 first, joined by |) and each piece's area and home corner.
QStringList goldenLines(const QStringList& words)
{
    SystemRandom random([seed = words[words.size() - 3].toULongLong()] { return seed; });
    const QStringList size = words.last().split(u'x');
    QImage picture(size[0].toInt(), size[1].toInt(), QImage::Format_RGB32);
    picture.fill(qRgb(40, 90, 30));
    PieceTable table;
    const QString text = words[0] == u"level"
        ? LevelBuilder::buildCatalogueLevel(words[1].toInt(), picture, table, random)
        : LevelBuilder::buildShapeBoard(words[1].toInt(), words[2].toInt(), picture, table, random).figures;
    QStringList neighbours { table.record0().neighbours }, areas;
    for (int k = 1; k <= table.count(); ++k) {
        neighbours.append(table.piece(k).neighbours);
        const PieceRecord& piece = table.piece(k);
        areas.append(QStringLiteral("%1@%2,%3").arg(area(piece.outline)).arg(piece.homeLeft).arg(piece.homeTop));
    }
    return { text, neighbours.join(u'|'), areas.join(u' ') };
}


// Random sequences per row: many on the main picture size, a few on the others (other scales only).
constexpr int ManySequences = 12;
constexpr int FewSequences = 4;

// The ovals of the cells of a ring or digit level, scaled as the parser scales the pieces.
QRegion cellOvals(int code, QSize picture)
{
    const int pattern = code % 100;
    const int sizeClass = ShapeCatalogue::SizeClass(code);
    const QSize grid = pattern == 11 ? RingLevels::digitGrid(sizeClass) : RingLevels::ringGrid(sizeClass);
    const QSize cell = pattern == 11 ? QSize(20, 30) : QSize(100, 100);
    QString ovals = QStringLiteral("W%1,H%2,P%3,")
                        .arg(grid.width() * cell.width()).arg(grid.height() * cell.height()).arg(grid.width() * grid.height());
    for (int r = 0; r < grid.height(); ++r)
        for (int c = 0; c < grid.width(); ++c)
            ovals += QStringLiteral("VA2,%1,%2,%3,%4,")
                         .arg(c * cell.width()).arg(r * cell.height()).arg((c + 1) * cell.width()).arg((r + 1) * cell.height());
    QRegion all;
    for (const ParsedPiece& oval : parseShapeString(ovals, picture).pieces)
        all += buildOutline(oval.head, oval.points);
    return all;
}

// The pieces cover `cover` and never overlap inside it. exact: none is empty or reaches past it;
// otherwise (digit tiles) digits reach a little past their oval, where a ring holds the corner too.
bool checkCover(const PieceTable& table, const QRegion& cover, bool exact, QString* failure)
{
    QRegion all;
    qint64 total = 0;
    for (int k = 1; k <= table.count(); ++k) {
        const QRegion& piece = table.piece(k).outline;
        if (exact && piece.isEmpty()) {
            *failure = QStringLiteral("piece %1 is empty").arg(k);
            return false;
        }
        all += piece;
        total += area(exact ? piece : piece.intersected(cover));
    }
    const qint64 overlap = total - area(exact ? all : all.intersected(cover));
    if (overlap != 0) {
        *failure = QStringLiteral("pieces overlap in %1 pixels").arg(overlap);
        return false;
    }
    const QRegion gap = cover.subtracted(all), extra = exact ? all.subtracted(cover) : QRegion();
    if (!gap.isEmpty() || !extra.isEmpty()) {
        *failure = QStringLiteral("pieces leave %1 pixels uncovered (%2) and cover %3 pixels outside (%4)")
                       .arg(area(gap)).arg(boxText(gap)).arg(area(extra)).arg(boxText(extra));
        return false;
    }
    return true;
}

// The edges of a polygon-only piece in design units, each primitive closed from its last point to its first.
QList<QLine> edgesOf(const ParsedPiece& piece)
{
    QList<int> counts;
    const QStringList primitives = piece.head.split(u'P');
    counts.append(primitives.first().mid(1).toInt());
    for (const QString& next : primitives.mid(1))
        counts.append(next.mid(2).toInt());
    QList<QLine> edges;
    qsizetype base = 0;
    for (int count : counts) {
        const QList<QPoint> polygon = piece.points.mid(base, count);
        base += count;
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QLine edge(polygon[i], polygon[(i + 1) % polygon.size()]);
            if (edge.p1() != edge.p2())
                edges.append(edge);
        }
    }
    return edges;
}

// Whether two segments lie on one line and overlap over a positive length.
bool shareLength(const QLine& a, const QLine& b)
{
    const qint64 dx = a.dx(), dy = a.dy();
    const auto cross = [&](QPoint q) { return dx * (q.y() - a.y1()) - dy * (q.x() - a.x1()); };
    if (cross(b.p1()) != 0 || cross(b.p2()) != 0)
        return false;
    const auto along = [&](QPoint q) { return dx * (q.x() - a.x1()) + dy * (q.y() - a.y1()); };
    const qint64 lo = std::max<qint64>(0, std::min(along(b.p1()), along(b.p2())));
    const qint64 hi = std::min(dx * dx + dy * dy, std::max(along(b.p1()), along(b.p2())));
    return hi > lo;
}

bool borderInDesign(const QList<QLine>& a, const QList<QLine>& b)
{
    for (const QLine& e : a)
        for (const QLine& f : b)
            if (shareLength(e, f))
                return true;
    return false;
}

// Pieces border when their outlines share a segment of positive length in design units. exact: the
// rule names exactly the bordering pieces, each pair also adjacent in pixels. Otherwise (block
// levels) it may name more: pieces of a facing block side that the random cuts keep apart.
bool checkNeighbours(int code, const QString& shape, const PieceTable& table, bool exact, QString* failure)
{
    const ParsedShape design = parseShapeString(shape, {});
    const ParsedShape unscaled = parseShapeString(shape, QSize(design.designWidth, design.designHeight));
    QList<QList<QLine>> edges { {} };
    for (const ParsedPiece& piece : unscaled.pieces)
        edges.append(edgesOf(piece));
    for (int a = 1; a <= table.count(); ++a) {
        const QList<int> names = NeighbourList::pieces(table.piece(a).neighbours);
        for (int b = 1; b <= table.count(); ++b) {
            if (b == a)
                continue;
            const bool named = names.contains(b);
            const bool borders = borderInDesign(edges[a], edges[b]);
            const char* problem = named != NeighbourList::pieces(table.piece(b).neighbours).contains(a) ? "list each other one way only"
                : borders && !named                                                 ? "border but are not listed"
                : exact && named && !borders                                        ? "are listed but do not border"
                : exact && named && contact(table.piece(a).outline, table.piece(b).outline) == 0
                ? "are listed but their regions do not touch"
                : nullptr;
            if (problem) {
                *failure = QStringLiteral("%1: pieces %2 and %3 %4").arg(code).arg(a).arg(b).arg(QLatin1String(problem));
                return false;
            }
        }
    }
    return true;
}

} // namespace

class TestLevels : public QObject {
    Q_OBJECT

private slots:
    void golden()
    {
        QFile file(QStringLiteral(QUARRY_LEVELS_GOLDEN));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList lines = QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return line.startsWith(u'#'); });
        QVERIFY(lines.size() >= 4 && lines.size() % 4 == 0);
        const QString rewrite = qEnvironmentVariable("QUARRY_WRITE_GOLDEN"); // after a deliberate change
        QString written;
        for (qsizetype i = 0; i < lines.size(); i += 4) {
            const QStringList actual = goldenLines(lines[i].split(u' '));
            written += lines[i] + u'\n' + actual.join(u'\n') + u'\n';
            for (int j = 0; j < 3 && rewrite.isEmpty(); ++j)
                QVERIFY2(actual[j] == lines[i + 1 + j],
                    qPrintable(QStringLiteral("%1, line %2 of the entry is now:\n%3").arg(lines[i]).arg(j + 2).arg(actual[j])));
        }
        if (!rewrite.isEmpty()) {
            QFile out(rewrite);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(written.toLatin1()) == written.size());
        }
    }

    // D picks the piece count (D5 reads as 16), P the pattern; P0 draws one but never a ring, P12 and
    // a negative P draw any.
    void levelCode()
    {
        const QList<std::tuple<const char*, double, int>> rows = { { "G1,BE0132768,D2,R0,M0,S1,P1,", 0.0,
                                                                       6402 },
            { "G1,BE0132768,D0,R0,M0,S1,P2,", 0.0, 1601 }, { "G1,BE0132768,D5,R0,M0,S1,P4,", 0.0, 1604 },
            { "G1,BE0132768,D1,R0,M0,S1,P11,", 0.0, 3611 }, { "G1,BE0132768,D1,R0,M0,S1,P3,", 0.9, 3603 },
            { "G1,BE0132768,D0,R0,M0,S1,P0,", 0.0, 1601 }, { "G1,BE0132768,D0,R0,M0,S1,P0,", 0.99, 1606 },
            { "G1,BE0132768,D2,R0,M0,S1,P12,", 5 / 12.0, 6403 },
            { "G1,BE0132768,D1,R0,M0,S1,P-3,", 9 / 12.0, 3605 }, { "G1,", 3 / 12.0, 1602 } };
        for (const auto& [record, u, code] : rows) {
            ScriptedRandom random({ u });
            QVERIFY2(ShapeCatalogue::LevelCode(QString::fromLatin1(record), random) == code, record);
            QCOMPARE(ShapeCatalogue::SizeClass(code), code / 100 == 16 ? 1 : code / 100 == 36 ? 2 : 3);
        }
    }

    // Every level's design size and piece count, the levels with neighbour rules; an unknown code is 1605.
    void levelSizesAndRules()
    {
        const QStringList sizes = QStringLiteral(
            "1601 W400,H400,P16 1602 W200,H200,P16 1603 W90,H90,P18 "
            "1604 W200,H160,P20 1605 W500,H400,P20 1606 W200,H160,P20 1607 W300,H300,P18 1608 W300,H300,P18 "
            "1609 W300,H300,P27 1610 W300,H300,P18 1611 W80,H90,P24 3601 W600,H600,P36 3602 W300,H300,P36 "
            "3603 W150,H120,P40 3604 W300,H240,P45 3605 W600,H600,P36 3606 W300,H240,P45 3607 W500,H400,P40 "
            "3608 W500,H400,P40 3609 W500,H400,P60 3610 W500,H400,P40 3611 W100,H120,P40 6401 W800,H800,P64 "
            "6402 W400,H400,P64 6403 W180,H150,P60 6404 W400,H240,P60 6405 W800,H800,P64 6406 W400,H240,P60 "
            "6407 W600,H500,P60 6408 W600,H500,P60 6409 W600,H500,P90 6410 W600,H500,P60 6411 W120,H150,P60")
                                      .split(u' ');
        const QList<int> ruled = { 1601, 1602, 1603, 1604, 1605, 1606, 3601, 3602, 3603, 3604, 3606, 6402 };
        for (qsizetype i = 0; i < sizes.size(); i += 2) {
            ScriptedRandom random({ 0.5 });
            const int code = sizes[i].toInt();
            QVERIFY2(ShapeCatalogue::generateLevel(code, random).startsWith(sizes[i + 1] + u','),
                qPrintable(sizes[i]));
            QCOMPARE(NeighbourLists::hasRule(code), ruled.contains(code));
        }
        ScriptedRandom a({ 0.2, 0.6, 0.4 }), b({ 0.2, 0.6, 0.4 });
        QCOMPARE(ShapeCatalogue::generateLevel(4242, a), ShapeCatalogue::generateLevel(1605, b));
    }

    void numberFormatting()
    {
        const QList<std::pair<double, const char*>> rows = { { 100.0, "100" }, { 28.8, "28.8" },
            { 100.0 + 21.2, "121.2" }, { 28.75, "28.8" }, { 7.96, "8" }, { -0.01, "0" } };
        for (const auto& [value, text] : rows)
            QCOMPARE(ShapeText::number(value), QString::fromLatin1(text));
    }

    // A table shorter than its level's names only the pieces it has; a rule clears record 0's list.
    void shortTableNeighbours()
    {
        PieceTable table;
        for (int k = 1; k <= 5; ++k)
            table.append(PieceRecord {});
        NeighbourLists::WriteNeighbourLists(6401, table);
        NeighbourLists::WriteNeighbourLists(1601, table);
        QCOMPARE(table.piece(4).neighbours, NeighbourLists::entryText({ 3 }));
        QCOMPARE(table.record0().neighbours, QString());
    }

    // Columns x rows of the index's cell, centred (odd margins round down); none past a narrow picture.
    void shapeBoardLayout()
    {
        const QList<std::tuple<QSize, int, const char*>> rows = { { QSize(640, 480), 0, "5x5 +20+15" },
            { QSize(640, 480), 4, "10x10 +0+0" }, { QSize(400, 400), 1, "4x5 +20+25" }, { QSize(805, 603), 2, "10x10 +2+1" },
            { QSize(100, 400), 0, "0x4 +50+20" }, { QSize(0, 0), 3, "0x0 +0+0" } };
        for (const auto& [picture, index, expected] : rows) {
            const ShapeBoardLayout grid = ShapeBoard::layout(picture, index);
            QCOMPARE(QStringLiteral("%1x%2 +%3+%4").arg(grid.columns).arg(grid.rows).arg(grid.margin.x()).arg(grid.margin.y()),
                QString::fromLatin1(expected));
            QCOMPARE(grid.cell, ShapeBoard::cellSize(index));
            QCOMPARE(grid.cellOrigin(2, 3), grid.margin + QPoint(grid.cell.width(), 2 * grid.cell.height()));
        }
        // An index past either end takes the smallest cell.
        QCOMPARE(ShapeBoard::cellSize(ShapeBoard::LevelIndexCount), ShapeBoard::cellSize(ShapeBoard::LevelIndexCount - 1));
        QCOMPARE(ShapeBoard::cellSize(-1), ShapeBoard::cellSize(ShapeBoard::LevelIndexCount - 1));
    }

    // D picks the grid index (D0 draws one of 0..2), P the figure kind (P0 and P12 draw one).
    void shapeBoardChoices()
    {
        const QList<std::tuple<int, double, int, int>> indexRows
            = { { 0, 0.0, 0, 1 }, { 0, 0.99, 2, 1 }, { 1, 0.0, 3, 0 }, { 2, 0.0, 4, 0 }, { 3, 0.0, 3, 0 },
                  { 4, 0.0, 4, 0 }, { 7, 0.0, 4, 0 }, { -1, 0.0, 4, 0 } };
        for (const auto& [d, u, index, draws] : indexRows) {
            ScriptedRandom random({ u });
            QCOMPARE(ShapeBoard::levelIndex(d, random), index);
            QCOMPARE(random.drawn(), draws);
        }
        ScriptedRandom random({ 0.0, 0.999 });
        QCOMPARE(ShapeBoard::figureKind(1, random), 1);
        QCOMPARE(ShapeBoard::figureKind(11, random), 11);
        QCOMPARE(random.drawn(), 0);
        QCOMPARE(ShapeBoard::figureKind(0, random), 2);
        QCOMPARE(ShapeBoard::figureKind(12, random), 11);
        QCOMPARE(ShapeBoard::figureKind(-4, random), 2);
    }

    // The record picks the level; the pieces of an earlier game go, and the figure seams are drawn.
    void levelsFromTheRecord()
    {
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::black);
        PieceTable table;
        for (int k = 0; k < 3; ++k)
            table.append(PieceRecord {});
        ScriptedRandom random({ 0.5 });
        const CatalogueLevel level = LevelBuilder::ChooseLevel(u"G1,BE0132768,D0,R0,M0,S1,P2,", picture, table, random);
        QCOMPARE(level.levelCode, 1601);
        QCOMPARE(table.count(), 16);
        QCOMPARE(level.shape, LevelBuilder::buildCatalogueLevel(1601, picture, table, random));
        picture.fill(Qt::black);
        const ShapeBoardLevel board = LevelBuilder::buildShapeBoard(u"G1,BE0132768,D1,R0,M1,S1,P7,", picture, table, random);
        QCOMPARE(board.levelIndex, 3);
        QCOMPARE(table.count(), 82);
        QCOMPARE(board.boardPiece, 82);
        QCOMPARE(table.piece(82).group, QStringLiteral("P82"));
        QVERIFY(picture.pixel(table.piece(1).outline.boundingRect().left(), table.piece(1).outline.boundingRect().center().y()) != qRgb(0, 0, 0));
    }

    void catalogueLevels_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("sequences");
        for (int count : { 16, 36, 64 })
            for (int code = count * 100 + 1; code <= count * 100 + 11; ++code) {
                QTest::addRow("%d 400x400", code) << code << QSize(400, 400) << ManySequences;
                for (QSize picture : { QSize(800, 600), QSize(333, 257) })
                    QTest::addRow("%d %dx%d", code, picture.width(), picture.height())
                        << code << picture << FewSequences;
            }
    }
    void catalogueLevels()
    {
        QFETCH(int, code);
        QFETCH(QSize, picture);
        QFETCH(int, sequences);
        const int pattern = code % 100;
        for (quint64 seed = 1; seed <= quint64(sequences); ++seed) {
            // Every reseed mixes the same clock reading: a seed replays a whole level.
            SystemRandom random([s = seed * 7919 + quint64(code)] { return s; });
            PieceTable table;
            QImage image(picture, QImage::Format_RGB32);
            image.fill(qRgb(40, 90, 30));
            const QString shape = LevelBuilder::buildCatalogueLevel(code, image, table, random);
            const QString context = QStringLiteral("level %1, picture %2x%3, seed %4\n%5")
                .arg(code).arg(picture.width()).arg(picture.height()).arg(seed * 7919 + quint64(code)).arg(shape);
            QString failure;
            const QRegion cover = pattern <= 6 ? QRegion(QRect(QPoint(0, 0), picture)) : cellOvals(code, picture);
            QVERIFY2(checkCover(table, cover, pattern != 11, &failure), qPrintable(failure + u'\n' + context));
            if (NeighbourLists::hasRule(code)) {
                QCOMPARE(table.record0().neighbours, QString());
                const bool exact = pattern != 4 && pattern != 6;
                QVERIFY2(
                    checkNeighbours(code, shape, table, exact, &failure), qPrintable(failure + u'\n' + context));
            } else {
                QCOMPARE(table.record0().neighbours, NeighbourList::allPieces(table.count()));
            }
        }
    }

    void shapeBoards_data()
    {
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("p");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("sequences");
        // Every kind in every cell size; P0 and P12 draw a kind per cell, so they get more sequences.
        for (int d = 0; d <= 4; ++d)
            for (int p : { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 })
                QTest::addRow("D%d P%d", d, p)
                    << d << p << QSize(400, 400) << (p == 0 || p == 12 ? ManySequences : FewSequences);
        QTest::addRow("D0 P0 640x480") << 0 << 0 << QSize(640, 480) << ManySequences;
        QTest::addRow("D2 P0 800x600") << 2 << 0 << QSize(800, 600) << FewSequences;
        QTest::addRow("D1 P4 odd picture") << 1 << 4 << QSize(451, 333) << FewSequences;
        QTest::addRow("D0 P6 smaller than a cell") << 0 << 6 << QSize(60, 40) << FewSequences;
    }
    void shapeBoards()
    {
        QFETCH(int, d);
        QFETCH(int, p);
        QFETCH(QSize, picture);
        QFETCH(int, sequences);
        for (quint64 seed = 1; seed <= quint64(sequences); ++seed) {
            const quint64 mixed = seed * 104729 + quint64(d * 100 + p);
            SystemRandom random([mixed] { return mixed; });
            PieceTable table;
            QImage image(picture, QImage::Format_RGB32);
            image.fill(qRgb(40, 90, 30));
            const ShapeBoardLevel level = LevelBuilder::buildShapeBoard(d, p, image, table, random);
            const QString context = QStringLiteral("shape board D%1 P%2, picture %3x%4, seed %5\n%6")
                .arg(d).arg(p).arg(picture.width()).arg(picture.height()).arg(mixed).arg(level.figures);
            QString failure;
            QVERIFY2(checkCover(table, QRegion(QRect(QPoint(0, 0), picture)), true, &failure),
                qPrintable(failure + u'\n' + context));
            const int figures = level.layout.columns * level.layout.rows;
            QCOMPARE(table.count(), figures + 1);
            QCOMPARE(level.boardPiece, table.count());
            // Column by column: piece k sits in the cell of column (k - 1) div rows + 1.
            for (int k = 1; k <= figures; ++k) {
                const QRect cell(
                    level.layout.cellOrigin((k - 1) / level.layout.rows + 1, (k - 1) % level.layout.rows + 1),
                    level.layout.cell);
                QVERIFY2(cell.contains(table.piece(k).outline.boundingRect()),
                    qPrintable(QStringLiteral("piece %1 leaves its cell\n").arg(k) + context));
            }
            QCOMPARE(table.record0().neighbours, NeighbourList::allPieces(table.count()));
        }
    }
};

QTEST_GUILESS_MAIN(TestLevels)
#include "tst_levels.moc"
