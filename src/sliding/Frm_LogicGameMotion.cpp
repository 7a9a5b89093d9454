// Frm_LogicGameMotion.cpp: the sliding window's motion: tiles sliding to their new cells, and the
// board fitted again when the surface it lies on changes size.
#include "Frm_LogicGame.h"

#include "PlayAreaLayout.h"
#include "SlidingTile.h"
#include "TilePainting.h"
#include "Twips.h"

#include <QLabel>
#include <QVariantAnimation>

void Frm_LogicGame::setUpMotion()
{
    m_slideAnimation = new QVariantAnimation(this);
    m_slideAnimation->setStartValue(0.0);
    m_slideAnimation->setEndValue(1.0);
    m_slideAnimation->setDuration(TileSlide::DurationMs);
    connect(m_slideAnimation, &QVariantAnimation::valueChanged, this,
        [this](const QVariant& value) { showSlide(value.toDouble()); });
    connect(m_slideAnimation, &QVariantAnimation::finished, this, [this] { finishSlide(); });
}

void Frm_LogicGame::setAnimations(bool on)
{
    m_animations = on;
    if (!on)
        finishSlide();
}

QPoint Frm_LogicGame::cellPosition(int index) const
{
    const QRectF cell = PlayAreaLayout::cellRect(m_pictureTwips, m_game.board().gridSize(), m_game.board().cellOf(index));
    return TilePainting::toPixels(cell).topLeft();
}

// The blank is only the hole the moved tile leaves: it takes its new cell at once, below the
// others, and the tiles on their way are drawn above everything else of the board.
void Frm_LogicGame::slideTiles(const QList<int>& tiles)
{
    finishSlide();
    const bool animate = m_animations && isVisible();
    const int blank = m_game.board().blankIndex();
    QList<TileSlide::Path> paths;
    for (const int k : tiles) {
        SlidingTile* t = tile(k);
        if (!t)
            continue;
        const QPoint to = cellPosition(k);
        if (k == blank)
            t->lower();
        if (!animate || k == blank || t->pos() == to) {
            t->move(to);
            continue;
        }
        t->raise();
        paths.append({ k, t->pos(), to });
    }
    if (paths.isEmpty())
        return;
    m_slide.start(paths);
    m_slideAnimation->start();
}

void Frm_LogicGame::showSlide(double progress)
{
    m_slide.setProgress(progress);
    for (const TileSlide::Path& path : m_slide.paths()) {
        if (SlidingTile* t = tile(path.tile))
            t->move(m_slide.position(path));
    }
}

void Frm_LogicGame::finishSlide()
{
    if (!m_slideAnimation)
        return;
    m_slideAnimation->stop();
    for (const TileSlide::Path& path : m_slide.finish()) {
        if (SlidingTile* t = tile(path.tile))
            t->move(path.to);
    }
}

// The fitting of a new game, run again for the surface's new size: the picture, every tile's
// cell and its part of the picture cut again at the new tile size.
void Frm_LogicGame::refit()
{
    if (PicShowAll.isNull() || !isVisible())
        return;
    finishSlide();
    const QRectF before = m_pictureTwips;
    m_playArea = PlayAreaLayout::PlayArea(Twips::fromPixelsInt(m_surface->width()), Twips::fromPixelsInt(m_surface->height()));
    const double perPixel = Twips::perPixel();
    m_pictureTwips = PlayAreaLayout::FitPicture(QSizeF(PicShowAll.width() * perPixel, PicShowAll.height() * perPixel), m_playArea);
    if (m_pictureTwips == before)
        return;
    Img_pic->setGeometry(TilePainting::toPixels(m_pictureTwips));
    const int gridSize = m_game.board().gridSize();
    // Tiles of another board than the game's (a new game between its tiles and its start) wait for
    // that game, which lays them out itself.
    const int tiles = int(Pic_show.size()) == m_game.board().tileCount() + 1 ? int(Pic_show.size()) : 1;
    for (int k = 1; k < tiles; ++k) {
        SlidingTile* t = Pic_show[k];
        const QRect cell = TilePainting::toPixels(
            PlayAreaLayout::cellRect(m_pictureTwips, gridSize, m_game.board().cellOf(k)));
        t->setGeometry(cell);
        // Tile k shows the part of its home cell, the cell it has on a solved board.
        if (t->hasPicture())
            t->setPicture(TilePainting::piece(PicShowAll, gridSize, { (k - 1) / gridSize, (k - 1) % gridSize }, cell.size()));
    }
    PaintBackground();
}
