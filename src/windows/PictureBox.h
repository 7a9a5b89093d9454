// PictureBox.h: a small widget that shows a picture, with an optional single-line border, and
// reports mouse releases over it.
#pragma once

#include <QImage>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT

public:
    // Actual: the picture at its own size from the top-left corner (a drawing surface).
    // Stretch: the picture stretched over the whole widget (an image element).
    enum class Fit { Actual, Stretch };

    explicit PictureBox(Fit fit, QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    void setBorder(bool border);
    bool hasBorder() const { return m_border; }

    // The picture's pixel under a widget position, or (-1, -1) when the position is off the picture.
    QPoint picturePixelAt(QPoint position) const;

    QSize sizeHint() const override;

signals:
    // A mouse button was released with the pointer over the widget.
    void released(QPoint position, Qt::MouseButton button);
    // The left button was pressed and released over the widget.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect pictureRect() const;

    Fit m_fit;
    QImage m_picture;
    bool m_border = false;
    bool m_leftPressed = false;
};
