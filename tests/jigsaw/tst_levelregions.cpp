// tst_levelregions.cpp: every level, built from many random sequences, cuts the picture into
// pieces that neither overlap nor leave gaps, and its neighbour lists name pieces that border.
#include "LevelBuilder.h"
#include "NeighbourList.h"
#include "NeighbourLists.h"
#include "Outline.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "TestSupport.h"
#include "RingLevels.h"
#include "ShapeBoard.h"
#include "ShapeCatalogue.h"
#include "ShapeParser.h"

#include <QtTest>

using TestSupport::area;
using TestSupport::boxText;
using TestSupport::contact;

namespace {

// Random sequences per row: many on the main picture size, a few on the others, which only add
// other scale factors.
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

// The pieces cover `cover` and never overlap inside it. exact: none is empty and none reaches
// past it either; otherwise (the digit tiles) most digits reach a little past their oval, and only
// there do a ring and its digit both hold the corner.
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

// The straight edges of a polygon-only piece in design units: each primitive of the head is a
// polygon through its own points, closed from its last point to its first.
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

// Neighbour lists against the geometry. Pieces border when their outlines share a segment of
// positive length in design units (meeting at a point is not bordering). exact: the rule names
// exactly the bordering pieces, and each named pair is also adjacent in pixels. Otherwise (the
// block levels) the rule names every bordering piece and may name more: pieces of a facing block
// side that the random cuts keep apart.
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

class TestLevelRegions : public QObject {
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestLevelRegions)
#include "tst_levelregions.moc"
