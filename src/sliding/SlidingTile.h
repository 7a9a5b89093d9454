// SlidingTile.h: one tile surface of the sliding board (`Pic_show`(k)): a retained picture with
// a layer of number and border over it.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class SlidingTile : public QWidget {
    Q_OBJECT
public:
    SlidingTile(int index, QWidget* parent = nullptr);

    int index() const { return m_index; }

    // The persistent picture, already at the tile's size; removing it leaves the face colour.
    void setPicture(const QImage& picture);
    void removePicture();
    bool hasPicture() const { return !m_picture.isNull(); }
    void setFaceColour(const QColor& colour);
    QColor faceColour() const { return m_faceColour; }

    // The drawing layer: cleared back to the picture, then a number and a border drawn on it.
    void clearLayer();
    void drawNumber();
    void drawBorder(const QColor& colour);
    bool showsNumber() const { return m_number; }
    bool showsBorder() const { return m_border; }
    QColor borderColour() const { return m_borderColour; }

    // Swap mode's pick: a frame and a tint over the face until the pick ends.
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }

    // What the tile looks like now (picture or face colour, number, border; not the mark).
    QImage appearance() const;

signals:
    // A left click (press and release on the tile).
    void clicked(int index);
    // Any button released over the tile.
    void released(int index, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintFace(QPainter& painter) const;

    int m_index;
    QImage m_picture;
    QColor m_faceColour = Qt::black;
    bool m_number = false;
    bool m_border = false;
    QColor m_borderColour;
    bool m_leftPressed = false;
    bool m_marked = false;
};
