// tst_artwork.cpp: the compiled-in artwork: presence, sizes, variety and puzzle-worthiness of the pictures,
// frame pieces that line up and repeat, faces, pointers and the icon.
#include "Artwork.h"

#include <QtTest>

#include <QSet>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
int luminance(QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; }

// Mean absolute channel difference of two images compared at 80 x 60.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage sa = a.scaled(80, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    const QImage sb = b.scaled(80, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) {
            const QRgb p = sa.pixel(x, y), q = sb.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (80.0 * 60.0 * 3.0);
}

// Plain areas: the picture is averaged over 8 x 8 cells (which removes fine grain) and cut into blocks
// of 4 x 4 cells. A block is plain when no cell in it departs from the mean of its four neighbours by
// PlainStep or more: flat colour and smooth gradients both qualify, texture and detail do not.
// Returns the share of the picture covered by the largest connected plain area.
double largestPlainShare(const QImage& picture)
{
    constexpr int Cell = 8, Block = 4;
    constexpr double PlainStep = 1.5;
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const int cw = img.width() / Cell, ch = img.height() / Cell;
    std::vector<double> cells(std::size_t(cw) * ch);
    for (int cy = 0; cy < ch; ++cy)
        for (int cx = 0; cx < cw; ++cx) {
            int sum = 0;
            for (int y = 0; y < Cell; ++y)
                for (int x = 0; x < Cell; ++x)
                    sum += luminance(img.pixel(cx * Cell + x, cy * Cell + y));
            cells[std::size_t(cy) * cw + cx] = double(sum) / (Cell * Cell);
        }
    auto cell = [&](int x, int y) { return cells[std::size_t(std::clamp(y, 0, ch - 1)) * cw + std::clamp(x, 0, cw - 1)]; };
    const int bw = cw / Block, bh = ch / Block;
    std::vector<int> plain(std::size_t(bw) * bh);
    for (int by = 0; by < bh; ++by)
        for (int bx = 0; bx < bw; ++bx) {
            double worst = 0;
            for (int y = by * Block; y < (by + 1) * Block; ++y)
                for (int x = bx * Block; x < (bx + 1) * Block; ++x) {
                    const double around = (cell(x - 1, y) + cell(x + 1, y) + cell(x, y - 1) + cell(x, y + 1)) / 4.0;
                    worst = std::max(worst, std::abs(cell(x, y) - around));
                }
            plain[std::size_t(by) * bw + bx] = worst < PlainStep ? 1 : 0;
        }
    // Largest 4-connected group of plain blocks.
    int best = 0;
    std::vector<int> stack;
    for (int start = 0; start < bw * bh; ++start) {
        if (plain[start] != 1)
            continue;
        int size = 0;
        stack.push_back(start);
        plain[start] = 2;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++size;
            const int x = i % bw, y = i / bw;
            for (auto [dx, dy] : { std::pair { 1, 0 }, { -1, 0 }, { 0, 1 }, { 0, -1 } }) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < bw && ny < bh && plain[std::size_t(ny) * bw + nx] == 1) {
                    plain[std::size_t(ny) * bw + nx] = 2;
                    stack.push_back(ny * bw + nx);
                }
            }
        }
        best = std::max(best, size);
    }
    return double(best) / double(bw * bh);
}

// A grained picture of a flat colour or a smooth gradient, to show that the measure above can fail.
QImage plainPicture(bool gradient)
{
    QImage img(800, 600, QImage::Format_RGB32);
    std::uint32_t state = 12345;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = int(state >> 24) % 11 - 5;
            const int base = gradient ? 40 + y * 160 / 600 + x * 40 / 800 : 120;
            img.setPixel(x, y, qRgb(std::clamp(base + grain, 0, 255), std::clamp(base / 2 + grain, 0, 255), 200));
        }
    return img;
}

// Number of distinct colours with 5 bits per channel.
int distinctColours(const QImage& picture)
{
    QSet<int> seen;
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            seen.insert((qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3));
        }
    return int(seen.size());
}

// How many of twelve hue sectors hold at least 1 % of the picture's clearly coloured pixels.
int hueSectors(const QImage& picture)
{
    std::vector<int> bins(12, 0);
    int coloured = 0;
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2) {
            const QColor c = QColor::fromRgb(img.pixel(x, y));
            if (c.hsvSaturation() < 60 || c.value() < 50)
                continue;
            ++bins[std::size_t(c.hsvHue() / 30)];
            ++coloured;
        }
    return int(std::count_if(bins.begin(), bins.end(), [&](int n) { return n * 100 >= coloured; }));
}

double meanLuminance(const QImage& image)
{
    double sum = 0;
    int count = 0;
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 128) {
                sum += luminance(img.pixel(x, y));
                ++count;
            }
    return count ? sum / count : 0.0;
}

// Mean absolute difference between a column (or row) of one image and one of another.
double lineDifference(const QImage& a, int aIndex, const QImage& b, int bIndex, bool columns, int offsetB, int count)
{
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        const QRgb p = columns ? a.pixel(aIndex, i) : a.pixel(i, aIndex);
        const QRgb q = columns ? b.pixel(bIndex, i + offsetB) : b.pixel(i + offsetB, bIndex);
        sum += std::abs(luminance(p) - luminance(q));
    }
    return sum / count;
}
}

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void pictureIsPuzzleWorthy_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < Artwork::builtInPictureCount(); ++i)
            QTest::addRow("picture %d", i) << i;
    }

    void pictureIsPuzzleWorthy()
    {
        QFETCH(int, index);
        const QImage picture = Artwork::builtInPicture(index);
        QVERIFY(!picture.isNull());
        QVERIFY2(picture.width() >= 640 && picture.height() >= 480, "smaller than 640 x 480");
        // No large plain area: pieces cut from it could not be told apart.
        const double plain = largestPlainShare(picture);
        QVERIFY2(plain < 0.04, qPrintable(QStringLiteral("largest plain area covers %1 %").arg(plain * 100, 0, 'f', 1)));
        // Many colours and several hues.
        const int colours = distinctColours(picture);
        QVERIFY2(colours > 800, qPrintable(QStringLiteral("only %1 distinct colours").arg(colours)));
        const int hues = hueSectors(picture);
        QVERIFY2(hues >= 4, qPrintable(QStringLiteral("only %1 hue sectors").arg(hues)));
    }

    void plainMeasureCatchesFlatAndGradient()
    {
        QVERIFY(largestPlainShare(plainPicture(false)) > 0.9);
        QVERIFY(largestPlainShare(plainPicture(true)) > 0.9);
    }

    void picturesDifferFromEachOther()
    {
        QCOMPARE(Artwork::builtInPictureCount(), 10);
        for (int i = 0; i < 10; ++i)
            for (int j = i + 1; j < 10; ++j) {
                const double d = meanDifference(Artwork::builtInPicture(i), Artwork::builtInPicture(j));
                QVERIFY2(d > 25.0, qPrintable(QStringLiteral("pictures %1 and %2 differ by only %3").arg(i).arg(j).arg(d)));
            }
    }

    void pictureIsDecodedOnce()
    {
        const QImage first = Artwork::builtInPicture(3);
        const QImage second = Artwork::builtInPicture(3);
        QCOMPARE(first.cacheKey(), second.cacheKey());
    }

    void invalidIdsGiveNullImages_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("id");
        QTest::newRow("picture -1") << "picture" << -1;
        QTest::newRow("picture 10") << "picture" << 10;
        QTest::newRow("face -1") << "face" << -1;
        QTest::newRow("face 6") << "face" << 6;
        QTest::newRow("frame 0") << "frame" << 0;
        QTest::newRow("frame 100") << "frame" << 100;
        QTest::newRow("frame 109") << "frame" << 109;
        QTest::newRow("frame 2") << "frame" << 2;
    }

    void invalidIdsGiveNullImages()
    {
        QFETCH(QString, kind);
        QFETCH(int, id);
        const QImage image = kind == "picture" ? Artwork::builtInPicture(id)
            : kind == "face"                   ? Artwork::buttonFace(id)
                                               : Artwork::frameBitmap(id);
        QVERIFY(image.isNull());
    }

    void frameBitmapsHaveTheirSizes_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        QTest::newRow("101 top-left") << 101 << QSize(31, 26);
        QTest::newRow("102 top") << 102 << QSize(357, 25);
        QTest::newRow("103 top-right") << 103 << QSize(29, 26);
        QTest::newRow("104 right") << 104 << QSize(28, 410);
        QTest::newRow("105 bottom-right") << 105 << QSize(27, 28);
        QTest::newRow("106 bottom") << 106 << QSize(353, 27);
        QTest::newRow("107 bottom-left") << 107 << QSize(31, 27);
        QTest::newRow("108 left") << 108 << QSize(30, 409);
    }

    void frameBitmapsHaveTheirSizes()
    {
        QFETCH(int, id);
        QFETCH(QSize, size);
        QCOMPARE(Artwork::frameBitmap(id).size(), size);
    }

    // Laid end to end, an edge must not show a seam: its last column (or row) continues into its first
    // as smoothly as any column continues into the next.
    void frameEdgesRepeatWithoutSeam_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("102") << 102 << true;
        QTest::newRow("104") << 104 << false;
        QTest::newRow("106") << 106 << true;
        QTest::newRow("108") << 108 << false;
    }

    void frameEdgesRepeatWithoutSeam()
    {
        QFETCH(int, id);
        QFETCH(bool, horizontal);
        const QImage edge = Artwork::frameBitmap(id).convertToFormat(QImage::Format_RGB32);
        const int length = horizontal ? edge.width() : edge.height();
        const int across = horizontal ? edge.height() : edge.width();
        double worstStep = 0;
        for (int i = 0; i + 1 < length; ++i)
            worstStep = std::max(worstStep, lineDifference(edge, i, edge, i + 1, horizontal, 0, across));
        const double seam = lineDifference(edge, length - 1, edge, 0, horizontal, 0, across);
        QVERIFY2(seam <= worstStep, qPrintable(QStringLiteral("seam %1 > largest step %2").arg(seam).arg(worstStep)));
    }

    // Each corner continues the moulding of the two edges it joins (aligned at the picture side).
    void cornersMeetTheirEdges_data()
    {
        QTest::addColumn<int>("corner");
        QTest::addColumn<int>("edge");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("cornerBeforeEdge");
        QTest::addColumn<bool>("alignEnd");
        QTest::newRow("101-102") << 101 << 102 << true << true << true;
        QTest::newRow("101-108") << 101 << 108 << false << true << true;
        QTest::newRow("103-102") << 103 << 102 << true << false << true;
        QTest::newRow("103-104") << 103 << 104 << false << true << false;
        QTest::newRow("105-104") << 105 << 104 << false << false << false;
        QTest::newRow("105-106") << 105 << 106 << true << false << false;
        QTest::newRow("107-106") << 107 << 106 << true << true << false;
        QTest::newRow("107-108") << 107 << 108 << false << false << true;
    }

    void cornersMeetTheirEdges()
    {
        QFETCH(int, corner);
        QFETCH(int, edge);
        QFETCH(bool, horizontal);
        QFETCH(bool, cornerBeforeEdge);
        QFETCH(bool, alignEnd);
        const QImage c = Artwork::frameBitmap(corner).convertToFormat(QImage::Format_RGB32);
        const QImage e = Artwork::frameBitmap(edge).convertToFormat(QImage::Format_RGB32);
        // For a horizontal edge compare columns: the corner's last (or first) column against the edge's
        // first (or last); the shared extent is the edge's thickness, aligned at the picture side.
        const int cLine = horizontal ? (cornerBeforeEdge ? c.width() - 1 : 0) : (cornerBeforeEdge ? c.height() - 1 : 0);
        const int eLine = horizontal ? (cornerBeforeEdge ? 0 : e.width() - 1) : (cornerBeforeEdge ? 0 : e.height() - 1);
        const int thickness = horizontal ? e.height() : e.width();
        const int cThickness = horizontal ? c.height() : c.width();
        const int count = std::min(thickness, cThickness);
        // Offsets into each image so that the picture sides line up.
        const QImage& longer = cThickness >= thickness ? c : e;
        const int shift = std::abs(cThickness - thickness);
        double sum = 0;
        for (int i = 0; i < count; ++i) {
            const int ci = (alignEnd && &longer == &c) ? i + shift : i;
            const int ei = (alignEnd && &longer == &e) ? i + shift : i;
            const QRgb p = horizontal ? c.pixel(cLine, ci) : c.pixel(ci, cLine);
            const QRgb q = horizontal ? e.pixel(eLine, ei) : e.pixel(ei, eLine);
            sum += std::abs(luminance(p) - luminance(q));
        }
        const double mean = sum / count;
        QVERIFY2(mean < 6.0, qPrintable(QStringLiteral("corner and edge differ by %1 at the joint").arg(mean)));
    }

    void highlightedFacesAreBrighter_data()
    {
        QTest::addColumn<int>("normal");
        QTest::newRow("jigsaw") << 0;
        QTest::newRow("sliding") << 1;
        QTest::newRow("leave") << 2;
    }

    void highlightedFacesAreBrighter()
    {
        QFETCH(int, normal);
        const QImage face = Artwork::buttonFace(normal), lit = Artwork::buttonFace(normal + 3);
        QVERIFY(!face.isNull());
        QCOMPARE(lit.size(), face.size());
        QVERIFY(face.width() >= 120 && face.height() >= 90);
        QVERIFY2(meanDifference(face, lit) > 8.0, "highlighted face looks like the normal one");
        QVERIFY(meanLuminance(lit) > meanLuminance(face) + 5.0);
        // The three normal faces are three different buttons.
        QVERIFY(meanDifference(face, Artwork::buttonFace((normal + 1) % 3)) > 10.0);
    }

    void pointersAreSmallAndCutOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("tile cursor") << "tile";
        QTest::newRow("holding") << "holding";
        QTest::newRow("normal") << "normal";
    }

    void pointersAreSmallAndCutOut()
    {
        QFETCH(QString, name);
        const QImage pointer = name == "tile" ? Artwork::tileCursor()
            : name == "holding"               ? Artwork::holdingPointer()
                                              : Artwork::normalPointer();
        QCOMPARE(pointer.size(), QSize(32, 32));
        QVERIFY(pointer.hasAlphaChannel());
        const QImage argb = pointer.convertToFormat(QImage::Format_ARGB32);
        int clear = 0, solid = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const int alpha = qAlpha(argb.pixel(x, y));
                clear += alpha == 0 ? 1 : 0;
                solid += alpha == 255 ? 1 : 0;
            }
        QVERIFY2(clear > 200 && solid > 80, "pointer should be an opaque shape on a clear ground");
    }

    void handsDiffer() { QVERIFY(Artwork::holdingPointer() != Artwork::normalPointer()); }

    void backgroundsArePresent()
    {
        QVERIFY(Artwork::loginBackground().width() >= 640);
        const QImage plate = Artwork::boardPlate();
        QCOMPARE(plate.size(), QSize(400, 300));
        // A textured plate, not a flat fill: many exact shades.
        QSet<QRgb> shades;
        for (int y = 0; y < plate.height(); y += 3)
            for (int x = 0; x < plate.width(); x += 3)
                shades.insert(plate.pixel(x, y));
        QVERIFY2(shades.size() > 300, qPrintable(QStringLiteral("only %1 shades on the plate").arg(shades.size())));
    }

    void iconHasEverySize()
    {
        const QIcon icon = Artwork::programIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (int s : { 16, 32, 48, 256 })
            QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QStringLiteral("no %1 px icon").arg(s)));
        QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
