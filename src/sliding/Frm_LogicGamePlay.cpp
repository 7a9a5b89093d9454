// Frm_LogicGamePlay.cpp: the sliding window's games: new pictures, building the board, the
// clock, moves, swaps and completion.
#include "Frm_LogicGame.h"

#include "AppContext.h"
#include "BuiltInPictures.h"
#include "ColourValue.h"
#include "FavFields.h"
#include "GameSaveFile.h"
#include "SlidingSave.h"
#include "GameCompanions.h"
#include "GameRecorder.h"
#include "GameSounds.h"
#include "LogicGameHint.h"
#include "Mmedia.h"
#include "PlayAreaLayout.h"
#include "RandomSource.h"
#include "SlidingTile.h"
#include "TilePainting.h"
#include "Twips.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>

#include <utility>

// ---- New games ----

bool Frm_LogicGame::PickBuiltInPicture()
{
    m_pictureIndex = GameChoices::builtInPicture(newGameChoice().picture, m_pictureIndex, 10, *m_ctx.random);
    m_pictureHash.clear();
    m_pictureFile.clear();
    m_picturePath.clear();
    PicShowAll = m_pictures.picture(m_pictureIndex);
    return !PicShowAll.isNull();
}

bool Frm_LogicGame::resumeSavedGame()
{
    const std::optional<SavedGame::Document> saved = m_save->take();
    if (!saved)
        return false;
    const QImage picture
        = GameSaveFile::picture(saved->picture, [this](int index) { return m_pictures.picture(index); });
    QString problem = QStringLiteral("The saved picture cannot be shown.");
    if (picture.isNull() || !SlidingSave::restore(*saved, m_game, &problem)) {
        m_save->refuse(problem);
        return false;
    }
    m_pictureIndex = saved->picture.builtIn;
    m_picturePath = saved->picture.path;
    m_pictureFile = QFileInfo(m_picturePath).fileName();
    m_pictureHash = m_pictureIndex < 0 ? GameSaveFile::recordHash(saved->picture) : QString();
    PicShowAll = picture;
    fitPicture();
    ApplyPrefs();
    showGame();
    return true;
}

void Frm_LogicGame::fitPicture()
{
    // Once shown, the window has its final size (fitted to the screen, framed): the play area is
    // taken from the surface the tiles lie on, not from the size the window asked for at load.
    if (isVisible())
        m_playArea = PlayAreaLayout::PlayArea(
            Twips::fromPixelsInt(centralWidget()->width()), Twips::fromPixelsInt(centralWidget()->height()));
    const double perPixel = Twips::perPixel();
    m_pictureTwips = PlayAreaLayout::FitPicture(QSizeF(PicShowAll.width() * perPixel, PicShowAll.height() * perPixel), m_playArea);
    Img_pic->setGeometry(TilePainting::toPixels(m_pictureTwips));
    Img_pic->setPixmap(QPixmap::fromImage(PicShowAll));
    Img_pic->show();
    PaintBackground();
}

bool Frm_LogicGame::confirmNewGame()
{
    return m_shell->confirmNewGame(m_game);
}

void Frm_LogicGame::NewPictureGame()
{
    if (!confirmNewGame())
        return;
    m_game.stopClock();
    m_shell->showClock(m_game);
    // The player's own picture, while it can be opened (a refusal is told, then a built-in one).
    const GameChoices::Picture& chosen = newGameChoice().picture;
    if (chosen.kind == GameChoices::Picture::Kind::File && openPictureFile(chosen.path, false))
        return;
    if (!PickBuiltInPicture())
        return;
    newGameOnPicture();
}

void Frm_LogicGame::newGameOnPicture()
{
    m_game.stopClock();
    m_shell->showClock(m_game);
    fitPicture();
    m_game.markIdle();
    StartGame();
}

void Frm_LogicGame::StartGame()
{
    if (!m_shell->confirmNewGame(m_game))
        return;
    if (PicShowAll.isNull()) {
        NewPictureGame();
        if (PicShowAll.isNull())
            return;
    }
    setCursor(Qt::WaitCursor);
    ApplyPrefs();
    // The start-up jingle is left to play to its end; its device closes at completion or unload.
    const int gridSize = SlidingGame::gridSizeFromRecord(GameChoices::logicRecord(newGameChoice(), prefRecord()));
    pbr1->setRange(0, gridSize * 100);
    pbr1->setValue(0);
    pbr1->show();
    m_hint->clear();
    BuildTiles(gridSize);
    m_game.startGame(gridSize, *m_ctx.random, FavFields::swapModeOn(prefRecord()));
    m_recorded = false;
    m_save->drop();
    pbr1->hide();
    showGame();
    unsetCursor();
}

void Frm_LogicGame::showGame()
{
    finishSlide();
    if (int(Pic_show.size()) != m_game.board().tileCount() + 1)
        BuildTiles(m_game.board().gridSize());
    for (int k = 1; k < int(Pic_show.size()); ++k)
        placeTile(k);
    showBlankFace();
    if (SlidingTile* first = tile(m_game.board().firstNonBlankTile()))
        first->setFocus();
    showSteps();
    m_shell->showClock(m_game);
    companions().pictureChanged();
    for (int k = 1; k < int(Pic_show.size()); ++k) {
        Pic_show[k]->setCursor(m_tileCursor);
        Pic_show[k]->show();
    }
    showSwapState();
}

void Frm_LogicGame::removeTiles()
{
    finishSlide();
    for (int k = 1; k < int(Pic_show.size()); ++k)
        delete Pic_show[k];
    Pic_show.assign(1, nullptr);
}

void Frm_LogicGame::BuildTiles(int gridSize)
{
    if (PicShowAll.isNull() || gridSize < 1 || gridSize > SlidingBoard::MaxGridSize)
        return;
    removeTiles();
    for (int row = 0; row < gridSize; ++row) {
        for (int column = 0; column < gridSize; ++column) {
            const int index = row * gridSize + column + 1;
            auto* t = new SlidingTile(index, m_surface);
            t->hide();
            const QRect cell = TilePainting::toPixels(PlayAreaLayout::cellRect(m_pictureTwips, gridSize, { row, column }));
            t->setGeometry(cell);
            t->setPicture(TilePainting::piece(PicShowAll, gridSize, { row, column }, cell.size()));
            connect(t, &SlidingTile::clicked, this, &Frm_LogicGame::Pic_show_Click);
            connect(t, &SlidingTile::released, this, &Frm_LogicGame::Pic_show_MouseUp);
            t->installEventFilter(this);
            Pic_show.push_back(t);
        }
        pbr1->setValue(pbr1->value() + 100);
    }
    drawDecorations();
    Img_pic->hide();
}

void Frm_LogicGame::placeTile(int index)
{
    SlidingTile* t = tile(index);
    if (!t)
        return;
    t->move(cellPosition(index));
}

void Frm_LogicGame::showBlankFace()
{
    SlidingTile* blank = tile(m_game.board().blankIndex());
    if (!blank)
        return;
    blank->clearLayer();
    blank->removePicture();
    blank->setFaceColour(ColourValue::toColor(m_backColour));
    if (FavFields::tileNumbersOn(prefRecord()))
        blank->drawNumber();
}

// ---- Clock ----

void Frm_LogicGame::Timer1_Timer()
{
    const TickOutcome outcome = m_game.tick();
    m_shell->showClock(m_game);
    if (outcome.timeEnded) {
        m_save->drop();
        m_shell->announceTimeEnd();
        recordGame(0);
    }
}

// ---- Moves ----

void Frm_LogicGame::showSteps() { Lblstep->setText(m_game.stepText()); }

void Frm_LogicGame::Pic_show_Click(int tile) { showClickOutcome(m_game.click(tile)); }

void Frm_LogicGame::showClickOutcome(const ClickOutcome& outcome)
{
    if (!outcome.accepted)
        return;
    if (outcome.moved) {
        m_hint->clear();
        slideTiles({ outcome.tile, outcome.otherTile ? outcome.otherTile : m_game.board().blankIndex() });
    }
    if (outcome.steps > 0)
        showSteps();
    if (outcome.solved) {
        finishSlide();
        for (int k = 1; k < int(Pic_show.size()); ++k)
            Pic_show[k]->hide();
        Img_pic->show();
        if (outcome.completion)
            complete(*outcome.completion);
    } else if (outcome.playMoveSound) {
        m_shell->sounds().playMove(prefRecord());
    }
}

void Frm_LogicGame::complete(const SlidingCompletion& completion)
{
    m_save->drop(); // a finished game is not resumed
    if (completion.playSuccessSound) {
        if (!m_fanfare)
            m_fanfare = m_shell->sounds().makeMedia();
        m_shell->sounds().playSlidingFanfare(prefRecord(), *m_fanfare, m_shell->jingle());
    }
    m_shell->showClock(m_game);
    if (completion.showsMessage())
        m_shell->congratulate(completion.message().text(m_ctx.strings));
    recordGame(completion.score);
}

// After the game's own message: the record, and a best result's note of its own.
void Frm_LogicGame::recordGame(qint64 score)
{
    if (std::exchange(m_recorded, true))
        return;
    GameRecord record;
    record.builtInPicture = m_pictureIndex;
    record.pictureHash = m_pictureHash;
    record.pictureFile = m_pictureFile;
    record.gridSize = m_game.board().gridSize();
    record.swapMode = FavFields::swapModeOn(prefRecord());
    record.seconds = m_game.seconds();
    record.moves = m_game.steps();
    record.score = score;
    record.hints = m_game.HintCount();
    m_recorder->record(record);
}

void Frm_LogicGame::Pic_show_MouseUp(int index, Qt::MouseButton button)
{
    const SwapOutcome outcome = m_game.mouseUp(index, button == Qt::RightButton, FavFields::swapModeOn(prefRecord()));
    switch (outcome.action) {
    case SwapOutcome::Action::None:
        break;
    case SwapOutcome::Action::Picked: {
        const QImage look = tile(outcome.pickedTile)->appearance();
        setTileCursors(QCursor(QPixmap::fromImage(look.scaled(64, 64, Qt::KeepAspectRatio))));
        break;
    }
    case SwapOutcome::Action::Dropped:
        if (outcome.moved) {
            m_hint->clear();
            slideTiles({ outcome.pickedTile, outcome.droppedTile });
        }
        showSteps();
        setTileCursors(m_tileCursor);
        break;
    }
    showSwapState();
}

void Frm_LogicGame::showSwapState()
{
    const QString text = SlidingGame::swapStatusText(FavFields::swapModeOn(prefRecord()), m_game.SwapPending());
    LblSwap->setText(text);
    LblSwap->setVisible(!text.isEmpty());
    const int marked = m_game.markedTile();
    for (int k = 1; k < int(Pic_show.size()); ++k)
        Pic_show[k]->setMarked(k == marked);
}

void Frm_LogicGame::setTileCursors(const QCursor& cursor)
{
    for (int k = 1; k < int(Pic_show.size()); ++k)
        Pic_show[k]->setCursor(cursor);
}

int Frm_LogicGame::keyCodeOf(int qtKey)
{
    if (qtKey >= Qt::Key_Left && qtKey <= Qt::Key_Down)
        return 37 + (qtKey - Qt::Key_Left);
    return GameCommandTable::functionKeyCode(qtKey);
}

void Frm_LogicGame::Form_KeyDown(int keyCode)
{
    if (m_game.IsPaused())
        return;
    if (const auto key = arrowKeyFromCode(keyCode)) {
        showClickOutcome(m_game.arrowKey(*key));
        return;
    }
    m_menu->runFunctionKey(keyCode);
}
