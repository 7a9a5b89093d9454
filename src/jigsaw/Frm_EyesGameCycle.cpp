// Frm_EyesGameCycle.cpp: the jigsaw window's game cycle: new picture, level build, scatter, clock,
// pause and time end, and the background with its target area.
#include "Frm_EyesGame.h"

#include "AppContext.h"
#include "BackTileFile.h"
#include "BuiltInPictures.h"
#include "FavFields.h"
#include "GameCompanions.h"
#include "GameSaveFile.h"
#include "GameWindowShell.h"
#include "JigsawBackground.h"
#include "JigsawScatter.h"
#include "JoinGlow.h"
#include "LevelBuilder.h"
#include "PieceWindow.h"
#include "RandomSource.h"
#include "TurnUnit.h"
#include "Twips.h"

#include <QLabel>

namespace {
constexpr int BuiltInChoices = 10;
} // namespace

void Frm_EyesGame::newPictureGame()
{
    finishDrag();
    if (!confirmNewGame())
        return;
    // The player's own picture, while it can be opened (a refusal is told, then a built-in one).
    const GameChoices::Picture& choice = newGameChoice().picture;
    if (choice.kind == GameChoices::Picture::Kind::File && openPictureFile(choice.path, false))
        return;
    m_context.random->reseed();
    const int pictureIndex = GameChoices::builtInPicture(choice, m_pictureIndex, BuiltInChoices, *m_context.random);
    const QImage chosen = m_pictures.picture(pictureIndex);
    if (chosen.isNull())
        return;
    m_pictureIndex = pictureIndex;
    m_pictureHash.clear();
    m_pictureFile.clear();
    m_picturePath.clear();
    newGameOn(chosen);
}

bool Frm_EyesGame::confirmNewGame()
{
    return m_shell->confirmNewGame(m_game);
}

QSize Frm_EyesGame::pictureArea() const
{
    return JigsawGame::pictureArea(windowTwips());
}

void Frm_EyesGame::newGameOn(const QImage& picture)
{
    m_game.stopClock();
    m_shell->showClock(m_game);
    m_surface->hideTarget();
    m_source = picture;
    Setset();

    const QSize area = JigsawGame::pictureArea(windowTwips());
    QImage fitted = m_source.convertToFormat(QImage::Format_RGB32);
    if (fitted.width() > area.width() || fitted.height() > area.height())
        fitted = fitted.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_fitted = fitted;
    m_pictureLoaded = true;
    startGame();
}

void Frm_EyesGame::startGame()
{
    m_game.clearPause();
    m_shell->showClock(m_game);
    if (!m_pictureLoaded) {
        newPictureGame();
        return;
    }
    removePieces();
    buildLevel();
    scatterPieces();
    m_save->drop();
    m_shell->showClock(m_game);
    PaintJigsawBackground();
    LblTime->show();
    companions().pictureChanged();
}

void Frm_EyesGame::removePieces()
{
    m_shadow->hide();
    Shape1->hide();
    m_glow->finish();
    for (PieceWindow* piece : Pic_show)
        delete piece;
    Pic_show.clear();
    m_table.clear();
    m_game.clearLevel(&m_table);
}

void Frm_EyesGame::buildLevel()
{
    // Each level draws its own seams, on a clean copy of the picture.
    m_working = m_fitted.copy();
    // The build's draws are kept: a saved game cuts the same level again from them.
    m_level = JigsawSave::buildNew(
        GameChoices::jigsawRecord(newGameChoice(), record()), m_working, m_table, *m_context.random);
    m_levelCode = m_level.levelCode;
    m_turned.reset(m_working);
    if (m_level.rotation)
        m_turned.make();
    m_game.startGame(&m_table, m_level.shapeFamily, m_level.rotation);
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
    for (int k = 1; k <= count; ++k) {
        UnitWindow& unit = m_play.window(k);
        unit.pos = places.value(k);
        unit.visible = true;
    }
    makePieceWindows();
}

void Frm_EyesGame::makePieceWindows()
{
    const int count = m_play.pieceCount();
    Pic_show.assign(count + 1, nullptr);
    for (int k = 1; k <= count; ++k) {
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
    const JigsawGame::Tick tick = m_game.tick(clientTwips());
    LblTime->setText(m_game.timeText());
    if (tick.droppedUnit > 0)
        applyDrop(tick.droppedUnit, tick.drop);
    if (!tick.timeEnded)
        return;
    m_save->drop();
    m_shell->showClock(m_game);
    m_shell->announceTimeEnd();
    recordGame(0);
}
