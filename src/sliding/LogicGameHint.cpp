// LogicGameHint.cpp: the hint's worker, blinking and label.
#include "LogicGameHint.h"

#include "SlidingBoard.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QThread>

namespace {
constexpr int BlinkMilliseconds = 150;
constexpr int BlinkToggles = 6; // an even count leaves the tile shown
} // namespace

LogicGameHint::LogicGameHint(QWidget* board, std::function<QWidget*(int)> tileWidget)
    : QObject(board)
    , m_board(board)
    , m_tileWidget(std::move(tileWidget))
    , m_label(new QLabel(board))
{
    m_label->setObjectName(QStringLiteral("LblHint"));
    m_label->setAutoFillBackground(true);
    m_label->setMargin(4);
    m_label->hide();
    m_blinkTimer.setInterval(BlinkMilliseconds);
    connect(&m_blinkTimer, &QTimer::timeout, this, &LogicGameHint::blink);
}

void LogicGameHint::request(const SlidingBoard& board, bool swapModeOn)
{
    clear();
    m_working = true;
    const int generation = m_generation;
    QPointer<LogicGameHint> self(this);
    QThread* worker = QThread::create([self, board, swapModeOn, generation] {
        const SlidingHint hint = SlidingHint::of(board, swapModeOn);
        // self is only read on the interface thread, inside the queued call.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, hint, generation] {
                if (!self || generation != self->m_generation)
                    return;
                self->m_working = false;
                self->show(hint);
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start(QThread::LowPriority);
}

void LogicGameHint::clear()
{
    ++m_generation;
    m_working = false;
    m_label->hide();
    if (m_blinkTimer.isActive()) {
        m_blinkTimer.stop();
        if (QWidget* tile = m_tileWidget(m_blinkTile))
            tile->show();
    }
}

void LogicGameHint::show(const SlidingHint& hint)
{
    if (hint.kind == SlidingHint::Kind::None)
        return;
    m_label->setText(hint.text());
    m_label->adjustSize();
    m_label->move((m_board->width() - m_label->width()) / 2, 0);
    m_label->show();
    m_label->raise();
    m_blinkTile = hint.kind == SlidingHint::Kind::Swap ? hint.swapFirst : hint.tile;
    m_blinksLeft = BlinkToggles;
    if (m_tileWidget(m_blinkTile))
        m_blinkTimer.start();
    emit shown(hint);
}

void LogicGameHint::blink()
{
    QWidget* tile = m_tileWidget(m_blinkTile);
    if (!tile || --m_blinksLeft < 0) {
        m_blinkTimer.stop();
        return;
    }
    tile->setVisible(!tile->isVisible());
}
