// TilePainting.cpp: how a sliding tile looks: its part of the picture, its number and its border.
#include "TilePainting.h"

#include "ColourValue.h"
#include "Twips.h"

#include <QPainter>

namespace TilePainting {

QString numberText(int tile)
{
    return QStringLiteral("%1").arg(tile, 2, 10, QLatin1Char('0')).left(2);
}

QFont numberFont()
{
    QFont font;
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

QColor numberColour() { return QColor(255, 0, 0); }

QColor borderColour(int backColourValue) { return ColourValue::toColor(16777215LL - backColourValue); }

QImage piece(const QImage& source, int gridSize, Cell cell, QSize size)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    if (source.isNull() || gridSize < 1)
        return image;
    const double width = double(source.width()) / gridSize;
    const double height = double(source.height()) / gridSize;
    const QRectF from(cell.column * width, cell.row * height, width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size())), source, from);
    return image;
}

void paintNumber(QPainter& painter, int tile)
{
    painter.save();
    painter.setFont(numberFont());
    painter.setPen(numberColour());
    const QFontMetrics metrics(painter.font());
    painter.drawText(QPoint(NumberOffset, NumberOffset + metrics.ascent()), numberText(tile));
    painter.restore();
}

void paintBorder(QPainter& painter, QSize size, const QColor& colour)
{
    painter.save();
    painter.setPen(QPen(colour, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter.restore();
}

QRect toPixels(const QRectF& twips)
{
    const int left = Twips::toPixelsInt(twips.left());
    const int top = Twips::toPixelsInt(twips.top());
    const int right = Twips::toPixelsInt(twips.left() + twips.width());
    const int bottom = Twips::toPixelsInt(twips.top() + twips.height());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace TilePainting
