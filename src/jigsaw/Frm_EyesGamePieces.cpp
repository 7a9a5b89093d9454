// Frm_EyesGamePieces.cpp: the jigsaw window's piece windows: mouse handling over JigsawPlay, the
// shadow and drag frame, turning, joins and completion.
#include "Frm_EyesGame.h"

#include "AppContext.h"
#include "GameCompanions.h"
#include "GameRecorder.h"
#include "GameSaveFile.h"
#include "GameSounds.h"
#include "GameWindowShell.h"
#include "JigsawBackground.h"
#include "JoinGlow.h"
#include "Mmedia.h"
#include "PieceWindow.h"
#include "Twips.h"

PieceWindow* Frm_EyesGame::pieceWindow(int k) const
{
    return k >= 1 && k < static_cast<int>(Pic_show.size()) ? Pic_show[k] : nullptr;
}

void Frm_EyesGame::syncPiece(int k)
{
    PieceWindow* piece = pieceWindow(k);
    if (!piece)
        return;
    const UnitWindow& unit = m_play.window(k);
    const PieceRecord& record = m_table.piece(k);
    const QRect source(QPoint(record.homeLeft, record.homeTop), unit.size);
    if (source != piece->source() || unit.outline != piece->outline())
        piece->showUnit(&m_turned.picture(record.turn), source, unit.outline);
    movePiece(k);
    piece->setVisible(unit.visible);
}

void Frm_EyesGame::movePiece(int k)
{
    if (PieceWindow* piece = pieceWindow(k))
        piece->move(toPixels(m_play.window(k).pos));
}

void Frm_EyesGame::syncShadow(int k)
{
    const UnitWindow& shadow = m_play.shadow();
    if (!shadow.visible) {
        m_shadow->hide();
        return;
    }
    m_shadow->setOutline(shadow.outline, shadow.size);
    m_shadow->move(toPixels(shadow.pos));
    m_shadow->show();
    m_shadow->raise();
    if (PieceWindow* piece = pieceWindow(k))
        piece->raise();
}

void Frm_EyesGame::Pic_show_MouseDown(int k, Qt::MouseButton button, QPointF pixels)
{
    if (!m_play.acceptsInput(k))
        return;
    // The glow marks where a unit was joined; once a unit moves again it has done its work.
    m_glow->finish();
    PieceWindow* piece = pieceWindow(k);
    if (button == Qt::RightButton) {
        turnPiece(k);
        return;
    }
    if (button != Qt::LeftButton
        || !m_play.press(k, QPointF(Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y()))))
        return;
    piece->raise();
    syncShadow(k);
    Shape1->place(piece->geometry());
    Shape1->raise();
    Shape1->show();
    piece->setCursor(m_holdingPointer);
}

void Frm_EyesGame::Pic_show_MouseMove(int k, Qt::MouseButton button, QPointF pixels)
{
    if (button != Qt::LeftButton
        || !m_play.drag(k, QPointF(Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y()))))
        return;
    movePiece(k);
    m_shadow->move(toPixels(m_play.shadow().pos));
    Shape1->move(pieceWindow(k)->pos());
}

void Frm_EyesGame::Pic_show_MouseUp(int k, Qt::MouseButton button, QPointF pixels)
{
    if (button != Qt::LeftButton || !m_play.dragging())
        return;
    applyDrop(k,
        m_game.release(
            k, QPointF(Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y())), clientTwips()));
}

void Frm_EyesGame::finishDrag()
{
    const int k = m_play.draggedUnit();
    if (k > 0)
        applyDrop(k, m_game.endDrag(clientTwips()));
}

void Frm_EyesGame::applyDrop(int k, const JigsawPlay::Drop& drop)
{
    if (!drop.dropped)
        return;
    Shape1->hide();
    movePiece(k);
    syncShadow(k);
    pieceWindow(k)->setCursor(m_normalPointer);
    const JoinResult& join = drop.join;
    if (!join.joined)
        return;
    m_shadow->hide();
    if (join.intoBoard) {
        syncPiece(join.absorbed);
        // Just above the board, below every loose figure (as the model stacks them).
        pieceWindow(join.absorbed)->lower();
        pieceWindow(join.survivor)->lower();
    } else {
        syncPiece(join.survivor);
        syncPiece(join.absorbed);
        pieceWindow(join.survivor)->raise();
    }
    // Along what was joined: the piece set into the board, else the grown unit.
    const int glowing = join.intoBoard ? join.absorbed : join.survivor;
    if (PieceWindow* piece = pieceWindow(glowing); m_animations && piece && piece->isVisible())
        m_glow->start(m_play.window(glowing).outline, piece->geometry());
    if (join.completed)
        completeGame();
    else
        m_shell->sounds().playJoin(record());
}

void Frm_EyesGame::setAnimations(bool on)
{
    m_animations = on;
    if (!on && m_glow)
        m_glow->finish();
}

void Frm_EyesGame::completeGame()
{
    m_save->drop(); // a finished game is not resumed
    m_shell->sounds().playJigsawSuccess(record(), m_shell->jingle());
    m_shell->showClock(m_game);
    if (m_game.completion().showMessage)
        m_shell->congratulate(m_game.completion().message);
    recordGame(m_game.score());
}

// After the game's own message: the record, and a best result's note of its own.
void Frm_EyesGame::recordGame(qint64 score)
{
    GameRecord record;
    record.builtInPicture = m_pictureIndex;
    record.pictureHash = m_pictureHash;
    record.pictureFile = m_pictureFile;
    record.levelCode = m_levelCode;
    record.pieceCount = m_play.pieceCount();
    record.shapeFamily = m_play.shapeFamily();
    record.rotation = m_play.rotation();
    record.seconds = m_game.seconds();
    record.moves = m_game.steps();
    record.score = score;
    m_recorder->record(record);
}

void Frm_EyesGame::turnPiece(int k)
{
    if (!m_play.turn(k, m_working.size(), clientTwips()))
        return;
    syncPiece(k);
    // The shadow follows the turned outline behind the piece; whether it shows does not change.
    const UnitWindow& unit = m_play.window(k);
    m_shadow->setOutline(unit.outline, unit.size);
    m_shadow->move(toPixels(unit.pos + QPointF(JigsawPlay::ShadowOffset, JigsawPlay::ShadowOffset)));
    m_shadow->raise();
    pieceWindow(k)->raise();
    // A unit turned while held keeps its frame, around its turned box.
    if (m_play.draggedUnit() == k) {
        Shape1->place(pieceWindow(k)->geometry());
        Shape1->raise();
    }
    m_shell->sounds().playRotate(record());
}

bool Frm_EyesGame::turnNear(QPoint point)
{
    const int k = m_play.rotation() ? m_play.unitNear(point) : 0;
    if (k == 0)
        return false;
    turnPiece(k);
    return true;
}

void Frm_EyesGame::clampAfterResize()
{
    if (m_play.pieceCount() == 0 || isMinimized())
        return;
    const QList<int> moved = m_play.clampAll(clientTwips());
    if (moved.isEmpty())
        return;
    m_glow->finish();
    for (int k : moved)
        movePiece(k);
    m_play.hideShadow();
    m_shadow->hide();
    if (moved.contains(m_play.boardPiece())) {
        const UnitWindow& board = m_play.window(m_play.boardPiece());
        m_surface->showBoard(board.pos, board.size, board.outline);
    }
}

void Frm_EyesGame::gatherPieces()
{
    finishDrag();
    if (m_game.refusesInput())
        return;
    QList<QRect> covered;
    for (QWidget* companion : { companions().toolWindow(), companions().previewWindow() }) {
        if (companion && companion->isVisible()) {
            const QRect frame = companion->frameGeometry();
            covered.append(QRect(m_surface->mapFromGlobal(frame.topLeft()), frame.size()));
        }
    }
    m_glow->finish();
    for (int k : m_game.gather(clientTwips(), covered)) {
        movePiece(k);
        pieceWindow(k)->raise();
    }
    m_shadow->hide();
}
