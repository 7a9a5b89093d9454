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

void SlidingTile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFace(painter);
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
