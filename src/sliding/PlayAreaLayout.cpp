// PlayAreaLayout.cpp: play area, picture fitting and tile cells of the sliding game's window.
#include "PlayAreaLayout.h"

#include "Rounding.h"

#include <algorithm>

namespace PlayAreaLayout {

QRect PlayArea(int innerWidth, int innerHeight)
{
    return QRect(AreaLeft, AreaTop, innerWidth - AreaWidthMargin, innerHeight - AreaHeightMargin);
}

namespace {
QRectF centred(const QRect& area, double width, double height)
{
    return QRectF(area.left() + (area.width() - width) / 2.0, area.top() + (area.height() - height) / 2.0,
        width, height);
}
} // namespace

QRectF FitPicture(QSizeF picture, const QRect& area)
{
    const double sw = picture.width();
    const double sh = picture.height();
    if (!(sw > 0.0 && sh > 0.0) || area.width() <= 0 || area.height() <= 0)
        return centred(area, 0.0, 0.0);

    if (sw <= area.width() / 2.0 && sh <= area.height() / 2.0) {
        // Whole-number division; a divisor that rounds to 0 (a sliver of a picture) counts as 1.
        const int kx = area.width() / std::max(1, Rounding::roundToInt(2.0 * sw));
        const int ky = area.height() / std::max(1, Rounding::roundToInt(2.0 * sh));
        const int k = std::max(kx, ky) + 1;
        return centred(area, sw * k, sh * k);
    }
    if (sw <= area.width() && sh <= area.height())
        return centred(area, sw, sh);

    // The direction that allows the smaller scale limits the picture.
    const double scaleX = (area.width() - 2.0 * FitInset) / sw;
    const double scaleY = (area.height() - 2.0 * FitInset) / sh;
    const double scale = std::max(0.0, std::min(scaleX, scaleY));
    return centred(area, sw * scale, sh * scale);
}

QRectF cellRect(const QRectF& picture, int gridSize, Cell cell)
{
    if (gridSize <= 0)
        return {};
    const double tileWidth = picture.width() / gridSize;
    const double tileHeight = picture.height() / gridSize;
    return QRectF(picture.left() + cell.column * tileWidth, picture.top() + cell.row * tileHeight, tileWidth,
        tileHeight);
}

} // namespace PlayAreaLayout
