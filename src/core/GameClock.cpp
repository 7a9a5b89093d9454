// GameClock.cpp: ticks and label texts of the game clock.
#include "GameClock.h"

namespace {
// At least four digits, of which the label shows the first four.
QString fourDigits(int value)
{
    return QString::number(value).rightJustified(4, u'0').left(4);
}

QString spaced(const QString& digits)
{
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0)
            text += u' ';
        text += digits[i];
    }
    return text;
}
} // namespace

void GameClock::restart()
{
    m_value = 0;
    m_labelled = true;
    m_running = true;
    m_finished = false;
}

void GameClock::resume(int value, bool running)
{
    m_value = value < 0 ? 0 : (value >= EndValue ? EndValue - 1 : value);
    m_labelled = true;
    m_running = running;
    m_finished = false;
}

void GameClock::finish()
{
    m_running = false;
    m_finished = true;
}

bool GameClock::tick()
{
    if (!m_running)
        return false;
    const int next = m_value + 1;
    m_value = fourDigits(next).toInt();
    m_labelled = true;
    if (next != EndValue)
        return false;
    finish();
    return true;
}

QString GameClock::text() const
{
    return m_labelled ? textFor(m_value) : spaced(fourDigits(m_value));
}

QString GameClock::textFor(int value)
{
    return QStringLiteral("Time ") + spaced(fourDigits(value));
}
