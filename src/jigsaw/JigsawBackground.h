// JigsawBackground.h: the jigsaw window's play surface. It paints the background (the bakdatae tile,
// the frame bitmaps), the sunken target frame `Line1`(0..3) of the catalogue levels and, for the
// shape-board levels, the backing plate `Imgbak` with the board's black shadow; the piece windows
// are its children, above all of that.
#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QWidget>

#include <array>
#include <functional>

class JigsawBackground : public QWidget {
    Q_OBJECT

public:
    // One line element of the target frame, in twips.
    struct TargetLine {
        QLineF line;
        QColor colour;
    };

    // Target frame offsets and colours, twips.
    static constexpr double TargetRightMargin = 1600;
    static constexpr double TargetTop = 500;
    static constexpr double TargetGrow = 10;
    static constexpr QRgb TargetDark = 0xFF404040; // 4210752
    static constexpr QRgb TargetLight = 0xFFFFFFFF; // 16777215
    // Backing plate margin and board shadow offset, twips.
    static constexpr double PlateMargin = 10;
    static constexpr double BoardShadowOffset = 30;

    explicit JigsawBackground(QWidget* parent = nullptr);

    // The tile repeated from the top-left corner (null: none).
    void setTile(const QImage& tile);
    const QImage& tile() const { return m_tile; }

    // `Line1`(0..3) for a window width and a working picture size (both twips).
    static std::array<TargetLine, 4> targetLines(double windowWidth, QSizeF picture);
    void showTarget(double windowWidth, QSizeF picture);
    void hideTarget();
    bool targetVisible() const { return m_targetVisible; }
    const std::array<TargetLine, 4>& lines() const { return m_lines; }

    // `Imgbak` and the board's shadow: board window at boardPos (twips) of inner size boardSize
    // (pixels) with the board outline in window pixels.
    void showBoard(QPointF boardPos, QSize boardSize, const QRegion& boardOutline);
    void hideBoard();
    bool boardVisible() const { return m_boardVisible; }
    QRect plateRect() const { return m_plate; } // pixels
    const QRegion& boardShadow() const { return m_boardShadow; } // pixels

    // Right-button press on the background at a point of it; true when the press was taken (a
    // piece just missed turned), and its release then opens nothing.
    std::function<bool(QPoint)> onContextPress;
    // Right-button release on the background.
    std::function<void(QPoint)> onContextRelease;
    // The surface (the window's client area) changed its size.
    std::function<void()> onResized;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect framedArea() const;

    QImage m_tile;
    std::array<TargetLine, 4> m_lines {};
    bool m_targetVisible = false;
    QRect m_plate;
    QRegion m_boardShadow;
    bool m_boardVisible = false;
    QImage m_plateImage;
    bool m_pressTaken = false;
};
