// Faces.cpp: the start window's button faces and background, and the program icon.
#include "Colour.h"
#include "Furniture.h"
#include "Noise.h"
#include "Raster.h"
#include "Rng.h"
#include "Shapes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Furniture {

namespace {
constexpr int FaceW = 160, FaceH = 120;

// A jigsaw piece with a bevel: flat colour, light upper-left rim, dark lower-right rim.
void bevelledPiece(QPainter& p, const QPainterPath& piece, QColor colour, double bevel)
{
    const QRectF box = piece.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(0.5, colour);
    g.setColorAt(1, colour.darker(135));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(piece);
    p.save();
    p.setClipPath(piece);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 130), bevel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(piece.translated(bevel * 0.5, bevel * 0.5));
    p.setPen(QPen(QColor(0, 0, 0, 90), bevel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(piece.translated(-bevel * 0.5, -bevel * 0.5));
    p.restore();
    p.setPen(QPen(colour.darker(220), std::max(0.6, bevel * 0.3)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(piece);
}

void panel(QPainter& p, QColor top, QColor bottom, bool lit)
{
    const QRectF r(3, 3, FaceW - 6, FaceH - 6);
    if (lit) {
        // A soft golden glow around the lit face.
        for (int i = 3; i >= 1; --i) {
            p.setPen(QPen(QColor(255, 220, 120, 60), i * 2.0));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r, 16, 16);
        }
    }
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, lit ? top.lighter(135) : top);
    g.setColorAt(1, lit ? bottom.lighter(130) : bottom);
    p.setPen(QPen(lit ? QColor(255, 225, 140) : bottom.darker(160), lit ? 2.5 : 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r, 16, 16);
    // A little texture and a glassy sheen on the upper half.
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(r, 16, 16);
    p.setClipPath(clip);
    Rng rng(12001);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        p.setBrush(QColor(255, 255, 255, rng.below(18)));
        p.drawEllipse(QPointF(rng.range(0, FaceW), rng.range(0, FaceH)), rng.range(1, 4), rng.range(1, 4));
    }
    QLinearGradient sheen(0, r.top(), 0, r.center().y());
    sheen.setColorAt(0, QColor(255, 255, 255, lit ? 90 : 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(QRectF(r.left() + 4, r.top() + 3, r.width() - 8, r.height() * 0.45), 12, 12);
    p.restore();
}

void jigsawMotif(QPainter& p, bool lit)
{
    const QColor colours[] = { QColor(230, 70, 60), QColor(250, 190, 40), QColor(60, 170, 90), QColor(60, 120, 220) };
    const double s = 34;
    const QPointF origin(44, 27);
    const std::array<std::array<int, 4>, 4> tabs { { { 0, 1, -1, 0 }, { 0, 0, 1, -1 }, { 1, -1, 0, 0 }, { -1, 0, 0, 1 } } };
    for (int i = 0; i < 4; ++i) {
        const int row = i / 2, col = i % 2;
        QPointF at = origin + QPointF(col * s, row * s);
        if (i == 3)
            at += lit ? QPointF(12, 10) : QPointF(7, 6); // the loose piece, lifted out
        QPainterPath piece = Shapes::jigsawPiece(QRectF(at, QSizeF(s, s)), tabs[i]);
        if (i == 3) {
            QTransform t;
            t.translate(at.x() + s / 2, at.y() + s / 2);
            t.rotate(lit ? 14 : 8);
            t.translate(-(at.x() + s / 2), -(at.y() + s / 2));
            piece = t.map(piece);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 70));
            p.drawPath(piece.translated(4, 5));
        }
        bevelledPiece(p, piece, lit ? colours[i].lighter(118) : colours[i], 3.0);
    }
}

void slidingMotif(QPainter& p, bool lit)
{
    const double s = 26, gap = 3;
    const QPointF origin(80 - (3 * s + 2 * gap) / 2, 60 - (3 * s + 2 * gap) / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 40, 120));
    p.drawRoundedRect(QRectF(origin - QPointF(4, 4), QSizeF(3 * s + 2 * gap + 8, 3 * s + 2 * gap + 8)), 6, 6);
    // Each tile shows its part of a small sunset picture.
    const int blank = 8;
    for (int i = 0; i < 9; ++i) {
        if (i == blank)
            continue;
        const int row = i / 3, col = i % 3;
        QPointF at = origin + QPointF(col * (s + gap), row * (s + gap));
        if (i == 7)
            at += QPointF(lit ? 14 : 8, 0); // sliding towards the gap
        const QRectF tile(at, QSizeF(s, s));
        QLinearGradient sky(0, origin.y(), 0, origin.y() + 3 * s);
        sky.setColorAt(0, lit ? QColor(120, 170, 255) : QColor(90, 140, 230));
        sky.setColorAt(0.55, lit ? QColor(255, 190, 120) : QColor(245, 160, 90));
        sky.setColorAt(0.56, QColor(50, 120, 60));
        sky.setColorAt(1, QColor(30, 80, 40));
        p.save();
        QPainterPath clip;
        clip.addRoundedRect(tile, 4, 4);
        p.setClipPath(clip);
        p.translate(at - (origin + QPointF(col * (s + gap), row * (s + gap))));
        p.fillRect(QRectF(origin.x() - 20, origin.y(), 3 * s + 2 * gap + 40, 3 * s + 2 * gap), sky);
        p.setBrush(QColor(255, 236, 150));
        p.drawEllipse(origin + QPointF(1.5 * s, 1.45 * s), s * 0.5, s * 0.5);
        p.setBrush(QColor(40, 100, 50));
        p.drawEllipse(origin + QPointF(0.6 * s, 2.2 * s), s * 1.2, s * 0.6);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
        p.drawLine(tile.topLeft() + QPointF(2, 1), tile.topRight() + QPointF(-2, 1));
        p.drawLine(tile.topLeft() + QPointF(1, 2), tile.bottomLeft() + QPointF(1, -2));
        p.setPen(QPen(QColor(0, 0, 0, 120), 1.5));
        p.drawRoundedRect(tile, 4, 4);
    }
    // An arrow shows the move into the blank.
    p.setPen(QPen(lit ? QColor(255, 240, 170) : QColor(255, 255, 255, 220), 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF a = origin + QPointF(2 * (s + gap) + s * 0.2, 2 * (s + gap) + s * 0.5);
    p.drawLine(a, a + QPointF(s * 0.6, 0));
    p.drawLine(a + QPointF(s * 0.6, 0), a + QPointF(s * 0.35, -s * 0.22));
    p.drawLine(a + QPointF(s * 0.6, 0), a + QPointF(s * 0.35, s * 0.22));
}

void doorMotif(QPainter& p, bool lit)
{
    const QRectF frame(52, 18, 52, 86);
    // Light pours from the open doorway.
    QLinearGradient glow(frame.topLeft(), frame.topRight());
    glow.setColorAt(0, lit ? QColor(255, 250, 210) : QColor(255, 236, 170));
    glow.setColorAt(1, lit ? QColor(255, 210, 110) : QColor(240, 180, 90));
    p.setPen(QPen(QColor(70, 40, 20), 5));
    p.setBrush(glow);
    p.drawRect(frame);
    QPolygonF spill;
    spill << frame.bottomLeft() << frame.bottomRight() << QPointF(frame.right() + 30, 112) << QPointF(frame.left() - 6, 112);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 150, lit ? 120 : 80));
    p.drawPolygon(spill);
    // The door, swung open towards the viewer.
    QPolygonF door;
    door << frame.topLeft() << QPointF(frame.left() + 30, frame.top() - 8) << QPointF(frame.left() + 30, frame.bottom() + 10)
         << frame.bottomLeft();
    QLinearGradient wood(frame.topLeft(), QPointF(frame.left() + 30, frame.top()));
    wood.setColorAt(0, QColor(120, 60, 30));
    wood.setColorAt(1, QColor(170, 95, 45));
    p.setBrush(wood);
    p.setPen(QPen(QColor(60, 30, 15), 1.5));
    p.drawPolygon(door);
    p.setPen(QPen(QColor(90, 45, 20), 1.2));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(frame.left() + i * 7.5, frame.top() - i * 2 + 2), QPointF(frame.left() + i * 7.5, frame.bottom() + i * 2.5 - 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 80));
    p.drawEllipse(QPointF(frame.left() + 25, frame.center().y() + 2), 2.5, 2.5);
    // Arrow pointing out.
    const QColor arrow = lit ? QColor(255, 250, 200) : QColor(255, 255, 255, 230);
    QPainterPath a(QPointF(108, 60));
    a.lineTo(128, 60);
    a.lineTo(128, 52);
    a.lineTo(144, 66);
    a.lineTo(128, 80);
    a.lineTo(128, 72);
    a.lineTo(108, 72);
    a.closeSubpath();
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(a.translated(2, 2));
    p.setBrush(arrow);
    p.setPen(QPen(QColor(120, 30, 20), 1.2));
    p.drawPath(a);
}
}

QImage buttonFace(int index)
{
    if (index < 0 || index > 5)
        return {};
    const int motif = index % 3;
    const bool lit = index >= 3;
    QImage img(FaceW, FaceH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (motif) {
    case 0:
        panel(p, QColor(40, 120, 170), QColor(20, 60, 100), lit);
        jigsawMotif(p, lit);
        break;
    case 1:
        panel(p, QColor(120, 70, 170), QColor(60, 30, 100), lit);
        slidingMotif(p, lit);
        break;
    default:
        panel(p, QColor(170, 70, 50), QColor(100, 30, 25), lit);
        doorMotif(p, lit);
        break;
    }
    return img;
}

QImage loginBackground()
{
    const int w = 640, h = 480;
    const Noise n(12101);
    static const Ramp velvet { { 0.0f, 0xff101830 }, { 0.5f, 0xff24305a }, { 1.0f, 0xff3a2458 } };
    QImage img = Raster::generate(w, h, [&](int x, int y) {
        const float t = 0.5f + 0.5f * n.fbm(x / 220.0f, y / 220.0f, 5);
        QRgb c = velvet.at(t);
        return Colour::scale(c, 0.9f + 0.1f * n.fbm(x / 4.0f, y / 4.0f, 2));
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A faint embossed jigsaw cut over the whole background.
    const double cell = 64;
    Rng rng(12102);
    for (int row = 0; row * cell < h; ++row)
        for (int col = 0; col * cell < w; ++col) {
            const std::array<int, 4> tabs { row ? ((row + col) % 2 ? 1 : -1) : 0, (row + col) % 2 ? -1 : 1,
                (row + col) % 2 ? -1 : 1, col ? ((row + col) % 2 ? 1 : -1) : 0 };
            const QPainterPath piece = Shapes::jigsawPiece(QRectF(col * cell, row * cell, cell, cell), tabs);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 255, 255, 22), 1.5));
            p.drawPath(piece.translated(1, 1));
            p.setPen(QPen(QColor(0, 0, 0, 50), 1.5));
            p.drawPath(piece);
        }
    // A soft pool of light in the middle, where the buttons sit.
    QRadialGradient pool(QPointF(w / 2.0, h / 2.0), w * 0.45);
    pool.setColorAt(0, QColor(255, 220, 160, 60));
    pool.setColorAt(1, QColor(255, 220, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(pool);
    p.drawRect(QRectF(0, 0, w, h));
    // Loose pieces around the border, some half off the edge, each with its own little scene.
    const QColor colours[] = { QColor(230, 80, 60), QColor(250, 190, 50), QColor(70, 180, 100), QColor(70, 130, 230),
        QColor(190, 90, 210), QColor(40, 190, 200) };
    const QPointF spots[] = { { 40, 50 }, { 170, 18 }, { 470, 30 }, { 610, 90 }, { 600, 250 }, { 625, 420 },
        { 470, 455 }, { 300, 470 }, { 130, 440 }, { 20, 330 }, { 30, 190 }, { 330, 10 } };
    for (int i = 0; i < 12; ++i) {
        const double s = rng.range(48, 72);
        std::array<int, 4> tabs;
        for (int& t : tabs)
            t = rng.chance(0.5) ? 1 : -1;
        QPainterPath piece = Shapes::jigsawPiece(QRectF(-s / 2, -s / 2, s, s), tabs);
        QTransform t;
        t.translate(spots[i].x(), spots[i].y());
        t.rotate(rng.range(-40, 40));
        piece = t.map(piece);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 100));
        p.drawPath(piece.translated(6, 7));
        bevelledPiece(p, piece, colours[i % 6], 4.0);
        // A hill and a sun painted on the piece.
        p.save();
        p.setClipPath(piece);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 220, 120));
        p.drawEllipse(t.map(QPointF(s * 0.15, -s * 0.15)), s * 0.13, s * 0.13);
        p.setBrush(QColor(20, 40, 30, 70));
        p.drawEllipse(t.map(QPointF(-s * 0.1, s * 0.45)), s * 0.55, s * 0.3);
        p.restore();
    }
    p.end();
    Raster::vignette(img, 0.45f);
    return img;
}

QImage programIcon(int size)
{
    if (size <= 0)
        return {};
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The body takes 60 % of the square; the knobs on top and right reach out another 18 %.
    const double s = size * 0.6, o = size * 0.1;
    const QPainterPath piece = Shapes::jigsawPiece(QRectF(o, o + s * 0.3, s, s), { 1, 1, -1, -1 });
    if (size >= 32) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(piece.translated(size * 0.025, size * 0.035));
    }
    QLinearGradient g(0, 0, size, size);
    g.setColorAt(0, QColor(255, 190, 70));
    g.setColorAt(0.55, QColor(240, 110, 40));
    g.setColorAt(1, QColor(190, 50, 40));
    p.setBrush(g);
    p.drawPath(piece);
    if (size >= 32) {
        // A small landscape painted on the piece: the picture in the puzzle.
        p.save();
        p.setClipPath(piece);
        p.setBrush(QColor(255, 245, 200, 210));
        p.drawEllipse(QPointF(o + s * 0.68, o + s * 0.68), s * 0.14, s * 0.14);
        p.setBrush(QColor(70, 150, 70));
        p.drawEllipse(QPointF(o + s * 0.3, o + s * 1.45), s * 0.75, s * 0.5);
        p.setBrush(QColor(40, 110, 60));
        p.drawEllipse(QPointF(o + s * 0.95, o + s * 1.5), s * 0.6, s * 0.45);
        p.restore();
        const double bevel = size * 0.04;
        p.save();
        p.setClipPath(piece);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), bevel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(piece.translated(bevel * 0.5, bevel * 0.5));
        p.setPen(QPen(QColor(0, 0, 0, 80), bevel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(piece.translated(-bevel * 0.5, -bevel * 0.5));
        p.restore();
    }
    p.setPen(QPen(QColor(90, 30, 20), std::max(1.0, size / 48.0)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(piece);
    return img;
}

} // namespace Furniture
