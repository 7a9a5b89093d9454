// tst_backtilefile.cpp: tile files (what OK writes, every BMP variant read back, damaged and foreign
// files ignored) and the back-colour dialog: opening, choosing, and its three ways of closing.
#include "BackColourArt.h"
#include "BackTile.h"
#include "BackTileFile.h"
#include "BmpBuilder.h"
#include "ColourValue.h"
#include "Frm_color.h"
#include "PictureBox.h"
#include "TestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

using BmpBuilder::padRow;

namespace {
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Green = qRgb(0, 255, 0);
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Black = qRgb(0, 0, 0);

QImage imageOf(int width, const QList<QRgb>& pixels)
{
    QImage image(width, int(pixels.size()) / width, QImage::Format_RGB32);
    for (int i = 0; i < pixels.size(); ++i)
        image.setPixel(i % width, i / width, pixels[i]);
    return image;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

quint32 u32At(const QByteArray& data, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(data.constData()) + offset);
}

// A well-formed 24-bit 2 x 2 file, bottom-up: red green / blue white.
QByteArray small24()
{
    BmpBuilder::Recipe s { 2, 2, 24 };
    s.pixels = padRow(bytes({ 255, 0, 0, 255, 255, 255 })) + padRow(bytes({ 0, 0, 255, 0, 255, 0 }));
    return BmpBuilder::make(s);
}

// Sets the 32-bit (or 16-bit) value at offset.
template <typename T = quint32> QByteArray patched(QByteArray data, int offset, T value)
{
    qToLittleEndian(value, data.data() + offset);
    return data;
}

QImage plainTile(QRgb colour)
{
    QImage tile(5, 4, QImage::Format_RGB32);
    tile.fill(colour);
    return tile;
}

template <typename T> T* child(const QWidget& dialog, const QString& name)
{
    T* found = dialog.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

PictureBox* pattern(const QWidget& dialog, int index)
{
    return child<PictureBox>(dialog, QStringLiteral("Image1_%1").arg(index));
}

QList<int> borderedPatterns(const QWidget& dialog)
{
    QList<int> bordered;
    for (int i = 0; i < BackColourArt::PatternCount; ++i)
        if (pattern(dialog, i)->hasBorder())
            bordered.append(i);
    return bordered;
}

void click(QWidget* widget, QPoint at = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
}
} // namespace

class TestBackTileFile : public QObject {
    Q_OBJECT

    TestSupport::ScriptedContext m_scripted;
    const AppContext& context() const { return m_scripted.context; }
    TestSupport::DataFolder& folder() { return m_scripted.folder; }

    void removeTileFiles()
    {
        QFile::remove(folder().filePath(QStringLiteral("bakdatal")));
        QFile::remove(folder().filePath(QStringLiteral("bakdatae")));
    }

private slots:
    void init() { removeTileFiles(); }

    void opensFromTheBodyAndTheGamesTileFile()
    {
        // Without a tile file the preview shows only the colour.
        Frm_color plain(context(), QStringLiteral("F07255"), {});
        QVERIFY(plain.tile().isNull());
        QCOMPARE(child<PictureBox>(plain, QStringLiteral("Picture1_2"))->picture(),
            BackTile::renderPreview(Frm_color::PreviewSize, 255, QImage()));
        QCOMPARE(borderedPatterns(plain), QList<int> { 7 });
        QVERIFY(!child<QCheckBox>(plain, QStringLiteral("Check1"))->isChecked());

        const QImage jigsawTile = plainTile(qRgb(0, 0, 200));
        QVERIFY(saveBackTile(jigsawTile, folder().filePath(QStringLiteral("bakdatae"))));
        QVERIFY(saveBackTile(plainTile(qRgb(200, 0, 0)), folder().filePath(QStringLiteral("bakdatal"))));

        const QIcon icon(QPixmap::fromImage(plainTile(Qt::red)));
        Frm_color dialog(context(), QStringLiteral("E0032768"), icon);
        QCOMPARE(dialog.selectedPattern(), 0);
        QCOMPARE(dialog.swatchColour(), 32768);
        QCOMPARE(borderedPatterns(dialog), QList<int> { 0 });
        QCOMPARE(child<PictureBox>(dialog, QStringLiteral("Imgshow"))->picture(), BackColourArt::pattern(0));
        QCOMPARE(dialog.tile(), jigsawTile);
        QCOMPARE(child<PictureBox>(dialog, QStringLiteral("Picture1_2"))->picture(),
            BackTile::renderPreview(Frm_color::PreviewSize, 32768, jigsawTile));
        QCOMPARE(child<QLabel>(dialog, QStringLiteral("Lblbak1"))->palette().color(QPalette::Window),
            QColor(0, 128, 0));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Color"));
        QCOMPARE(child<QPushButton>(dialog, QStringLiteral("Cmdok"))->text(), QStringLiteral("&Ok"));
        QCOMPARE(child<QPushButton>(dialog, QStringLiteral("Cmdcancel"))->text(), QStringLiteral("&Cancel"));
        QCOMPARE(child<QCheckBox>(dialog, QStringLiteral("Check1"))->text(), QStringLiteral("Back Picture"));
        // A plain tile was saved without the pattern.
        QVERIFY(!child<QCheckBox>(dialog, QStringLiteral("Check1"))->isChecked());
        QVERIFY(!dialog.windowIcon().isNull());
        QVERIFY(dialog.isModal());
    }

    // A pattern clicked moves the border and shows; a release over the palette, with either button,
    // picks the colour under the pointer; both redraw the tile and the preview. A release over the
    // preview changes nothing.
    void choosing_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("hue field") << QPoint(30, 40) << Qt::LeftButton;
        QTest::newRow("dark blue, right button") << QPoint(170, 110) << Qt::RightButton;
        QTest::newRow("grey column") << QPoint(250, 90) << Qt::LeftButton;
    }
    void choosing()
    {
        QFETCH(QPoint, at);
        QFETCH(Qt::MouseButton, button);
        Frm_color dialog(context(), QStringLiteral("F0916777215"), {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        click(pattern(dialog, 3));
        click(pattern(dialog, 12));
        QCOMPARE(borderedPatterns(dialog), QList<int> { 12 });
        QCOMPARE(dialog.selectedPattern(), 12);
        QCOMPARE(child<PictureBox>(dialog, QStringLiteral("Imgshow"))->picture(), BackColourArt::pattern(12));
        QCOMPARE(dialog.tile(), BackTile::RenderBackTile(BackColourArt::pattern(12), 0xFFFFFF, false));
        QTest::mouseClick(child<PictureBox>(dialog, QStringLiteral("Picture1_0")), button, {}, at);
        const int picked = ColourValue::fromColor(BackColourArt::palette().pixelColor(at));
        QVERIFY(picked != 0xFFFFFF);
        QCOMPARE(dialog.swatchColour(), picked);
        const QImage expected = BackTile::RenderBackTile(BackColourArt::pattern(12), picked, false);
        QCOMPARE(dialog.tile(), expected);
        QTest::mouseClick(
            child<PictureBox>(dialog, QStringLiteral("Picture1_2")), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(dialog.swatchColour(), picked);
        QCOMPARE(child<PictureBox>(dialog, QStringLiteral("Picture1_2"))->picture(),
            BackTile::renderPreview(Frm_color::PreviewSize, picked, expected));
    }

    // The three ways out. OK writes the game's tile (also when nothing was chosen and there was no
    // tile file: the game can always paint one; unticked, a plain one) and returns the new body;
    // Cancel returns "cancel" and the close box the body as given (even malformed), and neither
    // writes anything. The other game's tile file is never written.
    void closing()
    {
        // clicked: a control clicked first; no button: the close box.
        struct Case {
            QString body, clicked, button, result;
            int tilePattern; // of the game's tile afterwards, -1 for unchanged
            QString tileBefore; // "plain", "patterned" or "none"
        };
        const QList<Case> cases { { "F0132768", "Image1_5", "Cmdok", "F0532768", 5, "plain" },
            { "F02128", "", "Cmdok", "F02128", 2, "none" },
            { "E14255", "Check1", "Cmdok", "E14255", 14, "patterned" },
            { "F0132768", "Image1_4", "Cmdcancel", "cancel", -1, "plain" },
            { "F0132768", "Image1_11", "", "F0132768", -1, "plain" },
            { "x9", "Image1_11", "", "x9", -1, "plain" } };
        for (const Case& c : cases) {
            removeTileFiles();
            const bool sliding = c.body.startsWith(u'F');
            const QString file = QStringLiteral("bakdata") + (sliding ? u'l' : u'e');
            const QString other = QStringLiteral("bakdata") + (sliding ? u'e' : u'l');
            if (c.tileBefore == u"plain")
                QVERIFY(saveBackTile(plainTile(qRgb(1, 2, 3)), folder().filePath(file)));
            else if (c.tileBefore == u"patterned")
                QVERIFY(saveBackTile(
                    BackTile::RenderBackTile(BackColourArt::pattern(3), 255, true), folder().filePath(file)));
            const QByteArray before = folder().read(file);
            Frm_color dialog(context(), c.body, {});
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            if (!c.clicked.isEmpty())
                click(child<QWidget>(dialog, c.clicked));
            if (c.button.isEmpty())
                QVERIFY(dialog.close());
            else
                click(child<QPushButton>(dialog, c.button));
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.strcolor(), c.result);
            QCOMPARE(dialog.result(), int(c.button == u"Cmdok" ? QDialog::Accepted : QDialog::Rejected));
            if (c.tilePattern >= 0)
                QCOMPARE(loadBackTile(folder().filePath(file)),
                    BackTile::RenderBackTile(
                        BackColourArt::pattern(c.tilePattern), c.body.mid(3).toInt(), false));
            else
                QCOMPARE(folder().read(file), before);
            QVERIFY(!folder().exists(other));
        }
    }

    // choose() shows the dialog modally and returns its result: OK, Cancel, or Escape (the body).
    void chooseRunsModallyAndReturnsTheResult()
    {
        for (const auto& [control, result] : QList<std::pair<QString, QString>> {
                 { "Cmdok", "E0312" }, { "Cmdcancel", "cancel" }, { "", "E0312" } }) {
            removeTileFiles();
            QTimer::singleShot(0, this, [control] {
                auto* dialog = qobject_cast<Frm_color*>(QApplication::activeModalWidget());
                if (!dialog)
                    qFatal("the dialog is not shown modally");
                if (control.isEmpty())
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    dialog->findChild<QPushButton*>(control)->click();
            });
            QCOMPARE(Frm_color::choose(nullptr, context(), QStringLiteral("E0312"), {}), result);
            QCOMPARE(folder().exists(QStringLiteral("bakdatae")), control == QStringLiteral("Cmdok"));
        }
    }

    // OK writes a plain Windows bitmap, replacing an old file whole; a failed save reports and
    // writes nothing.
    void saving()
    {
        TestSupport::DataFolder folder;
        const QImage tile = BackTile::RenderBackTile(BackColourArt::pattern(6), 32768, true);
        const QString path = folder.filePath(QStringLiteral("bakdatal"));
        folder.write(QStringLiteral("bakdatal"), QByteArray(100000, 'x'));
        QVERIFY(saveBackTile(tile, path));

        const QByteArray file = folder.read(QStringLiteral("bakdatal"));
        QCOMPARE(file.left(2), QByteArray("BM"));
        QCOMPARE(u32At(file, 2), quint32(file.size()));
        QCOMPARE(u32At(file, 14), 40u); // BITMAPINFOHEADER
        QCOMPARE(qint32(u32At(file, 18)), tile.width());
        QCOMPARE(qint32(u32At(file, 22)), tile.height()); // positive: rows bottom-up
        QCOMPARE(qFromLittleEndian<quint16>(file.constData() + 28), quint16(24));
        QCOMPARE(u32At(file, 30), 0u); // uncompressed
        const int rowBytes = (tile.width() * 3 + 3) / 4 * 4;
        QCOMPARE(qint64(u32At(file, 10)) + qint64(rowBytes) * tile.height(), qint64(file.size()));
        QVERIFY(file.size() < 100000);
        QCOMPARE(loadBackTile(path), tile);
        QCOMPARE(QImageReader(path).format(), QByteArray("bmp"));

        const QString missing = folder.filePath(QStringLiteral("missing/bakdatae"));
        QVERIFY(!saveBackTile(tile, missing));
        QVERIFY(!QFile::exists(missing));
        QVERIFY(!saveBackTile(QImage(), folder.filePath(QStringLiteral("bakdatae"))));
        QVERIFY(!folder.exists(QStringLiteral("bakdatae")));
    }

    void readsEveryCommonVariant_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QImage>("expected");
        using namespace BmpBuilder;
        const auto bmp = [](Recipe r, QList<QRgb> palette, QByteArray pixels) {
            r.palette = palette;
            r.pixels = pixels;
            return make(r);
        };
        const QList<QRgb> rgb { Red, Green, Blue };
        const QImage rgbw = imageOf(2, { Red, Green, Blue, White });
        // Rows bottom-up unless the height is negative: bottom 0 1 1, top 1 0 1.
        QTest::newRow("1 bit") << bmp({ 3, 2, 1 }, { Black, White }, padRow(bytes({ 0x60 })) + padRow(bytes({ 0xA0 })))
                               << imageOf(3, { White, Black, White, Black, White, White });
        QTest::newRow("4 bits") << bmp({ 3, 2, 4 }, rgb, padRow(bytes({ 0x21, 0x00 })) + padRow(bytes({ 0x01, 0x20 })))
                                << imageOf(3, { Red, Green, Blue, Blue, Green, Red });
        QTest::newRow("8 bits") << bmp({ 3, 2, 8 }, rgb, padRow(bytes({ 2, 2, 1 })) + padRow(bytes({ 0, 1, 2 })))
                                << imageOf(3, { Red, Green, Blue, Blue, Blue, Green });
        QTest::newRow("RLE8") << bmp({ 3, 2, 8, Rle8 }, rgb, bytes({ 2, 2, 1, 1, 0, 0, 1, 0, 1, 1, 1, 2, 0, 1 }))
                              << imageOf(3, { Red, Green, Blue, Blue, Blue, Green });
        QTest::newRow("RLE4") << bmp({ 3, 2, 4, Rle4 }, rgb, bytes({ 3, 0x21, 0, 0, 3, 0x01, 0, 1 }))
                              << imageOf(3, { Red, Green, Red, Blue, Green, Blue });
        // Run-length data may skip pixels or stop early; those pixels take the first palette colour.
        // Runs that overflow the row or the bitmap are cut off, never written past the image.
        QTest::newRow("RLE8 early end") << bmp({ 3, 2, 8, Rle8 }, rgb, bytes({ 1, 2, 0, 0, 0, 1 }))
                                        << imageOf(3, { Red, Red, Red, Blue, Red, Red });
        QTest::newRow("RLE8 delta") << bmp({ 3, 2, 8, Rle8 }, rgb, bytes({ 0, 2, 1, 1, 2, 1, 0, 1 }))
                                    << imageOf(3, { Red, Green, Green, Red, Red, Red });
        QTest::newRow("RLE8 overlong runs")
            << bmp({ 3, 2, 8, Rle8 }, rgb, bytes({ 200, 1, 255, 2, 255, 2, 0, 1 }))
            << imageOf(3, { Red, Red, Red, Green, Green, Green });
        // Blue white / red green.
        QTest::newRow("16 bits 555") << bmp({ 2, 2, 16 }, {}, bytes({ 0x1F, 0x00, 0xFF, 0x7F, 0x00, 0x7C, 0xE0, 0x03 }))
                                     << rgbw;
        Recipe rgb565 { 2, 2, 16, BitFields };
        rgb565.masks = { 0xF800, 0x07E0, 0x001F };
        QTest::newRow("16 bits 565") << bmp(rgb565, {}, bytes({ 0x1F, 0x00, 0xFF, 0xFF, 0x00, 0xF8, 0xE0, 0x07 })) << rgbw;
        QTest::newRow("24 bits") << small24() << rgbw;
        QTest::newRow("24 bits top-down")
            << bmp({ 2, -2, 24 }, {}, padRow(bytes({ 0, 0, 255, 0, 255, 0 })) + padRow(bytes({ 255, 0, 0, 255, 255, 255 })))
            << rgbw;
        QTest::newRow("32 bits") << bmp({ 2, 2, 32 }, {}, bytes({ 255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0 }))
                                 << rgbw;
        Recipe core { 2, 2, 24 };
        core.coreHeader = true;
        QTest::newRow("OS/2 header")
            << bmp(core, {}, padRow(bytes({ 255, 0, 0, 255, 255, 255 })) + padRow(bytes({ 0, 0, 255, 0, 255, 0 }))) << rgbw;
    }
    void readsEveryCommonVariant()
    {
        QFETCH(QByteArray, file);
        QFETCH(QImage, expected);
        TestSupport::DataFolder folder;
        folder.write(QStringLiteral("bakdatal"), file);
        const QImage loaded = loadBackTile(folder.filePath(QStringLiteral("bakdatal")));
        QCOMPARE(loaded.format(), QImage::Format_RGB32);
        QCOMPARE(loaded.size(), expected.size());
        // Five- and six-bit components widen to eight bits in more than one accepted way.
        const int tolerance = QByteArray(QTest::currentDataTag()).startsWith("16 bits") ? 7 : 0;
        for (int y = 0; y < expected.height(); ++y) {
            for (int x = 0; x < expected.width(); ++x) {
                const QRgb got = loaded.pixel(x, y), want = expected.pixel(x, y);
                const int error = std::max({ std::abs(qRed(got) - qRed(want)),
                    std::abs(qGreen(got) - qGreen(want)), std::abs(qBlue(got) - qBlue(want)) });
                QVERIFY2(error <= tolerance,
                    qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(got, 8, 16)));
            }
        }
    }

    void unreadableFilesAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray good = small24();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("signature only") << good.left(2);
        QTest::newRow("file header only") << good.left(14);
        QTest::newRow("cut in the info header") << good.left(30);
        QTest::newRow("huge width") << patched(good, 18, 100000u);
        QTest::newRow("huge height") << patched(good, 22, 0x7FFFFFFF);
        QTest::newRow("most negative height") << patched(good, 22, 0x80000000u);
        QTest::newRow("just over the cap") << patched(good, 18, BackTileFile::MaxSide + 1);
        QTest::newRow("zero width") << patched(good, 18, 0);
        QTest::newRow("zero height") << patched(good, 22, 0);
        QTest::newRow("negative width") << patched(good, 18, quint32(-2));
        QTest::newRow("unknown header size") << patched(good, 14, 41);
        QTest::newRow("pixels past the end") << patched(good, 10, quint32(good.size()));
        QTest::newRow("pixels inside the header") << patched(good, 10, 20);
        QTest::newRow("embedded JPEG") << patched(good, 30, 4);
        QTest::newRow("odd bit count") << patched<quint16>(good, 28, 7);
        QTest::newRow("no planes") << patched<quint16>(good, 26, 0);
        QTest::newRow("not a bitmap") << QByteArray("GIF89a this is not a tile at all, only text.");
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        BackColourArt::pattern(3).save(&png, "PNG");
        QTest::newRow("PNG renamed") << png.data();
        BmpBuilder::Recipe rle { 3, 2, 8, BmpBuilder::Rle8 };
        rle.palette = { Red, Green, Blue };
        QTest::newRow("run-length without data") << BmpBuilder::make(rle);
    }
    void unreadableFilesAreIgnored()
    {
        QFETCH(QByteArray, file);
        TestSupport::DataFolder folder;
        folder.write(QStringLiteral("bakdatae"), file);
        QVERIFY(loadBackTile(folder.filePath(QStringLiteral("bakdatae"))).isNull());
        QVERIFY(decodeBackTile(file).isNull());
    }

    // An uncompressed file cut anywhere in its pixels would leave rows undefined: it is ignored.
    void cutUncompressedFilesAreIgnored()
    {
        BmpBuilder::Recipe recipe { 40, 30, 24 };
        recipe.pixels = QByteArray(40 * 3 * 30, char(0x80));
        const QByteArray good = BmpBuilder::make(recipe);
        QCOMPARE(decodeBackTile(good).size(), QSize(40, 30));
        for (int cut = 55; cut < good.size(); cut += 97)
            QVERIFY2(decodeBackTile(good.left(cut)).isNull(), qPrintable(QString::number(cut)));
    }

    // A missing tile file, or a folder in its place, paints nothing.
    void gameBackgroundIsPaintedFromTheFile()
    {
        TestSupport::DataFolder folder;
        const QString path = folder.filePath(QStringLiteral("bakdatal"));
        QImage canvas(50, 20, QImage::Format_RGB32);
        canvas.fill(Black);
        const QImage untouched = canvas;
        {
            QPainter painter(&canvas);
            QVERIFY(!paintBackTileFile(painter, path, canvas.rect()));
            QVERIFY(!paintBackTileFile(painter, folder.path(), canvas.rect()));
        }
        QCOMPARE(canvas, untouched);

        const QImage tile = BackTile::RenderBackTile(BackColourArt::pattern(3), 255, true);
        QVERIFY(saveBackTile(tile, path));
        {
            QPainter painter(&canvas);
            QVERIFY(paintBackTileFile(painter, path, canvas.rect()));
        }
        QCOMPARE(canvas, BackTile::renderPreview(canvas.size(), 0, tile));
    }
};

QTEST_MAIN(TestBackTileFile)
#include "tst_backtilefile.moc"
