// JigsawGame.cpp: game-flow rules of the jigsaw.
#include "JigsawGame.h"

#include "StringTable.h"
#include "Twips.h"

#include <algorithm>

namespace {
constexpr double AreaWidthMargin = 1500;
constexpr double AreaHeightMargin = 2000;
constexpr double AreaWidthCap = 8000;
constexpr double AreaHeightCap = 6000;
constexpr double WideWindow = 12000;
constexpr double HighWindow = 9000;
} // namespace

JigsawGame::JigsawGame(const StringTable& strings)
    : m_strings(strings)
{
    m_play.ended = true;
}

QSize JigsawGame::pictureArea(QSizeF window)
{
    const double width = window.width() > WideWindow ? AreaWidthCap : (window.width() - AreaWidthMargin) / 7 * 5;
    const double height
        = window.height() > HighWindow ? AreaHeightCap : (window.height() - AreaHeightMargin) / 6 * 4;
    return { std::max(1, Twips::toPixelsInt(width)), std::max(1, Twips::toPixelsInt(height)) };
}

void JigsawGame::startGame(PieceTable* table, int shapeFamily, bool rotation)
{
    m_play.startGame(table, shapeFamily, rotation);
    m_clock.restart();
}

void JigsawGame::resumeGame(int seconds, bool paused)
{
    m_play.paused = paused;
    m_play.timeEnded = false;
    m_play.ended = false;
    m_clock.resume(seconds, !paused);
    m_completion = {};
}

void JigsawGame::togglePause()
{
    if (m_play.paused) {
        m_play.paused = false;
        m_clock.start();
    } else {
        m_clock.stop();
        m_play.paused = true;
    }
}

JigsawGame::Tick JigsawGame::tick(QSizeF client)
{
    Tick tick;
    if (!m_clock.tick())
        return tick;
    tick.droppedUnit = m_play.draggedUnit();
    tick.drop = endDrag(client);
    if (m_play.ended)
        return tick; // that drop completed the game
    m_play.timeEnded = true;
    tick.timeEnded = true;
    return tick;
}

JigsawPlay::Drop JigsawGame::release(int k, QPointF mouse, QSizeF client)
{
    return afterDrop(m_play.release(k, mouse, client));
}

JigsawPlay::Drop JigsawGame::endDrag(QSizeF client)
{
    return afterDrop(m_play.endDrag(client));
}

JigsawPlay::Drop JigsawGame::afterDrop(const JigsawPlay::Drop& drop)
{
    if (!drop.join.completed)
        return drop;
    m_clock.finish();
    m_play.ended = true;
    m_completion = completionScore(
        m_play.shapeFamily(), m_clock.value(), m_play.pieceCount(), m_play.rotation(), m_strings);
    return drop;
}

QList<int> JigsawGame::gather(QSizeF client, const QList<QRect>& companions)
{
    if (refusesInput())
        return {};
    return m_play.gather(client, companions);
}

CompletionScore JigsawGame::completionScore(int shapeFamily, int seconds, int pieceCount, bool rotation,
                                            const StringTable& strings)
{
    CompletionScore result;
    int score = shapeFamily == JigsawPlay::Catalogue ? 19999 : 15999;
    score -= 4 * seconds;
    QString message = QStringLiteral(" Spend %1 sec.").arg(seconds);
    score += 99 * pieceCount;
    if (rotation)
        score += 49 * pieceCount;
    result.score = score;
    if (score == 0)
        return result;
    message += QStringLiteral(", Score %1.").arg(score);
    result.showMessage = true;
    result.message = strings.text(StringTable::WellDone) + message;
    return result;
}
