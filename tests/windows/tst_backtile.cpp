// tst_backtile.cpp: tinting a pattern into the back tile, tiling it, and the background field body.
#include "BackColourArt.h"
#include "BackTile.h"
#include "BackgroundField.h"
#include "ColourValue.h"

#include <QPainter>
#include <QtTest>

namespace {
QImage imageOf(int width, int height, const QList<QRgb>& pixels)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int i = 0; i < pixels.size(); ++i)
        image.setPixel(i % width, i / width, pixels[i]);
    return image;
}

QImage plain(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
} // namespace

class TestBackTile : public QObject {
    Q_OBJECT

private slots:
    // Expected pixels worked out by hand: brightness b = round(largest component / 255 * 100),
    // ToneTable[b] = (S, Br), then HsbToRgb(hue of the swatch, S, Br).
    void tintsEveryPixelThroughTheToneTable_data()
    {
        QTest::addColumn<int>("swatch");
        QTest::addColumn<QList<QRgb>>("expected");
        // Swatch (0, 100, 200): hue 210, sector 3 with f = 1/2.
        // Pattern pixels: grey 0 (b 0: 0/0), grey 255 (b 100: 0/100), (128, 64, 32) (b 50: 39/63),
        // grey 51 (b 20: 39/25), (0, 0, 230) (b 90: 5/92), grey 25 (b 10: 38/13).
        QTest::newRow("hue 210") << ColourValue::fromRgb(0, 100, 200)
                                 << QList<QRgb> { qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(98, 129, 161),
                                        qRgb(39, 51, 64), qRgb(223, 229, 235), qRgb(21, 27, 33) };
        // A grey swatch has hue 0: the pattern comes out in red tones, not grey.
        QTest::newRow("grey swatch") << ColourValue::fromRgb(128, 128, 128)
                                     << QList<QRgb> { qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(161, 98, 98),
                                            qRgb(64, 39, 39), qRgb(235, 223, 223), qRgb(33, 21, 21) };
    }
    void tintsEveryPixelThroughTheToneTable()
    {
        QFETCH(int, swatch);
        QFETCH(QList<QRgb>, expected);
        const QImage pattern = imageOf(3, 2,
            { qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(128, 64, 32), qRgb(51, 51, 51), qRgb(0, 0, 230),
                qRgb(25, 25, 25) });
        const QImage tile = BackTile::RenderBackTile(pattern, swatch, true);
        QCOMPARE(tile.size(), pattern.size());
        for (int i = 0; i < expected.size(); ++i) {
            const QPoint p(i % 3, i / 3);
            QCOMPARE(QColor(tile.pixel(p)), QColor(expected[i]));
        }
    }

    // The result does not depend on how the pattern is stored.
    void patternFormatDoesNotMatter()
    {
        const QImage pattern = BackColourArt::pattern(4);
        const int swatch = ColourValue::fromRgb(30, 160, 90);
        QCOMPARE(BackTile::RenderBackTile(pattern.convertToFormat(QImage::Format_RGB888), swatch, true),
            BackTile::RenderBackTile(pattern, swatch, true));
    }

    void uncheckedGivesAPlainTileOfTheSwatch_data()
    {
        QTest::addColumn<QImage>("pattern");
        QTest::addColumn<QSize>("size");
        QTest::newRow("pattern size") << BackColourArt::pattern(2) << BackColourArt::pattern(2).size();
        QTest::newRow("no pattern") << QImage() << BackTile::FallbackTileSize;
    }
    void uncheckedGivesAPlainTileOfTheSwatch()
    {
        QFETCH(QImage, pattern);
        QFETCH(QSize, size);
        const int swatch = ColourValue::fromRgb(12, 34, 56);
        QCOMPARE(BackTile::RenderBackTile(pattern, swatch, false), plain(size, qRgb(12, 34, 56)));
    }

    void checkedWithoutPatternGivesNoTile() { QVERIFY(BackTile::RenderBackTile({}, 255, true).isNull()); }

    void copiesToCover_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("tileLength");
        QTest::addColumn<int>("copies");
        QTest::newRow("part tile") << 10 << 4 << 3;
        QTest::newRow("exact multiple still one more") << 8 << 4 << 3;
        QTest::newRow("empty area") << 0 << 4 << 1;
        QTest::newRow("tile larger") << 3 << 64 << 1;
        QTest::newRow("empty tile") << 5 << 0 << 0;
    }
    void copiesToCover()
    {
        QFETCH(int, length);
        QFETCH(int, tileLength);
        QFETCH(int, copies);
        QCOMPARE(BackTile::copiesToCover(length, tileLength), copies);
    }

    void previewRepeatsTheTileFromTheTopLeft()
    {
        QImage tile(4, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                tile.setPixel(x, y, qRgb(x * 60, y * 100, 7));
        const QImage preview = BackTile::renderPreview(QSize(10, 7), 0xFFFFFF, tile);
        QCOMPARE(preview.size(), QSize(10, 7));
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 10; ++x)
                QCOMPARE(preview.pixel(x, y), tile.pixel(x % 4, y % 3));
    }

    void previewWithoutTileShowsTheSwatch()
    {
        QCOMPARE(BackTile::renderPreview(QSize(5, 4), ColourValue::fromRgb(0, 128, 0), QImage()),
            plain(QSize(5, 4), qRgb(0, 128, 0)));
    }

    void paintTiledStaysInsideItsArea()
    {
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.fill(qRgb(200, 0, 0));
        tile.setPixel(1, 1, qRgb(0, 0, 200));
        QImage canvas = plain(QSize(8, 6), qRgb(0, 255, 0));
        const QRect area(3, 1, 3, 4);
        {
            QPainter painter(&canvas);
            BackTile::paintTiled(painter, tile, area);
        }
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                QCOMPARE(canvas.pixel(x, y),
                    area.contains(x, y) ? tile.pixel((x - 3) % 2, (y - 1) % 2) : qRgb(0, 255, 0));
    }

    void parseField_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("sliding");
        QTest::addColumn<int>("pattern");
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("formatted");
        QTest::newRow("sliding, green") << "F0132768" << true << 1 << 32768 << "F0132768";
        QTest::newRow("jigsaw, pattern 0") << "E0032768" << false << 0 << 32768 << "E0032768";
        QTest::newRow("pattern 15") << "E15255" << false << 15 << 255 << "E15255";
        QTest::newRow("one digit index") << "F5,12" << true << 5 << 12 << "F0512";
        QTest::newRow("index out of range") << "F9912" << true << 0 << 12 << "F0012";
        QTest::newRow("negative index") << "F-1" << true << 0 << 0 << "F000";
        QTest::newRow("colour too large") << "F0199999999" << true << 1 << 0xFFFFFF << "F0116777215";
        QTest::newRow("other letter is the jigsaw") << "X0212" << false << 2 << 12 << "E0212";
        QTest::newRow("lower-case f is not F") << "f0212" << false << 2 << 12 << "E0212";
        QTest::newRow("empty") << "" << false << 0 << 0 << "E000";
    }
    void parseField()
    {
        QFETCH(QString, body);
        QFETCH(bool, sliding);
        QFETCH(int, pattern);
        QFETCH(int, colour);
        QFETCH(QString, formatted);
        const BackgroundField field = BackgroundField::parse(body);
        QCOMPARE(field.game == BackgroundField::Game::Sliding, sliding);
        QCOMPARE(field.pattern, pattern);
        QCOMPARE(field.colour, colour);
        QCOMPARE(field.format(), formatted);
        QCOMPARE(field.tileFileName(), sliding ? QStringLiteral("bakdatal") : QStringLiteral("bakdatae"));
    }

    void cancelIsRecognisedInAnyCase_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("dialog text") << BackColourResult::cancel() << true;
        QTest::newRow("capitals") << "CANCEL" << true;
        QTest::newRow("body") << "F0132768" << false;
        QTest::newRow("longer") << "cancelled" << false;
    }
    void cancelIsRecognisedInAnyCase()
    {
        QFETCH(QString, result);
        QFETCH(bool, cancel);
        QCOMPARE(BackColourResult::isCancel(result), cancel);
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

QTEST_GUILESS_MAIN(TestBackTile)
#include "tst_backtile.moc"
