// Check.cpp: statistics that tell a puzzle-worthy picture and a seamless frame from a bad one.
#include "Check.h"

#include <QColor>
#include <QImage>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace Check {

namespace {
int failures = 0;

void expect(bool ok, const QString& what)
{
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "artgen --check: %s\n", qPrintable(what));
    }
}

int luminance(QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; }

// Mean absolute channel difference of two images compared at 80 x 60.
double meanDifference(const QImage& a, const QImage& b)
{
    auto small = [](const QImage& i) {
        return i.scaled(80, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    };
    const QImage sa = small(a), sb = small(b);
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
// 1.5 or more: flat colour and smooth gradients both qualify, texture and detail do not.
// Returns the share of the picture covered by the largest connected plain area.
double largestPlainShare(const QImage& picture)
{
    constexpr int Cell = 8, Block = 4;
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
            plain[std::size_t(by) * bw + bx] = worst < 1.5 ? 1 : 0;
        }
    int best = 0; // largest 4-connected group of plain blocks
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
    return bw * bh > 0 ? double(best) / double(bw * bh) : 1.0;
}

// A grained picture of a flat colour or a smooth gradient: the plain measure must flag both.
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
int distinctColours(const QImage& img)
{
    QSet<int> seen;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            seen.insert((qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3));
        }
    return int(seen.size());
}

// How many of twelve hue sectors hold at least 1 % of the picture's clearly coloured pixels.
int hueSectors(const QImage& img)
{
    std::vector<int> bins(12, 0);
    int coloured = 0;
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

// Mean luminance difference between line aIndex of a and line bIndex of b (columns or rows),
// over count pixels starting at aFrom and bFrom along the line.
double lineDifference(const QImage& a, int aIndex, int aFrom, const QImage& b, int bIndex, int bFrom, bool columns,
                      int count)
{
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        const QRgb p = columns ? a.pixel(aIndex, aFrom + i) : a.pixel(aFrom + i, aIndex);
        const QRgb q = columns ? b.pixel(bIndex, bFrom + i) : b.pixel(bFrom + i, bIndex);
        sum += std::abs(luminance(p) - luminance(q));
    }
    return count ? sum / count : 0.0;
}

QImage load(const QDir& dir, const QString& name, bool alpha = false)
{
    const QImage image(dir.filePath(name + QStringLiteral(".png")));
    expect(!image.isNull(), name + QStringLiteral(".png is missing or unreadable"));
    return image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

void checkPictures(const QDir& dir)
{
    expect(largestPlainShare(plainPicture(false)) > 0.9 && largestPlainShare(plainPicture(true)) > 0.9,
           QStringLiteral("the plain-area measure misses a flat or a gradient picture"));
    std::vector<QImage> pictures;
    for (int i = 0; i < 10; ++i) {
        const QImage p = load(dir, QStringLiteral("picture%1").arg(i));
        pictures.push_back(p);
        if (p.isNull())
            continue;
        const QString name = QStringLiteral("picture %1: ").arg(i);
        expect(p.width() >= 640 && p.height() >= 480, name + QStringLiteral("smaller than 640 x 480"));
        // Pieces cut from a large plain area could not be told apart.
        const double plain = largestPlainShare(p);
        expect(plain < 0.04, name + QStringLiteral("largest plain area covers %1 %").arg(plain * 100, 0, 'f', 1));
        const int colours = distinctColours(p), hues = hueSectors(p);
        expect(colours > 800, name + QStringLiteral("only %1 distinct colours").arg(colours));
        expect(hues >= 4, name + QStringLiteral("only %1 hue sectors").arg(hues));
    }
    for (int i = 0; i < 10; ++i)
        for (int j = i + 1; j < 10; ++j) {
            const double d = meanDifference(pictures[i], pictures[j]);
            expect(d > 25.0, QStringLiteral("pictures %1 and %2 differ by only %3").arg(i).arg(j).arg(d));
        }
}

// The frame: every piece its size; laid end to end an edge shows no seam (its last line continues
// into its first as smoothly as any line into the next); each corner continues the moulding of the
// two edges it joins, aligned at the picture side.
void checkFrame(const QDir& dir)
{
    const QSize sizes[] = { { 31, 26 }, { 357, 25 }, { 29, 26 }, { 28, 410 }, { 27, 28 }, { 353, 27 }, { 31, 27 }, { 30, 409 } };
    QImage frame[9];
    for (int id = 101; id <= 108; ++id) {
        frame[id - 100] = load(dir, QStringLiteral("frame%1").arg(id));
        expect(frame[id - 100].size() == sizes[id - 101], QStringLiteral("frame%1 has the wrong size").arg(id));
    }
    for (int id : { 102, 104, 106, 108 }) {
        const QImage& edge = frame[id - 100];
        const bool horizontal = id == 102 || id == 106;
        const int length = horizontal ? edge.width() : edge.height(), across = horizontal ? edge.height() : edge.width();
        double worstStep = 0;
        for (int i = 0; i + 1 < length; ++i)
            worstStep = std::max(worstStep, lineDifference(edge, i, 0, edge, i + 1, 0, horizontal, across));
        const double seam = lineDifference(edge, length - 1, 0, edge, 0, 0, horizontal, across);
        expect(seam <= worstStep, QStringLiteral("frame%1: seam %2 > largest step %3").arg(id).arg(seam).arg(worstStep));
    }
    struct Joint {
        int corner, edge;
        bool horizontal, cornerBeforeEdge, alignEnd;
    };
    const Joint joints[] = { { 101, 102, true, true, true }, { 101, 108, false, true, true },
                             { 103, 102, true, false, true }, { 103, 104, false, true, false },
                             { 105, 104, false, false, false }, { 105, 106, true, false, false },
                             { 107, 106, true, true, false }, { 107, 108, false, false, true } };
    for (const Joint& j : joints) {
        const QImage &c = frame[j.corner - 100], &e = frame[j.edge - 100];
        if (c.isNull() || e.isNull())
            continue;
        const int cLine = j.cornerBeforeEdge ? (j.horizontal ? c.width() : c.height()) - 1 : 0;
        const int eLine = j.cornerBeforeEdge ? 0 : (j.horizontal ? e.width() : e.height()) - 1;
        const int thickness = j.horizontal ? e.height() : e.width(), cThickness = j.horizontal ? c.height() : c.width();
        const int shift = j.alignEnd ? std::abs(cThickness - thickness) : 0;
        const bool cornerLonger = cThickness >= thickness;
        const double mean = lineDifference(c, cLine, cornerLonger ? shift : 0, e, eLine, cornerLonger ? 0 : shift, j.horizontal,
                                           std::min(thickness, cThickness));
        expect(mean < 6.0, QStringLiteral("corner %1 and edge %2 differ by %3 at the joint").arg(j.corner).arg(j.edge).arg(mean));
    }
}

void checkFurniture(const QDir& dir)
{
    for (int normal = 0; normal < 3; ++normal) {
        const QImage face = load(dir, QStringLiteral("face%1").arg(normal), true);
        const QImage lit = load(dir, QStringLiteral("face%1").arg(normal + 3), true);
        const QString name = QStringLiteral("face%1: ").arg(normal);
        expect(lit.size() == face.size() && face.width() >= 120 && face.height() >= 90, name + QStringLiteral("wrong size"));
        expect(meanDifference(face, lit) > 8.0 && meanLuminance(lit) > meanLuminance(face) + 5.0,
               name + QStringLiteral("the highlighted face is not brighter"));
        expect(meanDifference(face, load(dir, QStringLiteral("face%1").arg((normal + 1) % 3), true)) > 10.0,
               name + QStringLiteral("looks like another button"));
    }
    for (const char* name : { "tilecursor", "holding", "normal" }) {
        const QImage pointer = load(dir, QString::fromLatin1(name), true);
        int clear = 0, solid = 0;
        for (int y = 0; y < pointer.height(); ++y)
            for (int x = 0; x < pointer.width(); ++x) {
                clear += qAlpha(pointer.pixel(x, y)) == 0 ? 1 : 0;
                solid += qAlpha(pointer.pixel(x, y)) == 255 ? 1 : 0;
            }
        expect(pointer.size() == QSize(32, 32) && clear > 200 && solid > 80,
               QString::fromLatin1(name) + QStringLiteral(": not a 32 x 32 opaque shape on a clear ground"));
    }
    expect(load(dir, QStringLiteral("holding"), true) != load(dir, QStringLiteral("normal"), true),
           QStringLiteral("the two hands are the same"));
    expect(load(dir, QStringLiteral("login")).width() >= 640, QStringLiteral("login background narrower than 640"));
    const QImage plate = load(dir, QStringLiteral("plate"));
    QSet<QRgb> shades; // a textured plate, not a flat fill
    for (int y = 0; y < plate.height(); y += 3)
        for (int x = 0; x < plate.width(); x += 3)
            shades.insert(plate.pixel(x, y));
    expect(plate.size() == QSize(400, 300) && shades.size() > 300, QStringLiteral("plate: not a textured 400 x 300"));
    for (int s : { 16, 32, 48, 256 })
        expect(load(dir, QStringLiteral("icon%1").arg(s), true).size() == QSize(s, s), QStringLiteral("no %1 px icon").arg(s));
}
} // namespace

int checkArtwork(const QDir& dir)
{
    failures = 0;
    checkPictures(dir);
    checkFrame(dir);
    checkFurniture(dir);
    std::printf("artgen --check: %d rule%s broken\n", failures, failures == 1 ? "" : "s");
    return failures;
}

} // namespace Check
