// PieceWindow.cpp: painting and mouse forwarding of the piece windows, their shadow and frame.
#include "PieceWindow.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <array>

namespace {
constexpr QRgb FrameColour = 0xFFFFD700;
constexpr int FrameWidth = 1;

// The picture enlarged to a whole device pixel ratio, pixel for pixel as the painter would enlarge
// it, so that a repaint copies pixels instead of scaling them (dragging on a ratio 2 screen paints
// four times the pixels). Kept for the few pictures in use: those of the game, one per turn;
// cacheKey tells a picture from any other, and from its own earlier contents.
const QImage& atRatio(const QImage& picture, int ratio)
{
    struct Enlarged {
        qint64 key = 0;
        int ratio = 1;
        QImage image;
    };
    static std::array<Enlarged, 4> kept;
    static std::size_t next = 0;
    for (const Enlarged& e : kept) {
        if (e.key == picture.cacheKey() && e.ratio == ratio)
            return e.image;
    }
    Enlarged& e = kept[next++ % kept.size()];
    e = { picture.cacheKey(), ratio,
        picture.scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation) };
    e.image.setDevicePixelRatio(ratio);
    return e.image;
}
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
    const QRect source = target.translated(m_source.topLeft());
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1 || ratio != qRound(ratio) || ratio > 4) {
        painter.drawImage(target, *m_picture, source);
        return;
    }
    const int whole = qRound(ratio);
    const QImage& enlarged = atRatio(*m_picture, whole);
    if (enlarged.isNull())
        painter.drawImage(target, *m_picture, source);
    else
        painter.drawImage(target, enlarged, QRect(source.topLeft() * whole, source.size() * whole));
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
