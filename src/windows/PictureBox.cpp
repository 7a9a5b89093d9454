// PictureBox.cpp: painting the picture and its border, and turning mouse releases into signals.
#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(Fit fit, QWidget* parent)
    : QWidget(parent)
    , m_fit(fit)
{
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    if (m_fit == Fit::Actual)
        updateGeometry();
    update();
}

void PictureBox::setBorder(bool border)
{
    if (m_border == border)
        return;
    m_border = border;
    update();
}

QRect PictureBox::pictureRect() const
{
    return m_fit == Fit::Stretch ? rect() : QRect(QPoint(0, 0), m_picture.size());
}

QPoint PictureBox::picturePixelAt(QPoint position) const
{
    const QRect area = pictureRect();
    if (m_picture.isNull() || !area.contains(position) || !rect().contains(position))
        return { -1, -1 };
    const int x = position.x() * m_picture.width() / area.width();
    const int y = position.y() * m_picture.height() / area.height();
    return { x, y };
}

QSize PictureBox::sizeHint() const
{
    return m_fit == Fit::Actual && !m_picture.isNull() ? m_picture.size() : QSize(32, 32);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawImage(pictureRect(), m_picture);
    if (m_border) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    const bool over = rect().contains(position);
    const bool wasLeftClick = m_leftPressed && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    if (over) {
        emit released(position, event->button());
        if (wasLeftClick)
            emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}
