// tst_backcolour.cpp: the back colour: RgbToHsb and HsbToRgb (every hue sector, ties, halves to
// even, round trips), label contrast, tinting a pattern into the back tile, tiling it, and the
// background field body.
#include "BackColourArt.h"
#include "BackTile.h"
#include "BackgroundField.h"
#include "ColourValue.h"
#include "HsbColour.h"
#include "LabelContrast.h"

#include <QPainter>
#include <QtTest>

#include <cstdlib>

// A colour both ways: red, green, blue and hue, saturation, brightness.
struct Hsb {
    int r, g, b, h, s, v;
};
Q_DECLARE_METATYPE(Hsb)

namespace {
// The ways a conversions row is checked.
constexpr int ToHsb = 1, ToRgb = 2, Both = 3;

QImage plain(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
} // namespace

class TestBackColour : public QObject {
    Q_OBJECT

private slots:
    // Published WCAG ratios on white, either way round; the clock and step labels write the back
    // colour on their plate.
    void labelContrast()
    {
        const QList<std::pair<QColor, double>> rows = { { QColor(0, 0, 0), 21.0 }, { QColor(0x76, 0x76, 0x76), 4.54 },
            { QColor(0x77, 0x77, 0x77), 4.48 }, { QColor(0, 128, 0), 5.14 } };
        for (const auto& [colour, onWhite] : rows) {
            QVERIFY2(qAbs(LabelContrast::ratio(colour, Qt::white) - onWhite) < 0.01, qPrintable(colour.name()));
            QCOMPARE(LabelContrast::ratio(Qt::white, colour), LabelContrast::ratio(colour, Qt::white));
        }
        const QColor design = LabelContrast::DesignPlate;
        const QList<std::pair<int, QColor>> plates
            = { { 0, design }, { 128 * 65536, design }, { 32768, Qt::white }, { 8421504, Qt::black },
                  { 255, Qt::black }, { 16777215, Qt::black } }; // black, navy, green, grey, red, white
        for (const auto& [backColour, plate] : plates) {
            const QColor text = ColourValue::toColor(backColour);
            QCOMPARE(LabelContrast::plateFor(text), plate);
            QVERIFY(LabelContrast::ratio(text, plate) >= 4.5);
        }
    }

    // Each row is checked in the ways it names: RgbToHsb, HsbToRgb or both (where integer hue,
    // saturation and brightness lose nothing).
    void conversions_data()
    {
        QTest::addColumn<Hsb>("c");
        QTest::addColumn<int>("ways");
        // Greys: hue 0, saturation 0.
        QTest::newRow("black") << Hsb { 0, 0, 0, 0, 0, 0 } << Both;
        QTest::newRow("white") << Hsb { 255, 255, 255, 0, 0, 100 } << Both;
        QTest::newRow("grey 128, back from 127.5") << Hsb { 128, 128, 128, 0, 0, 50 } << Both;
        // One row per case of the hue rule; d = round((mid - min) * 60 / (max - min)).
        QTest::newRow("red min, blue max") << Hsb { 0, 100, 200, 210, 100, 78 } << ToHsb;
        QTest::newRow("red min, green max") << Hsb { 10, 200, 110, 152, 95, 78 } << ToHsb;
        QTest::newRow("green min, red max") << Hsb { 200, 50, 100, 340, 75, 78 } << ToHsb;
        QTest::newRow("green min, blue max") << Hsb { 100, 50, 200, 260, 75, 78 } << ToHsb;
        QTest::newRow("blue min, green max") << Hsb { 100, 200, 50, 100, 75, 78 } << ToHsb;
        QTest::newRow("blue min, red max") << Hsb { 200, 100, 50, 20, 75, 78 } << ToHsb;
        QTest::newRow("green 128") << Hsb { 0, 128, 0, 120, 100, 50 } << Both;
        // Ties between components go to the first case in order.
        QTest::newRow("cyan") << Hsb { 0, 255, 255, 180, 100, 100 } << Both;
        QTest::newRow("yellow") << Hsb { 255, 255, 0, 60, 100, 100 } << Both;
        QTest::newRow("magenta") << Hsb { 255, 0, 255, 300, 100, 100 } << Both;
        // 360 - 0 for pure reds counts as hue 0.
        QTest::newRow("red") << Hsb { 255, 0, 0, 0, 100, 100 } << Both;
        QTest::newRow("red, d rounds to 0") << Hsb { 255, 0, 2, 0, 100, 100 } << ToHsb;
        QTest::newRow("red, d = 1") << Hsb { 255, 0, 5, 359, 100, 100 } << ToHsb;
        // Halves go to the even neighbour.
        QTest::newRow("saturation 0.5 -> 0") << Hsb { 200, 199, 199, 0, 0, 78 } << ToHsb;
        QTest::newRow("saturation 1.5 -> 2") << Hsb { 200, 197, 197, 0, 2, 78 } << ToHsb;
        QTest::newRow("d 0.5 -> 0") << Hsb { 0, 1, 120, 240, 100, 47 } << ToHsb;
        QTest::newRow("d 1.5 -> 2") << Hsb { 0, 3, 120, 238, 100, 47 } << ToHsb;
        // From hue, saturation and brightness back to red, green and blue.
        QTest::newRow("grey 76.5 -> 76") << Hsb { 76, 76, 76, 200, 0, 30 } << ToRgb;
        QTest::newRow("black, saturated") << Hsb { 0, 0, 0, 0, 100, 0 } << ToRgb;
        // Middle of every sector: the varying component is 127.5, which rounds to 128.
        QTest::newRow("sector 0") << Hsb { 255, 128, 0, 30, 100, 100 } << Both;
        QTest::newRow("sector 1") << Hsb { 128, 255, 0, 90, 100, 100 } << Both;
        QTest::newRow("sector 2") << Hsb { 0, 255, 128, 150, 100, 100 } << Both;
        QTest::newRow("sector 3") << Hsb { 0, 128, 255, 210, 100, 100 } << Both;
        QTest::newRow("sector 4") << Hsb { 128, 0, 255, 270, 100, 100 } << Both;
        QTest::newRow("sector 5") << Hsb { 255, 0, 128, 330, 100, 100 } << Both;
        // V = 204, f = 1/3: p = 102, q = 170.
        QTest::newRow("sector 3, thirds") << Hsb { 102, 170, 204, 200, 50, 80 } << Both;
        // V = 76.5 -> 76, t = p = 45.9 -> 46.
        QTest::newRow("dark, weak") << Hsb { 76, 46, 46, 0, 40, 30 } << ToRgb;
        // A hue of 360 or more counts as 0 (not as hue - 360).
        QTest::newRow("hue 360") << Hsb { 255, 0, 0, 360, 100, 100 } << ToRgb;
        QTest::newRow("hue 400") << Hsb { 255, 0, 0, 400, 100, 100 } << ToRgb;
        QTest::newRow("hue 359") << Hsb { 255, 0, 4, 359, 100, 100 } << Both;
        // Out of range inputs are clamped.
        QTest::newRow("hue -30") << Hsb { 255, 0, 0, -30, 100, 100 } << ToRgb;
        QTest::newRow("saturation, brightness over 100") << Hsb { 0, 255, 0, 120, 150, 120 } << ToRgb;
    }
    void conversions()
    {
        QFETCH(Hsb, c);
        QFETCH(int, ways);
        if (ways & ToHsb) {
            const HsbValue got = RgbToHsb(c.r, c.g, c.b);
            QCOMPARE(QList<int>({ got.hue, got.saturation, got.brightness }), QList<int>({ c.h, c.s, c.v }));
            QCOMPARE(RgbToHsb(ColourValue::fromRgb(c.r, c.g, c.b)), got);
        }
        if (ways & ToRgb)
            QCOMPARE(HsbToRgb(c.h, c.s, c.v), ColourValue::fromRgb(c.r, c.g, c.b));
    }

    // Integer hue, saturation and brightness lose a little: a colour comes back within a few units;
    // greys come back exactly both ways; components out of range are clamped.
    void roundTrips()
    {
        for (int r = 0; r <= 255; r += 15)
            for (int g = 0; g <= 255; g += 15)
                for (int b = 0; b <= 255; b += 15) {
                    const HsbValue hsb = RgbToHsb(r, g, b);
                    QVERIFY(hsb.hue >= 0 && hsb.hue < 360);
                    const int back = HsbToRgb(hsb.hue, hsb.saturation, hsb.brightness);
                    const int error = std::max({ std::abs(ColourValue::red(back) - r),
                        std::abs(ColourValue::green(back) - g), std::abs(ColourValue::blue(back) - b) });
                    QVERIFY2(error <= 3, qPrintable(QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b)));
                }
        for (int v = 0; v <= 100; ++v)
            QCOMPARE(RgbToHsb(HsbToRgb(123, 0, v)), (HsbValue { 0, 0, v }));
        QCOMPARE(RgbToHsb(300, -5, 0), RgbToHsb(255, 0, 0));
    }

    // Expected pixels worked out by hand: brightness b = round(largest component / 255 * 100),
    // ToneTable[b] = (S, Br), then HsbToRgb(hue of the swatch, S, Br).
    void tintsEveryPixelThroughTheToneTable()
    {
        const QList<QRgb> pixels { qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(128, 64, 32), qRgb(51, 51, 51),
            qRgb(0, 0, 230), qRgb(25, 25, 25) };
        QImage pattern(3, 2, QImage::Format_RGB32);
        for (int i = 0; i < pixels.size(); ++i)
            pattern.setPixel(i % 3, i / 3, pixels[i]);
        // Swatch (0, 100, 200): hue 210, sector 3 with f = 1/2.
        // Pattern pixels: grey 0 (b 0: 0/0), grey 255 (b 100: 0/100), (128, 64, 32) (b 50: 39/63),
        // grey 51 (b 20: 39/25), (0, 0, 230) (b 90: 5/92), grey 25 (b 10: 38/13).
        // A grey swatch has hue 0: the pattern comes out in red tones, not grey.
        const QList<QRgb> blues { qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(98, 129, 161), qRgb(39, 51, 64),
            qRgb(223, 229, 235), qRgb(21, 27, 33) };
        const QList<QRgb> reds { qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(161, 98, 98), qRgb(64, 39, 39),
            qRgb(235, 223, 223), qRgb(33, 21, 21) };
        const QList<std::pair<int, QList<QRgb>>> rows { { ColourValue::fromRgb(0, 100, 200), blues },
            { ColourValue::fromRgb(128, 128, 128), reds } };
        for (const auto& [swatch, expected] : rows) {
            const QImage tile = BackTile::RenderBackTile(pattern, swatch, true);
            QCOMPARE(tile.size(), pattern.size());
            for (int i = 0; i < expected.size(); ++i)
                QCOMPARE(QColor(tile.pixel(i % 3, i / 3)), QColor(expected[i]));
        }
    }

    // Unchecked: a plain tile of the swatch, of the pattern's size or the fallback size; checked
    // without a pattern: no tile. The result does not depend on how the pattern is stored.
    void plainTilesAndPatternFormats()
    {
        const int swatch = ColourValue::fromRgb(12, 34, 56);
        QCOMPARE(BackTile::RenderBackTile(BackColourArt::pattern(2), swatch, false),
            plain(BackColourArt::pattern(2).size(), qRgb(12, 34, 56)));
        QCOMPARE(BackTile::RenderBackTile({}, swatch, false), plain(BackTile::FallbackTileSize, qRgb(12, 34, 56)));
        QVERIFY(BackTile::RenderBackTile({}, 255, true).isNull());
        const QImage pattern = BackColourArt::pattern(4);
        QCOMPARE(BackTile::RenderBackTile(pattern.convertToFormat(QImage::Format_RGB888), swatch, true),
            BackTile::RenderBackTile(pattern, swatch, true));
    }

    // Copies of a tile along one side: always one more than fit whole, none of an empty tile.
    // Painted from the area's corner, clipped to it; a tile taller than the area is one row. The
    // preview is the swatch with the tile repeated over it from the top left.
    void tiling()
    {
        QCOMPARE(BackTile::copiesToCover(10, 4), 3);
        QCOMPARE(BackTile::copiesToCover(8, 4), 3);
        QCOMPARE(BackTile::copiesToCover(0, 4), 1);
        QCOMPARE(BackTile::copiesToCover(3, 64), 1);
        QCOMPARE(BackTile::copiesToCover(5, 0), 0);
        for (const QSize size : { QSize(2, 2), QSize(2, 5), QSize(4, 3) }) {
            QImage tile(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    tile.setPixel(x, y, qRgb(200, 40 * y, 60 * x));
            QImage canvas = plain(QSize(8, 6), qRgb(0, 255, 0));
            const QRect area(3, 1, 3, 4);
            {
                QPainter painter(&canvas);
                BackTile::paintTiled(painter, tile, area);
            }
            const QImage preview = BackTile::renderPreview(QSize(10, 7), 0xFFFFFF, tile);
            QCOMPARE(preview.size(), QSize(10, 7));
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 10; ++x) {
                    QCOMPARE(preview.pixel(x, y), tile.pixel(x % size.width(), y % size.height()));
                    if (x < 8 && y < 6)
                        QCOMPARE(canvas.pixel(x, y),
                            area.contains(x, y) ? tile.pixel((x - 3) % size.width(), (y - 1) % size.height())
                                                : qRgb(0, 255, 0));
                }
        }
        QCOMPARE(BackTile::renderPreview(QSize(5, 4), ColourValue::fromRgb(0, 128, 0), QImage()),
            plain(QSize(5, 4), qRgb(0, 128, 0)));
    }

    // Body -> (sliding, pattern, colour) and the body written back.
    void parseField()
    {
        const QList<std::pair<QString, QString>> rows { // body; S or E, pattern, colour, formatted
            { "F0132768", "S 1 32768 F0132768" }, { "E0032768", "E 0 32768 E0032768" },
            { "E15255", "E 15 255 E15255" }, { "F5,12", "S 5 12 F0512" }, // one-digit index
            { "F9912", "S 0 12 F0012" }, { "F-1", "S 0 0 F000" }, // index out of range
            { "F0199999999", "S 1 16777215 F0116777215" }, // colour too large
            { "X0212", "E 2 12 E0212" }, { "f0212", "E 2 12 E0212" }, // any other letter is the jigsaw
            { "", "E 0 0 E000" }
        };
        for (const auto& [body, parsed] : rows) {
            const BackgroundField field = BackgroundField::parse(body);
            const bool sliding = field.game == BackgroundField::Game::Sliding;
            const QString got = QStringLiteral("%1 %2 %3 %4").arg(sliding ? "S" : "E").arg(field.pattern);
            QCOMPARE(got.arg(field.colour).arg(field.format()), parsed);
            QCOMPARE(field.tileFileName(), sliding ? QStringLiteral("bakdatal") : QStringLiteral("bakdatae"));
        }
    }

    void cancelIsRecognisedInAnyCase()
    {
        QVERIFY(BackColourResult::isCancel(BackColourResult::cancel()));
        QVERIFY(BackColourResult::isCancel(QStringLiteral("CANCEL")));
        QVERIFY(!BackColourResult::isCancel(QStringLiteral("F0132768")));
        QVERIFY(!BackColourResult::isCancel(QStringLiteral("cancelled")));
    }

    // The artwork: sixteen distinct patterns that repeat without a seam, and a colourful palette.
    void artworkIsUsable()
    {
        QSet<QByteArray> seen;
        for (int i = 0; i < BackColourArt::PatternCount; ++i) {
            const QImage& p = BackColourArt::pattern(i);
            QVERIFY2(p.width() >= 32 && p.width() <= 64 && p.height() >= 32 && p.height() <= 64,
                qPrintable(QString::number(i)));
            seen.insert(QByteArray(reinterpret_cast<const char*>(p.constBits()), p.sizeInBytes()));
        }
        QCOMPARE(seen.size(), BackColourArt::PatternCount);
        QVERIFY(BackColourArt::pattern(16).isNull());
        QCOMPARE(BackColourArt::palette().size(),
            QSize(BackColourArt::PaletteWidth, BackColourArt::PaletteHeight));
        QSet<int> hues;
        for (int x = 0; x < BackColourArt::PaletteWidth; x += 8)
            hues.insert(
                QColor(BackColourArt::palette().pixel(x, BackColourArt::PaletteHeight / 2)).hsvHue() / 30);
        QVERIFY(hues.size() >= 12);
    }
};

QTEST_GUILESS_MAIN(TestBackColour)
#include "tst_backcolour.moc"
