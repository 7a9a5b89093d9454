// Pointers.cpp: the mouse pointers (tile cursor, open and grabbing hands) and the jigsaw's backing plate.
#include "Colour.h"
#include "Constants.h"
#include "Furniture.h"
#include "Noise.h"
#include "Raster.h"
#include "Rng.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Furniture {

namespace {
QImage transparentSquare()
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QPainterPath capsule(QPointF a, QPointF b, double radius)
{
    QPainterPathStroker stroker;
    stroker.setWidth(radius * 2);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath line(a);
    line.lineTo(b);
    return stroker.createStroke(line).united(line);
}

// White glove-like hand with a black outline, the usual look of pointers.
void drawHand(QPainter& p, const QPainterPath& hand)
{
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
}
}

QImage normalPointer()
{
    QImage img = transparentSquare();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Open hand: palm and four spread fingers and a thumb.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9, 14, 15, 14), 5, 5);
    hand = hand.united(capsule(QPointF(11, 15), QPointF(10, 6), 1.9));
    hand = hand.united(capsule(QPointF(15, 14), QPointF(15, 3.5), 1.9));
    hand = hand.united(capsule(QPointF(19, 14), QPointF(20, 4.5), 1.9));
    hand = hand.united(capsule(QPointF(22.5, 16), QPointF(25, 8), 1.8));
    hand = hand.united(capsule(QPointF(10, 22), QPointF(4.5, 16), 2.0));
    drawHand(p, hand);
    p.setPen(QPen(QColor(120, 120, 120), 0.8));
    p.drawLine(QPointF(13, 19), QPointF(13, 24));
    p.drawLine(QPointF(17, 19), QPointF(17, 24));
    p.drawLine(QPointF(21, 19), QPointF(21, 24));
    return img;
}

QImage holdingPointer()
{
    QImage img = transparentSquare();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Closed, grabbing hand: curled fingers as knuckles over the palm.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 12, 17, 15), 6, 6);
    for (int i = 0; i < 4; ++i)
        hand = hand.united(capsule(QPointF(10.5 + i * 4, 11), QPointF(10.5 + i * 4, 13), 2.1));
    hand = hand.united(capsule(QPointF(9, 21), QPointF(5.5, 17), 2.0));
    drawHand(p, hand);
    p.setPen(QPen(QColor(110, 110, 110), 0.8));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(12.5 + i * 4, 10.5), QPointF(12.5 + i * 4, 15));
    p.drawArc(QRectF(10, 15, 13, 6), 200 * 16, 140 * 16);
    return img;
}

QImage tileCursor()
{
    QImage img = transparentSquare();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A small picture tile, carried at the lower right of an arrow.
    const QRectF tile(13, 13, 17, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(tile.translated(1.5, 1.5), 2, 2);
    QLinearGradient sky(0, tile.top(), 0, tile.bottom());
    sky.setColorAt(0, QColor(90, 150, 240));
    sky.setColorAt(0.55, QColor(250, 180, 100));
    sky.setColorAt(0.56, QColor(60, 140, 70));
    sky.setColorAt(1, QColor(30, 90, 40));
    p.setBrush(sky);
    p.setPen(QPen(QColor(30, 30, 40), 1));
    p.drawRoundedRect(tile, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 160));
    p.drawEllipse(QPointF(24, 20), 2.6, 2.6);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(14.5, 14), QPointF(28.5, 14));
    // The arrow.
    QPolygonF arrow;
    arrow << QPointF(1, 1) << QPointF(1, 17) << QPointF(5, 13) << QPointF(8, 20) << QPointF(10.5, 19) << QPointF(7.5, 12)
          << QPointF(13, 12);
    p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    return img;
}

QImage boardPlate()
{
    const int w = 400, h = 300;
    const Noise n(13001);
    QImage img = Raster::generate(w, h, [&](int x, int y) {
        // Dark green baize: mottled dye and a fine nap.
        const float mottle = n.fbm(x / 60.0f, y / 60.0f, 4);
        const float nap = n.fbm(x / 2.5f, y / 2.5f, 2);
        QRgb c = Colour::mix(0xff0e3a26, 0xff1e5a3a, 0.5f + 0.35f * mottle);
        c = Colour::scale(c, 0.9f + 0.12f * nap);
        // A bevelled rim: light on the upper and left edges, shadow on the lower and right.
        const float edge = float(std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y)));
        if (edge < 6.0f) {
            const bool upperLeft = std::min(x, y) <= std::min(w - 1 - x, h - 1 - y);
            c = Colour::scale(c, upperLeft ? 1.5f - edge * 0.08f : 0.5f + edge * 0.08f);
        }
        return c;
    });
    Rng rng(13002);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Stray fibres.
    for (int i = 0; i < 700; ++i) {
        const QPointF a(rng.range(6, w - 6), rng.range(6, h - 6));
        const double ang = rng.range(0, 2 * Art::Pi), len = rng.range(2, 6);
        p.setPen(QPen(QColor(rng.chance(0.5) ? 60 : 10, rng.chance(0.5) ? 120 : 40, 80, 60), 0.6));
        p.drawLine(a, a + QPointF(std::cos(ang) * len, std::sin(ang) * len));
    }
    p.end();
    return img;
}

} // namespace Furniture
