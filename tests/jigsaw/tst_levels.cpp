// tst_levels.cpp: the level rules as tables (codes, every level's size, which levels have neighbour
// rules, the shape-board grid) and golden texts: shape string, neighbour lists and piece areas for a
// fixed seed, for one level of each drawn kind and every size-specific generator path (framed-tile
// pair tables, the 64-piece triangle order and block pairs, the 16-piece shifts); the square grid
// draws nothing, its size and tiling pin it. The invariants over every level and many seeds live
// in tst_levelregions.
#include "LevelBuilder.h"
#include "NeighbourLists.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "ShapeBoard.h"
#include "ShapeCatalogue.h"
#include "ShapeText.h"
#include "TestSupport.h"

#include <QtTest>

namespace {

// One golden entry: "level CODE seed S picture WxH" or "shapeboard D P seed S picture WxH",
// followed by the shape text, the neighbour lists (record 0 first, joined by |) and each piece's
// area and home corner.
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
        areas.append(QStringLiteral("%1@%2,%3").arg(TestSupport::area(piece.outline)).arg(piece.homeLeft).arg(piece.homeTop));
    }
    return { text, neighbours.join(u'|'), areas.join(u' ') };
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
        QTest::newRow("default record, high draw: never a ring") << "G1,BE0132768,D0,R0,M0,S1,P0," << 0.99 << 1606;
        QTest::newRow("P12 is random") << "G1,BE0132768,D2,R0,M0,S1,P12," << 5 / 12.0 << 6403;
        QTest::newRow("negative P is random") << "G1,BE0132768,D1,R0,M0,S1,P-3," << 9 / 12.0 << 3605;
        QTest::newRow("missing fields") << "G1," << 3 / 12.0 << 1602;
    }
    void levelCode()
    {
        QFETCH(QString, record);
        QFETCH(double, u);
        QFETCH(int, code);
        ScriptedRandom random({ u });
        QCOMPARE(ShapeCatalogue::LevelCode(record, random), code);
        QCOMPARE(ShapeCatalogue::SizeClass(code), code / 100 == 16 ? 1 : code / 100 == 36 ? 2 : 3);
    }

    // Every level's design size and piece count, and the levels that carry neighbour rules (the
    // others list every piece in record 0); an unknown code is built like 1605.
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

    // The golden texts pin every rule's lists; a table shorter than its level's names only the
    // pieces it has, and a rule rewrites record 0 that a level without one filled.
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

    // The grid of a shape board: columns x rows of the index's cell, centred (odd margins round
    // down); none where the picture is narrower than a cell or empty.
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
};

QTEST_GUILESS_MAIN(TestLevels)
#include "tst_levels.moc"
