// GameClock.cpp: the four-digit clock display and its tick.
#include "GameClock.h"

#include <algorithm>

void GameClock::setShown(int value) { m_shown = std::clamp(value, 0, 9999); }

bool GameClock::tick()
{
    const int next = m_shown + 1;
    // Only the first four characters of the formatted number fit the display.
    const QString formatted = QStringLiteral("%1").arg(next, 4, 10, QLatin1Char('0'));
    m_shown = formatted.left(4).toInt();
    return next == TimeEnd;
}

QString GameClock::textFor(int shown)
{
    const QString digits = QStringLiteral("%1").arg(std::clamp(shown, 0, 9999), 4, 10, QLatin1Char('0'));
    return QStringLiteral("Time %1 %2 %3 %4").arg(digits[0]).arg(digits[1]).arg(digits[2]).arg(digits[3]);
}

QString GameClock::text() const { return textFor(m_shown); }
