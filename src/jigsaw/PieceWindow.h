// PieceWindow.h: one jigsaw piece window (`Pic_show`(k)): a borderless child widget masked with
// its unit's outline that shows the working picture, turned as the unit is, under that outline.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QWidget>

#include <functional>

class PieceWindow : public QWidget {
    Q_OBJECT

public:
    // Mouse handlers of the window array: index, button, position inside the piece (pixels).
    using MouseHandler = std::function<void(int, Qt::MouseButton, QPointF)>;

    PieceWindow(int index, QWidget* parent);
    int index() const { return m_index; }

    // The picture (owned elsewhere and kept alive while shown), the part of it the window shows
    // at (0, 0), and the outline in window pixels. Sizes the window to the part and repaints it.
    void showUnit(const QImage* picture, const QRect& source, const QRegion& outline);
    const QRect& source() const { return m_source; }
    const QRegion& outline() const { return m_outline; }

    MouseHandler onPress;
    MouseHandler onMove;
    MouseHandler onRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
    const QImage* m_picture = nullptr;
    QRect m_source;
    QRegion m_outline;
};

// The dark shadow (`Pic_show`(0)) behind the piece handled last, and the board's shadow.
class PieceShadow : public QWidget {
    Q_OBJECT

public:
    explicit PieceShadow(QWidget* parent, QColor colour);
    void setOutline(const QRegion& outline, QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

// `Shape1`: the frame around the bounding box of the unit being dragged. Masked to its border, so
// moving it repaints only the thin lines it leaves and covers.
class DragFrame : public QWidget {
    Q_OBJECT

public:
    explicit DragFrame(QWidget* parent);
    void place(const QRect& box);

protected:
    void paintEvent(QPaintEvent* event) override;
};
