// JoinGlow.h: the short glow along a unit that has just joined: a ring just outside its outline,
// bright at first and fading away. Drawing only: it takes no clicks and changes nothing of the
// game.
#pragma once

#include <QColor>
#include <QRegion>
#include <QWidget>

class QVariantAnimation;

class JoinGlow : public QWidget {
    Q_OBJECT

public:
    static constexpr int DurationMs = 450;
    static constexpr int Width = 4; // the ring, in pixels outside the outline
    static constexpr QRgb Colour = 0xFFFFF0A0;

    explicit JoinGlow(QWidget* parent);

    // Glows around outline (pixels of the unit's box; empty: the whole box) of the unit whose box
    // lies at box in the parent. A glow still on show ends first.
    void start(const QRegion& outline, const QRect& box);
    // Hides the glow at once.
    void finish();
    bool glowing() const { return isVisible(); }
    // 1 at the start, falling to 0 at the end.
    double strength() const { return m_strength; }
    // What drives the fading (tests set its time themselves).
    QVariantAnimation* animation() const { return m_animation; }

    // The pixels at most width away from outline, outside it.
    static QRegion ring(const QRegion& outline, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVariantAnimation* m_animation;
    double m_strength = 0.0;
};
