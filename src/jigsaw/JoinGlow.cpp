// JoinGlow.cpp: the fading ring around a unit that has just joined.
#include "JoinGlow.h"

#include <QPaintEvent>
#include <QPainter>
#include <QVariantAnimation>

JoinGlow::JoinGlow(QWidget* parent)
    : QWidget(parent)
    , m_animation(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
    m_animation->setStartValue(1.0);
    m_animation->setEndValue(0.0);
    m_animation->setDuration(DurationMs);
    m_animation->setEasingCurve(QEasingCurve::InQuad);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_strength = value.toDouble();
        update();
    });
    connect(m_animation, &QVariantAnimation::finished, this, &JoinGlow::finish);
}

QRegion JoinGlow::ring(const QRegion& outline, int width)
{
    // Grown by a square of side 2 × width + 1, one direction after the other.
    QRegion across;
    for (int dx = -width; dx <= width; ++dx)
        across += outline.translated(dx, 0);
    QRegion grown;
    for (int dy = -width; dy <= width; ++dy)
        grown += across.translated(0, dy);
    return grown - outline;
}

void JoinGlow::start(const QRegion& outline, const QRect& box)
{
    finish();
    const QRegion shape = outline.isEmpty() ? QRegion(QRect(QPoint(0, 0), box.size())) : outline;
    setGeometry(box.adjusted(-Width, -Width, Width, Width));
    setMask(ring(shape.translated(Width, Width), Width));
    m_strength = 1.0;
    show();
    raise();
    m_animation->start();
}

void JoinGlow::finish()
{
    m_animation->stop();
    m_strength = 0.0;
    hide();
}

void JoinGlow::paintEvent(QPaintEvent* event)
{
    QColor colour = QColor::fromRgb(Colour);
    colour.setAlphaF(float(0.85 * m_strength));
    QPainter painter(this);
    painter.fillRect(event->rect(), colour);
}
