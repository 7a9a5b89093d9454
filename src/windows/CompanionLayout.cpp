// CompanionLayout.cpp: placement and preview-width arithmetic of the companion windows.
#include "CompanionLayout.h"

#include "Rounding.h"
#include "Twips.h"

namespace CompanionLayout {

int previewWidth(QSize picture, int height, int currentWidth)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return currentWidth;
    const double ratio = double(picture.width()) / double(picture.height());
    return Rounding::roundToInt(ratio * height);
}

QPoint previewPosition(const QRect& game, QSize preview)
{
    return { game.left() + game.width() - preview.width(),
        game.top() + game.height() - preview.height() - kPreviewBottomGap };
}

QPoint slidingToolPosition(const QRect& game)
{
    return { game.left(), game.top() + kSlidingToolDrop };
}

QPoint jigsawToolPosition(const QRect& game, QSize tool)
{
    return { game.left() + game.width() - tool.width(), game.top() };
}

QRect toTwips(const QRect& pixels)
{
    return { Twips::fromPixelsInt(pixels.x()), Twips::fromPixelsInt(pixels.y()),
        Twips::fromPixelsInt(pixels.width()), Twips::fromPixelsInt(pixels.height()) };
}

QSize toTwips(QSize pixels)
{
    return { Twips::fromPixelsInt(pixels.width()), Twips::fromPixelsInt(pixels.height()) };
}

QPoint toPixels(QPoint twips)
{
    return { Twips::toPixelsInt(twips.x()), Twips::toPixelsInt(twips.y()) };
}

QSize toPixels(QSize twips)
{
    return { Twips::toPixelsInt(twips.width()), Twips::toPixelsInt(twips.height()) };
}

} // namespace CompanionLayout
