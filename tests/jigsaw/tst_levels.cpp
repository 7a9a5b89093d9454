// tst_levels.cpp: the level rules as tables (codes, headers, shape-board grid, neighbour rules of
// the block levels) and one golden text per level: shape string, neighbour lists and piece areas
// for a fixed seed. The invariants over every level and many seeds live in tst_levelregions.
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

    // The header of every code; the generator writes as many pieces as it announces, and an
    // unknown code is built like 1605.
    void headers()
    {
        const QList<std::pair<int, const char*>> rows = { { 1601, "W400,H400,P16," }, { 1602, "W200,H200,P16," },
            { 1603, "W90,H90,P18," }, { 1604, "W200,H160,P20," }, { 1605, "W500,H400,P20," },
            { 1606, "W200,H160,P20," }, { 3601, "W600,H600,P36," }, { 3602, "W300,H300,P36," },
            { 3603, "W150,H120,P40," }, { 3604, "W300,H240,P45," }, { 3605, "W600,H600,P36," },
            { 3606, "W300,H240,P45," }, { 6401, "W800,H800,P64," }, { 6402, "W400,H400,P64," },
            { 6403, "W180,H150,P60," }, { 6404, "W400,H240,P60," }, { 6405, "W800,H800,P64," },
            { 6406, "W400,H240,P60," }, { 1607, "W300,H300,P18," }, { 1608, "W300,H300,P18," },
            { 1609, "W300,H300,P27," }, { 1610, "W300,H300,P18," }, { 1611, "W80,H90,P24," },
            { 3607, "W500,H400,P40," }, { 3608, "W500,H400,P40," }, { 3609, "W500,H400,P60," },
            { 3610, "W500,H400,P40," }, { 3611, "W100,H120,P40," }, { 6407, "W600,H500,P60," },
            { 6408, "W600,H500,P60," }, { 6409, "W600,H500,P90," }, { 6410, "W600,H500,P60," },
            { 6411, "W120,H150,P60," }, { 1234, "W500,H400,P20," }, { 6412, "W500,H400,P20," } };
        for (const auto& [code, header] : rows) {
            ScriptedRandom random({ 0.3, 0.7, 0.1, 0.9, 0.5 });
            const QString shape = ShapeCatalogue::generateLevel(code, random);
            QVERIFY2(shape.startsWith(QLatin1String(header)), qPrintable(shape.left(40)));
            QCOMPARE(int(shape.count(u'V')), QString::fromLatin1(header).section(u'P', 1).section(u',', 0, 0).toInt());
            QVERIFY(!shape.contains(u' ') && !shape.contains(QLatin1String(",,")));
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

    // The block levels may name pieces the random cuts keep apart, so their lists are pinned here;
    // the other rules are checked against the geometry in tst_levelregions.
    void blockNeighbours_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<int>("piece");
        QTest::addColumn<QList<int>>("neighbours");
        QTest::newRow("1604 top-left corner") << 1604 << 20 << 1 << QList<int> { 5 };
        QTest::newRow("1604 top-right corner") << 1604 << 20 << 2 << QList<int> { 5, 6, 9, 10 };
        QTest::newRow("1604 middle") << 1604 << 20 << 5 << QList<int> { 1, 2, 3, 4, 6, 9, 10, 11, 12, 15 };
        QTest::newRow("1606 bottom-right corner") << 1606 << 20 << 3 << QList<int> { 5, 6, 9, 10, 11, 12, 15 };
        QTest::newRow("3604 centre block middle")
            << 3604 << 45 << 25 << QList<int> { 8, 9, 10, 17, 18, 20, 21, 22, 23, 24, 26, 29, 30, 36, 37, 40 };
        QTest::newRow("3606 bottom-left of last block") << 3606 << 45 << 44 << QList<int> { 37, 38, 40, 45 };
        QTest::newRow("short table names only pieces it has") << 1601 << 5 << 4 << QList<int> { 3 };
    }
    void blockNeighbours()
    {
        QFETCH(int, code);
        QFETCH(int, pieces);
        QFETCH(int, piece);
        QFETCH(QList<int>, neighbours);
        PieceTable table;
        for (int k = 1; k <= pieces; ++k)
            table.append(PieceRecord {});
        NeighbourLists::WriteNeighbourLists(6401, table); // a level without a rule first: record 0 is rewritten
        NeighbourLists::WriteNeighbourLists(code, table);
        QCOMPARE(table.piece(piece).neighbours, NeighbourLists::entryText(neighbours));
        QCOMPARE(table.record0().neighbours, QString());
    }

    void shapeBoardLayout_data()
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
    void shapeBoardLayout()
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
        QCOMPARE(grid.cellOrigin(2, 3), margin + QPoint(grid.cell.width(), 2 * grid.cell.height()));
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
};

QTEST_GUILESS_MAIN(TestLevels)
#include "tst_levels.moc"
