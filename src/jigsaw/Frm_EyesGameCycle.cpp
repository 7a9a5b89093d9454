// Frm_EyesGameCycle.cpp: the jigsaw window's game cycle: new picture, level build, scatter, clock,
// pause and time end, and the background with its target area.
#include "Frm_EyesGame.h"

#include "AppContext.h"
#include "BackTileFile.h"
#include "BuiltInPictures.h"
#include "FavFields.h"
#include "GameCompanions.h"
#include "JigsawBackground.h"
#include "JigsawScatter.h"
#include "LevelBuilder.h"
#include "MessageBoxes.h"
#include "PieceWindow.h"
#include "RandomSource.h"
#include "TurnUnit.h"
#include "Twips.h"

#include <QLabel>

namespace {
// Play area of a new picture, twips.
constexpr double AreaWidthMargin = 1500;
constexpr double AreaHeightMargin = 2000;
constexpr double AreaWidthCap = 8000;
constexpr double AreaHeightCap = 6000;
constexpr double WideWindow = 12000;
constexpr double HighWindow = 9000;
constexpr int BuiltInChoices = 10;
} // namespace

void Frm_EyesGame::newPictureGame()
{
    finishDrag();
    const StringTable& s = m_context.strings;
    if (!m_play.ended
        && !m_context.messages->askYesNo(
            this, s.text(StringTable::Question), s.text(StringTable::AnotherNewGame), MessageIcon::Question))
        return;
    Timer1.stop();
    m_clock.stop();
    m_surface->hideTarget();
    m_context.random->reseed();
    const int pictureIndex = m_context.random->below(BuiltInChoices);
    const QImage chosen = m_pictures.picture(pictureIndex);
    if (chosen.isNull())
        return;
    m_source = chosen;
    m_pictureIndex = pictureIndex;
    Setset();

    const QSizeF window = windowTwips();
    const double areaWidth
        = window.width() > WideWindow ? AreaWidthCap : (window.width() - AreaWidthMargin) / 7 * 5;
    const double areaHeight
        = window.height() > HighWindow ? AreaHeightCap : (window.height() - AreaHeightMargin) / 6 * 4;
    const QSize area(std::max(1, Twips::toPixelsInt(areaWidth)), std::max(1, Twips::toPixelsInt(areaHeight)));
    QImage fitted = m_source.convertToFormat(QImage::Format_RGB32);
    if (fitted.width() > area.width() || fitted.height() > area.height())
        fitted = fitted.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_fitted = fitted;
    m_pictureLoaded = true;
    startGame();
}

void Frm_EyesGame::startGame()
{
    m_play.paused = false;
    Lblpause->hide();
    if (!m_pictureLoaded) {
        newPictureGame();
        return;
    }
    m_play.ended = false;
    removePieces();
    buildLevel();
    scatterPieces();

    m_clock.restart();
    LblTime->setText(m_clock.text());
    PaintJigsawBackground();
    LblTimeEnd->hide();
    LblTime->show();
    Timer1.start();
    m_companions->pictureChanged();
}

void Frm_EyesGame::removePieces()
{
    m_shadow->hide();
    Shape1->hide();
    for (PieceWindow* piece : Pic_show)
        delete piece;
    Pic_show.clear();
    m_table.clear();
    m_play.startGame(&m_table, JigsawPlay::Catalogue, false);
    m_play.ended = false;
}

void Frm_EyesGame::buildLevel()
{
    // Each level draws its own seams, on a clean copy of the picture.
    m_working = m_fitted.copy();
    const bool shapeBoard = FavFields::shapeBoardFamily(m_record);
    if (shapeBoard)
        m_levelCode
            = LevelBuilder::buildShapeBoard(m_record, m_working, m_table, *m_context.random).levelIndex;
    else
        m_levelCode = LevelBuilder::ChooseLevel(m_record, m_working, m_table, *m_context.random).levelCode;
    const bool rotation = FavFields::rotationOn(m_record);
    m_turned.reset(m_working);
    if (rotation)
        m_turned.make();
    m_play.startGame(&m_table, shapeBoard ? JigsawPlay::ShapeBoard : JigsawPlay::Catalogue, rotation);
}

void Frm_EyesGame::scatterPieces()
{
    const int count = m_play.pieceCount();
    const QSizeF picture(Twips::fromPixels(m_working.width()), Twips::fromPixels(m_working.height()));
    const QList<QPointF> places = JigsawScatter::scatter(count, windowTwips(), picture, m_play.rotation(),
        m_play.boardPiece(), *m_context.random, [this](int k, int degrees) {
            const TurnResult turned = turnUnit(m_table, degrees, k, m_play.window(k).size, m_working.size());
            if (turned.turned)
                m_play.setUnitShape(k, turned.windowSize, turned.outline);
        });
    Pic_show.assign(count + 1, nullptr);
    for (int k = 1; k <= count; ++k) {
        UnitWindow& unit = m_play.window(k);
        unit.pos = places.value(k);
        unit.visible = true;
        auto* piece = new PieceWindow(k, m_surface);
        piece->setCursor(m_normalPointer);
        piece->onPress = [this](int i, Qt::MouseButton b, QPointF p) { Pic_show_MouseDown(i, b, p); };
        piece->onMove = [this](int i, Qt::MouseButton b, QPointF p) { Pic_show_MouseMove(i, b, p); };
        piece->onRelease = [this](int i, Qt::MouseButton b, QPointF p) { Pic_show_MouseUp(i, b, p); };
        Pic_show[k] = piece;
        syncPiece(k);
    }
    m_shadow->hide();
    // Banners and the clock stay readable above the pieces.
    LblTime->raise();
    Lblpause->raise();
    LblTimeEnd->raise();
}

void Frm_EyesGame::PaintJigsawBackground()
{
    m_surface->setTile(loadBackTile(m_context.filePath(DataFile::JigsawTile)));
    const int count = m_play.pieceCount();
    const QSizeF picture(Twips::fromPixels(m_working.width()), Twips::fromPixels(m_working.height()));
    if (m_play.shapeFamily() == JigsawPlay::ShapeBoard && count > 1) {
        const UnitWindow& board = m_play.window(count);
        m_surface->showBoard(board.pos, board.size, board.outline);
        // The board's shadow is painted on the background, so the board only has to go below
        // every figure.
        if (PieceWindow* boardWindow = pieceWindow(count))
            boardWindow->lower();
    } else {
        m_surface->hideBoard();
    }
    if (m_play.shapeFamily() == JigsawPlay::Catalogue && count >= 2)
        m_surface->showTarget(windowTwips().width(), picture);
}

void Frm_EyesGame::Timer1_Timer()
{
    const bool end = m_clock.tick();
    LblTime->setText(m_clock.text());
    if (end)
        timeEnd();
}

void Frm_EyesGame::timeEnd()
{
    // A unit held when the time runs out is dropped where it is, before input stops.
    finishDrag();
    if (m_play.ended)
        return; // that drop completed the game
    m_play.timeEnded = true;
    LblTimeEnd->setText(QStringLiteral("T I M E   E N D !"));
    LblTimeEnd->adjustSize();
    LblTimeEnd->show();
    LblTimeEnd->raise();
    Timer1.stop();
    const StringTable& s = m_context.strings;
    m_context.messages->inform(
        this, s.text(StringTable::Prompt), s.text(StringTable::TimeEndGameOver), MessageIcon::Critical);
    recordGame(m_clock.value(), 0);
}
