// Frm_EyesGameSave.cpp: the jigsaw window's saved game: what a closed window keeps, and the
// first activation resuming it.
#include "Frm_EyesGame.h"

#include "BuiltInPictures.h"
#include "GameCompanions.h"
#include "GameSaveFile.h"
#include "GameWindowShell.h"
#include "PieceWindow.h"

#include <QFileInfo>
#include <QLabel>

std::optional<SavedGame::Document> Frm_EyesGame::savedGame()
{
    if (m_play.pieceCount() == 0 || m_game.isEnded() || m_game.isTimeEnded())
        return std::nullopt;
    // A unit still held is saved where it lies, dropped as a release there would drop it.
    finishDrag();
    if (m_game.isEnded())
        return std::nullopt;
    SavedGame::Document d = JigsawSave::capture(m_play, m_level, m_game.clock().value(), m_game.isPaused());
    d.picture = GameSaveFile::pictureOf(m_pictureIndex, m_picturePath, m_source);
    return d;
}

bool Frm_EyesGame::resumeSavedGame()
{
    const std::optional<SavedGame::Document> saved = m_save->take();
    if (!saved)
        return false;
    const QImage source
        = GameSaveFile::picture(saved->picture, [this](int index) { return m_pictures.picture(index); });
    removePieces();
    QString problem;
    if (!JigsawSave::resume(*saved, source, m_fitted, m_working, m_table, m_play, &m_level, &problem)) {
        m_save->refuse(problem);
        return false;
    }
    m_source = source;
    m_pictureIndex = saved->picture.builtIn;
    m_picturePath = saved->picture.path;
    m_pictureFile = QFileInfo(m_picturePath).fileName();
    m_pictureHash = m_pictureIndex < 0 ? GameSaveFile::recordHash(saved->picture) : QString();
    m_pictureLoaded = true;
    m_levelCode = m_level.levelCode;
    m_turned.reset(m_working);
    if (m_level.rotation)
        m_turned.make();
    m_game.resumeGame(saved->seconds, saved->paused);
    makePieceWindows();
    for (int k : m_play.stacking())
        pieceWindow(k)->raise();
    LblTime->raise();
    Lblpause->raise();
    LblTimeEnd->raise();
    m_shell->showClock(m_game);
    PaintJigsawBackground();
    LblTime->show();
    companions().pictureChanged();
    return true;
}
