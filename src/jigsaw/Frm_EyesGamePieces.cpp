// Frm_EyesGamePieces.cpp: the jigsaw window's piece windows: mouse handling over JigsawPlay, the
// shadow and drag frame, turning, joins and completion.
#include "Frm_EyesGame.h"

#include "AppContext.h"
#include "GameSounds.h"
#include "MessageBoxes.h"
#include "Mmedia.h"
#include "PieceWindow.h"
#include "TurnUnit.h"
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
    PieceWindow* piece = pieceWindow(k);
    if (button == Qt::RightButton) {
        if (m_play.rotation())
            turnPiece(k, 90);
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
    const JigsawPlay::Drop drop = m_play.release(
        k, QPointF(Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y())), clientTwips());
    if (!drop.dropped)
        return;
    Shape1->hide();
    movePiece(k);
    syncShadow(k);
    pieceWindow(k)->setCursor(m_normalPointer);
    applyDrop(k, drop);
}

void Frm_EyesGame::applyDrop(int k, const JigsawPlay::Drop& drop)
{
    Q_UNUSED(k);
    const JoinResult& join = drop.join;
    if (!join.joined)
        return;
    m_shadow->hide();
    if (join.intoBoard) {
        syncPiece(join.absorbed);
    } else {
        syncPiece(join.survivor);
        syncPiece(join.absorbed);
    }
    if (join.completed)
        completeGame();
    else
        m_sounds->playJoin(m_record);
}

void Frm_EyesGame::completeGame()
{
    m_sounds->playJigsawSuccess(m_record, *m_jingle);
    Timer1.stop();
    m_clock.finish();
    m_play.ended = true;
    const CompletionScore score = JigsawPlay::completionScore(
        m_play.shapeFamily(), m_clock.value(), m_play.pieceCount(), m_play.rotation(), m_context.strings);
    if (score.showMessage)
        m_context.messages->inform(
            this, m_context.strings.text(StringTable::Congratulate), score.message, MessageIcon::Information);
}

void Frm_EyesGame::turnPiece(int k, int angle)
{
    const TurnResult turned = turnUnit(m_table, angle, k, m_play.window(k).size, m_working.size());
    if (!turned.turned)
        return;
    m_play.setUnitShape(k, turned.windowSize, turned.outline);
    syncPiece(k);
    // The shadow follows the turned outline behind the piece; whether it shows does not change.
    const UnitWindow& unit = m_play.window(k);
    m_shadow->setOutline(unit.outline, unit.size);
    m_shadow->move(toPixels(unit.pos + QPointF(JigsawPlay::ShadowOffset, JigsawPlay::ShadowOffset)));
    m_shadow->raise();
    pieceWindow(k)->raise();
    m_sounds->playRotate(m_record);
}
