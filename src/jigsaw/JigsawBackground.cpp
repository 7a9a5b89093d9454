// JigsawBackground.cpp: painting the jigsaw window's background and target area.
#include "JigsawBackground.h"

#include "Artwork.h"
#include "BackTile.h"
#include "PictureFrame.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <utility>

namespace {
QPointF toPixels(QPointF twips)
{
    return { Twips::toPixels(twips.x()), Twips::toPixels(twips.y()) };
}
} // namespace

JigsawBackground::JigsawBackground(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void JigsawBackground::setTile(const QImage& tile)
{
    m_tile = tile;
    update();
}

std::array<JigsawBackground::TargetLine, 4> JigsawBackground::targetLines(double windowWidth, QSizeF picture)
{
    const double x0 = windowWidth - TargetRightMargin - picture.width();
    const double y0 = TargetTop;
    const double x1 = x0 + picture.width() + TargetGrow;
    const double y1 = picture.height() + TargetTop + TargetGrow;
    const QColor dark = QColor::fromRgb(TargetDark);
    const QColor light = QColor::fromRgb(TargetLight);
    return { { { QLineF(x0, y0, x0, y1), dark }, { QLineF(x0, y0, x1, y0), dark },
        { QLineF(x1, y0, x1, y1), light }, { QLineF(x0, y1, x1, y1), light } } };
}

void JigsawBackground::showTarget(double windowWidth, QSizeF picture)
{
    m_lines = targetLines(windowWidth, picture);
    m_targetVisible = true;
    update();
}

void JigsawBackground::hideTarget()
{
    m_targetVisible = false;
    update();
}

void JigsawBackground::showBoard(QPointF boardPos, QSize boardSize, const QRegion& boardOutline)
{
    const QPointF plateTopLeft = toPixels(boardPos - QPointF(PlateMargin, PlateMargin));
    const QPointF plateSize(
        boardSize.width() + Twips::toPixels(PlateMargin), boardSize.height() + Twips::toPixels(PlateMargin));
    m_plate = QRectF(plateTopLeft, QSizeF(plateSize.x(), plateSize.y())).toRect();
    const QPoint shadowAt = toPixels(boardPos + QPointF(BoardShadowOffset, BoardShadowOffset)).toPoint();
    m_boardShadow = boardOutline.translated(shadowAt);
    if (m_plateImage.isNull())
        m_plateImage = Artwork::boardPlate();
    m_boardVisible = true;
    update();
}

void JigsawBackground::hideBoard()
{
    m_boardVisible = false;
    m_boardShadow = {};
    update();
}

QRect JigsawBackground::framedArea() const
{
    if (m_targetVisible) {
        const QPointF a = toPixels(m_lines[0].line.p1());
        const QPointF b = toPixels(m_lines[2].line.p2());
        return QRectF(a, b).toRect();
    }
    if (m_boardVisible)
        return m_plate;
    return {};
}

void JigsawBackground::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (!m_tile.isNull()) {
        // Tiles stay aligned to the surface's corner whatever part is repainted.
        const int left = dirty.left() - dirty.left() % m_tile.width();
        const int top = dirty.top() - dirty.top() % m_tile.height();
        painter.setClipRect(dirty);
        BackTile::paintTiled(painter, m_tile, QRect(QPoint(left, top), dirty.bottomRight()));
        painter.setClipping(false);
    }
    const QRect framed = framedArea();
    if (!framed.isEmpty() && PictureFrame::bounds(framed).intersects(dirty))
        PictureFrame::paint(painter, framed);
    if (m_boardVisible) {
        if (m_plate.intersects(dirty))
            painter.drawImage(m_plate, m_plateImage);
        painter.setClipRegion(m_boardShadow.intersected(dirty));
        painter.fillRect(m_boardShadow.boundingRect(), Qt::black);
        painter.setClipping(false);
    }
    if (m_targetVisible) {
        for (const TargetLine& line : m_lines) {
            painter.setPen(QPen(line.colour, 1));
            painter.drawLine(QLineF(toPixels(line.line.p1()), toPixels(line.line.p2())));
        }
    }
}

void JigsawBackground::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        m_pressTaken = onContextPress && onContextPress(event->position().toPoint());
}

void JigsawBackground::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton || std::exchange(m_pressTaken, false))
        return;
    if (onContextRelease)
        onContextRelease(event->globalPosition().toPoint());
}

void JigsawBackground::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (onResized)
        onResized();
}
