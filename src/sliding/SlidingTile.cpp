// SlidingTile.cpp: one tile surface of the sliding board.
#include "SlidingTile.h"

#include "TilePainting.h"

#include <QMouseEvent>
#include <QPainter>

SlidingTile::SlidingTile(int index, QWidget* parent)
    : QWidget(parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("Pic_show%1").arg(index));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void SlidingTile::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void SlidingTile::removePicture()
{
    m_picture = QImage();
    update();
}

void SlidingTile::setFaceColour(const QColor& colour)
{
    m_faceColour = colour;
    update();
}

void SlidingTile::clearLayer()
{
    m_number = false;
    m_border = false;
    update();
}

void SlidingTile::drawNumber()
{
    m_number = true;
    update();
}

void SlidingTile::drawBorder(const QColor& colour)
{
    m_border = true;
    m_borderColour = colour;
    update();
}

QImage SlidingTile::appearance() const
{
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter painter(&image);
    paintFace(painter);
    return image;
}

void SlidingTile::paintFace(QPainter& painter) const
{
    if (m_picture.isNull())
        painter.fillRect(rect(), m_faceColour);
    else
        painter.drawImage(rect(), m_picture);
    if (m_number)
        TilePainting::paintNumber(painter, m_index);
    if (m_border)
        TilePainting::paintBorder(painter, size(), m_borderColour);
}

void SlidingTile::setMarked(bool marked)
{
    if (m_marked == marked)
        return;
    m_marked = marked;
    update();
}

void SlidingTile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFace(painter);
    if (!m_marked)
        return;
    // A light tint and a thick frame, light outside and dark inside, so the pick shows on any picture.
    painter.fillRect(rect(), QColor(255, 215, 0, 70));
    const int frame = qMax(3, qMin(width(), height()) / 16);
    painter.setPen(QPen(QColor(255, 215, 0), frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(frame / 2.0, frame / 2.0, -frame / 2.0, -frame / 2.0));
    painter.setPen(QPen(QColor(40, 30, 0), 1));
    painter.drawRect(rect().adjusted(frame, frame, -frame - 1, -frame - 1));
}

void SlidingTile::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    event->accept();
}

void SlidingTile::mouseReleaseEvent(QMouseEvent* event)
{
    const int index = m_index;
    const bool click = event->button() == Qt::LeftButton && m_leftPressed && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    event->accept();
    // The click may replace the board (a completion's message box runs an event loop), so the
    // release is reported from copies.
    emit released(index, event->button());
    if (click)
        emit clicked(index);
}
