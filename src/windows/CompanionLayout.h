// CompanionLayout.h: where the preview and tool windows sit and how wide a preview is, in twips.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace CompanionLayout {

// Inner area a preview window starts with; its width then follows the picture.
inline constexpr int kPreviewInitialWidth = 2730;
inline constexpr int kPreviewInitialHeight = 1860;
// The preview sits inside the game window's lower right corner, this far above its bottom edge.
inline constexpr int kPreviewBottomGap = 100;
// The sliding game's tool window hangs at the game window's left edge, this far below its top.
inline constexpr int kSlidingToolDrop = 1500;

// Width of a preview `height` high that keeps the picture's proportions (rounded half to even);
// an empty picture leaves `currentWidth` as it is.
int previewWidth(QSize picture, int height, int currentWidth);

// Top-left corner of a preview of size `preview` for a game window with outer rectangle `game`.
QPoint previewPosition(const QRect& game, QSize preview);

// Tool windows: the sliding game's at the left edge below the top, the jigsaw's in the top right corner.
QPoint slidingToolPosition(const QRect& game);
QPoint jigsawToolPosition(const QRect& game, QSize tool);

// Whole-pixel geometry to twips and back (the screen's factor, see Twips).
QRect toTwips(const QRect& pixels);
QSize toTwips(QSize pixels);
QPoint toPixels(QPoint twips);
QSize toPixels(QSize twips);

} // namespace CompanionLayout
