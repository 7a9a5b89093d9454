// PieceWindow.cpp: painting and mouse forwarding of the piece windows, their shadow and frame.
#include "PieceWindow.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr QRgb FrameColour = 0xFFFFD700;
constexpr int FrameWidth = 1;
} // namespace

PieceWindow::PieceWindow(int index, QWidget* parent)
    : QWidget(parent)
    , m_index(index)
{
    // A masked window must not claim to be opaque: the parent then repaints around moved
    // pieces instead of the whole box (dragging stays cheap).
    setAttribute(Qt::WA_NoSystemBackground);
}

void PieceWindow::showUnit(const QImage* picture, const QRect& source, const QRegion& outline)
{
    m_picture = picture;
    m_source = source;
    m_outline = outline;
    resize(source.size());
    setMask(outline.isEmpty() ? QRegion(QRect(QPoint(0, 0), source.size())) : outline);
    update();
}

void PieceWindow::paintEvent(QPaintEvent* event)
{
    if (!m_picture || m_picture->isNull())
        return;
    QPainter painter(this);
    const QRect target = event->rect();
    painter.drawImage(target, *m_picture, target.translated(m_source.topLeft()));
}

void PieceWindow::mousePressEvent(QMouseEvent* event)
{
    if (onPress)
        onPress(m_index, event->button(), event->position());
}

void PieceWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (onMove)
        onMove(m_index, event->buttons() & Qt::LeftButton ? Qt::LeftButton : Qt::NoButton, event->position());
}

void PieceWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (onRelease)
        onRelease(m_index, event->button(), event->position());
}

PieceShadow::PieceShadow(QWidget* parent, QColor colour)
    : QWidget(parent)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void PieceShadow::setOutline(const QRegion& outline, QSize size)
{
    resize(size);
    setMask(outline.isEmpty() ? QRegion(QRect(QPoint(0, 0), size)) : outline);
}

void PieceShadow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_colour);
}

DragFrame::DragFrame(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void DragFrame::place(const QRect& box)
{
    if (box.size() != size()) {
        const QRect whole(QPoint(0, 0), box.size());
        setMask(QRegion(whole).subtracted(whole.adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth)));
    }
    setGeometry(box);
}

void DragFrame::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor::fromRgb(FrameColour));
}
