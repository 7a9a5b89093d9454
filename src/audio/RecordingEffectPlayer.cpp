// RecordingEffectPlayer.cpp: records effect calls.
#include "RecordingEffectPlayer.h"

bool RecordingEffectPlayer::sndPlaySoundA(const QString& file, unsigned flags)
{
    m_calls.append({ file, flags });
    if (m_journal)
        m_journal->append(QStringLiteral("effect: ") + file + u' ' + QString::number(flags));
    return m_result;
}
